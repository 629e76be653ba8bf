#include "window/ConvertRunDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "files/FilePaths.h"

ConvertRunDialog::ConvertRunDialog(int files, QWidget *parent)
    : QDialog(parent), count_(new QLabel(this)), bar_(new QProgressBar(this)), results_(new QListWidget(this)),
      button_(new QPushButton(qtTrId("ButtonCancel"), this)), files_(files)
{
    setWindowTitle(qtTrId("ConvertTitle"));
    setModal(true);
    resize(620, 360);
    bar_->setRange(0, files);
    // A long reason wraps rather than hiding behind a scroll bar.
    results_->setWordWrap(true);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(bar_);
    layout->addWidget(results_);
    layout->addLayout(buttons);
    connect(button_, &QPushButton::clicked, this, &ConvertRunDialog::reject);
    showCount();
}

void ConvertRunDialog::fileDone(const QString &file, const QString &written, const QString &problem)
{
    ++done_;
    auto *line = new QListWidgetItem(results_);
    if (problem.isEmpty()) {
        ++written_;
        line->setText(qtTrId("ConvertWritten").arg(FilePaths::shownFileName(file), FilePaths::shown(written)));
        line->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    } else {
        line->setText(qtTrId("FileReason").arg(FilePaths::shownFileName(file), problem));
        line->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    }
    line->setToolTip(FilePaths::shown(file));
    results_->scrollToItem(line);
    bar_->setValue(done_);
    showCount();
}

void ConvertRunDialog::finish()
{
    running_ = false;
    button_->setText(qtTrId("ButtonClose"));
    button_->setEnabled(true);
    button_->setDefault(true);
    showCount();
}

QStringList ConvertRunDialog::lines() const
{
    QStringList texts;
    for (int row = 0; row < results_->count(); ++row)
        texts << results_->item(row)->text();
    return texts;
}

void ConvertRunDialog::reject()
{
    if (!running_) {
        done(done_ == files_ ? Accepted : Rejected);
        return;
    }
    if (cancelled_)
        return;
    cancelled_ = true;
    button_->setEnabled(false);
    showCount();
    emit cancelRequested();
}

void ConvertRunDialog::showCount()
{
    if (running_)
        count_->setText(cancelled_ ? qtTrId("ConvertCancelling").arg(done_).arg(files_)
                                   : qtTrId("ConvertProgress").arg(done_).arg(files_));
    else
        count_->setText(cancelled_ ? qtTrId("ConvertCancelled").arg(written_).arg(files_)
                                   : qtTrId("ConvertFinished").arg(written_).arg(files_));
}
