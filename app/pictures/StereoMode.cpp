#include "pictures/StereoMode.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "files/ViewerSettings.h"

StereoMode::StereoMode(ViewerSettings &settings, QObject *parent) : QObject(parent), settings_(settings)
{
    view_ = stereo::viewNamed(settings_.stereoView().toStdString());
    options_.swap = settings_.stereoSwap();
    autoAlign_ = settings_.autoAlign();
    matchColours_ = settings_.matchColors();
    const QString rule = settings_.stereoWindow();
    window_ = rule == "camera" ? stereo::WindowRule::AsCamera : stereo::WindowRule::Nearest;
    if (view_)
        options_.view = *view_;
}

int StereoMode::wiggleIntervalMs() const
{
    return int(std::lround(1000 / settings_.wiggleRate()));
}

QString StereoMode::statusText() const
{
    if (!view_)
        return qtTrId("StatusFlat");
    QString text = qtTrId(stereo::describe(*view_).textId);
    text += qtTrId("StatusOffsets").arg(options_.dx).arg(options_.dy);
    if (options_.swap)
        text += qtTrId("StatusSwapped");
    if (options_.level != 0)
        text += qtTrId("StatusLevel").arg(QLocale().toString(options_.level, 'f', 1));
    text += autoAlign_ ? qtTrId("StatusAutoAlignOn") : qtTrId("StatusAutoAlignOff");
    return text;
}

void StereoMode::setView(std::optional<stereo::View> view)
{
    if (view == view_)
        return;
    view_ = view;
    if (view_)
        options_.view = *view_;
    settings_.setStereoView(view_ ? stereo::describe(*view_).name : "flat");
    emit viewChanged();
}

void StereoMode::setSwapped(bool swapped)
{
    if (swapped == options_.swap)
        return;
    options_.swap = swapped;
    settings_.setStereoSwap(swapped);
    emit optionsChanged();
}

void StereoMode::setAutoAlign(bool on)
{
    if (on == autoAlign_)
        return;
    autoAlign_ = on;
    settings_.setAutoAlign(on);
    emit optionsChanged();
    emit autoAlignChanged();
}

void StereoMode::setOffsets(int dx, int dy)
{
    if (dx == options_.dx && dy == options_.dy)
        return;
    options_.dx = dx;
    options_.dy = dy;
    emit optionsChanged();
}

void StereoMode::resetOffsets() { setOffsets(0, 0); }

stereo::Choices StereoMode::choices(std::optional<double> cameraWindow) const
{
    stereo::Choices choices;
    choices.matchColours = matchColours_;
    choices.window = window_;
    choices.pointX = pointX_, choices.pointY = pointY_;
    choices.cameraWindow = cameraWindow;
    return choices;
}

void StereoMode::setMatchColours(bool on)
{
    if (on == matchColours_)
        return;
    matchColours_ = on;
    settings_.setMatchColors(on);
    emit optionsChanged();
}

void StereoMode::setWindowRule(stereo::WindowRule rule)
{
    if (rule == window_)
        return;
    window_ = rule;
    // A clicked point belongs to its file: only the other rules are kept.
    if (rule != stereo::WindowRule::AtPoint)
        settings_.setStereoWindow(rule == stereo::WindowRule::AsCamera ? "camera" : "nearest");
    emit optionsChanged();
}

void StereoMode::setWindowPoint(double x, double y)
{
    pointX_ = x, pointY_ = y;
    window_ = stereo::WindowRule::AtPoint;
    emit optionsChanged();
}

void StereoMode::turnLevel(double degrees)
{
    const double level = std::clamp(std::round((options_.level + degrees) * 10) / 10, -10.0, 10.0);
    if (level == options_.level)
        return;
    options_.level = level;
    emit optionsChanged();
}

void StereoMode::setCropAspect(double aspect)
{
    if (aspect == options_.crop.aspect)
        return;
    options_.crop.aspect = aspect;
    emit optionsChanged();
}

void StereoMode::setCropFrame(double left, double top, double right, double bottom)
{
    stereo::Crop &crop = options_.crop;
    if (crop.left == left && crop.top == top && crop.right == right && crop.bottom == bottom)
        return;
    crop.left = left, crop.top = top, crop.right = right, crop.bottom = bottom;
    emit optionsChanged();
}

void StereoMode::resetForNewFile()
{
    options_.level = 0;
    options_.crop = {options_.crop.aspect};
    if (window_ == stereo::WindowRule::AtPoint)
        window_ = settings_.stereoWindow() == "camera" ? stereo::WindowRule::AsCamera : stereo::WindowRule::Nearest;
    setOffsets(0, 0);
    emit optionsChanged();
}
