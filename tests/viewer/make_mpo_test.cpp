// Making an MPO file in the viewer: pictures chosen, put in order in the
// dialog, joined and shown; a refused picture gives an alert and no file.
#include <QFileInfo>

#include "window/MakeMpoDialog.h"
#include "engine/mpo_joiner.h"
#include "viewer_test_support.h"

TEST_F(ViewerTest, MakeMpoJoinsThePicturesInTheOrderSetAndShowsTheFile)
{
    const QString right = write("right.jpg", jpegOf(QSize(72, 48))), left = write("pair_L.jpg", jpegOf(QSize(64, 48)));
    const QString made = QString::fromStdString(scratch.path()) + "/pair.MPO";
    MakeMpoDialog &dialog = windows->makeMpoDialog();
    QStringList listed;
    panels.fileLists << QStringList{right, left};
    panels.savedNames << made;
    panels.whileModal = [&](QDialog &modal) {
        EXPECT_FALSE(dialog.ui().upButton->isEnabled());  // the first picture is current
        dialog.ui().downButton->click();                  // the right picture goes second
        EXPECT_EQ(dialog.ui().pictureList->item(1)->text(), "MakeRightPicture");  // a pair's rows say which eye
        dialog.ui().typeBox->setCurrentIndex(1);          // multi-angle
        EXPECT_EQ(dialog.ui().pictureList->item(0)->text(), "pair_L.jpg");
        listed = dialog.pictures();
        dialog.ui().makeButton->click();
        return modal.result();
    };
    controller().makeMpoAction();
    EXPECT_EQ(listed, (QStringList{left, right}));
    EXPECT_EQ(panels.suggestedNames.value(0), QString::fromStdString(scratch.path()) + "/pair.MPO");  // no _L
    EXPECT_TRUE(panels.alerts.isEmpty()) << panels.alerts.join("\n").toStdString();
    EXPECT_EQ(controller().mpFileName(), made);
    EXPECT_EQ(windowState(), "1on /   2 prev off next on menu on");
    EXPECT_EQ(shownPicture(), 1);  // the left picture, 64 pixels wide
    const std::vector<MPOListedEntry> entries = listedEntries(made.toStdString());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].entry.attribute, MP_TYPE_MULTI_ANGLE);

    // An MPO file among the pictures is refused unless its first picture is asked for.
    panels.fileLists << QStringList{made, left};
    panels.savedNames << QString::fromStdString(scratch.path()) + "/again.MPO";
    panels.whileModal = [&](QDialog &modal) {
        dialog.ui().makeButton->click();
        return modal.result();
    };
    controller().makeMpoAction();
    ASSERT_EQ(panels.alerts.size(), 1);
    EXPECT_TRUE(panels.alerts[0].startsWith("JoinFailedTitle | " + made + " is itself a multi-picture file"));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(scratch.path()) + "/again.MPO"));
    EXPECT_EQ(controller().mpFileName(), made);
}
