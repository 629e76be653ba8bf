#include "window/ViewerWindows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <xxhash.h>

#include "controller/Panels.h"
#include "imaging/library_versions.h"
#include "stereo/alignment.h"

namespace {

// Tells the controller when the main window closes.
class CloseWatcher : public QObject {
public:
    explicit CloseWatcher(KivController &controller) : controller_(controller) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            controller_.windowWillClose();
        return QObject::eventFilter(watched, event);
    }

private:
    KivController &controller_;
};

}  // namespace

ViewerWindows::ViewerWindows(QSettings &settings, Panels &panels)
    : settings_(settings), splitSettingsWindow_(&mainWindow_), controller_(settings_, panels), stereoMode_(settings_),
      picturePresenter_(stereoMode_, *(ui_.setupUi(&mainWindow_), ui_.image)), fullScreen_(mainWindow_, *ui_.image),
      makeMpoDialog_(panels, &mainWindow_), convertDialog_(panels, &mainWindow_)
{
    settingsUi_.setupUi(&splitSettingsWindow_);
    actions_ = new ActionRegistry(mainWindow_);
    statusLine_ = new StatusLine(*mainWindow_.statusBar());
    controller_.setOutlets({ui_.currentTextField, ui_.fileNameTextField, ui_.image, ui_.nextButton,
                            ui_.previousButton, ui_.totalTextField, settingsUi_.saveFolderTextField,
                            statusLine_->progressIndicator(), statusLine_->progressText(),
                            actions_->splitCommands()});
    connectCommands();
    connectStereo();
    connectHelp(panels);
    browseMenus_ = new BrowseMenus(mainWindow_, *actions_, settings_, controller_, *ui_.image, *statusLine_);
}

ViewerWindows::~ViewerWindows()
{
    mainWindow_.removeEventFilter(closeWatcher_.get());
}

void ViewerWindows::connectCommands()
{
    KivController *c = &controller_;
    const auto command = [c, this](Command command, void (KivController::*slot)()) {
        QObject::connect(actions_->action(command), &QAction::triggered, c, slot);
    };
    command(Command::Open, &KivController::selectAction);
    QObject::connect(actions_->action(Command::Quit), &QAction::triggered, &mainWindow_, &QWidget::close);
    command(Command::SaveAdjusted, &KivController::saveAdjustedPairAction);
    command(Command::ExportStereo, &KivController::exportStereoViewAction);
    command(Command::ExportConsole, &KivController::exportConsolePairAction);
    command(Command::ExportTvHalfSideBySide, &KivController::exportTvHalfSideBySideAction);
    command(Command::ExportTvHalfOverUnder, &KivController::exportTvHalfOverUnderAction);
    command(Command::ExportHeadset, &KivController::exportHeadsetAction);
    command(Command::ExportWiggle, &KivController::exportWiggleAction);
    command(Command::ConvertPictures, &KivController::convertPicturesAction);
    controller_.setConvertDialog(&convertDialog_);
    command(Command::MakeMpo, &KivController::makeMpoAction);
    command(Command::CheckRepair, &KivController::checkAndRepairAction);
    controller_.setMakeMpoDialog(&makeMpoDialog_);
    command(Command::SplitOne, &KivController::splitOneFileAction);
    command(Command::SplitAll, &KivController::splitAllFilesAction);
    command(Command::SplitSettings, &KivController::splitSettingsAction);
    QObject::connect(ui_.nextButton, &QPushButton::clicked, c, &KivController::nextAction);
    QObject::connect(ui_.previousButton, &QPushButton::clicked, c, &KivController::previousAction);
    // The arrow keys press the step buttons, and so do nothing while they are disabled.
    for (auto [action, button] : {std::pair{actions_->action(Command::NextPicture), ui_.nextButton},
                                  std::pair{actions_->action(Command::PreviousPicture), ui_.previousButton}})
        QObject::connect(action, &QAction::triggered, button, [button] {
            if (button->isEnabled())
                button->click();
        });
    QObject::connect(ui_.currentTextField, &QLineEdit::returnPressed, c, &KivController::changeCurrentNum);
    // The picture view keeps the keyboard focus, so the arrow keys step
    // through the pictures rather than move the number field's cursor.
    ui_.image->setFocusPolicy(Qt::StrongFocus);
    mainWindow_.setFocusProxy(ui_.image);
    QObject::connect(ui_.currentTextField, &QLineEdit::returnPressed, ui_.image, qOverload<>(&QWidget::setFocus));
    QObject::connect(settingsUi_.browseButton, &QPushButton::clicked, c, &KivController::selectSaveFolderAction);
    QObject::connect(settingsUi_.okButton, &QPushButton::clicked, c, &KivController::splitSettingsOKAction);
    QObject::connect(settingsUi_.cancelButton, &QPushButton::clicked, c, &KivController::splitSettingsCancelAction);
    QObject::connect(ui_.image, &ZorImageView::filesDropped, c, &KivController::mpofiledropedAction);

    // The controller is the application's and the main window's delegate.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, c, &KivController::applicationWillTerminate);
    closeWatcher_ = std::make_unique<CloseWatcher>(controller_);
    mainWindow_.installEventFilter(closeWatcher_.get());
}

void ViewerWindows::connectHelp(Panels &panels)
{
    shortcutsWindow_ = new ShortcutsWindow(*actions_, &mainWindow_);
    QObject::connect(actions_->action(Command::Shortcuts), &QAction::triggered, shortcutsWindow_,
                     &ShortcutsWindow::showList);
    QObject::connect(actions_->action(Command::About), &QAction::triggered, &mainWindow_, [this, &panels] {
        QStringList libraries{QStringLiteral("Qt %1").arg(qVersion())};
        for (const auto &[name, version] : imaging::libraryVersions())
            libraries << QString::fromStdString(name + " " + version);
        libraries << QStringLiteral("OpenCV %1").arg(stereo::featureLibraryVersion())
                  << QStringLiteral("xxHash %1.%2.%3")
                         .arg(XXH_versionNumber() / 10000)
                         .arg(XXH_versionNumber() / 100 % 100)
                         .arg(XXH_versionNumber() % 100);
        panels.inform(&mainWindow_, qtTrId("AboutTitle"),
                     qtTrId("AboutText").arg(MPO_VERSION, libraries.join(qtTrId("ListSeparator"))));
    });
}

void ViewerWindows::connectStereo()
{
    controller_.setPicturePresenter(&picturePresenter_);
    ui_.image->setDecodeQueue(&picturePresenter_.decodeQueue());
    viewMenu_ = new ViewMenu(mainWindow_, *actions_, stereoMode_, picturePresenter_, fullScreen_);
    stereoStatus_ = new QLabel(mainWindow_.statusBar());
    statusLine_->addPermanent(stereoStatus_);
    const auto showMode = [this] { stereoStatus_->setText(stereoMode_.statusText()); };
    QObject::connect(&stereoMode_, &StereoMode::viewChanged, stereoStatus_, showMode);
    QObject::connect(&stereoMode_, &StereoMode::optionsChanged, stereoStatus_, showMode);
    showMode();
    QObject::connect(&picturePresenter_, &PicturePresenter::message, statusLine_, &StatusLine::showMessage);
    QObject::connect(&controller_, &KivController::statusMessage, statusLine_, &StatusLine::showMessage);
}
