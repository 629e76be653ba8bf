// Stepping through the pictures of the file on show.
#include <QLineEdit>
#include <QPushButton>

#include "KivController.h"

void KivController::nextAction()
{
    if (isLocked_)
        return;
    if (currentNum_ < totalCount_) {
        ++currentNum_;
        updatePicture(currentNum_);
        outlets_.currentTextField->setText(QString::number(currentNum_));
    }
    updateButtonEnable();
}

void KivController::previousAction()
{
    if (isLocked_)
        return;
    if (currentNum_ > 1) {
        --currentNum_;
        updatePicture(currentNum_);
        outlets_.currentTextField->setText(QString::number(currentNum_));
    }
    updateButtonEnable();
}

// Only the upper bound is kept: 0 asks for the representative picture, and a
// negative number for none, so the view keeps its picture.
void KivController::changeCurrentNum()
{
    qInfo("%s", "-[KivController changeCurrentNum:]");
    if (isLocked_)
        return;
    if (outlets_.currentTextField->text().trimmed().toInt() > totalCount_)
        outlets_.currentTextField->setText(QString::number(totalCount_));
    currentNum_ = outlets_.currentTextField->text().trimmed().toInt();
    updatePicture(currentNum_);
    updateButtonEnable();
}

void KivController::updateButtonEnable()
{
    const bool atLast = currentNum_ == totalCount_;
    const bool atFirst = !atLast && currentNum_ == 1;
    outlets_.nextButton->setEnabled(!atLast);
    outlets_.previousButton->setEnabled(!atFirst);
}
