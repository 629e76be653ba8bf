// The dialog a conversion runs in: how many files are done, a bar, and each
// file's line as it ends (what it wrote, or why it wrote nothing); Cancel
// while it runs (no further file is started, those under way end whole),
// Close once it has ended.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class ConvertRunDialog : public QDialog {
    Q_OBJECT
public:
    ConvertRunDialog(int files, QWidget *parent = nullptr);

    // One file ended: `written` is the new file, or `problem` why there is none.
    void fileDone(const QString &file, const QString &written, const QString &problem);
    // The run ended, after a Cancel or not.
    void finish();

    bool running() const { return running_; }
    bool cancelled() const { return cancelled_; }
    int writtenCount() const { return written_; }
    QStringList lines() const;
    QPushButton *button() const { return button_; }

signals:
    void cancelRequested();

protected:
    // While it runs, closing the dialog cancels the run and waits for its end.
    void reject() override;

private:
    void showCount();

    QLabel *count_;
    QProgressBar *bar_;
    QListWidget *results_;
    QPushButton *button_;
    int files_, done_ = 0, written_ = 0;
    bool running_ = true, cancelled_ = false;
};
