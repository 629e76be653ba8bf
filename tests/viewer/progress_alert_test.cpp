// The progress display during an engine run, and the alert after a failed one.
#include <QProgressBar>
#include <QTest>

#include "viewer_test_support.h"

namespace {

// Counts the paints of the progress bar. (The status label is also painted
// when the bar's redraw flushes the window, so its count says less.)
struct ProgressTest : ViewerTest, QObject {
    int paints = 0;
    ProgressTest()
    {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&windows->mainWindow()));
        o().statusProgressIndicator->installEventFilter(this);
        log.clear();
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    void report(int num, int total) { mpoStatusCallBack(&controller(), num, total); }
    bool shown() { return o().statusProgressIndicator->isVisible(); }
};

}  // namespace

TEST_F(ProgressTest, RedrawsAtTheFirstAndLastAndWhenSlowAndLogsEachRedraw)
{
    report(1, 1);
    report(1, 1);  // a load reports its last entry twice
    EXPECT_EQ(paints, 4);
    EXPECT_FALSE(shown() || o().statusTextField->isVisible() || controller().lastUpdate());
    for (int num = 1; num < 50; ++num, now += num % 2) {  // 24 ms in all: quick calls are not redrawn
        report(num, 50);
        EXPECT_EQ(o().statusProgressIndicator->value(), num);
        EXPECT_EQ(o().statusProgressIndicator->maximum(), 50);
    }
    EXPECT_TRUE(shown());
    EXPECT_EQ(paints, 5);
    report(50, 50);
    report(50, 50);
    EXPECT_EQ(paints, 6);  // the repeated last call finds the display hidden
    EXPECT_FALSE(shown());
    for (int num = 1; num <= 4; ++num, now += 50)
        report(num, 5);
    now -= 20;  // only 30 ms since the last redraw: not more than 30
    report(5, 5);
    EXPECT_EQ(paints, 11);
    const QString first = "Now Current 1  time = 0.000000", slow = "  time = -0.050000";
    EXPECT_EQ(log, (QStringList{first, first, first, first, "Now Current 2" + slow, "Now Current 3" + slow,
                                "Now Current 4" + slow}));
}

TEST_F(ProgressTest, EachResultCodeShowsItsAlertAndHidesTheDisplay)
{
    for (const auto &[code, message] : {std::pair{-10, 1}, {-11, 1}, {-12, 1}, {-13, 5}, {-14, 4}, {-15, 2}, {-20, 5}}) {
        report(1, 3);
        controller().mpoErrorDialog(code);
        EXPECT_FALSE(shown());
        EXPECT_EQ(panels.alerts.takeLast(), QString::asprintf("ErrorTitle%04d | ErrorMsg%04d", message, message));
        EXPECT_EQ(log.takeLast(), "NSRunAlertPanel result 1");
    }
    {
        InEnglish english;
        controller().mpoErrorDialog(-15);
    }
    EXPECT_TRUE(panels.alerts.last().startsWith("Cannot Save the Picture | There is not enough free space"));
}

TEST_F(ProgressTest, MessagesShowWholeAndTheProgressDisplayMovesNothing)
{
    const QLabel &message = windows->statusLine().messageLabel();
    QLabel &zoom = windows->browseMenus().zoomStatus();
    const auto fits = [&] {
        QApplication::processEvents();
        const QRect needed = message.fontMetrics().boundingRect(QRect(0, 0, message.width(), 1 << 20),
                                                                Qt::TextWordWrap, message.text());
        return needed.height() <= message.height() && message.x() + message.width() <= zoom.parentWidget()->width();
    };
    emit controller().statusMessage("short");
    EXPECT_TRUE(fits() && zoom.isVisible());
    const int oneLine = message.height(), pictureHeight = o().image->height();
    report(1, 3);  // the progress display shows beside the message
    QApplication::processEvents();
    EXPECT_EQ(o().image->height(), pictureHeight);
    report(3, 3);
    emit controller().statusMessage(QString("a long message, ").repeated(12));
    EXPECT_TRUE(fits());
    EXPECT_FALSE(zoom.isVisible());  // the permanent labels give way
    EXPECT_GT(message.height(), oneLine);
    windows->mainWindow().resize(2400, 640);
    EXPECT_TRUE(fits() && zoom.isVisible());
    EXPECT_EQ(message.height(), oneLine);
    now += 60000;  // it stays until another replaces it
    QTest::qWait(10);
    EXPECT_EQ(statusBarText(), QString("a long message, ").repeated(12));
}
