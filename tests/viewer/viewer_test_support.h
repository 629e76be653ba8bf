// A viewer under test: the real windows and controller, headless, with
// settings in a scratch INI file, panels answered by the test, a clock the
// test moves, and the message log caught.
#pragma once

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>

#include "Panels.h"
#include "ViewerWindows.h"

// Lets test failures show texts rather than bytes.
void PrintTo(const QString &text, std::ostream *out);

class ScriptedPanels : public Panels {
public:
    QString openFile(QWidget *, const QStringList &) override { return next(files); }
    QString chooseFolder(QWidget *, const QString &) override { return next(folders); }
    int alert(QWidget *, const QString &title, const QString &message) override
    {
        alerts << title + " | " + message;
        return 1;
    }
    int runModal(QDialog &dialog) override
    {
        modalRuns++;
        return whileModal ? whileModal(dialog) : 0;
    }

    QStringList files, folders;  // answers, first one first; empty: cancelled
    QStringList alerts;          // "title | message" of each alert shown
    std::function<int(QDialog &)> whileModal;  // the user's doings in a modal dialog
    int modalRuns = 0;

private:
    static QString next(QStringList &answers) { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

// Catches the message log for as long as it lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    QStringList lines;
};

class QMimeData;

// A drag of these local files, as a file manager makes it.
QMimeData *filesDrag(const QStringList &paths);
// Drags `data` onto `view` (taking it over) and, when the view accepts and
// `drop` is set, drops it. Returns whether the view accepted.
bool dragOnto(ZorImageView &view, QMimeData *data, bool drop = true);

class Viewer {
public:
    explicit Viewer(const QString &settingsFile);
    KivController &controller() { return windows->controller(); }
    const KivOutlets &outlets() { return controller().outlets(); }

    QSettings settings;
    ScriptedPanels panels;
    qint64 now = 1000;  // milliseconds of the controller's clock
    std::unique_ptr<ViewerWindows> windows;
};
