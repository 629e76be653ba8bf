// The modal panels the viewer asks the user through: the open panel, the
// folder panel, the alert (with or without an action to take) and the
// modal run of a dialog. The controller
// talks to this interface only, so tests can answer in place of a user.
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

class Panels {
public:
    virtual ~Panels() = default;

    // A file chosen by the user among files with these extensions; empty when
    // the panel was cancelled.
    virtual QString openFile(QWidget *parent, const QStringList &extensions) = 0;
    // Files chosen by the user among files with these extensions, in the
    // order chosen; empty when the panel was cancelled.
    virtual QStringList openFiles(QWidget *parent, const QStringList &extensions) = 0;
    // A folder chosen (or made) by the user, starting in `start`; empty when
    // cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &start) = 0;
    // A name for a new file, starting at `suggested`, among these extensions;
    // empty when cancelled. The panel does not offer to replace a file.
    virtual QString saveFile(QWidget *parent, const QString &suggested, const QStringList &extensions) = 0;
    // Shows a modal alert with one default button; returns 1 when that button
    // dismissed it.
    virtual int alert(QWidget *parent, const QString &title, const QString &message) = 0;
    // Shows a modal alert that offers `action` besides Cancel; true when the
    // user took it.
    virtual bool ask(QWidget *parent, const QString &title, const QString &message, const QString &action) = 0;
    // Runs `dialog` modally and returns the code it was ended with.
    virtual int runModal(QDialog &dialog) = 0;
};
