// The panels as the user sees them: Qt's own file dialog and message box.
#pragma once

#include "controller/Panels.h"

class QtPanels : public Panels {
public:
    QString openFile(QWidget *parent, const QString &title, const QString &start, const FileKind &kind) override;
    QStringList openFiles(QWidget *parent, const QString &title, const QString &start, const FileKind &kind) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &start) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &suggested,
                     const QList<FileKind> &kinds) override;
    int alert(QWidget *parent, const QString &title, const QString &message) override;
    void inform(QWidget *parent, const QString &title, const QString &message) override;
    bool ask(QWidget *parent, const QString &title, const QString &message, const QString &action) override;
    int runModal(QDialog &dialog) override;
};
