// The thumbnail cache every desktop program shares, as the freedesktop
// thumbnail standard lays it out: ~/.cache/thumbnails/normal (128
// pixels) and large (256), one PNG per file named by the MD5 of the file's
// URI, which carries Thumb::URI and Thumb::MTime; a thumbnail whose MTime
// is not the file's own is out of date. What one program made, every other
// one finds, so each picture is decoded once.
#pragma once

#include <QImage>
#include <QString>

namespace ThumbnailCache {

// The largest side of a thumbnail of each size.
inline constexpr int normalSize = 128, largeSize = 256;

// The file's URI as the cache names it: file:// and the path's bytes, each
// byte a path may not hold as it is escaped (names that are not UTF-8 too).
QString uriOf(const QString &path);

// Where the thumbnail of `path` of `size` (normalSize or largeSize) lives.
QString thumbnailPathOf(const QString &path, int size);

// The cached thumbnail of `path`, or a null image when there is none or it
// is out of date.
QImage find(const QString &path, int size);

// Keeps `thumbnail` as the thumbnail of `path` (with the keys the
// desktop's programs read), written whole under a temporary name and then
// renamed, readable by the user only. False when it could not be written.
bool store(const QString &path, int size, const QImage &thumbnail);

}  // namespace ThumbnailCache
