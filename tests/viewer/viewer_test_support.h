// A viewer under test: the real windows and controller, headless, with
// settings in a scratch INI file, HOME in a scratch folder, panels answered
// by the test, a clock the test moves, and the message log caught.
#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>

#include "KivController.h"
#include "Panels.h"
#include "ViewerWindows.h"
#include "engine_test_support.h"

class QMimeData;

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
    int runModal(QDialog &dialog) override { return whileModal ? whileModal(dialog) : 0; }

    QStringList files, folders;                // answers, first one first; empty: cancelled
    QStringList alerts;                        // "title | message" of each alert shown
    std::function<int(QDialog &)> whileModal;  // the user's doings in a modal dialog

private:
    static QString next(QStringList &answers) { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

// A JPEG picture of one colour; and an MPO file of `count` of them, picture n
// being (56 + 8n) x 48 pixels so a test can tell which one is shown, and
// picture `representative` (from 1; 0 for none) flagged representative.
Bytes jpegOf(QSize size, Qt::GlobalColor colour = Qt::darkCyan);
BuiltMPO jpegMPO(int count, int representative = 1);

enum class Way { OpenPanel, Drop, Desktop };

struct ViewerTest : testing::Test {
    ViewerTest();
    ~ViewerTest() override;

    // A viewer as the program starts it, optionally handed a document.
    void start(const QString &handedOver = {});
    void open(Way way, const QString &path);
    QString write(const std::string &name, const Bytes &bytes);
    // Drags `data` onto the picture (taking it over) and, when the view
    // accepts and `drop` is set, drops it. Returns whether it was accepted.
    bool dragOnto(QMimeData *data, bool drop = true);
    static QMimeData *filesDrag(const QStringList &paths);

    KivController &controller() { return windows->controller(); }
    const KivOutlets &o() { return controller().outlets(); }
    QVariant stored(const QString &key) { return QSettings(settingsFile, QSettings::IniFormat).value(key); }
    int shownPicture();         // by jpegMPO's picture widths
    std::string windowState();  // number field, count and the controls' enabled state

    ScratchFolder scratch;
    QString settingsFile;
    QByteArray realHome = qgetenv("HOME");
    QStringList log;  // the program's own message log lines
    ScriptedPanels panels;
    qint64 now = 1000;  // milliseconds of the controller's clock
    std::function<void()> onClock;  // runs when the controller reads it, as during a load
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<ViewerWindows> windows;
};
