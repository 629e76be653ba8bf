// Picking pictures: handing one back in memory, saving one or all under
// names that never replace a file, and what a failure leaves behind.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "engine_test_support.h"
#include "mpo.h"

namespace {

using Progress = std::vector<std::pair<int, int>>;

MPOBuilder parentsAndChildren()
{
    MPOBuilder builder;
    const std::uint32_t parent = 1u << 31, child = 1u << 30;
    for (std::uint32_t flags : {parent | (1u << 29), child, parent, child})
        builder.add(fakeJpeg(int(builder.pictures.size()) + 1), flags);
    return builder;
}

std::vector<std::string> filesIn(const std::string &folder)
{
    std::vector<std::string> names;
    for (const auto &item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(LoadOne, HandsBackTheChosenPictureAfterAFinalReport)
{
    const BuiltMPO mpo = stereoLike(2).build();
    ScratchFolder folder;
    const std::string path = folder.write("IMG_0001.MPO", mpo.bytes);

    const EngineRun second = runEngine(path, MPO_LOAD_ONE, 2);
    EXPECT_EQ(second.result, 0);
    EXPECT_EQ(second.picture, pictureBytes(mpo, 1));
    EXPECT_EQ(second.progress, (Progress{{1, 2}, {2, 2}, {2, 2}}));
    EXPECT_EQ(linesOf(second.trace).back(), folder.path() + "/IMG_0001_002.JPG");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"IMG_0001.MPO"});

    EXPECT_EQ(runEngine(path, MPO_LOAD_ONE, 0).picture, pictureBytes(mpo, 0));
    for (int beyond : {3, -1}) {
        const EngineRun none = runEngine(path, MPO_LOAD_ONE, beyond);
        EXPECT_EQ(none.result, 0);
        EXPECT_FALSE(none.handedBack);
        EXPECT_EQ(none.progress, (Progress{{1, 2}, {2, 2}}));
    }
    MPOBuilder noRepresentative = stereoLike(2);
    noRepresentative.pictures[0].attribute = 0;
    EXPECT_FALSE(runEngineOn(noRepresentative.build().bytes, MPO_LOAD_ONE, 0).handedBack);
}

TEST(LoadOne, AShortReadHandsBackOnlyTheBytesRead)
{
    MPOBuilder builder = stereoLike(1);
    builder.add(fakeJpeg(2, 20000));  // larger than the input's stdio buffer
    const BuiltMPO mpo = builder.build();
    ScratchFolder folder;
    const std::string path = folder.write("a.MPO", mpo.bytes);
    // The file loses its last five bytes after its index has been read.
    const EngineRun run = runEngine(path, MPO_LOAD_ONE, 2, "", [&](int num, int) {
        if (num == 1) {
            ASSERT_EQ(truncate(path.c_str(), off_t(mpo.bytes.size() - 5)), 0);
        }
    });
    Bytes expected = pictureBytes(mpo, 1);
    expected.resize(expected.size() - 5);
    EXPECT_EQ(run.picture, expected);
}

TEST(SaveAll, WritesParentsOnlyUnderParentOnlyNumbering)
{
    const BuiltMPO mpo = parentsAndChildren().build();
    ScratchFolder folder;
    const EngineRun run = runEngine(folder.write("IMG_0001.MPO", mpo.bytes), MPO_SAVE_ALL);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.progress, (Progress{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"IMG_0001.MPO", "IMG_0001_001.JPG", "IMG_0001_002.JPG"}));
    EXPECT_EQ(readFile(folder.path() + "/IMG_0001_001.JPG"), expectedOutput(mpo, 0));
    EXPECT_EQ(readFile(folder.path() + "/IMG_0001_002.JPG"), expectedOutput(mpo, 2));
}

TEST(SaveAll, NeverReplacesAFileOrFollowsALinkAtTheName)
{
    MPOBuilder builder = stereoLike(3, ByteOrder::Little);
    builder.pictures[1].after = Bytes(9, 0);
    const BuiltMPO mpo = builder.build();
    ScratchFolder folder;
    const std::string path = folder.write("x.MPO", mpo.bytes);
    const std::string dangling = folder.path() + "/planted";
    ASSERT_EQ(symlink(dangling.c_str(), (folder.path() + "/x_002.JPG").c_str()), 0);
    EXPECT_EQ(runEngine(path, MPO_SAVE_ALL).result, 0);
    EXPECT_EQ(runEngine(path, MPO_SAVE_ALL).result, 0);
    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"x.MPO", "x_001-1.JPG", "x_001.JPG", "x_002-1.JPG",
                                                                "x_002-2.JPG", "x_002.JPG", "x_003-1.JPG", "x_003.JPG"}));
    for (const char *name : {"x_002-1.JPG", "x_002-2.JPG"})
        EXPECT_EQ(readFile(folder.path() + "/" + name), expectedOutput(mpo, 1));
    EXPECT_EQ(readFile(folder.path() + "/x_003-1.JPG"), expectedOutput(mpo, 2));
    EXPECT_FALSE(std::filesystem::exists(dangling));
}

TEST(SaveOne, WritesOnlyTheChosenPictureUnderItsNumber)
{
    const BuiltMPO mpo = stereoLike(3).build();
    ScratchFolder folder;
    const EngineRun run = runEngine(folder.write("IMG_0001.MPO", mpo.bytes), MPO_SAVE_ONE, 2);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.progress.size(), 3u);
    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"IMG_0001.MPO", "IMG_0001_002.JPG"}));
    EXPECT_EQ(readFile(folder.path() + "/IMG_0001_002.JPG"), expectedOutput(mpo, 1));
}

TEST(SaveAll, AFailedPictureLeavesNoFileAndKeepsEarlierOnes)
{
    MPOBuilder builder = stereoLike(3);
    builder.pictures[1].jpeg.resize(builder.pictures[1].jpeg.size() - 2);  // no EOI
    const BuiltMPO mpo = builder.build();
    ScratchFolder folder;
    const std::string path = folder.write("a.MPO", mpo.bytes);
    EXPECT_EQ(runEngine(path, MPO_SAVE_ALL).result, -14);
    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"a.MPO", "a_001.JPG"}));

    // A save folder that is a file, and names too long for a path.
    EXPECT_EQ(runEngine(path, MPO_SAVE_ALL, 0, path).result, -15);
    const std::string deep = folder.path() + "/" + std::string(200, 'd');
    std::string longFolder = deep;
    ASSERT_EQ(mkdir(deep.c_str(), 0755), 0);
    while (longFolder.size() < 1020)
        longFolder += "/.";
    EXPECT_EQ(runEngine(path, MPO_SAVE_ALL, 0, longFolder).result, -15);
}
