// The Make MPO dialog: the pictures to join, in an order the user can change
// (drag, or Move Up and Move Down; a pair's rows say Left and Right), more
// added through the open panel, the kind of file, and whether an MPO file
// among them gives its first picture.
#pragma once

#include <QDialog>
#include <QStringList>

#include "ui_MakeMpo.h"

class Panels;

class MakeMpoDialog : public QDialog {
    Q_OBJECT
public:
    MakeMpoDialog(Panels &panels, QWidget *parent = nullptr);

    void setPictures(const QStringList &paths);
    QStringList pictures() const;
    std::uint32_t type() const;
    bool takesFirstPicture() const { return ui_.firstBox->isChecked(); }
    const Ui::MakeMpo &ui() const { return ui_; }

private:
    void addPictures();
    void moveCurrent(int by);
    void updateButtons();
    void nameRows();

    Panels &panels_;
    Ui::MakeMpo ui_;
};
