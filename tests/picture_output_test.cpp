// Picking pictures: handing one back in memory, saving one or all under
// names that never replace a file, even with a rival process creating the
// same names, and what a failure leaves behind.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "engine_test_support.h"

using Names = std::vector<std::string>;

TEST(LoadOne, HandsBackTheChosenPictureAfterAFinalReport)
{
    MPOBuilder builder = stereoLike(2);
    builder.add(fakeJpeg(3, 20000));  // larger than the input's stdio buffer
    const BuiltMPO mpo = builder.build();
    ScratchFolder folder;
    const std::string path = folder.write("IMG_0001.MPO", mpo.bytes);
    const EngineRun second = runEngine(path, MPO_LOAD_ONE, 2);
    EXPECT_EQ(second.picture, pictureBytes(mpo, 1));
    EXPECT_EQ(second.progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));  // the last: ready
    EXPECT_EQ(second.lastLine(), folder.path() + "/IMG_0001_002.JPG");
    EXPECT_EQ(folder.files(), Names{"IMG_0001.MPO"});
    EXPECT_EQ(runEngine(path, MPO_LOAD_ONE, 0).picture, pictureBytes(mpo, 0));  // the representative one
    for (int beyond : {4, -1}) {
        const EngineRun none = runEngine(path, MPO_LOAD_ONE, beyond);
        EXPECT_EQ(none.result, 0);
        EXPECT_FALSE(none.handedBack);
        EXPECT_EQ(none.progress.size(), 3u);
    }
    MPOBuilder noRepresentative = stereoLike(2);
    noRepresentative.pictures[0].attribute = 0;
    EXPECT_FALSE(runEngineOn(noRepresentative.build().bytes, MPO_LOAD_ONE, 0).handedBack);

    // The file loses its last five bytes after its index has been read.
    const EngineRun shortRead = runEngine(path, MPO_LOAD_ONE, 3, "", [&](int num) {
        if (num == 1 && truncate(path.c_str(), off_t(mpo.bytes.size() - 5)) != 0)
            ADD_FAILURE() << "cannot truncate";
    });
    const Bytes third = pictureBytes(mpo, 2);
    EXPECT_EQ(shortRead.picture, Bytes(third.begin(), third.end() - 5));
}

TEST(SaveOneAndAll, WriteTheChosenPicturesUnderTheirNumbers)
{
    ScratchFolder folder;
    const BuiltMPO three = stereoLike(3).build();
    const std::string path = folder.write("IMG_0001.MPO", three.bytes);
    EXPECT_EQ(runEngine(path, MPO_SAVE_ONE, 2).result, 0);
    EXPECT_EQ(readFile(folder.path() + "/IMG_0001_002.JPG"), expectedOutput(three, 1));
    const EngineRun beyond = runEngine(path, MPO_SAVE_ONE, 5);
    EXPECT_EQ(beyond.result, -13);
    EXPECT_EQ(beyond.lastLine(), "    Entry2 = 0x0");
    EXPECT_EQ(beyond.count, 3);

    // Under parent-only numbering only the parents are written.
    const BuiltMPO pairs = flagged({parentFlag | representativeFlag, childFlag, parentFlag, childFlag}).build();
    const EngineRun all = runEngine(folder.write("p.MPO", pairs.bytes), MPO_SAVE_ALL);
    EXPECT_EQ(all.progress, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
    EXPECT_EQ(folder.files(), (Names{"IMG_0001.MPO", "IMG_0001_002.JPG", "p.MPO", "p_001.JPG", "p_002.JPG"}));
    EXPECT_EQ(readFile(folder.path() + "/p_001.JPG"), expectedOutput(pairs, 0));
    EXPECT_EQ(readFile(folder.path() + "/p_002.JPG"), expectedOutput(pairs, 2));
}

TEST(SaveAll, NeverReplacesAFileOrFollowsALinkAtTheName)
{
    MPOBuilder builder = stereoLike(3, ByteOrder::Little);
    builder.pictures[1].after = Bytes(9, 0);
    const BuiltMPO mpo = builder.build();
    ScratchFolder folder;
    const std::string path = folder.write("x.MPO", mpo.bytes), dangling = folder.path() + "/planted";
    ASSERT_EQ(symlink(dangling.c_str(), (folder.path() + "/x_002.JPG").c_str()), 0);
    EXPECT_EQ(runEngine(path, MPO_SAVE_ALL).result, 0);
    EXPECT_EQ(runEngine(path, MPO_SAVE_ALL).result, 0);
    EXPECT_EQ(folder.files(), (Names{"x.MPO", "x_001-1.JPG", "x_001.JPG", "x_002-1.JPG", "x_002-2.JPG", "x_002.JPG",
                                     "x_003-1.JPG", "x_003.JPG"}));
    EXPECT_EQ(readFile(folder.path() + "/x_002-1.JPG"), expectedOutput(mpo, 1));
    EXPECT_EQ(readFile(folder.path() + "/x_002-2.JPG"), expectedOutput(mpo, 1));
    EXPECT_EQ(readFile(folder.path() + "/x_003-1.JPG"), expectedOutput(mpo, 2));
    EXPECT_FALSE(std::filesystem::exists(dangling));
}

TEST(SaveAll, AFailedPictureLeavesNoFileKeepsEarlierOnesAndNamesItsCause)
{
    MPOBuilder builder = stereoLike(3);
    builder.pictures[1].jpeg.resize(builder.pictures[1].jpeg.size() - 2);  // no EOI
    ScratchFolder folder;
    const std::string path = folder.write("a.MPO", builder.build().bytes);
    const EngineRun noEnd = runEngine(path, MPO_SAVE_ALL);
    EXPECT_EQ(noEnd.result, -14);
    EXPECT_EQ(noEnd.cause, MPOCause::NotAPicture);
    EXPECT_EQ(folder.files(), (Names{"a.MPO", "a_001.JPG"}));

    // The second entry points four bytes past its picture's start.
    const BuiltMPO pair = stereoLike(2).build();
    const Bytes shifted = patched(pair, pair.entriesAt + 24, big32(std::uint32_t(pair.starts[1] - pair.baseOffset + 4)));
    EXPECT_EQ(runEngineOn(shifted, MPO_SAVE_ALL).cause, MPOCause::NotAPicture);

    const EngineRun intoFile = runEngine(path, MPO_SAVE_ALL, 0, path);  // a save folder that is a file
    EXPECT_EQ(intoFile.result, -15);
    EXPECT_EQ(intoFile.cause, MPOCause::NoOutputFile);
    const EngineRun nowhere = runEngine(path, MPO_SAVE_ALL, 0, folder.path() + "/missing");
    EXPECT_EQ(nowhere.result, -14);
    EXPECT_EQ(nowhere.cause, MPOCause::FolderUnusable);
    std::string longFolder = folder.path() + "/" + std::string(200, 'd');
    ASSERT_EQ(mkdir(longFolder.c_str(), 0755), 0);
    while (longFolder.size() < 1020)
        longFolder += "/.";
    EXPECT_EQ(runEngine(path, MPO_SAVE_ALL, 0, longFolder).result, -15);  // names too long for a path
    EXPECT_EQ(runEngine(path, MPO_LOAD_ONE, 2).cause, MPOCause::None);    // no failure, no cause
}

TEST(FailureTexts, EachResultCodeAndCauseHasATextOfItsOwn)
{
    std::set<std::string> ids, texts;
    const int codes[] = {MPO_PATH_UNEXAMINED, MPO_CANNOT_OPEN, MPO_REFUSED, MPO_NO_SUCH_PICTURE, MPO_WRITE_FAILED,
                         MPO_NO_ROOM, MPO_UNREACHABLE, MPO_JOIN_INPUT_REFUSED, MPO_JOIN_TOO_LARGE,
                         MPO_JOIN_WRITE_FAILED, -99};
    for (int code : codes) {
        ids.insert(mpoResultText(code).id), texts.insert(mpoResultText(code).text);
        EXPECT_EQ(std::string(mpoProblemText(code, MPOCause::None).id), mpoResultText(code).id) << code;
    }
    std::vector<MPOCause> causes;
    for (int cause = int(MPOCause::None) + 1; cause <= int(MPOCause::Empty); ++cause)
        causes.push_back(MPOCause(cause));
    for (MPOCause cause : causes)
        ids.insert(mpoProblemText(MPO_WRITE_FAILED, cause).id), texts.insert(mpoProblemText(MPO_WRITE_FAILED, cause).text);
    EXPECT_EQ(ids.size(), std::size(codes) + causes.size());
    EXPECT_EQ(texts.size(), ids.size());
}

TEST(OutputRace, ARivalCreatingTheSameNamesClobbersNothing)
{
    const BuiltMPO mpo = stereoLike(3).build();
    ScratchFolder scratch;
    const std::string input = scratch.write("x.MPO", mpo.bytes), out = scratch.path() + "/out";
    const std::string stop = scratch.path() + "/stop";
    std::filesystem::create_directory(out);
    const pid_t rival = fork();
    ASSERT_GE(rival, 0);
    if (rival == 0) {
        // Claims free names x_00N.JPG, x_00N-1.JPG, ... the way another
        // program would, writing "rival" into each, and counts them.
        std::size_t claimed = 0;
        for (int round = 0; access(stop.c_str(), F_OK) != 0 && round < 100000; ++round, usleep(200))
            for (int number = 1; number <= 3; ++number)
                for (int suffix = 0;; ++suffix) {
                    const std::string name = out + "/x_00" + std::to_string(number) +
                                             (suffix ? "-" + std::to_string(suffix) : "") + ".JPG";
                    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                    if (fd >= 0) {
                        claimed += write(fd, "rival", 5) == 5;
                        close(fd);
                        break;
                    }
                }
        scratch.write("claimed", Bytes(claimed, 0));
        _exit(0);
    }
    for (int wait = 0; wait < 50000 && scratch.files("out").empty(); ++wait)
        usleep(100);  // until the rival is at work
    constexpr int splits = 40;
    int failed = 0;
    for (int i = 0; i < splits; ++i)
        failed += runEngine(input, MPO_SAVE_ALL, 0, out).result != 0;
    scratch.write("stop", {});
    ASSERT_TRUE(waitWithin(rival, 60)) << "the rival did not stop";
    EXPECT_EQ(failed, 0);

    std::vector<int> ours(3, 0);  // whole copies of each picture
    int rivals = 0;
    for (const std::string &name : scratch.files("out")) {
        const Bytes bytes = readFile(out + "/" + name);
        const std::size_t picture = std::size_t(name[4] - '1');
        rivals += bytes == Bytes{'r', 'i', 'v', 'a', 'l'};
        ours[picture] += bytes == expectedOutput(mpo, picture);
    }
    EXPECT_EQ(ours, std::vector<int>(3, splits));
    EXPECT_GT(rivals, 0);
    EXPECT_EQ(rivals, int(readFile(scratch.path() + "/claimed").size()));  // none of the rival's was replaced
}

TEST(SaveAll, ASaveFolderSwappedForALinkWhileTheSplitRunsIsNotFollowed)
{
    ScratchFolder scratch;
    const BuiltMPO mpo = stereoLike(3).build();
    const std::string input = scratch.write("x.MPO", mpo.bytes), out = scratch.path() + "/out",
                      moved = scratch.path() + "/moved", elsewhere = scratch.path() + "/elsewhere";
    std::filesystem::create_directory(out);
    std::filesystem::create_directory(elsewhere);
    // After the first picture, the folder is renamed and a link to another takes its name.
    const EngineRun run = runEngine(input, MPO_SAVE_ALL, 0, out, [&](int num) {
        if (num == 2) {
            std::filesystem::rename(out, moved);
            std::filesystem::create_directory_symlink(elsewhere, out);
        }
    });
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(scratch.files("moved"), (Names{"x_001.JPG", "x_002.JPG", "x_003.JPG"}));
    EXPECT_TRUE(scratch.files("elsewhere").empty());
}

