#include "files/FilePaths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include <QUrl>

namespace FilePaths {

namespace {

constexpr char16_t escapedByte = 0xDC00;

// The length of the UTF-8 sequence at `at` and its code point, or 0 when
// the bytes there are no well-formed sequence (overlong forms, surrogates
// and code points past U+10FFFF included).
int decodeSequence(const QByteArray &bytes, qsizetype at, char32_t &point)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t least = 0;
    if (lead < 0x80)
        return point = lead, 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, least = 0x80, point = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, least = 0x800, point = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, least = 0x10000, point = lead & 0x07;
    else
        return 0;
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return point < least || surrogate || point > 0x10FFFF ? 0 : length;
}

bool isEscapedByte(char16_t unit)
{
    return unit >= escapedByte + 0x80 && unit <= escapedByte + 0xFF;
}

}  // namespace

QString fromBytes(const QByteArray &bytes)
{
    QString path;
    path.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t point = 0;
        if (const int length = decodeSequence(bytes, at, point); length > 0) {
            path.append(QString::fromUcs4(&point, 1));
            at += length;
        } else {
            path.append(QChar(char16_t(escapedByte + static_cast<unsigned char>(bytes[at]))));
            ++at;
        }
    }
    return path;
}

QByteArray toBytes(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) { bytes.append(path.mid(runStart, end - runStart).toUtf8()); };
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscapedByte(path[i].unicode()))
            continue;
        flushRun(i);
        bytes.append(char(path[i].unicode() - escapedByte));
        runStart = i + 1;
    }
    flushRun(path.size());
    return bytes;
}

QString fromUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    return fromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QString shown(const QString &path)
{
    QString text = path;
    for (QChar &unit : text)
        if (isEscapedByte(unit.unicode()))
            unit = QChar(QChar::ReplacementCharacter);
    return text;
}

QString shownFileName(const QString &path)
{
    return shown(path.mid(path.lastIndexOf('/') + 1));
}

bool lostInTransit(const QString &path)
{
    return path.contains(QChar(QChar::ReplacementCharacter));
}

namespace {

// Every name in `folder` but "." and "..".
QStringList entriesIn(const QString &folder)
{
    QStringList names;
    DIR *listing = opendir(toBytes(folder.isEmpty() ? QStringLiteral(".") : folder).constData());
    if (listing == nullptr)
        return names;
    while (const dirent *entry = readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << fromBytes(name);
    }
    closedir(listing);
    return names;
}

}  // namespace

bool hasExtension(const QString &path, const char *extension)
{
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    return dot >= 0 && name.mid(dot + 1).compare(QLatin1String(extension), Qt::CaseInsensitive) == 0;
}

bool isPictureName(const QString &path)
{
    for (const char *known : {"mpo", "jpg", "jpeg", "jps", "pns"})
        if (hasExtension(path, known))
            return true;
    return false;
}

bool isSideBySideName(const QString &path)
{
    return hasExtension(path, "jps") || hasExtension(path, "pns");
}

bool isStereoName(const QString &path)
{
    return hasExtension(path, "mpo") || isSideBySideName(path);
}

QString recovered(const QString &path)
{
    if (!lostInTransit(path))
        return path;
    const QStringList parts = path.split('/');
    QString found;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (lostInTransit(part)) {
            QStringList matches;
            for (const QString &name : entriesIn(found))
                if (shown(name) == part)
                    matches << name;
            if (matches.size() == 1)
                part = matches.first();
        }
        found += (i == 0 ? QString() : QStringLiteral("/")) + part;
    }
    return found;
}

bool exists(const QString &path)
{
    struct stat status {};
    return stat(toBytes(path).constData(), &status) == 0;
}

QString absolute(const QString &path)
{
    if (path.startsWith('/'))
        return path;
    char *folder = getcwd(nullptr, 0);
    if (folder == nullptr)
        return path;
    const QString absolutePath = fromBytes(folder) + "/" + path;
    std::free(folder);
    return absolutePath;
}

qint64 modifiedSeconds(const QString &path)
{
    struct stat status {};
    return stat(toBytes(path).constData(), &status) == 0 ? qint64(status.st_mtime) : -1;
}

bool makeFolder(const QString &path)
{
    const QByteArray bytes = toBytes(path);
    for (qsizetype slash = bytes.indexOf('/', 1); slash > 0; slash = bytes.indexOf('/', slash + 1))
        mkdir(bytes.left(slash).constData(), 0777);  // a folder above that exists already is fine
    mkdir(bytes.constData(), 0777);
    struct stat status {};
    return stat(bytes.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool isReadableFile(const QString &path)
{
    const QByteArray bytes = toBytes(path);
    struct stat status {};
    return stat(bytes.constData(), &status) == 0 && S_ISREG(status.st_mode) && access(bytes.constData(), R_OK) == 0;
}

QByteArray readFile(const QString &path)
{
    const int fd = open(toBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray bytes;
    char chunk[1 << 16];
    for (ssize_t got; (got = read(fd, chunk, sizeof chunk)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            bytes.clear();
            break;
        }
        bytes.append(chunk, got);
    }
    close(fd);
    return bytes;
}

QStringList fileNamesIn(const QString &folder)
{
    const QString prefix = folder.isEmpty() || folder.endsWith('/') ? folder : folder + '/';
    QStringList names = entriesIn(folder);
    names.removeIf([&](const QString &name) {
        struct stat status {};
        return stat(toBytes(prefix + name).constData(), &status) != 0 || !S_ISREG(status.st_mode);
    });
    return names;
}

}  // namespace FilePaths
