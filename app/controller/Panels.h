// The modal panels the viewer asks the user through: the open panel, the
// folder panel, the alert (with or without an action to take) and the
// modal run of a dialog. The controller
// talks to this interface only, so tests can answer in place of a user.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// A kind of file a file panel offers: its name in words and its extensions,
// which match in any case.
struct FileKind {
    QString name;
    QStringList extensions;
};

class Panels {
public:
    virtual ~Panels() = default;

    // Each file panel carries a `title` that says what it is for.
    // A file of `kind` chosen by the user, starting in the folder `start`;
    // empty when the panel was cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &start, const FileKind &kind) = 0;
    // Files of `kind` chosen by the user, in the order chosen; empty when
    // the panel was cancelled.
    virtual QStringList openFiles(QWidget *parent, const QString &title, const QString &start,
                                  const FileKind &kind) = 0;
    // A folder chosen (or made) by the user, starting in `start`; empty when
    // cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &start) = 0;
    // A name for a new file, starting at `suggested` (a path), of one of
    // `kinds` (the first one offered first); empty when cancelled. The panel
    // does not offer to replace a file.
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &suggested,
                             const QList<FileKind> &kinds) = 0;
    // Shows a modal alert with one default button; returns 1 when that button
    // dismissed it.
    virtual int alert(QWidget *parent, const QString &title, const QString &message) = 0;
    // Shows a modal note that tells rather than warns (About, a sound file),
    // with the program's icon.
    virtual void inform(QWidget *parent, const QString &title, const QString &message) = 0;
    // Shows a modal alert that offers `action` besides Cancel; true when the
    // user took it.
    virtual bool ask(QWidget *parent, const QString &title, const QString &message, const QString &action) = 0;
    // Runs `dialog` modally and returns the code it was ended with.
    virtual int runModal(QDialog &dialog) = 0;
};
