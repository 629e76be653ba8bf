// Reading well-formed MPO files: the trace, the picture count, the
// representative picture, and the corrected entry sizes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

#include "engine_test_support.h"
#include "mpo.h"

namespace {

// The lines that show the decoded MP Entry table.
std::vector<std::string> tableLines(const std::string &trace)
{
    std::vector<std::string> table;
    for (const std::string &line : linesOf(trace)) {
        for (const char *start : {"|", "      Size", "DataOffset", "    Entry", "File[", "Size Change"})
            if (line.rfind(start, 0) == 0)
                table.push_back(line);
    }
    return table;
}

MPOBuilder flagged(std::vector<std::uint32_t> attributes)
{
    MPOBuilder builder;
    for (std::size_t i = 0; i < attributes.size(); ++i)
        builder.add(fakeJpeg(int(i)), attributes[i]);
    return builder;
}

constexpr std::uint32_t parent = 1u << 31, child = 1u << 30, representative = 1u << 29;

}  // namespace

TEST(IndexReading, TracesEveryStepOfAGoodFile)
{
    const BuiltMPO mpo = stereoLike(2).build();
    ScratchFolder folder;
    const std::string path = folder.write("IMG_0001.MPO", mpo.bytes);
    const EngineRun run = runEngine(path);
    ASSERT_EQ(run.result, 0) << run.trace;
    EXPECT_EQ(run.count, 2);
    EXPECT_EQ(run.index, 1);
    EXPECT_EQ(run.errors, "");

    const auto lines = linesOf(run.trace);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "MPO File Checker");
    EXPECT_EQ(lines[1], "File Size = " + std::to_string(mpo.bytes.size()));
    EXPECT_EQ(lines[2], path);
    EXPECT_EQ(lines[3], "IMG_0001");
    EXPECT_EQ(lines[4].substr(0, 29), "0x00000000:ff d8 ff e1 00 16 ");  // the builder's APP1 is 22 bytes
    EXPECT_EQ(lines[5], "0x00000000:ff d8   _ _");
    for (const std::string &expected : std::vector<std::string>{
          "SOI and APP1 Found!", "Big Endian Info.", "return 0", "needConvEndian = 0",
          "APP1 Size = 22 (0x0016)",
          "baseOffset = " + std::to_string(mpo.baseOffset), "APP2 IFDOffset = 8 (0x0008)",
          "count = 3 (0x0003)", "---- Index 0001 -----", "TAG   = 0xb001 (45057)  / NumberOfImages",
          "ID    = 0x0004 (4)  / LONG", "COUNT = 0x00000001 (1)", "VALUE = 0x00000002",
          "ID    = 0x0007 (7)  / UNDEFINED", "VALUE = 0x30313030", "|--r|Reserved=0x0 DataType=0x0",
          "File[0] = " + std::to_string(mpo.starts[1]) + "  (0x0)"})
        EXPECT_GE(countLines(run.trace, expected), 1) << expected;
    EXPECT_EQ(run.trace.find("missmuch"), std::string::npos);
}

TEST(IndexReading, BothByteOrdersGiveTheSameTable)
{
    MPOBuilder builder = stereoLike(3);
    builder.pictures[1].entry1 = 2;
    builder.pictures[2].after = Bytes(5, 0);
    const EngineRun big = runEngineOn(builder.build().bytes);
    builder.order = ByteOrder::Little;
    const EngineRun little = runEngineOn(builder.build().bytes);
    ASSERT_EQ(big.result, 0);
    ASSERT_EQ(little.result, 0);
    EXPECT_EQ(tableLines(big.trace), tableLines(little.trace));
    EXPECT_EQ(countLines(little.trace, "needConvEndian = 1"), 2);
    EXPECT_EQ(countLines(little.trace, "APP2 IFDOffset = 134217728 (0x8000000)"), 1);
    EXPECT_EQ(countLines(little.trace, "APP2 IFDOffset = 8 (0x0008)"), 1);
    EXPECT_EQ(countLines(little.trace, "    Entry1 = 0x2"), 1);
}

TEST(IndexReading, ParentOnlyNumberingNeedsAsManyChildrenAsParents)
{
    EXPECT_EQ(runEngineOn(flagged({parent, child, parent, child}).build().bytes).count, 2);
    EXPECT_EQ(runEngineOn(flagged({parent, child, child}).build().bytes).count, 3);
    EXPECT_EQ(runEngineOn(flagged({parent, 0, 0}).build().bytes).count, 3);
    EXPECT_EQ(runEngineOn(flagged({0, 0}).build().bytes).count, 2);
}

TEST(IndexReading, RepresentativePictureIsNumberedAmongCandidates)
{
    EXPECT_EQ(runEngineOn(flagged({0, 0, 0}).build().bytes).index, 0);
    EXPECT_EQ(runEngineOn(flagged({0, 0, representative}).build().bytes).index, 3);
    EXPECT_EQ(runEngineOn(flagged({parent, child, parent | representative, child}).build().bytes).index, 2);
    EXPECT_EQ(runEngineOn(flagged({representative, representative | 0, 0}).build().bytes).index, 2);
}

TEST(IndexReading, SizesBecomeTheDistanceToTheNextPicture)
{
    MPOBuilder builder = stereoLike(3);
    builder.pictures[0].after = {0x00, 0x00, 0x00};  // padding behind picture 1
    builder.pictures[1].recordedSize = 7;             // plainly wrong
    builder.pictures[2].recordedSize = 1;             // the last one always runs to the end
    builder.trailing = Bytes(11, 0xEE);
    const BuiltMPO mpo = builder.build();
    const EngineRun run = runEngineOn(mpo.bytes);
    ASSERT_EQ(run.result, 0);

    const std::size_t first = mpo.starts[1], second = mpo.starts[2] - mpo.starts[1];
    const std::vector<std::string> corrections = {
        "File[1] size missmuch !", "Size Change " + std::to_string(first - 3) + " -> " + std::to_string(first),
        "File[2] size missmuch !", "Size Change 7 -> " + std::to_string(second)};
    auto lines = linesOf(run.trace);
    auto at = std::search(lines.begin(), lines.end(), corrections.begin(), corrections.end());
    EXPECT_NE(at, lines.end()) << run.trace;
    EXPECT_EQ(countLines(run.trace, "Size Change 1 -> " + std::to_string(mpo.bytes.size() - mpo.starts[2])), 0);
}

TEST(IndexReading, OneEntryKeepsItsRecordedSize)
{
    MPOBuilder builder = stereoLike(1);
    builder.pictures[0].recordedSize = 40;
    const EngineRun run = runEngineOn(builder.build().bytes);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.count, 1);
    EXPECT_EQ(countLines(run.trace, "File[0] = 40  (0x0)"), 1);
    EXPECT_EQ(run.trace.find("Size Change"), std::string::npos);
}

TEST(IndexReading, BaseNameAndSizeComeFromThePath)
{
    const Bytes file = stereoLike(2).build().bytes;
    EXPECT_EQ(linesOf(runEngineOn(file, 0, 0, "x.jpeg").trace)[3], "x.");
    EXPECT_EQ(linesOf(runEngineOn(file, 0, 0, "abcd").trace)[3], "");
    // A symbolic link is sized by the file it names.
    ScratchFolder folder;
    ASSERT_EQ(symlink(folder.write("real.MPO", file).c_str(), (folder.path() + "/link.MPO").c_str()), 0);
    const EngineRun run = runEngine(folder.path() + "/link.MPO");
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(linesOf(run.trace)[1], "File Size = " + std::to_string(file.size()));
}
