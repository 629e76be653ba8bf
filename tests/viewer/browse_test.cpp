// Getting around: the folder's picture files in natural order with Page Down
// and its companions, zoom to 100 % and back, the zoom anchored at the
// pointer, a zoom refused for a huge picture, the information panel with a
// file's MP entries and attributes, and the recent files.
#include <QMainWindow>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <QPainter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QSet>
#include <QTreeWidget>

#include "files/FilePaths.h"
#include "window/InfoPanel.h"
#include "window/ShortcutsWindow.h"
#include "files/RecentFiles.h"
#include "viewer_test_support.h"

namespace {

// Three files whose natural order differs from their plain order.
struct Folder {
    QString one, two, ten;
};

// The picture with its size fields made `width` x `height`: libjpeg decodes
// what data there is and leaves the rest black.
Bytes claimingSize(Bytes jpeg, int width, int height)
{
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            jpeg[i + 5] = std::uint8_t(height >> 8), jpeg[i + 6] = std::uint8_t(height);
            jpeg[i + 7] = std::uint8_t(width >> 8), jpeg[i + 8] = std::uint8_t(width);
            break;
        }
    return jpeg;
}

// Rows of the information panel as "label = value".
QStringList panelRows(InfoPanel &panel)
{
    QStringList rows;
    for (int i = 0; i < panel.tree().topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = panel.tree().topLevelItem(i);
        rows << (item->text(1).isEmpty() ? item->text(0) : item->text(0) + " = " + item->text(1));
    }
    return rows;
}

}  // namespace

struct BrowseTest : ViewerTest {
    Folder folder()
    {
        MPOBuilder withAttributes = jpegMPOBuilder(3, 1, {});
        withAttributes.attributeTags = {{0xB101, 4, 1, 1}, {0xB205, 10, 1, 25, 10}, {0xB206, 5, 1, 65, 1000}};
        return {write("Shot1.jpg", jpegOf(QSize(40, 30))), write("shot2.mpo", jpegMPO(2).bytes),
                write("shot10.MPO", withAttributes.build().bytes)};
    }
    // A key pressed in the window, where the picture view has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QApplication::setActiveWindow(&windows->mainWindow());
        o().image->setFocus();
        QTest::keyClick(o().image, key, modifiers);
    }
};

TEST_F(BrowseTest, PageKeysStepThroughTheFolderInNaturalOrderAndArrowsStayInTheFile)
{
    const Folder files = folder();
    write("notes.txt", Bytes(10, 'x'));
    open(Way::OpenPanel, files.one);
    EXPECT_EQ(title(), "Shot1.jpg — 1 / 1");
    press(Qt::Key_PageDown);
    EXPECT_EQ(title(), "shot2.mpo — 1 / 2") << "2 before 10, as numbers";
    press(Qt::Key_Right);
    EXPECT_EQ(title(), "shot2.mpo — 2 / 2");
    press(Qt::Key_Space);
    EXPECT_EQ(title(), "shot10.MPO — 1 / 3");
    press(Qt::Key_PageDown);
    EXPECT_EQ(title(), "shot10.MPO — 1 / 3");
    EXPECT_EQ(statusBarText(), "StatusLastFile");
    press(Qt::Key_Home);
    EXPECT_EQ(o().fileNameTextField->text(), "Shot1.jpg");
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    EXPECT_EQ(o().fileNameTextField->text(), "shot2.mpo");
    QFile::remove(files.two);  // deleted while shown: its place in the order still counts
    press(Qt::Key_PageDown);
    EXPECT_EQ(o().fileNameTextField->text(), "shot10.MPO");
    press(Qt::Key_PageUp);
    EXPECT_EQ(o().fileNameTextField->text(), "Shot1.jpg");

    // The recent files, newest first; one that is gone is dropped when chosen.
    RecentFiles &recent = windows->browseMenus().recentFiles();
    EXPECT_EQ(recent.files().mid(0, 3), (QStringList{files.one, files.ten, files.two}));
    emit recent.chosen(files.two);
    EXPECT_EQ(recent.files(), (QStringList{files.one, files.ten}));
    EXPECT_EQ(stored(ViewerSettings::recentFilesKey).toStringList(), recent.files());
    // A file that cannot be read. The superuser reads every file, so where
    // it still can be read (the test runs as root, as CI does) this step
    // runs as the user nobody.
    write("shot2.mpo", jpegMPO(2).bytes);
    QFile(files.two).setPermissions(QFileDevice::WriteOwner);
    const bool root = access(files.two.toUtf8().constData(), R_OK) == 0;
    if (root) {
        ASSERT_EQ(chmod(scratch.path().c_str(), 0755), 0);
        ASSERT_EQ(setresuid(65534, 65534, 0), 0);
    }
    press(Qt::Key_PageDown);
    if (root)
        ASSERT_EQ(setresuid(0, 0, 0), 0);
    EXPECT_EQ(o().fileNameTextField->text(), "shot10.MPO");
    EXPECT_EQ(statusBarText(), "StatusPassedOver") << "passed over with a message";
}

TEST_F(BrowseTest, FolderStepsPassOverWhatCannotBeShownNameItAndKeepTheFocus)
{
    InEnglish english;
    const BuiltMPO pair = jpegMPO(2);
    const QString first = write("a1.jpg", jpegOf(QSize(40, 30)));
    write("a2.jpg", {});
    write("a3.MPO", patched(pair, pair.entriesAt + 24, big32(0x7FFFFFF0)));  // picture 2 beyond the end
    write("a4.jps", Bytes(10, 'x'));
    write("a5.mpo", pair.bytes);
    open(Way::OpenPanel, first);
    const QString empty = "a2.jpg is empty", damaged = "a3.MPO has an MP index that points outside the file, or lists "
                                                       "its pictures out of order",
                  notJpeg = "a4.jps is not a JPEG picture that can be decoded";
    press(Qt::Key_PageDown);
    EXPECT_EQ(title(), "a5.mpo — 1 / 2");
    EXPECT_EQ(o().fileNameTextField->text(), "a5.mpo");
    EXPECT_EQ(statusBarText(), "Passed over: " + (QStringList() << empty << damaged << notJpeg).join("; "));
    press(Qt::Key_PageUp);
    EXPECT_EQ(title(), "a1.jpg — 1 / 1");
    EXPECT_EQ(o().fileNameTextField->text(), "a1.jpg");
    EXPECT_EQ(statusBarText(), "Passed over: " + (QStringList() << notJpeg << damaged << empty).join("; "));
    EXPECT_TRUE(panels.alerts.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), o().image);
    EXPECT_FALSE(o().statusProgressIndicator->isVisible());
    press(Qt::Key_End);
    EXPECT_EQ(o().fileNameTextField->text(), "a5.mpo");
}

TEST_F(BrowseTest, ZoomDecodesAtTheScaleShownKeepsThePointerSpotAndRefusesAHugePicture)
{
    // Left half red, right half blue.
    QImage halves(1600, 1200, QImage::Format_RGB32);
    halves.fill(Qt::red);
    QPainter(&halves).fillRect(800, 0, 800, 1200, Qt::blue);
    open(Way::OpenPanel, write("halves.jpg", jpegOf(halves, 95)));
    ZorImageView &view = *o().image;
    const QSize fitted = view.image().size();
    ASSERT_LT(fitted.width(), 1600);

    press(Qt::Key_1);
    EXPECT_FALSE(view.isFitted());
    EXPECT_EQ(view.image().size(), QSize(1600, 1200)) << "decoded whole at 100 %";
    press(Qt::Key_0);
    EXPECT_TRUE(view.isFitted());
    EXPECT_EQ(view.image().size(), fitted) << "the whole decode let go";
    o().currentTextField->setEnabled(true);
    o().currentTextField->clear();
    QTest::keyClicks(o().currentTextField, "10");
    QTest::keyClick(o().currentTextField, Qt::Key_Home);
    QTest::keyClick(o().currentTextField, Qt::Key_Delete);
    QTest::keyClick(o().currentTextField, Qt::Key_End);
    QTest::keyClick(o().currentTextField, Qt::Key_Backspace);
    QTest::keyClicks(o().currentTextField, "12");
    EXPECT_EQ(o().currentTextField->text(), "12") << "the number field keeps its editing keys and digits";
    EXPECT_TRUE(view.isFitted());
    EXPECT_EQ(o().fileNameTextField->text(), "halves.jpg");

    // Ctrl+wheel just left of the border: the border stays where it was.
    const double scale = view.zoom();
    const QPointF anchor((view.width() - 1600 * scale) / 2 + 800 * scale - 3, view.height() / 2.0);
    QWheelEvent wheel(anchor, view.mapToGlobal(anchor), {}, QPoint(0, 3 * 120), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    EXPECT_NEAR(view.zoom(), scale * std::pow(ZorImageView::zoomStep, 3), 1e-9);
    const QImage shown = view.grab().toImage();
    EXPECT_TRUE(near(shown.pixel(anchor.toPoint() - QPoint(1, 0)), Qt::red));
    EXPECT_TRUE(near(shown.pixel(anchor.toPoint() + QPoint(8, 0)), Qt::blue));

    // A picture claiming 20000 x 20000 pixels shows fitted, but not at 100 %.
    open(Way::OpenPanel, write("huge.jpg", claimingSize(jpegOf(QSize(64, 48)), 20000, 20000)));
    EXPECT_TRUE(view.isFitted()) << "a new file starts fitted";
    press(Qt::Key_1);
    EXPECT_TRUE(view.isFitted());
    EXPECT_EQ(statusBarText(), "ZoomTooLarge");
    EXPECT_LE(qint64(view.image().width()) * view.image().height(), 20000LL * 20000 / 64);
}

TEST_F(BrowseTest, TheInformationPanelListsTheMpEntriesAttributesAndWhatTheExifLacks)
{
    InEnglish english;
    const Folder files = folder();
    open(Way::OpenPanel, files.ten);
    InfoPanel &panel = windows->browseMenus().infoPanel();
    EXPECT_FALSE(panel.isVisible());
    press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(panel.isVisible());
    const QStringList rows = panelRows(panel);
    EXPECT_EQ(rows.filter(QRegularExpression("^Entry 1 \\(shown\\) = undefined\nrepresentative\n[0-9,]+ bytes at 0$")).size(), 1)
        << rows.join("\n").toStdString();
    EXPECT_EQ(rows.filter(QRegularExpression("^Entry [23] = undefined\n—\n[0-9,]+ bytes at [0-9,]+$")).size(), 2);
    for (const char *row : {"MP index", "Individual picture number = 1", "Convergence angle = 2.5°",
                            "Baseline length = 65 mm", "Pixel size = 64 × 48", "— = No Exif data", "— = None (sRGB assumed)"})
        EXPECT_TRUE(rows.contains(row)) << row;

    press(Qt::Key_PageUp);
    press(Qt::Key_PageUp);
    EXPECT_TRUE(panelRows(panel).contains("— = None: the file is not an MPO file this program can read"));
}

TEST_F(BrowseTest, AFileNamedInLatin1OpensStepsSplitsJoinsAndIsRemembered)
{
    const Folder files = folder();
    const std::string latin1 = "caf\xe9";  // "café" as zip archives and old programs leave it: no UTF-8
    const QString cafe = FilePaths::fromBytes(QByteArray::fromStdString(scratch.write(latin1 + ".MPO", jpegMPO(2).bytes)));
    const QString shownName = QString::fromUtf8("caf\uFFFD.MPO");
    const QString out = QString::fromStdString(scratch.path()) + "/out";
    QDir().mkpath(out);
    settings->setValue("SaveFolderPath", out);
    start(cafe);  // named on the command line
    EXPECT_EQ(title(), shownName + " — 1 / 2");
    EXPECT_TRUE(panels.alerts.isEmpty()) << panels.alerts.join("\n").toStdString();
    controller().splitAllFilesAction();
    for (const char *number : {"_001.JPG", "_002.JPG"})
        EXPECT_TRUE(std::filesystem::exists(out.toStdString() + "/" + latin1 + number)) << number;

    open(Way::OpenPanel, files.one);  // "caf\xe9" comes first in the folder
    press(Qt::Key_PageUp);
    EXPECT_EQ(title(), shownName + " — 1 / 2");
    press(Qt::Key_Right);
    EXPECT_EQ(title(), shownName + " — 2 / 2");
    press(Qt::Key_PageDown);
    EXPECT_EQ(title(), "Shot1.jpg — 1 / 1");
    drag({QUrl::fromEncoded(QByteArray("file://") + FilePaths::toBytes(cafe).toPercentEncoding("/"))});
    EXPECT_EQ(controller().mpFileName(), cafe);

    // The recent files keep the bytes in the settings file.
    settings->sync();
    QFile ini(settingsFile);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_FALSE(ini.readAll().contains("\xEF\xBF\xBD")) << "no U+FFFD in place of the byte";
    EXPECT_EQ(windows->browseMenus().recentFiles().files().value(0), cafe);

    // A panel hands such a name over with U+FFFD: it is found again, or named in an alert.
    EXPECT_EQ(FilePaths::recovered(FilePaths::shown(cafe)), cafe);
    panels.files << FilePaths::shown(cafe).replace("caf", "cab");
    controller().selectAction();
    EXPECT_EQ(panels.alerts, QStringList{"PanelNameLostTitle | PanelNameLost"});

    // Joined with another picture, it gives an MPO file named after it.
    panels.fileLists << QStringList{cafe, files.one};
    panels.savedNames << QString();  // only the suggestion is looked at
    panels.whileModal = [](QDialog &) { return int(QDialog::Accepted); };
    controller().makeMpoAction();
    EXPECT_EQ(FilePaths::toBytes(panels.suggestedNames.value(0)).toStdString(), scratch.path() + "/" + latin1 + ".MPO");
}

TEST_F(BrowseTest, HelpListsEveryShortcutOfTheWindowFromTheRegistry)
{
    windows->actions().action(Command::Shortcuts)->trigger();
    const QTreeWidget &list = windows->shortcutsWindow().list();
    ASSERT_TRUE(windows->shortcutsWindow().isVisible());
    QStringList listed, expected, everyKey;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        listed << list.topLevelItem(row)->text(1);
    for (const QAction *item : windows->mainWindow().actions()) {
        QStringList keys;
        for (const QKeySequence &key : item->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        everyKey << keys;
        if (!keys.isEmpty())
            expected << keys.join("ShortcutsOr");
    }
    listed.sort(), expected.sort();
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(everyKey.size(), QSet<QString>(everyKey.begin(), everyKey.end()).size()) << "a key does one thing";
    EXPECT_EQ(list.topLevelItem(0)->text(0), "MenuOpen");  // in menu order, as the menus name it
    EXPECT_EQ(list.topLevelItem(0)->text(1), QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText));
    QTranslator japanese;  // listed without the menus' mnemonic marks, "開く(&O)…"
    ASSERT_TRUE(japanese.load(":/i18n/mpoview_ja.qm"));
    QCoreApplication::installTranslator(&japanese);
    start();
    EXPECT_EQ(windows->actions().shortcuts().front().what, "開く");
    QCoreApplication::removeTranslator(&japanese);
}
