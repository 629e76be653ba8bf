#include "window/StatusLine.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

namespace {

// Room the status bar's layout takes around and between its widgets, and
// its resize grip: a little more than Qt's styles use, so that a message
// that fits by this count fits on screen.
constexpr int spacing = 8;
constexpr int gripAndMargins = 28;

}  // namespace

StatusLine::StatusLine(QStatusBar &bar)
    : QObject(&bar), bar_(bar), progress_(new QProgressBar(&bar)), progressText_(new QLabel(&bar)),
      message_(new QLabel(&bar))
{
    progress_->setObjectName(QStringLiteral("statusProgressIndicator"));
    progress_->setMaximumWidth(240);
    progress_->setTextVisible(false);
    progressText_->setObjectName(QStringLiteral("statusTextField"));
    progressText_->setText(qtTrId("StatusReading"));
    message_->setObjectName(QStringLiteral("statusMessage"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The message takes the room that is left, whatever its text's length.
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar.addWidget(progress_);
    bar.addWidget(progressText_);
    bar.addWidget(message_, 1);
    // The progress display shows in the bar's row, which keeps its height,
    // so showing it does not resize (and re-decode) the picture.
    progress_->hide();
    progressText_->hide();
    bar.installEventFilter(this);
}

void StatusLine::addPermanent(QLabel *label)
{
    bar_.addPermanentWidget(label);
    permanents_.append(label);
}

void StatusLine::showMessage(const QString &text)
{
    message_->setText(text);
    fit();
}

QString StatusLine::message() const
{
    return message_->text();
}

bool StatusLine::eventFilter(QObject *watched, QEvent *event)
{
    // The bar's width or a widget in it (a permanent label's text) changed.
    if (watched == &bar_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        fit();
    return QObject::eventFilter(watched, event);
}

// The width left for the message, with or without the permanent labels.
int StatusLine::roomLeftOf(bool withPermanents) const
{
    int room = bar_.width() - gripAndMargins;
    for (QWidget *left : {static_cast<QWidget *>(progress_), static_cast<QWidget *>(progressText_)})
        if (left->isVisibleTo(&bar_))
            room -= left->sizeHint().width() + spacing;
    if (withPermanents)
        for (const QLabel *label : permanents_)
            room -= label->sizeHint().width() + spacing;
    return room;
}

void StatusLine::fit()
{
    const QString text = message_->text();
    const QFontMetrics metrics = message_->fontMetrics();
    const bool fitsBeside = text.isEmpty() || metrics.horizontalAdvance(text) <= roomLeftOf(true);
    for (QLabel *label : std::as_const(permanents_))
        label->setVisible(fitsBeside);
    // The label's height is set here, one line or as many as the text needs,
    // never the height Qt would guess for a wrapping label of unknown width.
    const int room = fitsBeside ? 1 << 20 : std::max(roomLeftOf(false), 40);
    const QRect needed = metrics.boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, text);
    message_->setFixedHeight(std::max(needed.height(), metrics.height()));
}
