#include "files/ViewerSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

QString ViewerSettings::defaultSaveFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir(QDir::homePath()).filePath("Pictures") : pictures;
}

QString ViewerSettings::saveFolder() const
{
    return store_.value(saveFolderKey, defaultSaveFolder()).toString();
}

void ViewerSettings::setSaveFolder(const QString &folder) { store_.setValue(saveFolderKey, folder); }

QString ViewerSettings::lastFolder() const { return store_.value(lastFolderKey, QDir::homePath()).toString(); }

void ViewerSettings::setLastFolder(const QString &folder) { store_.setValue(lastFolderKey, folder); }

QString ViewerSettings::exportFolder() const { return store_.value(exportFolderKey).toString(); }

void ViewerSettings::setExportFolder(const QString &folder) { store_.setValue(exportFolderKey, folder); }

QString ViewerSettings::consoleFolder() const { return store_.value(consoleFolderKey).toString(); }

void ViewerSettings::setConsoleFolder(const QString &folder) { store_.setValue(consoleFolderKey, folder); }

std::optional<QString> ViewerSettings::frame() const
{
    return store_.contains(frameKey) ? std::optional(store_.value(frameKey).toString()) : std::nullopt;
}

void ViewerSettings::setFrame(const QString &frame) { store_.setValue(frameKey, frame); }

QVariantList ViewerSettings::recentFiles() const { return store_.value(recentFilesKey).toList(); }

void ViewerSettings::setRecentFiles(const QByteArrayList &paths)
{
    QVariantList stored;
    for (const QByteArray &path : paths)
        stored << path;
    store_.setValue(recentFilesKey, stored);
}

QString ViewerSettings::stereoView() const { return store_.value(stereoViewKey, "flat").toString(); }

void ViewerSettings::setStereoView(const QString &name) { store_.setValue(stereoViewKey, name); }

bool ViewerSettings::stereoSwap() const { return store_.value(stereoSwapKey, false).toBool(); }

void ViewerSettings::setStereoSwap(bool swapped) { store_.setValue(stereoSwapKey, swapped); }

double ViewerSettings::wiggleRate() const
{
    bool ok = false;
    const double rate = store_.value(wiggleRateKey, defaultWiggleRate).toDouble(&ok);
    return ok && rate > 0 ? std::clamp(rate, 0.5, 30.0) : defaultWiggleRate;
}

bool ViewerSettings::autoAlign() const { return store_.value(autoAlignKey, true).toBool(); }

void ViewerSettings::setAutoAlign(bool on) { store_.setValue(autoAlignKey, on); }

bool ViewerSettings::enlargeSmall() const { return store_.value(enlargeSmallKey, true).toBool(); }

void ViewerSettings::setEnlargeSmall(bool on) { store_.setValue(enlargeSmallKey, on); }

bool ViewerSettings::matchColors() const { return store_.value(matchColorsKey, true).toBool(); }

void ViewerSettings::setMatchColors(bool on) { store_.setValue(matchColorsKey, on); }

QString ViewerSettings::stereoWindow() const { return store_.value(stereoWindowKey, "nearest").toString(); }

void ViewerSettings::setStereoWindow(const QString &rule) { store_.setValue(stereoWindowKey, rule); }

int ViewerSettings::adjustedPairQuality() const
{
    bool read = false;
    const int quality = store_.value(adjustedQualityKey, 95).toInt(&read);
    return read && quality >= 1 && quality <= 100 ? quality : 95;
}

void ViewerSettings::sync() { store_.sync(); }
