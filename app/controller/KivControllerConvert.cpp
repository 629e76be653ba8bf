// Converting many stereo files at once (File ▸ Convert Pictures…), in a
// dialog that shows each file's outcome as it ends.
#include <QDir>
#include <QPushButton>
#include <thread>

#include "controller/KivController.h"
#include "controller/Panels.h"
#include "files/FilePaths.h"
#include "files/ViewerSettings.h"
#include "pictures/AlignmentText.h"
#include "window/ConvertDialog.h"
#include "window/ConvertRunDialog.h"

namespace {

constexpr int convertQuality = 92;

}  // namespace

void KivController::convertPicturesAction()
{
    if (document_.isLocked() || convert_ == nullptr)
        return;
    convert_->prepare(document_.path().isEmpty() ? QStringList() : QStringList{document_.path()},
                      exportFolder(settings_.exportFolder()));
    for (;;) {
        if (panels_.runModal(*convert_) != QDialog::Accepted)
            return;
        if (QDir(convert_->folder()).exists())
            break;
        showAlert(qtTrId("ConvertNoFolderTitle"), qtTrId("ConvertNoFolder").arg(FilePaths::shown(convert_->folder())));
    }
    const QString folder = convert_->folder();
    settings_.setExportFolder(folder);
    rememberFolder(folder, true);
    stereo::Conversion conversion = convert_->conversion();
    conversion.out = FilePaths::toBytes(folder).toStdString();
    conversion.quality = convertQuality;
    conversion.rate = settings_.wiggleRate();
    runConversion(convert_->files(), conversion);
}

void KivController::runConversion(const QStringList &files, const stereo::Conversion &conversion)
{
    std::vector<std::string> inputs;
    for (const QString &file : files)
        inputs.push_back(FilePaths::toBytes(file).toStdString());
    ConvertRunDialog run(int(files.size()), mainWindow());
    std::atomic<bool> cancelled{false};
    connect(&run, &ConvertRunDialog::cancelRequested, &run, [&cancelled] { cancelled = true; });
    document_.setLocked(true);
    // The files are converted off the main thread; each outcome and the end
    // reach the dialog through its event queue.
    std::thread worker([&] {
        stereo::convertFiles(
            inputs, conversion, 0,
            [&](const stereo::Converted &converted) {
                const QString file = files.at(qsizetype(converted.index));
                const QString written = FilePaths::fromBytes(QByteArray::fromStdString(converted.written));
                QMetaObject::invokeMethod(
                    &run,
                    [&run, file, written, problem = converted.problem] {
                        run.fileDone(file, written, problem.empty() ? QString() : reasonText(problem));
                    },
                    Qt::QueuedConnection);
            },
            [](const std::string &, const std::string &) {}, &cancelled);
        QMetaObject::invokeMethod(&run, [&run] { run.finish(); }, Qt::QueuedConnection);
    });
    panels_.runModal(run);
    cancelled = true;
    worker.join();
    QCoreApplication::sendPostedEvents(&run);
    document_.setLocked(false);
    emit statusMessage(qtTrId("StatusConverted").arg(run.writtenCount()).arg(files.size()).arg(
        FilePaths::shown(FilePaths::fromBytes(QByteArray::fromStdString(conversion.out)))));
}
