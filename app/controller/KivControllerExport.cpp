// Writing the stereo view on show as a JPEG file at full resolution, the
// pair on show adjusted, as a wiggle animation, or as an MPO file for the
// Nintendo 3DS.
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "files/FilePaths.h"
#include "files/ViewerSettings.h"
#include "controller/KivController.h"
#include "controller/Panels.h"
#include "pictures/StereoMode.h"
#include "pictures/AlignmentText.h"
#include "pictures/PicturePresenter.h"
#include "stereo/console_pair.h"
#include "stereo/stereo_file.h"
#include "stereo/conversion.h"
#include "stereo/wiggle.h"

namespace {

constexpr int exportQuality = 92;
constexpr int consoleQuality = 90;

// A view's name in a file name: "anaglyph" for every kind of glasses.
QString viewWord(stereo::View view)
{
    return stereo::isAnaglyph(view) ? QStringLiteral("anaglyph") : QString::fromLatin1(stereo::describe(view).name);
}

}  // namespace

// Whether a stereo export can act now: no other work holds the file, and
// a stereo view is on show (else the user is told).
bool KivController::stereoViewReady()
{
    if (document_.isLocked())
        return false;
    if (pictures_ == nullptr || !pictures_->showsPair()) {
        showAlert(qtTrId("ExportNoViewTitle"), qtTrId("ExportNoView"));
        return false;
    }
    return true;
}

// Where an export's panel starts: the folder the last one went to (`kept`)
// while it is there, else the folder of the file on show.
QString KivController::exportFolder(const QString &kept) const
{
    return !kept.isEmpty() && FilePaths::exists(kept) ? kept : panelFolder();
}

// Keeps the folder an export went to, for the panels and the next export.
void KivController::rememberExport(const QString &path)
{
    rememberFolder(path);
    settings_.setExportFolder(path.left(path.lastIndexOf('/')));
}

// The file on show's name without its extension, in the export folder:
// what an export's suggested name starts with.
QString KivController::exportBase() const
{
    const QString name = document_.shownPath().mid(document_.shownPath().lastIndexOf('/') + 1);
    return exportFolder(settings_.exportFolder()) + "/" +
           name.left(name.lastIndexOf('.') > 0 ? name.lastIndexOf('.') : name.size());
}

void KivController::exportStereoViewAction()
{
    if (!stereoViewReady())
        return;
    // A side-by-side view may be written as JPS, which keeps the crossed
    // layout (the right eye's picture on the left) whichever was on show.
    stereo::Options options = pictures_->shownOptions();
    const bool sideBySide = options.view == stereo::View::Parallel || options.view == stereo::View::Cross;
    const QString base = exportBase();
    const QString suggested = options.view == stereo::View::Cross ? base + ".jps" : base + "_" + viewWord(options.view) + ".jpg";
    QList<FileKind> kinds{{qtTrId("PanelJpegPicture"), {"jpg", "jpeg"}}};
    if (sideBySide)
        kinds << FileKind{qtTrId("PanelJpsPicture"), {"jps"}};
    const QString path = panels_.saveFile(mainWindow(), qtTrId("PanelTitleExportStereo"), suggested, kinds);
    if (path.isEmpty())
        return;
    rememberExport(path);
    if (sideBySide && FilePaths::hasExtension(path, "jps"))
        options.view = stereo::View::Cross;
    writeView(options, path);
}

// A 3D TV takes each picture squeezed into half of its 1920 x 1080 frame;
// a headset takes both side by side, each at its own size.
void KivController::exportForScreen(stereo::View view, imaging::PixelSize frame)
{
    if (!stereoViewReady())
        return;
    stereo::Options options = pictures_->adjustedOptions();
    options.view = view;
    options.fit = frame;
    const QString suffix = view == stereo::View::Parallel ? QStringLiteral("_vr") : QStringLiteral("_3dtv");
    const QString path = panels_.saveFile(mainWindow(), qtTrId("PanelTitleExportStereo"), exportBase() + suffix + ".jpg",
                                          {{qtTrId("PanelJpegPicture"), {"jpg", "jpeg"}}});
    if (path.isEmpty())
        return;
    rememberExport(path);
    writeView(options, path);
}

// Writes the view `options` ask for at full size, with the progress display.
void KivController::writeView(const stereo::Options &options, const QString &path)
{
    document_.setLocked(true);
    QProgressBar *bar = outlets_.statusProgressIndicator;
    bar->setRange(0, 100);
    const QString statusText = outlets_.statusTextField->text();
    outlets_.statusTextField->setText(qtTrId("StatusWritingStereoView"));
    setProgressDisplayVisible(true);
    const stereo::Problem problem = stereo::writeStereoView(
        bytesOf(pictures_->leftBytes()), bytesOf(pictures_->rightBytes()), options, exportQuality,
        FilePaths::toBytes(path).toStdString(), [bar](int percent) {
            bar->setValue(percent);
            bar->repaint();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    setProgressDisplayVisible(false);
    outlets_.statusTextField->setText(statusText);
    document_.setLocked(false);
    if (!problem.empty()) {
        showAlert(qtTrId("ExportFailedTitle"), problemText(problem));
        return;
    }
    emit statusMessage(qtTrId("StatusStereoViewWritten").arg(FilePaths::shown(path)));
}

void KivController::saveAdjustedPairAction()
{
    if (!stereoViewReady())
        return;
    const QString base = exportBase();
    const QString path = panels_.saveFile(mainWindow(), qtTrId("PanelTitleSaveAdjusted"), base + "_adjusted.MPO",
                                          {{qtTrId("PanelMpoFile"), {"MPO", "mpo"}},
                                           {qtTrId("PanelJpsPicture"), {"jps"}},
                                           {qtTrId("PanelPnsPicture"), {"pns"}}});
    if (path.isEmpty())
        return;
    rememberExport(path);
    const stereo::Problem problem = writing("StatusSavingAdjusted", [&] {
        return stereo::writeAdjustedPair(bytesOf(pictures_->leftBytes()), bytesOf(pictures_->rightBytes()),
                                         pictures_->adjustedOptions(), settings_.adjustedPairQuality(),
                                         FilePaths::toBytes(path).toStdString(), stereo::pairFormatOf(path.toStdString()));
    });
    if (!problem.empty()) {
        showAlert(qtTrId("AdjustedFailedTitle"), problemText(problem));
        return;
    }
    emit statusMessage(qtTrId("StatusAdjustedSaved").arg(FilePaths::shown(path)));
}

void KivController::exportConsolePairAction()
{
    if (!stereoViewReady())
        return;
    const QString folder = panels_.chooseFolder(mainWindow(), qtTrId("PanelTitleConsoleFolder"),
                                                exportFolder(settings_.consoleFolder()));
    if (folder.isEmpty())
        return;
    rememberFolder(folder, true);
    settings_.setConsoleFolder(folder);
    const std::string source = FilePaths::toBytes(document_.path()).toStdString();
    std::string written;
    const stereo::Problem problem = writing("StatusWritingConsolePair", [&] {
        return stereo::writeConsolePairInto(bytesOf(pictures_->leftBytes()), bytesOf(pictures_->rightBytes()),
                                            pictures_->alignedOptions(), consoleQuality,
                                            stereo::dateTakenOf(bytesOf(pictures_->leftBytes()), source),
                                            FilePaths::toBytes(folder).toStdString(), written);
    });
    if (!problem.empty()) {
        showAlert(qtTrId("ExportFailedTitle"), problemText(problem));
        return;
    }
    const QString path = FilePaths::fromBytes(QByteArray::fromStdString(written));
    emit statusMessage(qtTrId("StatusConsolePairWritten").arg(FilePaths::shown(path)));
}

// The pair on show, adjusted, as an animation of its two pictures in turn
// at the wiggle view's rate; of a multi-angle series, every picture there
// and back, each placed against the first as the pair on show is placed.
void KivController::exportWiggleAction()
{
    if (!stereoViewReady())
        return;
    const QString path = panels_.saveFile(mainWindow(), qtTrId("PanelTitleExportWiggle"), exportBase() + "_wiggle.gif",
                                          {{qtTrId("PanelGifAnimation"), {"gif"}}, {qtTrId("PanelWebpAnimation"), {"webp"}}});
    if (path.isEmpty())
        return;
    rememberExport(path);
    const stereo::WiggleSettings wiggle{settings_.wiggleRate(), {}, stereo::wiggleFormatOf(path.toStdString())};
    const bool series = document_.count() > 2 && document_.shownPath() == document_.path();
    stereo::Reason reason;
    writing("StatusWritingWiggle", [&] {
        if (series)
            reason = wiggleOfSeries(wiggle, FilePaths::toBytes(path).toStdString());
        else
            reason.cause = stereo::writeWiggle({bytesOf(pictures_->leftBytes()), bytesOf(pictures_->rightBytes())},
                                               {pictures_->adjustedOptions()}, wiggle,
                                               FilePaths::toBytes(path).toStdString());
        return reason.cause;
    });
    if (!reason.empty()) {
        showAlert(qtTrId("ExportFailedTitle"), reasonText(reason));
        return;
    }
    emit statusMessage(qtTrId("StatusWiggleWritten").arg(FilePaths::shown(path)));
}

// The wiggle of every picture of the series on show, converted as the
// command line converts a file, with the choices of the View menu.
stereo::Reason KivController::wiggleOfSeries(const stereo::WiggleSettings &wiggle, const std::string &path)
{
    const StereoMode &mode = pictures_->mode();
    stereo::Conversion conversion;
    conversion.output = wiggle.format == stereo::WiggleFormat::Webp ? stereo::Output::WiggleWebp : stereo::Output::WiggleGif;
    conversion.view = mode.options();
    conversion.choices = mode.choices(std::nullopt);
    conversion.align = mode.autoAligns();
    if (!conversion.align)  // shown as the camera showed it
        conversion.choices.window = stereo::WindowRule::AsCamera;
    conversion.windowGiven = conversion.choices.window != stereo::WindowRule::Nearest;
    conversion.rate = wiggle.rate;
    conversion.out = path;
    std::string written;
    return stereo::convertFile(FilePaths::toBytes(document_.path()).toStdString(), conversion, written,
                               [](const std::string &, const std::string &) {});
}

// Runs `write` with the document locked and the text `statusId` in the
// status bar, which then shows what it showed before.
stereo::Problem KivController::writing(const char *statusId, const std::function<stereo::Problem()> &write)
{
    document_.setLocked(true);
    const QString statusText = outlets_.statusTextField->text();
    outlets_.statusTextField->setText(qtTrId(statusId));
    outlets_.statusTextField->repaint();
    const stereo::Problem problem = write();
    outlets_.statusTextField->setText(statusText);
    document_.setLocked(false);
    return problem;
}
