// mposplit end to end: splitting, listing, errors and exit codes, a file
// from an independent writer, and a disk that fills up.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "engine_test_support.h"

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

std::string quoted(const std::string &arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

CliRun runShell(const std::string &command, const ScratchFolder &scratch)
{
    const std::string out = scratch.path() + "/.out", err = scratch.path() + "/.err";
    const int status = std::system((command + " >" + out + " 2>" + err).c_str());
    const Bytes o = readFile(out), e = readFile(err);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(o.begin(), o.end()), std::string(e.begin(), e.end())};
}

CliRun mposplit(const std::vector<std::string> &args, const ScratchFolder &scratch)
{
    std::string command = quoted(MPOSPLIT);
    for (const std::string &arg : args)
        command += " " + quoted(arg);
    return runShell(command, scratch);
}

}  // namespace

TEST(Mposplit, SplitsListsAndNeverOverwrites)
{
    const BuiltMPO mpo = stereoLike(2).build();
    ScratchFolder scratch;
    const std::string file = scratch.write("IMG_0001.MPO", mpo.bytes), base = scratch.path() + "/IMG_0001";
    const CliRun first = mposplit({file}, scratch);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, base + "_001.JPG\n" + base + "_002.JPG\n");
    EXPECT_EQ(readFile(base + "_001.JPG"), expectedOutput(mpo, 0));
    EXPECT_EQ(readFile(base + "_002.JPG"), expectedOutput(mpo, 1));
    EXPECT_EQ(mposplit({"-p", "2", file}, scratch).out, base + "_002-1.JPG\n");

    const CliRun listed = mposplit({"--list", file}, scratch);
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(linesOf(listed.out)[0], file + ": 2 pictures, representative picture 1");
    EXPECT_EQ(linesOf(listed.out)[2], "  picture 2  ---  size " + std::to_string(mpo.bytes.size() - mpo.starts[1]) +
                                          "  offset " + std::to_string(mpo.starts[1] - mpo.baseOffset) +
                                          " (file position " + std::to_string(mpo.starts[1]) + ")");
    EXPECT_NE(mposplit({"--trace", "-o", scratch.path(), file}, scratch).out.find("MPO File Checker"),
              std::string::npos);
}

TEST(Mposplit, ReportsEachFailureByNameAndGoesOn)
{
    ScratchFolder scratch;
    const std::string good = scratch.write("good.MPO", stereoLike(2).build().bytes);
    const std::string bad = scratch.write("bad.MPO", fakeJpeg(1)), missing = scratch.path() + "/missing.MPO";
    const CliRun mixed = mposplit({bad, good, missing}, scratch);
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(mixed.err, "mposplit: " + bad + " is not an MPO file this program can read\n" + "mposplit: " +
                             missing + " cannot be opened\n");
    EXPECT_EQ(linesOf(mixed.out).size(), 2u);
    const CliRun beyond = mposplit({"-p", "5", good}, scratch);
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.err, "mposplit: " + good + " has no picture 5\n");
    for (const auto &args : std::vector<std::vector<std::string>>{{}, {"-x", good}, {"-p", "two", good}, {"-o"}})
        EXPECT_EQ(mposplit(args, scratch).status, 2);
}

TEST(Mposplit, SplitsAPairWrittenByPillowIntoDecodableJpegs)
{
    ScratchFolder scratch;
    const std::string file = scratch.path() + "/pillow.mpo", python = "/usr/bin/python3 " + quoted(PILLOW_SCRIPT);
    const CliRun made = runShell(python + " make " + quoted(file), scratch);
    if (made.status != 0)
        GTEST_SKIP() << "SKIPPED: Debian's python3-pil is needed to write the file: " << made.err;
    ASSERT_EQ(mposplit({file}, scratch).status, 0);
    const std::string left = scratch.path() + "/pillow_001.JPG", right = scratch.path() + "/pillow_002.JPG";
    const CliRun decoded = runShell(python + " decode " + quoted(left) + " " + quoted(right), scratch);
    const auto lines = linesOf(decoded.out);
    ASSERT_EQ(lines.size(), 2u) << decoded.err;
    EXPECT_EQ(lines[0].rfind("JPEG 96 64 ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("JPEG 96 64 ", 0), 0u);
    EXPECT_NE(lines[0], lines[1]);  // the left and right colours differ
}

TEST(Mposplit, AFullDiskKeepsEarlierPicturesAndLeavesNoPartOfTheRest)
{
    MPOBuilder builder;
    for (int i = 1; i <= 3; ++i)
        builder.add(fakeJpeg(i, 400000));
    const BuiltMPO mpo = builder.build();
    ScratchFolder scratch;
    const std::string file = scratch.write("big.MPO", mpo.bytes), disk = scratch.path() + "/disk";
    scratch.write("expected1", expectedOutput(mpo, 0));
    scratch.write("expected2", expectedOutput(mpo, 1));
    std::filesystem::create_directory(disk);
    // A 1 MiB file system of its own, in a private mount namespace, holds
    // two of the three pictures.
    const std::string script = "mount -t tmpfs -o size=1m tmpfs " + quoted(disk) + " || exit 99; " +
                               quoted(MPOSPLIT) + " -o " + quoted(disk) + " " + quoted(file) + "; echo status $?; cd " +
                               quoted(disk) + " && ls && cmp big_001.JPG ../expected1 && cmp big_002.JPG ../expected2 && echo same";
    const CliRun run = runShell("unshare -Urm sh -c " + quoted(script), scratch);
    if (run.status == 99 || run.out.empty())
        GTEST_SKIP() << "SKIPPED: cannot mount a small file system here: " << run.err;
    EXPECT_EQ(run.out, disk + "/big_001.JPG\n" + disk + "/big_002.JPG\nstatus 1\nbig_001.JPG\nbig_002.JPG\nsame\n");
    EXPECT_NE(run.err.find("big.MPO cannot be written into"), std::string::npos) << run.err;
}
