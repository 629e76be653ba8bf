// Stepping through the pictures of the file on show, and the controls that
// follow the document.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controller/KivController.h"

void KivController::nextAction()
{
    if (document_.isLocked())
        return;
    if (document_.current() < document_.count()) {
        const int number = document_.current() + 1;
        document_.setCurrent(number);
        updatePicture(number);
    }
    updateButtonEnable();
}

void KivController::previousAction()
{
    if (document_.isLocked())
        return;
    if (document_.current() > 1) {
        const int number = document_.current() - 1;
        document_.setCurrent(number);
        updatePicture(number);
    }
    updateButtonEnable();
}

// Only the upper bound is kept: 0 asks for the representative picture, and a
// negative number for none, so the view keeps its picture.
void KivController::changeCurrentNum()
{
    qInfo("%s", "-[KivController changeCurrentNum:]");
    if (document_.isLocked())
        return;
    const int typed = outlets_.currentTextField->text().trimmed().toInt();
    const int number = std::min(typed, document_.count());
    document_.setCurrent(number);
    updatePicture(number);
}

void KivController::updateButtonEnable()
{
    const bool pictures = document_.stepsThroughPictures();
    if (pictures) {
        outlets_.currentTextField->setText(QString::number(document_.current()));
        outlets_.totalTextField->setText(QString::asprintf("/ %3d", document_.count()));
    } else if (document_.kind() == Document::Kind::SinglePicture) {
        outlets_.currentTextField->setText("1");
        outlets_.totalTextField->setText("/ 1");
    }
    outlets_.currentTextField->setEnabled(pictures && document_.takesNumbers());
    // Next is off at the last picture, Previous at the first unless that is the last too.
    const bool atLast = document_.current() == document_.count();
    const bool atFirst = !atLast && document_.current() == 1;
    outlets_.nextButton->setEnabled(pictures && !atLast);
    outlets_.previousButton->setEnabled(pictures && !atFirst);
    outlets_.mpoMenuItem->setEnabled(document_.kind() == Document::Kind::Pictures);  // splits MPO files only
}
