// The status bar's contents: the progress of an engine run at the left, the
// latest message, and the permanent labels (the view, the zoom) at the right.
// A message is always shown whole: when it is longer than its room the
// permanent labels give way while it shows, and when it is longer still it
// wraps onto more lines. It stays until the next message replaces it.
#pragma once

#include <QList>
#include <QObject>

class QLabel;
class QProgressBar;
class QStatusBar;

class StatusLine : public QObject {
    Q_OBJECT
public:
    explicit StatusLine(QStatusBar &bar);

    QProgressBar *progressIndicator() const { return progress_; }
    QLabel *progressText() const { return progressText_; }
    // A label at the right that gives way to a long message.
    void addPermanent(QLabel *label);

    void showMessage(const QString &text);
    QString message() const;
    const QLabel &messageLabel() const { return *message_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();
    int roomLeftOf(bool withPermanents) const;

    QStatusBar &bar_;
    QProgressBar *progress_;
    QLabel *progressText_;
    QLabel *message_;
    QList<QLabel *> permanents_;
};
