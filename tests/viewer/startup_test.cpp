// Start-up, the saved frame and save folder, and quitting when the main
// window closes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ZorImageView.h"
#include "viewer_test_support.h"

namespace {

struct StartupTest : testing::Test {
    QTemporaryDir scratch;
    QString settingsFile = scratch.filePath("settings.ini");
    QByteArray realHome = qgetenv("HOME");
    void SetUp() override { qputenv("HOME", scratch.path().toUtf8()); }
    void TearDown() override { qputenv("HOME", realHome); }
};

}  // namespace

TEST_F(StartupTest, FirstLaunchShowsAnEmptyWindowWithControlsDisabled)
{
    LogCapture log;
    Viewer viewer(settingsFile);
    const QRect layoutFrame = viewer.windows->mainWindow().geometry();
    viewer.controller().applicationDidFinishLaunching();
    const KivOutlets &o = viewer.outlets();

    EXPECT_EQ(viewer.controller().mpSaveFolder(), scratch.filePath("Pictures"));
    EXPECT_FALSE(viewer.settings.contains("SaveFolderPath"));  // a default is never written
    EXPECT_EQ(viewer.windows->mainWindow().geometry().size(), layoutFrame.size());
    EXPECT_TRUE(viewer.windows->mainWindow().isVisible());
    EXPECT_FALSE(viewer.windows->splitSettingsWindow().isVisible());
    for (QWidget *control : {static_cast<QWidget *>(o.currentTextField), static_cast<QWidget *>(o.nextButton),
                             static_cast<QWidget *>(o.previousButton)})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(o.mpoMenuItem->isEnabled());
    EXPECT_TRUE(o.image->acceptDrops());
    for (QPushButton *button : {o.nextButton, o.previousButton}) {
        EXPECT_TRUE(button->autoRepeat());
        EXPECT_EQ(button->autoRepeatDelay(), 200);
        EXPECT_EQ(button->autoRepeatInterval(), 200);
    }
    EXPECT_EQ(log.lines, QStringList{"-[KivController applicationDidFinishLaunching:]"});
}

TEST_F(StartupTest, SecondLaunchRestoresTheFrameAndTheSaveFolder)
{
    QRect frame;
    {
        Viewer first(settingsFile);
        first.controller().applicationDidFinishLaunching();
        first.windows->mainWindow().move(150, 90);
        first.windows->mainWindow().resize(700, 520);
        frame = first.windows->mainWindow().geometry();
        first.settings.setValue("SaveFolderPath", "/srv/stereo");
        first.controller().applicationWillTerminate();
    }
    Viewer second(settingsFile);
    second.controller().applicationDidFinishLaunching();
    EXPECT_EQ(second.windows->mainWindow().geometry(), frame);
    EXPECT_EQ(second.controller().mpSaveFolder(), "/srv/stereo");
}

TEST_F(StartupTest, ClosingTheMainWindowQuitsAndWritesTheFrame)
{
    {
        Viewer viewer(settingsFile);
        viewer.controller().applicationDidFinishLaunching();
        viewer.windows->mainWindow().move(40, 30);
        QTimer::singleShot(0, &viewer.windows->mainWindow(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });  // never hang
        EXPECT_EQ(QApplication::exec(), 0);
    }
    const QSettings stored(settingsFile, QSettings::IniFormat);
    EXPECT_TRUE(stored.value("Kiv1Rect").toString().startsWith("40 30 "));
}
