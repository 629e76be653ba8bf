// The picture files of a folder (MPO, JPEG, JPS, PNS) in the order a file
// manager lists them (numbers compared as numbers: IMG_2 before IMG_10), and
// the step from one file to the next, the previous, the first or the last.
#pragma once

#include <QString>
#include <QStringList>

namespace FolderFiles {

enum class Step { Next, Previous, First, Last };

// The picture files in `folder`, sorted.
QStringList picturesIn(const QString &folder);

// The files `step` leads to from `current` (which may be gone by now) among
// the picture files of its folder, in the order they are to be tried: the
// next ones, the previous ones nearest first, or every one from the first or
// the last up to `current`. The folder is listed and sorted once.
QStringList stepCandidates(const QString &current, Step step);

}  // namespace FolderFiles
