#include "files/FolderFiles.h"

#include <QCollator>
#include <algorithm>

#include "files/FilePaths.h"

namespace FolderFiles {

namespace {

QCollator naturalOrder()
{
    // The C locale's collation compares code points and ignores the numeric
    // mode; English collation stands in for it.
    const QLocale system;
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// Natural order, then plain order, so that names the collator finds equal
// (IMG_01 and IMG_1) still have one place.
bool listedBefore(const QCollator &collator, const QString &a, const QString &b)
{
    const int order = collator.compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

}  // namespace

QStringList picturesIn(const QString &folder)
{
    QStringList names = FilePaths::fileNamesIn(folder);
    names.removeIf([](const QString &name) { return !FilePaths::isPictureName(name); });
    const QCollator collator = naturalOrder();
    std::sort(names.begin(), names.end(), [&](const QString &a, const QString &b) { return listedBefore(collator, a, b); });
    return names;
}

QStringList stepCandidates(const QString &current, Step step)
{
    // The folder with its closing slash ("" for a bare name), and the name.
    const QString folder = current.left(current.lastIndexOf('/') + 1);
    const QStringList names = picturesIn(folder);
    const QCollator collator = naturalOrder();
    // Where the current file stands, or would stand if it is gone.
    const QString name = current.mid(folder.size());
    const qsizetype at = std::lower_bound(names.begin(), names.end(), name, [&](const QString &a, const QString &b) {
                             return listedBefore(collator, a, b);
                         }) - names.begin();
    const bool present = at < names.size() && names[at] == name;
    QStringList candidates;
    if (step == Step::Next)
        candidates = names.mid(at + (present ? 1 : 0));
    else if (step == Step::Previous)
        candidates = names.mid(0, at);
    else
        candidates = names;
    if (step == Step::Previous || step == Step::Last)
        std::reverse(candidates.begin(), candidates.end());
    // From the first or the last, the way ends at the file on show.
    if (const qsizetype shown = candidates.indexOf(name); shown >= 0)
        candidates.resize(shown);
    for (QString &candidate : candidates)
        candidate.prepend(folder);
    return candidates;
}

}  // namespace FolderFiles
