#include "viewer_test_support.h"

#include <QApplication>
#include <QBuffer>
#include <QDropEvent>
#include <QImage>

namespace {

QStringList *caughtLog = nullptr;

// Keeps the program's own log lines; the platform's warnings are not ours.
void catchMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (caughtLog != nullptr && type == QtInfoMsg)
        caughtLog->append(message);
}

}  // namespace

// Runs the viewer tests on Qt's offscreen platform, so they need no display.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

Bytes jpegOf(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return Bytes(bytes.begin(), bytes.end());
}

BuiltMPO jpegMPO(int count, int representative)
{
    MPOBuilder builder;
    for (int n = 1; n <= count; ++n)
        builder.add(jpegOf(QSize(56 + 8 * n, 48)), n == representative ? representativeFlag : 0u);
    return builder.build();
}

ViewerTest::ViewerTest()
{
    qputenv("HOME", QByteArray::fromStdString(scratch.path()));
    caughtLog = &log;
    qInstallMessageHandler(catchMessage);
    start();
}

ViewerTest::~ViewerTest()
{
    windows.reset();
    qInstallMessageHandler(nullptr);
    qputenv("HOME", realHome);
}

void ViewerTest::start(const QString &handedOver)
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

void ViewerTest::open(Way way, const QString &path)
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

QString ViewerTest::write(const std::string &name, const Bytes &bytes)
{
    return QString::fromStdString(scratch.write(name, bytes));
}

bool ViewerTest::drag(const QList<QUrl> &urls, bool drop)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(o().image, &enter);
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    return enter.isAccepted() && (!drop || QApplication::sendEvent(o().image, &dropped));
}

std::string ViewerTest::windowState()
{
    auto on = [](bool enabled) { return enabled ? "on" : "off"; };
    return QString("%1%2 %3 prev %4 next %5 menu %6")
        .arg(o().currentTextField->text(), on(o().currentTextField->isEnabled()), o().totalTextField->text(),
             on(o().previousButton->isEnabled()), on(o().nextButton->isEnabled()), on(o().mpoMenuItem->isEnabled()))
        .toStdString();
}
