#include "files/ThumbnailCache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

#include "files/FilePaths.h"
#include "imaging/png_chunks.h"

namespace ThumbnailCache {

namespace {

QString cacheFolder(int size)
{
    const QByteArray home = qgetenv("XDG_CACHE_HOME");
    const QString base = home.isEmpty() || !home.startsWith('/') ? QDir::homePath() + "/.cache" : FilePaths::fromBytes(home);
    return base + (size > normalSize ? "/thumbnails/large" : "/thumbnails/normal");
}

// The file's modification time in whole seconds, as the cache keeps it.
QString mtimeOf(const QString &path)
{
    const qint64 seconds = FilePaths::modifiedSeconds(path);
    return seconds >= 0 ? QString::number(seconds) : QString();
}

}  // namespace

QString uriOf(const QString &path)
{
    const QString absolute = FilePaths::absolute(path);
    // Escaped as GLib escapes a path (g_filename_to_uri), so that the other
    // programs of the desktop name the same thumbnail.
    // (The bytes themselves: QUrl's function of the same name would read them as UTF-8.)
    return "file://" + QString::fromLatin1(FilePaths::toBytes(absolute).toPercentEncoding("/!$&'()*+,=:@"));
}

QString thumbnailPathOf(const QString &path, int size)
{
    const QByteArray digest = QCryptographicHash::hash(uriOf(path).toUtf8(), QCryptographicHash::Md5).toHex();
    return cacheFolder(size) + "/" + QString::fromLatin1(digest) + ".png";
}

QImage find(const QString &path, int size)
{
    QFile file(thumbnailPathOf(path, size));
    // A thumbnail is a few tens of kilobytes; anything far larger is none.
    if (!file.open(QIODevice::ReadOnly) || file.size() > (16 << 20))
        return {};
    const QByteArray bytes = file.readAll();
    const auto *png = reinterpret_cast<const unsigned char *>(bytes.constData());
    // Read here: Qt's reader takes "Thumb::URI" for the key "Thumb".
    const auto uri = imaging::findText(png, std::size_t(bytes.size()), "Thumb::URI");
    const auto mtime = imaging::findText(png, std::size_t(bytes.size()), "Thumb::MTime");
    // An MTime with a fraction (as tumbler writes it) counts by its whole seconds.
    if (!uri || QString::fromStdString(*uri) != uriOf(path) || !mtime ||
        QString::fromStdString(*mtime).section('.', 0, 0) != mtimeOf(path))
        return {};
    return QImage::fromData(bytes, "png");
}

bool store(const QString &path, int size, const QImage &thumbnail)
{
    const QString mtime = mtimeOf(path);
    if (thumbnail.isNull() || mtime.isEmpty() || !QDir().mkpath(cacheFolder(size)))
        return false;
    QFile::setPermissions(cacheFolder(size), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (!QImageWriter(&encoded, "png").write(thumbnail))
        return false;
    // Qt's writer cannot name a text "Thumb::URI" (it splits keys at the
    // colon), so the chunks are put in here.
    std::vector<unsigned char> png(encoded.data().begin(), encoded.data().end());
    for (const auto &[key, value] : {std::pair{QByteArray("Software"), QByteArray("mpoview")},
                                     {QByteArray("Thumb::MTime"), mtime.toLatin1()},
                                     {QByteArray("Thumb::URI"), uriOf(path).toLatin1()}}) {
        std::vector<unsigned char> text(key.begin(), key.end());
        text.push_back(0);
        text.insert(text.end(), value.begin(), value.end());
        imaging::addChunk(png, {'t', 'E', 'X', 't'}, text);
    }
    QSaveFile file(thumbnailPathOf(path, size));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return file.write(reinterpret_cast<const char *>(png.data()), qint64(png.size())) == qint64(png.size()) &&
           file.commit();
}

}  // namespace ThumbnailCache
