// A viewer under test: the real windows and controller, headless, with
// settings in a scratch INI file, HOME in a scratch folder, panels answered
// by the test, a clock the test moves, and the message log caught.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <functional>
#include <memory>

#include "KivController.h"
#include "Panels.h"
#include "ViewerWindows.h"
#include "ZorImageView.h"
#include "engine_test_support.h"

void PrintTo(const QString &text, std::ostream *out);  // shows texts in failures

class ScriptedPanels : public Panels {
public:
    QString openFile(QWidget *, const QStringList &) override { return next(files); }
    QString chooseFolder(QWidget *, const QString &) override { return next(folders); }
    int alert(QWidget *, const QString &title, const QString &message) override
    {
        alerts << title + " | " + message;
        return 1;
    }
    int runModal(QDialog &dialog) override { return whileModal(dialog); }

    QStringList files, folders;                // answers, first one first; empty: cancelled
    QStringList alerts;                        // "title | message" of each alert shown
    std::function<int(QDialog &)> whileModal;  // the user's doings in a modal dialog

private:
    static QString next(QStringList &answers) { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

// A one-colour JPEG; and an MPO file of `count` of them, picture n being
// (56 + 8n) x 48 pixels so a test can tell which one is shown, picture
// `representative` (from 1; 0 for none) flagged representative.
Bytes jpegOf(QSize size);
BuiltMPO jpegMPO(int count, int representative = 1);

enum class Way { OpenPanel, Drop, Desktop };

struct ViewerTest : testing::Test {
    ViewerTest();
    ~ViewerTest() override;
    void start(const QString &handedOver = {});  // as the program starts, maybe handed a document
    void open(Way way, const QString &path);
    QString write(const std::string &name, const Bytes &bytes);
    // Drags these files onto the picture and, when it accepts and `drop` is set, drops them.
    bool drag(const QList<QUrl> &urls, bool drop = true);
    KivController &controller() { return windows->controller(); }
    const KivOutlets &o() { return controller().outlets(); }
    QVariant stored(const QString &key) { return QSettings(settingsFile, QSettings::IniFormat).value(key); }
    int shownPicture() { return (o().image->image().width() - 56) / 8; }
    std::string windowState();  // number field, count and which controls are enabled

    ScratchFolder scratch;
    QString settingsFile = QString::fromStdString(scratch.path()) + "/settings.ini";
    QByteArray realHome = qgetenv("HOME");
    QStringList log;  // the program's own message log lines
    ScriptedPanels panels;
    qint64 now = 1000;              // milliseconds of the controller's clock
    std::function<void()> onClock;  // runs when the controller reads it, as during a load
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<ViewerWindows> windows;
};
