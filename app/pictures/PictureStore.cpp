#include "pictures/PictureStore.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdlib>

#include "files/FilePaths.h"
#include "engine/mpo.h"
#include "engine/trace_output.h"

namespace {

// The bytes of picture `number` of `path`; a failure here shows the picture
// on show flat instead of an alert.
QByteArray pictureOfFile(const QString &path, int number)
{
    int count = 0, representative = 0, size = 0;
    unsigned char *buffer = nullptr;
    const int result = chkMPOandSaved(FilePaths::toBytes(path).constData(), &count, &representative, MPO_LOAD_ONE,
                                      number, &buffer, &size, "", [](void *, int, int) {}, nullptr);
    const QByteArray bytes = result == 0 && buffer != nullptr ? QByteArray(reinterpret_cast<const char *>(buffer), size)
                                                              : QByteArray();
    std::free(buffer);
    return bytes;
}

}  // namespace

void PictureStore::startFile(const QString &path)
{
    const std::lock_guard lock(lock_);
    path_ = path;
    shown_ = {};
    shownNumber_ = 0;
}

const PictureBytes &PictureStore::put(int number, const QByteArray &bytes)
{
    shown_ = PictureBytes::of(bytes);
    shownNumber_ = number;
    return shown_;
}

PictureBytes PictureStore::picture(int number) const
{
    const bool onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    if (onMainThread && number == shownNumber_ && !shown_.isEmpty())
        return shown_;
    QString path;
    {
        const std::lock_guard lock(lock_);
        path = path_;
    }
    if (onMainThread)
        return PictureBytes::of(pictureOfFile(path, number));
    const QuietTrace quiet;
    return PictureBytes::of(pictureOfFile(path, number));
}
