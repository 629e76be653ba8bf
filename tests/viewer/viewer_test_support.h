// A viewer under test: the real windows and controller, headless, with
// settings in a scratch INI file, HOME in a scratch folder, panels answered
// by the test, a clock the test moves, and the message log caught.
#pragma once

#include <QApplication>
#include <QBuffer>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "controller/KivController.h"
#include "controller/Panels.h"
#include "pictures/PicturePresenter.h"
#include "window/ViewerWindows.h"
#include "view/ZorImageView.h"
#include "engine_test_support.h"

inline void PrintTo(const QString &text, std::ostream *out)  // shows texts in failures
{
    *out << '"' << text.toStdString() << '"';
}

class ScriptedPanels : public Panels {
public:
    QString openFile(QWidget *, const QString &title, const QString &start, const FileKind &kind) override
    {
        titles << title, starts << start, kinds << kind.name;
        return next(files);
    }
    QStringList openFiles(QWidget *, const QString &title, const QString &start, const FileKind &kind) override
    {
        titles << title, starts << start, kinds << kind.name;
        return fileLists.isEmpty() ? QStringList() : fileLists.takeFirst();
    }
    QString chooseFolder(QWidget *, const QString &title, const QString &start) override
    {
        titles << title, starts << start;
        return next(folders);
    }
    QString saveFile(QWidget *, const QString &title, const QString &suggested, const QList<FileKind> &offered) override
    {
        titles << title, suggestedNames << suggested;
        for (const FileKind &kind : offered)
            kinds << kind.name;
        return next(savedNames);
    }
    int alert(QWidget *, const QString &title, const QString &message) override
    {
        alerts << title + " | " + message;
        return 1;
    }
    void inform(QWidget *parent, const QString &title, const QString &message) override
    {
        alert(parent, title, message);
    }
    bool ask(QWidget *, const QString &title, const QString &message, const QString &action) override
    {
        alerts << title + " | " + message + " | " + action;
        return !answers.isEmpty() && answers.takeFirst();
    }
    int runModal(QDialog &dialog) override { return whileModal(dialog); }

    QStringList files, folders, savedNames;    // answers, first one first; empty: cancelled
    QStringList suggestedNames;                // what each save panel suggested
    QStringList titles;                        // the title of each file or folder panel
    QStringList starts;                        // the folder each open or folder panel started in
    QStringList kinds;                         // the kinds of file each file panel offered
    QList<QStringList> fileLists;              // answers of the panel for several files
    QStringList alerts;                        // "title | message" of each alert shown ("| action" for a question)
    QList<bool> answers;                       // whether to take the action asked for; none: cancelled
    std::function<int(QDialog &)> whileModal;  // the user's doings in a modal dialog

private:
    static QString next(QStringList &answers) { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

inline Bytes jpegOf(const QImage &picture, int quality = 90)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", quality);
    return Bytes(bytes.begin(), bytes.end());
}

inline Bytes jpegOf(QSize size, QColor colour = Qt::darkCyan)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return jpegOf(picture);
}

inline QByteArray qBytes(const Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// Whether a shown pixel has about this colour, as a JPEG gives it back.
inline bool near(QRgb pixel, QColor colour)
{
    return std::abs(qRed(pixel) - colour.red()) < 12 && std::abs(qGreen(pixel) - colour.green()) < 12 &&
           std::abs(qBlue(pixel) - colour.blue()) < 12;
}

// `count` pictures, picture n being (56 + 8n) x 48 pixels so a test can tell
// which one is shown; picture `representative` (from 1; 0: none) is flagged.
// By default the MP segment stands behind other header segments, as phones
// write it.
inline MPOBuilder jpegMPOBuilder(int count, int representative = 1,
                                 const std::vector<Bytes> &beforeMP = {exifSegment, photoshopSegment,
                                                                       iccSegment(Bytes(40, 7)), xmpSegment})
{
    MPOBuilder builder;
    builder.beforeMP = beforeMP;
    for (int n = 1; n <= count; ++n)
        builder.add(jpegOf(QSize(56 + 8 * n, 48)), n == representative ? representativeFlag : 0u);
    return builder;
}
inline BuiltMPO jpegMPO(int count, int representative = 1) { return jpegMPOBuilder(count, representative).build(); }

// While it lives, the viewer shows its English texts; otherwise each text
// shows its id, which is what most tests compare.
struct InEnglish {
    InEnglish()
    {
        if (translator.load(":/i18n/mpoview_en.qm"))
            QCoreApplication::installTranslator(&translator);
    }
    ~InEnglish() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
};

enum class Way { OpenPanel, Drop, Desktop };

struct ViewerTest : testing::Test {
    ViewerTest()
    {
        qputenv("HOME", QByteArray::fromStdString(scratch.path()));
        qunsetenv("XDG_CONFIG_HOME");  // the desktop's folders come from the scratch home's settings
        static QStringList *caught;  // the program's own lines; the platform's warnings are not ours
        caught = &log;
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtInfoMsg)
                caught->append(message);
        });
        start();
    }
    ~ViewerTest() override
    {
        windows.reset();
        qInstallMessageHandler(nullptr);
        qputenv("HOME", realHome);
        if (!realConfigHome.isNull())
            qputenv("XDG_CONFIG_HOME", realConfigHome);
    }
    // Starts the viewer as the program does, maybe handed a document.
    void start(const QString &handedOver = {})
    {
        windows.reset();
        settings = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
        windows = std::make_unique<ViewerWindows>(*settings, panels);
        controller().setClock([this] {
            if (onClock)
                onClock();
            return now;
        });
        if (!handedOver.isEmpty())
            controller().applicationOpenFile(handedOver);
        controller().applicationDidFinishLaunching();
    }
    void open(Way way, const QString &path)
    {
        if (way == Way::Desktop) {
            start(path);
        } else if (way == Way::OpenPanel) {
            panels.files << path;
            controller().selectAction();
        } else {
            drag({QUrl::fromLocalFile(path)});
        }
    }
    // Drags these onto the picture and, when it accepts and `drop` is set, drops them.
    bool drag(const QList<QUrl> &urls, bool drop = true)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(o().image, &enter);
        return enter.isAccepted() && (!drop || QApplication::sendEvent(o().image, &dropped));
    }
    QString write(const std::string &name, const Bytes &bytes) { return QString::fromStdString(scratch.write(name, bytes)); }
    KivController &controller() { return windows->controller(); }
    const KivOutlets &o() { return controller().outlets(); }
    QVariant stored(const QString &key) { return QSettings(settingsFile, QSettings::IniFormat).value(key); }
    QString statusBarText() { return windows->statusLine().message(); }
    QString title() { return windows->mainWindow().windowTitle(); }
    int shownPicture() { return (o().image->image().width() - 56) / 8; }
    // Runs the event loop while what is read ahead decodes: a moment for the
    // view to paint, after which reading ahead starts, then until it is done.
    void whileReadingAhead()
    {
        QTest::qWait(100);
        const DecodeQueue &queue = windows->picturePresenter().decodeQueue();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !queue.isBusy(DecodeQueue::Lane::Shown) && !queue.isBusy(DecodeQueue::Lane::Ahead); }, 5000))
            << "reading ahead goes on";
    }
    // The number field, the count and which controls are enabled.
    std::string windowState()
    {
        auto on = [](bool enabled) { return enabled ? "on" : "off"; };
        return QString("%1%2 %3 prev %4 next %5 menu %6")
            .arg(o().currentTextField->text(), on(o().currentTextField->isEnabled()), o().totalTextField->text(),
                 on(o().previousButton->isEnabled()), on(o().nextButton->isEnabled()), on(o().mpoMenuItem->isEnabled()))
            .toStdString();
    }

    ScratchFolder scratch;
    QString settingsFile = QString::fromStdString(scratch.path()) + "/settings.ini";
    QByteArray realHome = qgetenv("HOME"), realConfigHome = qgetenv("XDG_CONFIG_HOME");
    QStringList log;  // the program's own message log lines
    ScriptedPanels panels;
    qint64 now = 1000;              // milliseconds of the controller's clock
    std::function<void()> onClock;  // runs when the controller reads it, as during a load
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<ViewerWindows> windows;
};
