// File paths as the bytes the system gives them. A name need not be UTF-8
// (a Latin-1 "café.MPO" from a zip archive or an old camera program), and
// Qt's own conversions would turn such bytes into U+FFFD and lose the file.
// A path is carried in a QString without loss instead: UTF-8 is decoded as
// usual, and each byte that is no part of UTF-8 stands as U+DC80 + byte (a
// lone low surrogate, which no decoded name holds). Everything that opens,
// lists or examines a file goes through these functions or the engine, not
// through QFile, QDir or QFileInfo (which serve for string work on paths
// only); what is shown to the user is `shown`.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QUrl;

namespace FilePaths {

QString fromBytes(const QByteArray &bytes);
QByteArray toBytes(const QString &path);
// A local file URL's path, from its percent-encoded bytes; empty for others.
QString fromUrl(const QUrl &url);

// Readable forms: each byte that is no UTF-8 shows as U+FFFD.
QString shown(const QString &path);
QString shownFileName(const QString &path);
// True where a name could not be handed over whole (it holds U+FFFD).
bool lostInTransit(const QString &path);
// A path that Qt's panels handed over with U+FFFD in place of bytes, found
// again: each such part of it is matched against the names in its folder,
// and taken when exactly one fits. Parts that cannot be found stay as they
// are (a new file's name, say); a path that lost nothing is returned as it is.
QString recovered(const QString &path);

// Whether the file name ends in "." and `extension`, in any case.
bool hasExtension(const QString &path, const char *extension);
// Whether it names a file the viewer shows: MPO, JPEG, JPS or PNS (.mpo,
// .jpg, .jpeg, .jps, .pns).
bool isPictureName(const QString &path);
// Whether it names a side-by-side pair (.jps, .pns).
bool isSideBySideName(const QString &path);
// Whether it names a file that holds a stereo pair: MPO, JPS or PNS.
bool isStereoName(const QString &path);

bool exists(const QString &path);
// `path` from the root: as it is, or behind the working folder (read as
// bytes, so that no folder name is lost).
QString absolute(const QString &path);
// The file's modification time in whole seconds since 1970; -1 when there is none.
qint64 modifiedSeconds(const QString &path);
// Makes the folder and any missing folders above it; whether it is there then.
bool makeFolder(const QString &path);
bool isReadableFile(const QString &path);
// The file's bytes, or empty when it cannot be read.
QByteArray readFile(const QString &path);
// The names of the entries in `folder` that are files (or links to files).
QStringList fileNamesIn(const QString &folder);

}  // namespace FilePaths
