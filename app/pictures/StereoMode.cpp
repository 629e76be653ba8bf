#include "pictures/StereoMode.h"

#include <cmath>

#include "files/ViewerSettings.h"

StereoMode::StereoMode(ViewerSettings &settings, QObject *parent) : QObject(parent), settings_(settings)
{
    view_ = stereo::viewNamed(settings_.stereoView().toStdString());
    options_.swap = settings_.stereoSwap();
    autoAlign_ = settings_.autoAlign();
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
