#include "window/FullScreen.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "view/ZorImageView.h"

FullScreen::FullScreen(QMainWindow &window, ZorImageView &view, QObject *parent)
    : QObject(parent), window_(window), view_(view)
{
}

void FullScreen::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    on ? hideChrome() : showChrome();
    emit switched(on);
}

void FullScreen::hideChrome()
{
    QList<QWidget *> chrome = {window_.menuBar(), window_.statusBar()};
    chrome += window_.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QDockWidget *panel : window_.findChildren<QDockWidget *>(Qt::FindDirectChildrenOnly))
        chrome += panel;
    for (QWidget *widget : chrome) {
        if (widget == &view_)
            continue;
        QSizePolicy policy = widget->sizePolicy();
        hidden_.append({widget, widget->isVisible(), policy.retainSizeWhenHidden()});
        policy.setRetainSizeWhenHidden(false);  // no blank strip where a hidden control was
        widget->setSizePolicy(policy);
        widget->hide();
    }
    QLayout *layout = window_.centralWidget()->layout();
    margins_ = layout->contentsMargins();
    layout->setContentsMargins(0, 0, 0, 0);
    palette_ = window_.palette();
    QPalette black = palette_;
    black.setColor(QPalette::Window, Qt::black);
    window_.setPalette(black);
    view_.setBackground(Qt::black);
    window_.showFullScreen();
}

void FullScreen::showChrome()
{
    for (const HiddenWidget &hidden : std::as_const(hidden_)) {
        if (!hidden.widget)
            continue;
        QSizePolicy policy = hidden.widget->sizePolicy();
        policy.setRetainSizeWhenHidden(hidden.keepsPlace);
        hidden.widget->setSizePolicy(policy);
        hidden.widget->setVisible(hidden.visible);
    }
    hidden_.clear();
    window_.centralWidget()->layout()->setContentsMargins(margins_);
    window_.setPalette(palette_);
    view_.setBackground(ZorImageView::defaultBackground());
    window_.showNormal();
}
