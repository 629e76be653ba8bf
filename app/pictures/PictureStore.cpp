#include "pictures/PictureStore.h"

#include <QCoreApplication>
#include <QThread>
#include <sys/stat.h>

#include "files/FilePaths.h"
#include "pictures/EngineCall.h"
#include "engine/trace_output.h"

namespace {

// The bytes of picture `number` of `path`; a failure here shows the picture
// on show flat instead of an alert.
QByteArray pictureOfFile(const QString &path, int number)
{
    EngineCall call;
    readThroughEngine(path, QString(), MPO_LOAD_ONE, number, call);
    return call.picture;
}

}  // namespace

void PictureStore::startFile(const QString &path, const QList<QByteArray> &held)
{
    const std::lock_guard lock(lock_);
    path_ = path;
    kept_.clear();
    held_.clear();
    for (const QByteArray &picture : held)
        held_.push_back(PictureBytes::of(picture));
    shown_ = {};
    shownNumber_ = 0;
}

const PictureBytes &PictureStore::put(int number, const QByteArray &bytes)
{
    const std::lock_guard lock(lock_);
    const bool held = number >= 1 && std::size_t(number) <= held_.size();  // keyed once already
    shown_ = held ? held_[std::size_t(number - 1)] : PictureBytes::of(bytes);
    shownNumber_ = number;
    return shown_;
}

PictureStore::FileState PictureStore::stateOf(const QString &path)
{
    struct stat status {};
    if (stat(FilePaths::toBytes(path).constData(), &status) != 0)
        return {};
    return {(long long)(status.st_ino), (long long)(status.st_size),
            status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec};
}

PictureBytes PictureStore::picture(int number, bool keep)
{
    const bool onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    if (onMainThread && number == shownNumber_ && !shown_.isEmpty())
        return shown_;
    std::unique_lock lock(lock_);
    if (!held_.empty())
        return number >= 1 && std::size_t(number) <= held_.size() ? held_[std::size_t(number - 1)] : PictureBytes{};
    const QString path = path_;
    const FileState before = stateOf(path);
    if (before.file >= 0 && before == keptState_)
        for (const auto &[kept, picture] : kept_)
            if (kept == number)
                return picture;
    lock.unlock();
    PictureBytes picture;
    if (onMainThread) {
        picture = PictureBytes::of(pictureOfFile(path, number));
    } else {
        const QuietTrace quiet;
        picture = PictureBytes::of(pictureOfFile(path, number));
    }
    lock.lock();
    // Kept only when the file stayed as it was while it was read.
    if (keep && !picture.isEmpty() && path == path_ && stateOf(path) == before) {
        if (before != keptState_)
            kept_.clear();
        keptState_ = before;
        std::erase_if(kept_, [number](const auto &k) { return k.first == number; });
        kept_.emplace_back(number, picture);
        if (kept_.size() > keptPictures)
            kept_.pop_front();
    }
    return picture;
}
