// Every setting the viewer keeps, in one place: its key in the settings
// file (as earlier versions wrote it), its default and a typed getter and
// setter. A default is never written to the file.
#pragma once

#include <QByteArrayList>
#include <QString>
#include <QVariant>
#include <optional>

class QSettings;

class ViewerSettings {
public:
    explicit ViewerSettings(QSettings &store) : store_(store) {}

    static constexpr const char *saveFolderKey = "SaveFolderPath";
    static constexpr const char *frameKey = "Kiv1Rect";        // the main window's frame, "x y w h"
    static constexpr const char *recentFilesKey = "RecentFiles";  // paths as bytes, newest first
    static constexpr const char *stereoViewKey = "StereoView";  // "flat" or a view's name
    static constexpr const char *stereoSwapKey = "StereoSwap";
    static constexpr const char *wiggleRateKey = "WiggleRate";  // pictures a second
    static constexpr const char *autoAlignKey = "AutoAlign";
    static constexpr const char *matchColorsKey = "MatchColors";
    static constexpr const char *enlargeSmallKey = "EnlargeSmallPictures";
    static constexpr const char *stereoWindowKey = "StereoWindow";
    static constexpr const char *adjustedQualityKey = "AdjustedPairQuality";
    static constexpr const char *lastFolderKey = "LastFolder";  // where a file panel was last used
    static constexpr const char *exportFolderKey = "ExportFolder";    // where the last stereo view or pair went
    static constexpr const char *consoleFolderKey = "ConsoleFolder";  // where the last 3DS export went
    static constexpr double defaultWiggleRate = 7.0;

    // The folder splits write into, as stored; by default the desktop's
    // pictures folder (`xdg-user-dir PICTURES`, most often ~/Pictures).
    QString saveFolder() const;
    static QString defaultSaveFolder();
    void setSaveFolder(const QString &folder);
    std::optional<QString> frame() const;
    void setFrame(const QString &frame);
    // Each as stored: a path's bytes, or its text as an earlier version kept it.
    QVariantList recentFiles() const;
    void setRecentFiles(const QByteArrayList &paths);
    QString stereoView() const;
    void setStereoView(const QString &name);
    bool stereoSwap() const;
    void setStereoSwap(bool swapped);
    // Pictures a second, kept within 0.5 to 30.
    double wiggleRate() const;
    bool autoAlign() const;
    void setAutoAlign(bool on);
    bool enlargeSmall() const;
    void setEnlargeSmall(bool on);
    bool matchColors() const;
    void setMatchColors(bool on);
    // "nearest", "point" or "camera".
    QString stereoWindow() const;
    void setStereoWindow(const QString &rule);
    // The JPEG quality of a saved adjusted pair (1 to 100, 95 unless set).
    int adjustedPairQuality() const;
    // The home folder until a panel was used.
    QString lastFolder() const;
    void setLastFolder(const QString &folder);
    // Empty until an export was written.
    QString exportFolder() const;
    void setExportFolder(const QString &folder);
    QString consoleFolder() const;
    void setConsoleFolder(const QString &folder);
    // Writes what changed to the file now.
    void sync();

private:
    QSettings &store_;
};
