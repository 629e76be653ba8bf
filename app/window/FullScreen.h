// Full screen: the window fills the screen and shows the picture alone on
// black; the menus, the controls, the status bar and any docked panel come
// back on leaving.
// The commands' shortcuts keep working, as the window holds every action.
#pragma once

#include <QList>
#include <QMargins>
#include <QObject>
#include <QPalette>
#include <QPointer>

class QMainWindow;
class QWidget;
class ZorImageView;

class FullScreen : public QObject {
    Q_OBJECT
public:
    FullScreen(QMainWindow &window, ZorImageView &view, QObject *parent = nullptr);
    bool isOn() const { return on_; }

public slots:
    void setOn(bool on);

signals:
    void switched(bool on);

private:
    void hideChrome();
    void showChrome();

    QMainWindow &window_;
    ZorImageView &view_;
    bool on_ = false;
    // What full screen changed, to put back on leaving.
    struct HiddenWidget {
        QPointer<QWidget> widget;
        bool visible;
        bool keepsPlace;
    };
    QList<HiddenWidget> hidden_;
    QMargins margins_;
    QPalette palette_;
};
