// mposplit end to end: splitting, listing, errors and exit codes, a file
// from an independent writer, and a disk that fills up.
#include <sys/stat.h>

#include <set>

#include "program_run.h"

namespace {

struct Mposplit : testing::Test {
    using Run = ProgramRun;
    ScratchFolder scratch;

    Run shell(const std::string &command) { return shellIn(scratch, command); }
    Run mposplit(const std::vector<std::string> &args) { return runProgram(scratch, MPOSPLIT, args); }
};

}  // namespace

TEST_F(Mposplit, SplitsListsAndNeverOverwrites)
{
    const BuiltMPO mpo = stereoLike(2).build();
    const std::string file = scratch.write("IMG_0001.MPO", mpo.bytes), base = scratch.path() + "/IMG_0001";
    const Run first = mposplit({file});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, base + "_001.JPG\n" + base + "_002.JPG\n");
    EXPECT_EQ(readFile(base + "_002.JPG"), expectedOutput(mpo, 1));
    EXPECT_EQ(mposplit({"-p", "2", file}).out, base + "_002-1.JPG\n");
    EXPECT_TRUE(hasLines(mposplit({"--list", file}).out, {file + ": 2 pictures, representative picture 1",
                                                          "  picture 2  ---  disparity  size 49  offset 129 (file position 163)"}));
    EXPECT_TRUE(hasLines(mposplit({"--trace", "-o", scratch.path(), file}).out, {"MPO File Checker"}));
}

TEST_F(Mposplit, ReportsEachFailureByNameAndGoesOn)
{
    const std::string good = scratch.write("good.MPO", stereoLike(2).build().bytes);
    const std::string bad = scratch.write("bad.MPO", fakeJpeg(1)), missing = scratch.path() + "/missing.MPO";
    const std::string empty = scratch.write("empty.MPO", {});
    // An index that points four bytes into its second picture is the file's fault, not the folder's.
    const BuiltMPO pair = stereoLike(2).build();
    const std::string shifted = scratch.write(
        "shifted.MPO", patched(pair, pair.entriesAt + 24, big32(std::uint32_t(pair.starts[1] - pair.baseOffset + 4))));
    const Run mixed = mposplit({bad, good, missing, shifted, empty});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(mixed.err, "mposplit: " + bad + " is not an MPO file this program can read\nmposplit: " + missing +
                             " cannot be opened\nmposplit: " + shifted +
                             " has an MP index entry whose data is not a whole JPEG picture (picture 2 is not written)\n"
                             "mposplit: " + empty + " is empty\n");
    EXPECT_EQ(linesOf(mixed.out).size(), 3u);
    EXPECT_EQ(mposplit({bad, good}).status, 1);  // a good file last does not hide a bad one
    // A file cut where its second picture starts: the first is written, the
    // second named as not written, and the split is no success.
    const Bytes whole = pair.bytes;
    const std::string cut = scratch.write("cut.MPO", Bytes(whole.begin(), whole.begin() + long(pair.starts[1])));
    const Run shortened = mposplit({cut});
    EXPECT_EQ(shortened.status, 1);
    EXPECT_EQ(shortened.out, scratch.path() + "/cut_001.JPG\n");
    EXPECT_EQ(shortened.err, "mposplit: " + cut +
                                 " has a picture that starts where the file ends, or beyond (the file is cut short): "
                                 "picture 2 is not written\n");
    const Run nowhere = mposplit({"-o", scratch.path() + "/nowhere", good});
    EXPECT_EQ(nowhere.err, "mposplit: " + good + " cannot be split: " + scratch.path() + "/nowhere does not exist\n");
    const Run beyond = mposplit({"-p", "5", good});
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.err, "mposplit: " + good + " has no picture 5\n");
    for (const auto &[args, status] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{}, 2}, {{"-x", good}, 2}, {{"-p", "two", good}, 2}, {{"-p", "-1", good}, 2}, {{"-p", "", good}, 2},
             {{"-o"}, 2}, {{"--help"}, 0}, {{"--version"}, 0}})
        EXPECT_EQ(mposplit(args).status, status);
}

TEST_F(Mposplit, TwoSplitsAtOnceEachNameOnlyWhatTheyWrote)
{
    const std::string file = scratch.write("p.MPO", stereoLike(4).build().bytes);
    for (int round = 0; round < 10; ++round) {
        const std::string out = scratch.path() + "/out" + std::to_string(round);
        std::filesystem::create_directory(out);
        const std::string one = quoted(MPOSPLIT) + " -o " + quoted(out) + " " + quoted(file);
        const auto named = linesOf(shell("{ " + one + " & " + one + "; wait; }").out);
        // Four names each, none twice, and together every file in the folder.
        std::set<std::string> files;
        for (const auto &item : std::filesystem::directory_iterator(out))
            files.insert(item.path().string());
        EXPECT_EQ(named.size(), 8u);
        EXPECT_EQ(std::set<std::string>(named.begin(), named.end()), files);
    }
}

TEST_F(Mposplit, EveryProgramRefusesWhatIsNoFileAndTellsOfOutputItCouldNotWrite)
{
    const std::string good = scratch.write("good.MPO", stereoLike(2).build().bytes);
    const std::string pipe = scratch.path() + "/pipe.MPO", jpsPipe = scratch.path() + "/pipe.jps";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(jpsPipe.c_str(), 0600), 0);
    const std::string notAFile = "it is a folder, a device, a pipe or a socket, not a file";
    // Each within a deadline of its own: a program that waits on the pipe fails here, not at ctest's timeout.
    const std::string split = quoted(MPOSPLIT), stereo = quoted(MPOSTEREO);
    const struct {
        std::string command, says;
    } table[] = {
        {split + " " + quoted(pipe), notAFile},
        {split + " " + quoted(scratch.path()), notAFile},
        {split + " /dev/zero", notAFile},
        {stereo + " " + quoted(pipe), notAFile},
        {stereo + " " + quoted(jpsPipe), notAFile},
        {quoted(MPOJOIN) + " -o " + quoted(scratch.path() + "/j.MPO") + " " + quoted(pipe) + " " + quoted(good),
         "is not a regular file"},
        {quoted(MPOCHECK) + " " + quoted(pipe), "is not a regular file"},
        {split + " " + quoted(scratch.write("abc", readFile(good))), "fewer than four characters"},
        {split + " " + quoted(scratch.path() + "/" + std::string(1100, 'a') + ".MPO"), "1,024 bytes or longer"},
        {split + " --list " + quoted(good) + " >/dev/full", "standard output cannot be written"},
        {split + " -o " + quoted(scratch.path()) + " " + quoted(good) + " >/dev/full", "standard output cannot be written"},
        {quoted(MPOCHECK) + " " + quoted(good) + " >/dev/full", "standard output cannot be written"},
        {stereo + " --version >/dev/full", "standard output cannot be written"},
        {split + " --help >/dev/full", "standard output cannot be written"},
    };
    for (const auto &row : table) {
        const Run run = shell("timeout 20 sh -c " + quoted(row.command));
        EXPECT_EQ(run.status, 1) << row.command << "\n" << run.err;
        EXPECT_NE((run.out + run.err).find(row.says), std::string::npos) << row.command << "\n" << run.err;
    }
}

TEST_F(Mposplit, SplitsAPairWrittenByPillowIntoDecodableJpegs)
{
    const std::string file = scratch.path() + "/pillow.mpo", python = "/usr/bin/python3 " + quoted(PILLOW_SCRIPT);
    const Run made = shell(python + " make " + quoted(file));
    if (made.status != 0)
        GTEST_SKIP() << "SKIPPED: Debian's python3-pil is needed to write the file: " << made.err;
    BuiltMPO mpo;  // where Pillow says the MP segment and each picture start
    mpo.bytes = readFile(file);
    for (const std::string &start : linesOf(made.out))
        mpo.starts.push_back(std::stoul(start));
    mpo.app2At = mpo.starts.front();
    mpo.starts.erase(mpo.starts.begin());
    ASSERT_EQ(mposplit({file}).status, 0);
    EXPECT_TRUE(hasLines(mposplit({"--list", file}).out, {"  MP index found behind other header segments",
                                                          "  picture 1  ---  baseline primary  size " + std::to_string(mpo.starts[1]) +
                                                              "  offset 0 (file position 0)"}));
    const std::string left = scratch.path() + "/pillow_001.JPG", right = scratch.path() + "/pillow_002.JPG";
    EXPECT_EQ(readFile(left), expectedOutput(mpo, 0));
    EXPECT_EQ(readFile(right), expectedOutput(mpo, 1));
    const auto decoded = linesOf(shell(python + " decode " + quoted(left) + " " + quoted(right)).out);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[0].rfind("JPEG 96 64 ", 0), 0u);
    EXPECT_EQ(decoded[1].rfind("JPEG 96 64 ", 0), 0u);
    EXPECT_NE(decoded[0], decoded[1]);                 // the left and right colours differ
    EXPECT_EQ(decoded[0].substr(decoded[0].size() - 3), "icc");  // the profile behind the MP segment is kept
}

TEST_F(Mposplit, AFullDiskKeepsEarlierPicturesAndLeavesNoPartOfTheRest)
{
    const BuiltMPO mpo = MPOBuilder().add(fakeJpeg(1, 400000)).add(fakeJpeg(2, 400000)).add(fakeJpeg(3, 400000)).build();
    const std::string file = scratch.write("big.MPO", mpo.bytes), disk = scratch.path() + "/disk";
    scratch.write("expected1", expectedOutput(mpo, 0));
    scratch.write("expected2", expectedOutput(mpo, 1));
    // A 1 MiB disk holds two of the three pictures.
    const Run run = onSmallDisk(scratch, "1m", quoted(MPOSPLIT) + " -o " + quoted(disk) + " " + quoted(file),
                                "cmp big_001.JPG ../expected1 && cmp big_002.JPG ../expected2 && echo same");
    if (run.out.empty())
        GTEST_SKIP() << "SKIPPED: cannot mount a small file system here: " << run.err;
    EXPECT_EQ(run.out, disk + "/big_001.JPG\n" + disk + "/big_002.JPG\nstatus 1\nbig_001.JPG\nbig_002.JPG\nsame\n");
    EXPECT_NE(run.err.find("big.MPO cannot be split: not enough free space for a picture (" + disk + ")"),
              std::string::npos)
        << run.err;
}

TEST_F(Mposplit, AWriteThatFailsMidwayLeavesNoCutFileFromAnyWriter)
{
    // Files may grow to 200 KiB: the second picture fails halfway through its copy.
    const BuiltMPO mpo = MPOBuilder().add(fakeJpeg(1, 40000)).add(fakeJpeg(2, 400000)).add(fakeJpeg(3, 40000)).build();
    const std::string file = scratch.write("big.MPO", mpo.bytes);
    scratch.write("left.jpg", fakeJpeg(1, 150000)), scratch.write("right.jpg", fakeJpeg(2, 150000));
    const std::string limited = "trap '' XFSZ; ulimit -f 200; ";
    const Run split = shell("sh -c " + quoted(limited + quoted(MPOSPLIT) + " " + quoted(file)));
    EXPECT_EQ(split.status, 1);
    EXPECT_EQ(split.out, scratch.path() + "/big_001.JPG\n");
    EXPECT_NE(split.err.find("big.MPO cannot be split: reading or writing a picture failed"), std::string::npos) << split.err;
    EXPECT_EQ(readFile(scratch.path() + "/big_001.JPG"), expectedOutput(mpo, 0));
    const Run join = shell("sh -c " + quoted(limited + quoted(MPOJOIN) + " -o " + quoted(scratch.path() + "/j.MPO") +
                                             " " + quoted(scratch.path() + "/left.jpg") + " " +
                                             quoted(scratch.path() + "/right.jpg")));
    EXPECT_EQ(join.status, 1) << join.err;
    EXPECT_EQ(scratch.files(), (std::vector<std::string>{"big.MPO", "big_001.JPG", "left.jpg", "right.jpg"}));
}

