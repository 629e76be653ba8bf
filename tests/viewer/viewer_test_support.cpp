#include "viewer_test_support.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "ZorImageView.h"

namespace {

QStringList *captured = nullptr;

// Keeps the program's own log lines; the platform's warnings are not ours.
void catchMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (captured != nullptr && type == QtInfoMsg)
        captured->append(message);
}

}  // namespace

LogCapture::LogCapture()
{
    captured = &lines;
    qInstallMessageHandler(catchMessage);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(nullptr);
    captured = nullptr;
}

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

Viewer::Viewer(const QString &settingsFile)
    : settings(settingsFile, QSettings::IniFormat), windows(std::make_unique<ViewerWindows>(settings, panels))
{
    controller().setClock([this] { return now; });
}

QMimeData *filesDrag(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

bool dragOnto(ZorImageView &view, QMimeData *data, bool drop)
{
    std::unique_ptr<QMimeData> owned(data);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &enter);
    if (!enter.isAccepted() || !drop)
        return enter.isAccepted();
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &dropped);
    return dropped.isAccepted();
}
