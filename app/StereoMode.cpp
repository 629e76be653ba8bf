#include "StereoMode.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

StereoMode::StereoMode(QSettings &settings, QObject *parent) : QObject(parent), settings_(settings)
{
    view_ = stereo::viewNamed(settings_.value(viewKey, "flat").toString().toStdString());
    options_.swap = settings_.value(swapKey, false).toBool();
    autoAlign_ = settings_.value(autoAlignKey, true).toBool();
    if (view_)
        options_.view = *view_;
}

int StereoMode::wiggleIntervalMs() const
{
    bool ok = false;
    const double rate = settings_.value(wiggleRateKey, defaultWiggleRate).toDouble(&ok);
    const double perSecond = ok && rate > 0 ? std::clamp(rate, 0.5, 30.0) : defaultWiggleRate;
    return int(std::lround(1000 / perSecond));
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
    settings_.setValue(viewKey, view_ ? stereo::describe(*view_).name : "flat");
    emit viewChanged();
}

void StereoMode::setSwapped(bool swapped)
{
    if (swapped == options_.swap)
        return;
    options_.swap = swapped;
    settings_.setValue(swapKey, swapped);
    emit optionsChanged();
}

void StereoMode::setAutoAlign(bool on)
{
    if (on == autoAlign_)
        return;
    autoAlign_ = on;
    settings_.setValue(autoAlignKey, on);
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
