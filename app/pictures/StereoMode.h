// The viewer's stereo settings: which view shows the pictures (flat, or one
// of the stereo views), whether left and right are swapped, and the offsets
// of the right picture. The view and the swap are kept in the settings; the
// offsets belong to the file on show and start at zero for each file.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "stereo/alignment.h"
#include "stereo/stereo_view.h"

class ViewerSettings;

class StereoMode : public QObject {
    Q_OBJECT
public:
    explicit StereoMode(ViewerSettings &settings, QObject *parent = nullptr);

    bool isStereo() const { return view_.has_value(); }
    std::optional<stereo::View> view() const { return view_; }
    bool swapped() const { return options_.swap; }
    // Whether pairs are aligned automatically (the hand offsets add to it).
    bool autoAligns() const { return autoAlign_; }
    // The composition settings; offsets in pixels of the full-size pictures.
    const stereo::Options &options() const { return options_; }
    int wiggleIntervalMs() const;
    // Whether the colours of a pair are matched (with its alignment).
    bool matchesColours() const { return matchColours_; }
    // Where the stereo window goes, and the point chosen for it (full-size
    // pixels of the left picture; the file's own, like the offsets).
    stereo::WindowRule windowRule() const { return window_; }
    // What is done with an alignment beyond its correction, for a pair
    // whose camera recorded `cameraWindow` (or nothing).
    stereo::Choices choices(std::optional<double> cameraWindow) const;
    // What the status bar shows: the view, the offsets, the swap and
    // whether Auto Align is on.
    QString statusText() const;

public slots:
    void setView(std::optional<stereo::View> view);
    void setSwapped(bool swapped);
    void setAutoAlign(bool on);
    void setOffsets(int dx, int dy);
    void resetOffsets();
    void setMatchColours(bool on);
    void setWindowRule(stereo::WindowRule rule);
    void setWindowPoint(double x, double y);  // and the rule AtPoint
    void turnLevel(double degrees);  // by that much more, within ±10°
    void setCropAspect(double aspect);  // as stereo::Crop takes it
    // The part of what both pictures cover that is kept, as shares.
    void setCropFrame(double left, double top, double right, double bottom);
    void cropWhole() { setCropFrame(0, 0, 1, 1); }
    // A new file: its offsets, level and window point start afresh.
    void resetForNewFile();

signals:
    void viewChanged();     // the pictures must be shown anew
    void optionsChanged();  // the same pictures, composed anew
    void autoAlignChanged();  // after optionsChanged

private:
    ViewerSettings &settings_;
    std::optional<stereo::View> view_;
    stereo::Options options_;
    bool autoAlign_ = true;
    bool matchColours_ = true;
    stereo::WindowRule window_ = stereo::WindowRule::Nearest;
    double pointX_ = 0, pointY_ = 0;
};
