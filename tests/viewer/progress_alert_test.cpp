// The progress display during an engine run, and the alert after a failed one.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTranslator>

#include "viewer_test_support.h"

namespace {

// Counts the paints of the progress bar. (The status label is also painted
// when the bar's redraw flushes the window, so its count says less.)
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct ProgressTest : testing::Test {
    QTemporaryDir scratch;
    Viewer viewer{scratch.filePath("settings.ini")};
    PaintCounter barPaints;
    LogCapture log;

    void SetUp() override
    {
        viewer.controller().applicationDidFinishLaunching();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer.windows->mainWindow()));
        viewer.outlets().statusProgressIndicator->installEventFilter(&barPaints);
        log.lines.clear();
    }
    void report(int num, int total) { mpoStatusCallBack(&viewer.controller(), num, total); }
    bool displayShown() { return viewer.outlets().statusProgressIndicator->isVisible(); }
};

}  // namespace

TEST_F(ProgressTest, OneEntryShowsRedrawsAndHidesTheDisplay)
{
    report(1, 1);
    report(1, 1);  // a load reports its last entry twice
    EXPECT_EQ(barPaints.paints, 4);
    EXPECT_FALSE(displayShown());
    EXPECT_FALSE(viewer.outlets().statusTextField->isVisible());
    EXPECT_FALSE(viewer.controller().lastUpdate().has_value());
    EXPECT_EQ(viewer.outlets().statusProgressIndicator->maximum(), 1);
}

TEST_F(ProgressTest, QuickCallsRedrawOnlyAtTheFirstAndTheLast)
{
    for (int num = 1; num < 50; ++num) {
        report(num, 50);
        viewer.now += num % 2;  // 24 ms in all
        EXPECT_EQ(viewer.outlets().statusProgressIndicator->value(), num);
    }
    EXPECT_TRUE(displayShown());
    EXPECT_EQ(barPaints.paints, 1);
    report(50, 50);
    report(50, 50);
    EXPECT_EQ(barPaints.paints, 2);  // the repeated last call finds the display hidden
    EXPECT_FALSE(displayShown());
    EXPECT_EQ(log.lines, QStringList{"Now Current 1  time = 0.000000"});
}

TEST_F(ProgressTest, SlowCallsEachRedrawAndLog)
{
    for (int num = 1; num <= 4; ++num) {
        report(num, 5);
        viewer.now += 50;
    }
    viewer.now -= 20;  // only 30 ms since the last redraw: not more than 30
    report(5, 5);
    EXPECT_EQ(barPaints.paints, 5);
    EXPECT_EQ(log.lines, (QStringList{"Now Current 1  time = 0.000000", "Now Current 2  time = -0.050000",
                                      "Now Current 3  time = -0.050000", "Now Current 4  time = -0.050000"}));
}

TEST_F(ProgressTest, EachResultCodeShowsItsAlertAndHidesTheDisplay)
{
    const std::pair<int, int> codes[] = {{-10, 1}, {-11, 1}, {-12, 1}, {-13, 5}, {-14, 4}, {-15, 2}, {-20, 5}};
    for (const auto &[code, message] : codes) {
        report(1, 3);
        viewer.controller().mpoErrorDialog(code);
        EXPECT_FALSE(displayShown());
        EXPECT_EQ(viewer.panels.alerts.takeLast(), QString::asprintf("ErrorTitle%04d | ErrorMsg%04d", message, message));
        EXPECT_EQ(log.lines.takeLast(), "NSRunAlertPanel result 1");
    }
    QTranslator english;
    ASSERT_TRUE(english.load(":/i18n/mpoview_en.qm"));
    QCoreApplication::installTranslator(&english);
    viewer.controller().mpoErrorDialog(-15);
    QCoreApplication::removeTranslator(&english);
    EXPECT_TRUE(viewer.panels.alerts.last().startsWith("Cannot Save the Picture | There is not enough free space"));
}
