// The viewer's stereo settings: which view shows the pictures (flat, or one
// of the stereo views), whether left and right are swapped, and the offsets
// of the right picture. The view and the swap are kept in the settings; the
// offsets belong to the file on show and start at zero for each file.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

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
    // What the status bar shows: the view, the offsets, the swap and
    // whether Auto Align is on.
    QString statusText() const;

public slots:
    void setView(std::optional<stereo::View> view);
    void setSwapped(bool swapped);
    void setAutoAlign(bool on);
    void setOffsets(int dx, int dy);
    void resetOffsets();

signals:
    void viewChanged();     // the pictures must be shown anew
    void optionsChanged();  // the same pictures, composed anew
    void autoAlignChanged();  // after optionsChanged

private:
    ViewerSettings &settings_;
    std::optional<stereo::View> view_;
    stereo::Options options_;
    bool autoAlign_ = true;
};
