// Reading the MP index: the trace and table of a good file in both byte
// orders, the picture count and representative picture, the corrected
// sizes, and the files and paths that are refused, each with its reason.
#include <unistd.h>

#include "engine_test_support.h"
#include "engine/gain_map.h"
#include "engine/mp_attributes.h"

namespace {

// The lines that show the decoded MP Index IFD and MP Entry table.
std::vector<std::string> tableLines(const std::string &trace)
{
    std::vector<std::string> table;
    for (const std::string &line : linesOf(trace))
        for (const char *start : {"TAG", "|", "      Size", "DataOffset", "    Entry", "File[", "Size Change"})
            if (line.rfind(start, 0) == 0)
                table.push_back(line);
    return table;
}

}  // namespace

TEST(IndexReading, TracesAGoodFileAndBothByteOrdersGiveTheSameTable)
{
    MPOBuilder builder = stereoLike(3);
    builder.pictures[1].entry1 = 2;
    builder.pictures[2].after = Bytes(5, 0);
    builder.pictures[2].attribute |= 1u << 27 | 1u << 24;  // a reserved bit and a data type
    builder.extraTags = {{0xB004, 4, 1, 2}, {0xB005, 6, 1, 0}};
    builder.ifdGap = 6;  // the IFD need not follow the header
    ScratchFolder folder;
    const EngineRun big = runEngine(folder.write("IMG_0001.MPO", builder.build().bytes));
    EXPECT_EQ(big.count, 3);
    EXPECT_EQ(big.index, 1);
    EXPECT_TRUE(hasLines(big.trace, {"MPO File Checker", "File Size = 312", folder.path() + "/IMG_0001.MPO", "IMG_0001",
                                     "0x00000000:ff d8 ff e1 00 16   _ _ _ _ _ _", "SOI and APP1 Found!", "baseOffset = 34",
                                     "0x00000020:30 31 30 30 b0 01 00 04 00 00 00 01 00 00 00 03   0 1 0 0 _ _ _ _ _ _ _ _ _ _ _ _",
                                     "0x00000090:da 00 " + std::string(42, ' ') + "  _ _", "APP2 IFDOffset = 14 (0x000e)",
                                     "count = 5 (0x0005)", "TAG   = 0xb004 (45060)  / TotalFrames",
                                     "ID    = 0x0006 (6)  / UNKNOWN", "|--r|Reserved=0x0 DataType=0x0",
                                     "      Size = 209 (0x      d1)", "DataOffset = 0 (0x       0)", "    Entry1 = 0x0",
                                     "    Entry2 = 0x0", "|---|Reserved=0x0 DataType=0x0", "      Size = 49 (0x      31)",
                                     "DataOffset = 175 (0x      af)", "    Entry1 = 0x2", "|---|Reserved=0x1 DataType=0x1"}));
    builder.order = ByteOrder::Little;
    const EngineRun little = runEngineOn(builder.build().bytes);
    EXPECT_EQ(tableLines(big.trace), tableLines(little.trace));
    EXPECT_TRUE(hasLines(little.trace, {"needConvEndian = 1", "APP2 IFDOffset = 234881024 (0xe000000)"}));
}

TEST(IndexReading, CountAndRepresentativeFollowTheFlags)
{
    const std::uint32_t p = parentFlag, c = childFlag, r = representativeFlag;
    const struct {
        std::vector<std::uint32_t> attributes;
        int count, representative;
    } cases[] = {
        {{p, c, p, c}, 2, 0},  // only parents are numbered when each has its child
        {{p, c, c}, 3, 0}, {{p, 0, 0}, 3, 0}, {{0, 0, r}, 3, 3}, {{p, c, p | r, c}, 2, 2},
        {{r, r, 0}, 3, 2},  // the last flagged one
    };
    for (const auto &row : cases) {
        const EngineRun run = runEngineOn(flagged(row.attributes).build().bytes);
        EXPECT_EQ(run.count, row.count) << run.trace;
        EXPECT_EQ(run.index, row.representative) << run.trace;
    }
}

TEST(IndexReading, SizesBecomeTheDistanceToTheNextPictureOrAreCutToTheFile)
{
    MPOBuilder builder = stereoLike(3);
    builder.pictures[0].after = {0x00, 0x00, 0x00};  // padding behind picture 1
    builder.pictures[1].recordedSize = 7;             // plainly wrong
    builder.pictures[2].recordedSize = 1;             // the last one always runs to the end
    const EngineRun run = runEngineOn(builder.build().bytes);
    EXPECT_TRUE(hasLines(run.trace, {"File[1] size missmuch !", "Size Change 179 -> 182", "File[2] size missmuch !",
                                     "Size Change 7 -> 49"}));
    EXPECT_EQ(run.trace.find("Size Change 1 "), std::string::npos);

    MPOBuilder one = stereoLike(1);  // a single entry keeps its recorded size, cut to the file
    one.pictures[0].recordedSize = 0xFFFFFFFF;
    const EngineRun cut = runEngineOn(one.build().bytes);
    EXPECT_EQ(cut.picture, one.build().bytes);
    EXPECT_TRUE(hasLines(cut.trace, {"File[0] Size Cut To File End -1 -> 147"}));
}

TEST(IndexRefusal, EachBrokenFieldIsRefusedWithItsReason)
{
    const BuiltMPO mpo = stereoLike(3).build();
    const std::size_t base = mpo.baseOffset, entries = mpo.entriesAt;
    const struct {
        std::size_t at;
        Bytes with;
        const char *line;
    } cases[] = {
        {1, {0xD9}, "SOI Not Found!"},
        {mpo.app2At + 1, {0xE0}, "APP2 Not Found!"},
        {mpo.app2At + 6, {'G'}, "MPO Format Identification Code Not Found!"},
        {base, {'I', 'I'}, "UNKNOWN Endian Info."},
        {base + 4, big32(0x10000), "MP Index IFD Outside APP2 Segment."},
        {base + 4, big32(0xFFFFFFFF), "MP Index IFD Outside APP2 Segment."},
        {base + 8, {0x7F, 0xFF}, "MP Index IFD Outside APP2 Segment."},  // IFD entry count
        {base + 30, big32(0x10000000), "MP Entries Outside APP2 Segment."},  // NumberOfImages
        {base + 30, big32(0xFFFFFFFF), "MP Entries Outside APP2 Segment."},
        {base + 30, big32(0x7FFFFFFF), "MP Entries Outside APP2 Segment."},
        {mpo.app2At + 2, {0xF0, 0x00}, "APP2 Segment Cut Short."},
        {entries + 24, big32(0xFFFFFFF0), "File[1] Data Offset Beyond File End."},
        {entries + 20, big32(0x200) + big32(0xFFFFFF00), "File[1] Data Offset Beyond File End."},  // sum wraps
        {entries + 40, big32(4), "File[2] Data Offset Goes Backwards."},
    };
    for (const auto &c : cases) {
        const EngineRun run = runEngineOn(patched(mpo, c.at, c.with));
        EXPECT_EQ(run.result, -12) << c.line << "\n" << run.trace;
        EXPECT_EQ(run.lastLine(), c.line);
        EXPECT_EQ(run.count, -99) << c.line;  // nothing is stored for a refused file
        EXPECT_EQ(run.cause, std::string(c.line).find("Data Offset") != std::string::npos ? MPOCause::IndexOutsideFile
                                                                                         : MPOCause::None);
    }
    // Entries one byte longer than the segment, in a file that ends where the segment says.
    Bytes cut = patched(mpo, mpo.app2At + 3, {std::uint8_t(mpo.bytes[mpo.app2At + 3] - 1)});
    cut.resize(entries + 16 * 3 - 1);
    EXPECT_EQ(runEngineOn(cut).lastLine(), "MP Entries Outside APP2 Segment.");
}

TEST(IndexRefusal, PathsThatCannotBeReadOrNamedAndOddButValidIndexes)
{
    const BuiltMPO pair = stereoLike(2).build(), longLittle = stereoLike(2, ByteOrder::Little).build();
    ScratchFolder folder;
    folder.write("MPO", pair.bytes);
    folder.write("empty.MPO", patched(pair, pair.baseOffset + 8, {0, 0}));             // no IFD entries
    folder.write("negative.MPO", patched(longLittle, pair.baseOffset + 8, {0, 0x80}));  // -32768 entries
    Bytes longest = patched(pair, pair.app2At + 2, {0xFF, 0xFF});  // read as far as the buffer holds it
    longest.resize(70000);
    folder.write("longest.MPO", longest);
    ASSERT_EQ(symlink("longest.MPO", (folder.path() + "/link.MPO").c_str()), 0);
    const struct {
        std::string name;
        int mode, result;
        std::vector<std::string> lines;
    } cases[] = {
        {"missing.jpg", MPO_LOAD_ONE, -10, {"Error = -1"}},
        {"missing.mPo", MPO_LOAD_ONE, -11, {"The file Cannot open."}},  // a name ending in MPO goes on to the open
        {"missing.mpo", MPO_SAVE_ALL, -14, {"Error = -1"}},             // ... into a missing folder
        {"MPO", MPO_LOAD_ONE, -11, {"File Name Too Short."}},
        {std::string(1100, 'x') + ".MPO", MPO_LOAD_ONE, -11, {"Path Too Long."}},
        {"empty.MPO", MPO_LOAD_ONE, 0, {"count = 0 (0x0000)"}},
        {"negative.MPO", MPO_LOAD_ONE, 0, {"count = -32768 (0xffff8000)"}},
        {"link.MPO", MPO_LOAD_ONE, 0, {"File Size = 70000", "link"}},  // sized by the file it names
    };
    for (const auto &c : cases) {
        const EngineRun run = runEngine(folder.path() + "/" + c.name, c.mode, 0, c.result == -14 ? "/missing" : "");
        EXPECT_EQ(run.result, c.result) << c.name.substr(0, 20);
        EXPECT_TRUE(hasLines(run.trace, c.lines));
    }
    EXPECT_EQ(linesOf(runEngineOn(pair.bytes, 0, 0, "x.jpeg").trace)[3], "x.");  // the base name drops four characters
}

TEST(MPAttributes, ReadBehindTheIndexInBothByteOrdersAndNoneWhereTheBytesDoNotHoldThem)
{
    for (ByteOrder order : {ByteOrder::Big, ByteOrder::Little}) {
        MPOBuilder builder = stereoLike(2, order);
        builder.attributeTags = {{0xB000, 7, 4, 0x30313030}, {0xB101, 4, 1, 2}, {0xB204, 4, 1, 1},
                                 {0xB205, 10, 1, std::uint32_t(-15), 10}, {0xB206, 5, 1, 77, 1000}};
        const Bytes file = builder.build().bytes;
        const MPAttributes read = readMPAttributes(file.data(), file.size());
        EXPECT_EQ(read.individualNumber, 2u);
        EXPECT_EQ(read.baseViewpoint, 1u);
        EXPECT_EQ(read.convergenceAngle, -1.5);
        EXPECT_EQ(read.baselineLength, 0.077);

        builder.attributeTags = {{0xB101, 4, 1, 2}, {0xB205, 10, 1, 3, 0}, {0xB206, 5, 2, 1, 1}};
        const Bytes odd = builder.build().bytes;
        const MPAttributes partial = readMPAttributes(odd.data(), odd.size());
        EXPECT_EQ(partial.individualNumber, 2u) << "a zero denominator or a count of 2 spoils only its own tag";
        EXPECT_FALSE(partial.convergenceAngle || partial.baselineLength);
    }
    const BuiltMPO plain = stereoLike(2).build();
    EXPECT_FALSE(readMPAttributes(plain.bytes.data(), plain.bytes.size()).any()) << "no attribute IFD";
    MPOBuilder builder = stereoLike(2);
    builder.attributeTags = {{0xB101, 4, 1, 2}};
    const BuiltMPO built = builder.build();
    for (std::size_t cut : {built.entriesAt + 40, built.app2At + 12, std::size_t(3)})
        EXPECT_FALSE(readMPAttributes(built.bytes.data(), cut).any()) << "cut at " << cut;
    const Bytes pointingOut = patched(built, built.entriesAt - 4, big32(0xFFFFFFF0));
    EXPECT_FALSE(readMPAttributes(pointingOut.data(), pointingOut.size()).any());
}

// A phone's photo and its HDR gain map share the layout of a stereo pair; the
// marks that tell them apart: the gain map's own XMP ("hdrgm" or Apple's
// namespace), an ISO 21496-1 segment, or the photo's container directory.
TEST(GainMaps, AreToldFromStereoPairsInEachFormTheyTake)
{
    const auto xmp = [](const std::string &packet) {
        return jpegSegment(0xE1, bytesOf(std::string("http://ns.adobe.com/xap/1.0/\0", 29) + packet));
    };
    const auto withSegment = [](const Bytes &segment) { return withSegments(fakeJpeg(2), {segment}); };
    const Bytes iso = jpegSegment(0xE2, bytesOf(std::string("urn:iso:std:iso:ts:21496:-1\0\0\0", 30)));
    const std::string hdrgm = R"(<rdf:Description xmlns:hdrgm="http://ns.adobe.com/hdr-gain-map/1.0/" hdrgm:Version="1.0"/>)";
    const std::string directory =
        R"(<Container:Directory><rdf:Seq><rdf:li><Container:Item Item:Semantic="Primary" Item:Mime="image/jpeg"/></rdf:li>)"
        R"(<rdf:li><Container:Item Item:Semantic="GainMap" Item:Mime="image/jpeg"/></rdf:li></rdf:Seq></Container:Directory>)";
    const std::string camera = R"(<rdf:Description xmlns:xmp="http://ns.adobe.com/xap/1.0/" xmp:Rating="3"/>)";
    const struct {
        const char *form;
        std::vector<Bytes> firstSegments;
        Bytes second;
        bool gainMap;
    } table[] = {
        {"Ultra HDR", {exifSegment, xmp(hdrgm + directory)}, withSegment(xmp(hdrgm)), true},
        {"container directory only", {exifSegment, xmp(directory)}, fakeJpeg(2), true},
        {"Ultra HDR behind a large Exif block", {exifSegment},
         withSegments(fakeJpeg(2), {jpegSegment(0xE1, bytesOf("Exif\0\0") + Bytes(30000, 0)), xmp(hdrgm)}), true},
        {"ISO 21496-1", {exifSegment, iso}, withSegment(iso), true},
        {"Apple", {exifSegment}, withSegment(xmp(R"(<x xmlns:HDRGainMap="http://ns.apple.com/HDRGainMap/1.0/"/>)")), true},
        {"stereo pair with XMP", {exifSegment, xmp(camera)}, withSegment(xmp(camera)), false},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.form);
        MPOBuilder builder;
        builder.beforeMP = row.firstSegments;
        const BuiltMPO mpo = builder.add(fakeJpeg(1), representativeFlag).add(row.second).build();
        ScratchFolder folder;
        const std::vector<MPOListedEntry> entries = listedEntries(folder.write("photo.MPO", mpo.bytes));
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_FALSE(entries[0].gainMap);
        EXPECT_EQ(entries[1].gainMap, row.gainMap);
        const Bytes first = pictureBytes(mpo, 0), second = pictureBytes(mpo, 1);
        EXPECT_EQ(isPhotoAndGainMap(first.data(), first.size(), second.data(), second.size(), 1), row.gainMap);
    }
}
