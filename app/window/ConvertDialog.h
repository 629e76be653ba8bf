// The Convert Pictures dialog: the stereo files to convert (chosen one by
// one or a folder at a time), what to write of each (any view, a preset for
// a TV or a headset, a wiggle, JPS or PNS, the adjusted pair, the 3DS pair),
// how to adjust them and the folder the new files go to.
#pragma once

#include <QDialog>
#include <QStringList>

#include "stereo/conversion.h"
#include "ui_ConvertPictures.h"

class Panels;

class ConvertDialog : public QDialog {
    Q_OBJECT
public:
    ConvertDialog(Panels &panels, QWidget *parent = nullptr);

    // Starts with `files` listed and `folder` as the target.
    void prepare(const QStringList &files, const QString &folder);
    void addFiles(const QStringList &paths);
    QStringList files() const;
    QString folder() const;
    // What the choices ask for; the output folder, the quality and the
    // wiggle's rate are the caller's.
    stereo::Conversion conversion() const;
    // Chooses the output whose text has the id `textId`.
    void chooseOutput(const char *textId);
    const Ui::ConvertPictures &ui() const { return ui_; }

private:
    void addChosenFiles();
    void addFolder();
    void chooseTarget();
    void updateButtons();

    Panels &panels_;
    Ui::ConvertPictures ui_;
};
