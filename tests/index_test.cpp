// Reading the MP index: the trace of a good file, both byte orders, the
// picture count and representative picture, the corrected sizes, and the
// files and paths that are refused, each with the line saying why.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

#include "engine_test_support.h"
#include "mpo.h"

namespace {

void put32(Bytes &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = std::uint8_t(value >> (24 - 8 * i));
}

// The lines that show the decoded MP Entry table.
std::vector<std::string> tableLines(const std::string &trace)
{
    std::vector<std::string> table;
    for (const std::string &line : linesOf(trace))
        for (const char *start : {"|", "      Size", "DataOffset", "    Entry", "File[", "Size Change"})
            if (line.rfind(start, 0) == 0)
                table.push_back(line);
    return table;
}

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

    const auto lines = linesOf(run.trace);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"MPO File Checker", "File Size = " + std::to_string(mpo.bytes.size()), path,
                                        "IMG_0001"}));
    EXPECT_EQ(lines[4].substr(0, 29), "0x00000000:ff d8 ff e1 00 16 ");  // the builder's APP1 is 22 bytes
    EXPECT_EQ(lines[5], "0x00000000:ff d8   _ _");
    for (const std::string &expected : std::vector<std::string>{
             "SOI and APP1 Found!", "Big Endian Info.", "return 0", "needConvEndian = 0", "APP1 Size = 22 (0x0016)",
             "baseOffset = " + std::to_string(mpo.baseOffset), "APP2 IFDOffset = 8 (0x0008)", "count = 3 (0x0003)",
             "---- Index 0001 -----", "TAG   = 0xb001 (45057)  / NumberOfImages", "ID    = 0x0004 (4)  / LONG",
             "COUNT = 0x00000001 (1)", "VALUE = 0x00000002", "ID    = 0x0007 (7)  / UNDEFINED",
             "VALUE = 0x30313030", "|--r|Reserved=0x0 DataType=0x0",
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
    for (const char *line : {"APP2 IFDOffset = 134217728 (0x8000000)", "APP2 IFDOffset = 8 (0x0008)", "    Entry1 = 0x2"})
        EXPECT_EQ(countLines(little.trace, line), 1) << line;
}

TEST(IndexReading, CountAndRepresentativeFollowTheFlags)
{
    const std::uint32_t p = parentFlag, c = childFlag, r = representativeFlag;
    const struct {
        std::vector<std::uint32_t> attributes;
        int count, representative;
    } cases[] = {
        {{p, c, p, c}, 2, 0},  // only parents are numbered when each has its child
        {{p, c, c}, 3, 0},
        {{p, 0, 0}, 3, 0},
        {{0, 0}, 2, 0},
        {{0, 0, r}, 3, 3},
        {{p, c, p | r, c}, 2, 2},
        {{r, r, 0}, 3, 2},  // the last flagged one
    };
    for (const auto &c : cases) {
        const EngineRun run = runEngineOn(flagged(c.attributes).build().bytes);
        EXPECT_EQ(run.count, c.count) << run.trace;
        EXPECT_EQ(run.index, c.representative) << run.trace;
    }
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
    const auto lines = linesOf(run.trace);
    EXPECT_NE(std::search(lines.begin(), lines.end(), corrections.begin(), corrections.end()), lines.end()) << run.trace;
    EXPECT_EQ(countLines(run.trace, "Size Change 1 -> " + std::to_string(mpo.bytes.size() - mpo.starts[2])), 0);

    MPOBuilder one = stereoLike(1);  // a single entry keeps its recorded size
    one.pictures[0].recordedSize = 40;
    EXPECT_EQ(countLines(runEngineOn(one.build().bytes).trace, "File[0] = 40  (0x0)"), 1);
}

TEST(IndexReading, OddButValidIndexesAreRead)
{
    MPOBuilder emptyIfd = stereoLike(2);
    emptyIfd.ifdCount = 0;
    EXPECT_EQ(runEngineOn(emptyIfd.build().bytes).count, 0);

    MPOBuilder negativeCount = stereoLike(2, ByteOrder::Little);
    negativeCount.ifdCount = 0x8000;
    const EngineRun negative = runEngineOn(negativeCount.build().bytes);
    EXPECT_EQ(negative.result, 0);
    EXPECT_EQ(negative.count, 0);
    EXPECT_EQ(countLines(negative.trace, "count = -32768 (0xffff8000)"), 1);

    MPOBuilder gap = stereoLike(2, ByteOrder::Little);
    gap.ifdGap = 6;
    gap.extraTags = {{0xB004, 4, 1, 2}, {0xB005, 6, 1, 0}};
    const EngineRun moved = runEngineOn(gap.build().bytes);
    EXPECT_EQ(moved.count, 2);
    for (const char *line : {"TAG   = 0xb004 (45060)  / TotalFrames", "TAG   = 0xb005 (45061)  / UNKNOWN",
                             "ID    = 0x0006 (6)  / UNKNOWN"})
        EXPECT_EQ(countLines(moved.trace, line), 1) << line;

    MPOBuilder wrapping = stereoLike(1);  // a size past the end of the file is cut to the file
    wrapping.pictures[0].recordedSize = 0xFFFFFFFF;
    const BuiltMPO one = wrapping.build();
    const EngineRun cut = runEngineOn(one.bytes);
    EXPECT_EQ(cut.picture, one.bytes);
    EXPECT_EQ(countLines(cut.trace, "File[0] Size Cut To File End -1 -> " + std::to_string(one.bytes.size())), 1);

    MPOBuilder longest = stereoLike(2);  // the APP2 length is read as far as the buffer holds it
    longest.app2Length = 0xFFFF;
    longest.trailing = Bytes(70000, 0);
    EXPECT_EQ(runEngineOn(longest.build().bytes).result, 0);
}

TEST(IndexRefusal, EachBrokenFieldIsRefusedWithItsReason)
{
    using Break = void (*)(MPOBuilder &);
    using Damage = void (*)(Bytes &, const BuiltMPO &);
    const struct {
        Break breakIt;
        Damage damage;
        const char *line;
        int times = 1;
    } cases[] = {
        {nullptr, [](Bytes &b, const BuiltMPO &) { b[3] = 0xE0; }, "SOI Not Found!"},  // APP0 after SOI
        {nullptr, [](Bytes &b, const BuiltMPO &) { b[1] = 0xD9; }, "SOI Not Found!"},
        {[](MPOBuilder &m) { m.exifMark = std::string("MM*\0", 4); }, nullptr, "UNKNOWN Endian Info.", 2},
        {nullptr, [](Bytes &b, const BuiltMPO &m) { b.insert(b.begin() + long(m.app2At), {0xFF, 0xE0, 0, 2}); },
         "APP2 Not Found!"},
        {[](MPOBuilder &m) { m.identifier = std::string("MPG\0", 4); }, nullptr,
         "MPO Format Identification Code Not Found!"},
        {[](MPOBuilder &m) { m.mpMark = "IIII"; }, nullptr, "UNKNOWN Endian Info.", 2},
        {[](MPOBuilder &m) { m.ifdOffset = 0x10000; }, nullptr, "MP Index IFD Outside APP2 Segment."},
        {[](MPOBuilder &m) { m.ifdOffset = 0xFFFFFFFF; }, nullptr, "MP Index IFD Outside APP2 Segment."},
        {[](MPOBuilder &m) { m.ifdCount = 0x7FFF; }, nullptr, "MP Index IFD Outside APP2 Segment."},
        {[](MPOBuilder &m) { m.numberOfImages = 0x10000000; }, nullptr, "MP Entries Outside APP2 Segment."},
        {[](MPOBuilder &m) { m.numberOfImages = -1; }, nullptr, "MP Entries Outside APP2 Segment."},
        {[](MPOBuilder &m) { m.numberOfImages = 0x7FFFFFFF; }, nullptr, "MP Entries Outside APP2 Segment."},
        {[](MPOBuilder &m) { m.app2Length = 0xF000; }, nullptr, "APP2 Segment Cut Short."},
        {nullptr, [](Bytes &b, const BuiltMPO &m) { put32(b, m.entriesAt + 16 + 8, 0xFFFFFFF0); },
         "File[1] Data Offset Beyond File End."},
        {nullptr, [](Bytes &b, const BuiltMPO &m) { put32(b, m.entriesAt + 20, 0x200), put32(b, m.entriesAt + 24, 0xFFFFFF00); },
         "File[1] Data Offset Beyond File End."},  // offset plus size wraps 32 bits
        {nullptr, [](Bytes &b, const BuiltMPO &m) { put32(b, m.entriesAt + 32 + 8, 4); },
         "File[2] Data Offset Goes Backwards."},
    };
    for (const auto &c : cases) {
        MPOBuilder builder = stereoLike(3);
        if (c.breakIt)
            c.breakIt(builder);
        const BuiltMPO mpo = builder.build();
        Bytes bytes = mpo.bytes;
        if (c.damage)
            c.damage(bytes, mpo);
        const EngineRun run = runEngineOn(bytes);
        EXPECT_EQ(run.result, -12) << c.line << "\n" << run.trace;
        EXPECT_EQ(run.lastLine(), c.line);
        EXPECT_EQ(countLines(run.trace, c.line), c.times) << c.line;
        EXPECT_EQ(run.count, -99) << c.line;  // nothing is stored for a refused file
    }
}

TEST(IndexRefusal, PathsThatCannotBeReadOrNamed)
{
    ScratchFolder folder;
    folder.write("MPO", stereoLike(2).build().bytes);
    const struct {
        std::string name;
        int mode;
        const char *saveFolder;
        int result;
        const char *lastLine;
    } cases[] = {
        {"missing.jpg", MPO_LOAD_ONE, "", -10, "Error = -1"},
        {"missing.mPo", MPO_LOAD_ONE, "", -11, "The file Cannot open."},  // a name ending in MPO goes on to the open
        {"missing.mpo", MPO_SAVE_ALL, "missing", -14, nullptr},
        {"MPO", MPO_LOAD_ONE, "", -11, "File Name Too Short."},
        {std::string(1100, 'x') + ".MPO", MPO_LOAD_ONE, "", -11, "Path Too Long."},
    };
    for (const auto &c : cases) {
        const std::string save = *c.saveFolder ? folder.path() + "/" + c.saveFolder : "";
        const EngineRun run = runEngine(folder.path() + "/" + c.name, c.mode, 0, save);
        EXPECT_EQ(run.result, c.result) << c.name.substr(0, 20);
        if (c.lastLine) {
            EXPECT_EQ(run.lastLine(), c.lastLine) << c.name.substr(0, 20);
        }
    }
}

TEST(IndexReading, BaseNameAndSizeComeFromThePath)
{
    const Bytes file = stereoLike(2).build().bytes;
    EXPECT_EQ(linesOf(runEngineOn(file, 0, 0, "x.jpeg").trace)[3], "x.");
    EXPECT_EQ(linesOf(runEngineOn(file, 0, 0, "abcd").trace)[3], "");
    ScratchFolder folder;  // a symbolic link is sized by the file it names
    ASSERT_EQ(symlink(folder.write("real.MPO", file).c_str(), (folder.path() + "/link.MPO").c_str()), 0);
    EXPECT_EQ(linesOf(runEngine(folder.path() + "/link.MPO").trace)[1], "File Size = " + std::to_string(file.size()));
}
