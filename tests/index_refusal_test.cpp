// Files the engine refuses, each breaking one thing, and files cut short at
// every length: each ends with its result code and a trace line saying why.
#include <gtest/gtest.h>

#include <functional>

#include "engine_test_support.h"
#include "mpo.h"

namespace {

struct Refusal {
    const char *what;
    std::function<void(MPOBuilder &)> breakIt;
    std::function<void(Bytes &, const BuiltMPO &)> damage;
    int result;
    const char *line;
};

void put32(Bytes &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = std::uint8_t(value >> (24 - 8 * i));
}

}  // namespace

TEST(IndexRefusal, EachBrokenFieldIsRefusedWithItsReason)
{
    const auto none = [](MPOBuilder &) {};
    const auto intact = [](Bytes &, const BuiltMPO &) {};
    const std::vector<Refusal> cases = {
        {"APP0 after SOI", none, [](Bytes &b, const BuiltMPO &) { b[3] = 0xE0; }, -12, "SOI Not Found!"},
        {"no SOI", none, [](Bytes &b, const BuiltMPO &) { b[1] = 0xD9; }, -12, "SOI Not Found!"},
        {"APP1 mark", [](MPOBuilder &m) { m.exifMark = "MM*"; m.exifMark += '\0'; }, intact, -12,
         "UNKNOWN Endian Info."},
        {"segment between APP1 and APP2", none,
         [](Bytes &b, const BuiltMPO &m) { b.insert(b.begin() + long(m.app2At), {0xFF, 0xE0, 0x00, 0x02}); },
         -12, "APP2 Not Found!"},
        {"identifier", [](MPOBuilder &m) { m.identifier = "MPG"; m.identifier += '\0'; }, intact, -12,
         "MPO Format Identification Code Not Found!"},
        {"MP mark", [](MPOBuilder &m) { m.mpMark = "IIII"; }, intact, -12, "UNKNOWN Endian Info."},
        {"IFD offset past the segment", [](MPOBuilder &m) { m.ifdOffset = 0x10000; }, intact, -12,
         "MP Index IFD Outside APP2 Segment."},
        {"IFD offset wraps", [](MPOBuilder &m) { m.ifdOffset = 0xFFFFFFFF; }, intact, -12,
         "MP Index IFD Outside APP2 Segment."},
        {"IFD count past the segment", [](MPOBuilder &m) { m.ifdCount = 0x7FFF; }, intact, -12,
         "MP Index IFD Outside APP2 Segment."},
        {"NumberOfImages too large", [](MPOBuilder &m) { m.numberOfImages = 0x10000000; }, intact, -12,
         "MP Entries Outside APP2 Segment."},
        {"NumberOfImages negative", [](MPOBuilder &m) { m.numberOfImages = -1; }, intact, -12,
         "MP Entries Outside APP2 Segment."},
        {"NumberOfImages huge", [](MPOBuilder &m) { m.numberOfImages = 0x7FFFFFFF; }, intact, -12,
         "MP Entries Outside APP2 Segment."},
        {"data offset plus size wraps 32 bits", none,
         [](Bytes &b, const BuiltMPO &m) { put32(b, m.entriesAt + 16 + 4, 0x200), put32(b, m.entriesAt + 16 + 8, 0xFFFFFF00); },
         -12, "File[1] Data Offset Beyond File End."},
        {"APP2 length past the file", [](MPOBuilder &m) { m.app2Length = 0xF000; }, intact, -12,
         "APP2 Segment Cut Short."},
        {"data offset past the file", none,
         [](Bytes &b, const BuiltMPO &m) { put32(b, m.entriesAt + 16 + 8, 0xFFFFFFF0); }, -12,
         "File[1] Data Offset Beyond File End."},
        {"data offsets decrease", none,
         [](Bytes &b, const BuiltMPO &m) { put32(b, m.entriesAt + 32 + 8, 4); }, -12,
         "File[2] Data Offset Goes Backwards."},
        {"picture beyond the one asked for in run mode 1", none, intact, -13, "    Entry2 = 0x0"},
    };
    for (const Refusal &c : cases) {
        MPOBuilder builder = stereoLike(3);
        c.breakIt(builder);
        const BuiltMPO mpo = builder.build();
        Bytes bytes = mpo.bytes;
        c.damage(bytes, mpo);
        const EngineRun run = runEngineOn(bytes, c.result == -13 ? MPO_SAVE_ONE : MPO_LOAD_ONE, 5);
        EXPECT_EQ(run.result, c.result) << c.what << "\n" << run.trace;
        EXPECT_EQ(linesOf(run.trace).back(), c.line) << c.what;
        EXPECT_EQ(run.count, c.result == -13 ? 3 : -99) << c.what;
        EXPECT_EQ(run.index, c.result == -13 ? 0 : -99) << c.what;
        EXPECT_EQ(run.errors, "") << c.what;
    }
}

TEST(IndexRefusal, UnknownAppOneMarkIsReportedTwice)
{
    MPOBuilder builder = stereoLike(2);
    builder.exifMark = "MM*";
    builder.exifMark += '\0';
    EXPECT_EQ(countLines(runEngineOn(builder.build().bytes).trace, "UNKNOWN Endian Info."), 2);
}

TEST(IndexRefusal, PathsThatCannotBeReadOrNamed)
{
    ScratchFolder folder;
    const std::string missing = folder.path() + "/missing";
    EXPECT_EQ(runEngine(missing + ".jpg").result, -10);
    EXPECT_EQ(runEngine(missing + ".jpg").trace, "Error = -1\n");
    EXPECT_EQ(runEngine(missing + ".mPo").result, -11);  // a name ending in MPO goes on to the open
    EXPECT_EQ(linesOf(runEngine(missing + ".mpo").trace).back(), "The file Cannot open.");
    EXPECT_EQ(runEngine(missing + ".mpo", MPO_SAVE_ALL, 0, missing).result, -14);

    const Bytes file = stereoLike(2).build().bytes;
    EXPECT_EQ(runEngineOn(file, 0, 0, "MPO").result, -11);
    EXPECT_EQ(linesOf(runEngineOn(file, 0, 0, "MPO").trace).back(), "File Name Too Short.");
    const std::string longName = std::string(1100, 'x') + ".MPO";
    const EngineRun tooLong = runEngine(folder.path() + "/" + longName);
    EXPECT_EQ(tooLong.result, -11);
    EXPECT_EQ(linesOf(tooLong.trace).back(), "Path Too Long.");
}

TEST(IndexRefusal, OddButValidIndexesAreRead)
{
    MPOBuilder emptyIfd = stereoLike(2);
    emptyIfd.ifdCount = 0;
    EXPECT_EQ(runEngineOn(emptyIfd.build().bytes).result, 0);
    EXPECT_EQ(runEngineOn(emptyIfd.build().bytes).count, 0);

    MPOBuilder negativeCount = stereoLike(2);
    negativeCount.ifdCount = 0x8000;
    const EngineRun negative = runEngineOn(negativeCount.build().bytes);
    EXPECT_EQ(negative.result, 0);
    EXPECT_EQ(negative.count, 0);
    EXPECT_EQ(countLines(negative.trace, "count = -32768 (0xffff8000)"), 1);

    MPOBuilder gap = stereoLike(2, ByteOrder::Little);
    gap.ifdGap = 6;
    gap.extraTags = {{0xB004, 4, 1, 2}, {0xB005, 6, 1, 0}};
    const EngineRun moved = runEngineOn(gap.build().bytes);
    EXPECT_EQ(moved.result, 0);
    EXPECT_EQ(moved.count, 2);
    for (const char *line : {"TAG   = 0xb004 (45060)  / TotalFrames", "TAG   = 0xb005 (45061)  / UNKNOWN",
                             "ID    = 0x0006 (6)  / UNKNOWN"})
        EXPECT_EQ(countLines(moved.trace, line), 1) << line;

    // A recorded size past the end of the file is cut to the file.
    MPOBuilder wrapping = stereoLike(1);
    wrapping.pictures[0].recordedSize = 0xFFFFFFFF;
    const BuiltMPO one = wrapping.build();
    const EngineRun cut = runEngineOn(one.bytes);
    EXPECT_EQ(cut.picture, one.bytes);
    EXPECT_EQ(countLines(cut.trace, "File[0] Size Cut To File End -1 -> " + std::to_string(one.bytes.size())), 1);

    // The whole APP2 length field is read, as far as the buffer holds it.
    MPOBuilder longest = stereoLike(2);
    longest.app2Length = 0xFFFF;
    longest.trailing = Bytes(70000, 0);
    EXPECT_EQ(runEngineOn(longest.build().bytes).result, 0);
}

TEST(IndexRefusal, FileCutAtAnyLengthEndsWithAResultCode)
{
    const Bytes whole = stereoLike(3, ByteOrder::Little).build().bytes;
    ScratchFolder folder;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const std::string path = folder.write("cut.MPO", Bytes(whole.begin(), whole.begin() + long(length)));
        const EngineRun run = runEngine(path);
        EXPECT_TRUE(run.result == 0 || run.result == -12) << length << ": " << run.result;
        if (run.result == 0) {
            EXPECT_TRUE(run.count >= 0 && run.count <= 3) << length;
        }
    }
}
