// The viewer's one controller: start-up and shut-down, the two saved
// settings, the user's commands, the progress display during an engine run
// and the alerts after a failed one. The file on show is its document; it
// reaches every control through the outlets the window layout gives it and
// updates them from the document in one place.
#pragma once

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "controller/Document.h"
#include "engine/mpo.h"
#include "pictures/EngineCall.h"
#include "stereo/conversion.h"
#include "stereo/problem.h"
#include "stereo/stereo_view.h"
#include "stereo/wiggle.h"
#include "files/FolderFiles.h"

class Panels;
class QAction;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class ViewerSettings;
class QWidget;
class MakeMpoDialog;
class ConvertDialog;
class PicturePresenter;
class ZorImageView;
struct MPOCheck;

// The controls the controller works with; the window layout sets them.
struct KivOutlets {
    QLineEdit *currentTextField = nullptr;
    QLabel *fileNameTextField = nullptr;
    ZorImageView *image = nullptr;
    QPushButton *nextButton = nullptr;
    QPushButton *previousButton = nullptr;
    QLabel *totalTextField = nullptr;
    QLineEdit *saveFolderTextField = nullptr;
    QProgressBar *statusProgressIndicator = nullptr;
    QLabel *statusTextField = nullptr;
    QAction *mpoMenuItem = nullptr;
};

class KivController : public QObject {
    Q_OBJECT
public:
    KivController(ViewerSettings &settings, Panels &panels, QObject *parent = nullptr);

    void setOutlets(const KivOutlets &outlets) { outlets_ = outlets; }
    // Shows the pictures flat or in stereo; without one, pictures show flat.
    void setPicturePresenter(PicturePresenter *presenter) { pictures_ = presenter; }
    void setMakeMpoDialog(MakeMpoDialog *dialog) { makeMpo_ = dialog; }
    void setConvertDialog(ConvertDialog *dialog) { convert_ = dialog; }
    const KivOutlets &outlets() const { return outlets_; }

    // Milliseconds of a steady clock; tests set their own.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock) { clock_ = std::move(clock); }

    const Document &document() const { return document_; }
    int currentNum() const { return document_.current(); }
    bool isLocked() const { return document_.isLocked(); }
    int totalCount() const { return document_.count(); }
    const QString &mpFileName() const { return document_.path(); }
    QString mpSaveFolder() const;
    std::optional<qint64> lastUpdate() const { return lastUpdate_; }

    // How a file came to be opened, on which what follows a failure depends.
    enum class OpenedBy { Panel, Drop, Desktop, FolderStep };
    // Shows the file at `path`: an MPO file through the engine, a JPS or PNS
    // file as the pair its halves hold, a JPEG file as a single picture.
    // Returns 0, or the engine's result code (MPO_REFUSED for other failures).
    int getPicturefromFile(const QString &path, OpenedBy how = OpenedBy::Desktop);
    // Loads picture `n` of the file on show into the picture view.
    void updatePicture(int n);
    // Updates every control from the document: the one place that does.
    void updateButtonEnable();

public slots:
    // Application and main-window events.
    void applicationOpenFile(const QString &path);
    void applicationDidFinishLaunching();
    // A file another launch hands over while the viewer runs: shown at once,
    // or once the work under way (a split, a conversion) has ended.
    void openHandedOver(const QString &path);
    // A file chosen in the viewer itself (the browse grid), as from the open panel.
    void openChosenFile(const QString &path);
    void applicationWillTerminate();
    void windowWillClose();

    // Progress of an engine run, and the alert for a failed one.
    void updateStatusTotal(int num, int total);
    void mpoErrorDialog(int code);

    // The user's commands.
    void selectAction();
    void mpofiledropedAction(ZorImageView *sender);
    void nextAction();
    void previousAction();
    void changeCurrentNum();
    void splitAllFilesAction();
    void splitOneFileAction();
    void splitSettingsAction();
    void selectSaveFolderAction();
    void splitSettingsOKAction();
    void splitSettingsCancelAction();
    void exportStereoViewAction();
    // The pair for a screen, in the view and the frame it takes.
    void exportTvHalfSideBySideAction() { exportForScreen(stereo::View::HalfParallel, {1920, 1080}); }
    void exportTvHalfOverUnderAction() { exportForScreen(stereo::View::HalfOverUnder, {1920, 1080}); }
    void exportHeadsetAction() { exportForScreen(stereo::View::Parallel, {}); }
    void saveAdjustedPairAction();
    void exportConsolePairAction();
    void exportWiggleAction();
    void convertPicturesAction();
    void makeMpoAction();
    void checkAndRepairAction();
    // The other picture files of the folder, and the recent files.
    void nextFileAction() { openFolderFile(FolderFiles::Step::Next); }
    void previousFileAction() { openFolderFile(FolderFiles::Step::Previous); }
    void firstFileAction() { openFolderFile(FolderFiles::Step::First); }
    void lastFileAction() { openFolderFile(FolderFiles::Step::Last); }
    void openRecentFile(const QString &path);
    void copyPictureAction();

signals:
    // A short note for the status bar.
    void statusMessage(const QString &text);
    // A file begins to show; a picture of it is put on show.
    void fileStarted(const QString &path);
    void pictureShown(const QString &path, const QByteArray &picture, int number);
    // A recent file that is gone.
    void recentFileMissing(const QString &path);

private:
    QWidget *mainWindow() const;
    void showHandedOverDocument();
    // Why a file could not be shown: the words that follow its name, and
    // the engine's result code when the engine refused it. Empty when the
    // file was shown.
    struct Failure {
        QString reason;
        int result = 0;
        MPOCause cause = MPOCause::None;
        explicit operator bool() const { return !reason.isEmpty(); }
    };
    // Shows the file, or changes nothing that is on show and says why not.
    Failure openFile(const QString &path, OpenedBy how);
    Failure showFile(const QString &path);
    Failure loadMpoFile(const QString &path);
    Failure showSideBySideFile(const QString &path);
    Failure showSinglePicture(const QString &path);
    // The alert for a file the user asked for.
    void alertCannotShow(const QString &path, const Failure &failure);
    // A file refused for its MP index: the checker's words, and the repair
    // where the pictures can be found.
    static bool isIndexFault(const Failure &failure);
    static QString withFindings(const QString &about, const MPOCheck &check);
    void offerRepair(const QString &path, const QString &message, const MPOCheck &check);
    void repairFile(const QString &path);
    void showPicture(const QByteArray &bytes, int number, int count);
    void startFile(const QString &path);
    // Where a file panel starts: the folder of the file on show, else the
    // folder a panel was last used in.
    QString panelFolder() const;
    QString exportFolder(const QString &kept) const;
    void rememberExport(const QString &path);
    void exportForScreen(stereo::View view, imaging::PixelSize frame);
    void writeView(const stereo::Options &options, const QString &path);
    QString exportBase() const;
    bool stereoViewReady();
    stereo::Problem writing(const char *statusId, const std::function<stereo::Problem()> &write);
    stereo::Reason wiggleOfSeries(const stereo::WiggleSettings &wiggle, const std::string &path);
    // Converts `files` as `conversion` asks, on every core, in the run dialog.
    void runConversion(const QStringList &files, const stereo::Conversion &conversion);
    // Keeps the folder of `path` (a file, or a folder itself) as the last one used.
    void rememberFolder(const QString &path, bool isFolder = false);
    void split(int mode, int selectNum);
    void reportSplit(const QString &folder, const MPOSplitReport &report);
    bool askForAnotherFolder(int result, const QString &what);
    void openFolderFile(FolderFiles::Step step);

    // Calls the engine with the progress callback; a failure hides the
    // progress display. Returns the engine's result code.
    int callEngine(const QString &path, const QString &folder, int mode, int selectNum, EngineCall &call);
    // The ids of the title and the text of the alert a result code shows.
    struct AlertTexts {
        const char *title;
        const char *message;
    };
    static AlertTexts engineAlertFor(int code);
    // The alert for a result code, `about` (what failed, in words) before
    // its text; it hides the progress display.
    void showEngineAlert(int code, const QString &about);
    // A modal alert, after which the keyboard focus is where it was (or on
    // the picture, if that control is disabled now).
    int showAlert(const QString &title, const QString &message);
    // Runs `modal` (a panel) and gives the focus back as showAlert does.
    template <class Modal>
    auto keepingFocus(Modal modal)
    {
        const QPointer<QWidget> focused = QApplication::focusWidget();
        auto result = modal();
        giveFocusBack(focused);
        return result;
    }
    void giveFocusBack(QWidget *focused);
    void redrawProgressDisplay();
    void setProgressDisplayVisible(bool visible);
    double secondsSinceLastUpdate() const;

    ViewerSettings &settings_;
    Panels &panels_;
    KivOutlets outlets_;
    PicturePresenter *pictures_ = nullptr;
    MakeMpoDialog *makeMpo_ = nullptr;
    ConvertDialog *convert_ = nullptr;
    Clock clock_;

    Document document_;
    QString handedOver_;  // the file the desktop handed over before the launch finished
    std::optional<qint64> lastUpdate_;  // when the current redraw interval began
};

// The engine's progress callback: forwards to the controller in `context`.
void mpoStatusCallBack(void *context, int num, int total);
