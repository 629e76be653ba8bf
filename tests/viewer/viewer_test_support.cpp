#include "viewer_test_support.h"

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
