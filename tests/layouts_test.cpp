// Files whose MP segment stands behind other header segments, as phones,
// stereo cameras and converters write them.
#include "engine_test_support.h"

namespace {

const Bytes icc = iccSegment(Bytes(40, 7));  // the engine never looks into a profile
const Bytes mpAttributes = jpegSegment(0xE2, bytesOf("MPF\0MM\0*\0\0\0\x08\0\0\0\0\0\0"sv));

}  // namespace

TEST(OtherLayouts, TheMPSegmentIsFoundBehindOtherSegmentsAndOnlyItIsLeftOut)
{
    for (const HeaderLayout &layout : otherHeaderLayouts(icc))
        for (ByteOrder order : {ByteOrder::Big, ByteOrder::Little}) {
            SCOPED_TRACE(layout.name);
            MPOBuilder builder = stereoLike(2, order);
            builder.beforeMP = layout.beforeMP;
            builder.behindMP = layout.behindMP;
            builder.pictures[1].jpeg = withSegments(fakeJpeg(2), {icc, mpAttributes});
            const BuiltMPO mpo = builder.build();
            ScratchFolder folder;
            const EngineRun run = runEngine(folder.write("IMG_0001.MPO", mpo.bytes), MPO_SAVE_ALL);
            EXPECT_EQ(run.result, 0) << run.trace;
            EXPECT_EQ(std::pair(run.count, run.index), std::pair(2, 1));
            const std::string at = std::to_string(mpo.app2At);
            EXPECT_TRUE(hasLines(run.trace, {"MPO File Checker", "MPF APP2 Found Behind Other Header Segments at " + at +
                                             " (0x" + (std::stringstream() << std::hex << mpo.app2At).str() + ")",
                                             "baseOffset = " + std::to_string(mpo.baseOffset)}));
            std::vector<Bytes> kept = layout.beforeMP;
            kept.insert(kept.end(), layout.behindMP.begin(), layout.behindMP.end());
            EXPECT_EQ(readFile(folder.path() + "/IMG_0001_001.JPG"), withSegments(fakeJpeg(1), kept));
            EXPECT_EQ(readFile(folder.path() + "/IMG_0001_002.JPG"), withSegments(fakeJpeg(2), {icc}));

            // Without its MP segment the file is refused as it always was.
            const EngineRun refused = runEngineOn(patched(mpo, mpo.app2At + 6, {'G'}));
            EXPECT_EQ(std::pair(refused.result, refused.lastLine()), std::pair(-12, std::string(layout.refusalWithoutMP)));
        }
}

TEST(OtherLayouts, TheSearchEndsWithTheHeaderAndTakesOnlyTheFirstWholeMPSegment)
{
    MPOBuilder builder = stereoLike(2);
    builder.beforeMP = {jfifSegment, jpegSegment(0xE2, bytesOf("MPF\0"sv))};  // too short for an MP header
    builder.behindMP = {jpegSegment(0xE2, bytesOf("MPF\0II*\0"sv) + Bytes(12, 0xFF))};  // a second one, broken
    const BuiltMPO mpo = builder.build();
    EXPECT_EQ(runEngineOn(mpo.bytes).result, 0);
    for (const auto &[at, with] : std::initializer_list<std::pair<std::size_t, Bytes>>{
             {3, {0xDA}},        // SOS before the MP segment
             {2, {0x00}},        // a byte that is no marker
             {4, {0x00, 0x00}},  // lengths of 0 and 1, and one running past the file
             {4, {0x00, 0x01}},
             {4, {0xFF, 0xFF}}}) {
        const EngineRun run = runEngineOn(patched(mpo, at, with));
        EXPECT_EQ(std::pair(run.result, run.lastLine()), std::pair(-12, std::string("SOI Not Found!"))) << at;
    }
}
