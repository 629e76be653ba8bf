// Joining JPEG pictures into MPO files, from files or from memory: what the
// strict reading and a split make of the result in every type, byte order
// and header layout; the inputs refused with nothing written; mpojoin's exit
// codes, a full disk, and independent readers (Pillow, ExifTool); the
// exclusive writer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/mpo_joiner.h"
#include "engine/new_file.h"
#include "program_run.h"
#include "test_jpegs.h"

namespace {

struct Join : testing::Test {
    ScratchFolder scratch;

    // Writes the inputs as in1.jpg, in2.jpg... and joins them into joined.MPO.
    int join(const std::vector<Bytes> &inputs, MPOJoinSettings settings, MPOJoinProblem &problem)
    {
        std::vector<std::string> paths;
        for (const Bytes &input : inputs)
            paths.push_back(scratch.write("in" + std::to_string(paths.size() + 1) + ".jpg", input));
        return joinMPO(paths, output(), settings, problem);
    }
    std::string output() const { return scratch.path() + "/joined.MPO"; }
    ProgramRun mpojoin(const std::vector<std::string> &args) { return runProgram(scratch, MPOJOIN, args); }
};

// `jpeg` without the segment that starts at `at`.
Bytes without(const Bytes &jpeg, std::size_t at)
{
    const std::size_t end = at + 2 + std::size_t(jpeg[at + 2] << 8 | jpeg[at + 3]);
    Bytes rest(jpeg.begin(), jpeg.begin() + long(at));
    return rest + Bytes(jpeg.begin() + long(end), jpeg.end());
}

}  // namespace

TEST_F(Join, EveryTypeByteOrderAndLayoutIsReadStrictlyAndSplitsBackIntoItsPictures)
{
    const Bytes camera1 = withSegments(fakeJpeg(1, 300), {exifSegment}), camera2 = withSegments(fakeJpeg(2), {exifSegment});
    const Bytes withIcc = withSegments(fakeJpeg(3), {exifSegment, iccSegment(Bytes(500, 9))});
    const Bytes converted = withSegments(fakeJpeg(4), {jfifSegment});  // JFIF and no Exif
    const Bytes trailing = camera2 + Bytes{0x00, 0x00, 0x12};           // bytes behind the EOI
    const struct {
        const char *name;
        std::uint32_t type;
        std::vector<Bytes> inputs;
    } table[] = {
        {"a camera's pair", MP_TYPE_DISPARITY, {camera1, camera2}},
        {"with an ICC profile", MP_TYPE_MULTI_ANGLE, {withIcc, camera1, withIcc}},
        {"converter pictures", MP_TYPE_PANORAMA, {converted, converted}},
        {"bytes behind the EOI", MP_TYPE_DISPARITY, {camera1, trailing}},
    };
    for (const auto &row : table)
        for (bool little : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (little ? ", little-endian" : ", big-endian"));
            MPOJoinProblem problem;
            ASSERT_EQ(join(row.inputs, {row.type, little}, problem), MPO_JOIN_DONE) << problem.reason;
            const Bytes joined = readFile(output());
            std::filesystem::remove(output());
            const std::vector<std::span<const unsigned char>> held(row.inputs.begin(), row.inputs.end());
            ASSERT_EQ(joinMPO(held, output(), {row.type, little}, problem), MPO_JOIN_DONE) << problem.reason;
            EXPECT_EQ(readFile(output()), joined) << "the same file from the pictures held in memory";
            const EngineRun read = runEngine(output());
            EXPECT_EQ(read.result, 0);
            EXPECT_EQ(read.count, int(row.inputs.size()));
            EXPECT_EQ(read.index, 1);
            EXPECT_EQ(read.trace.find("Behind Other Header Segments"), std::string::npos);  // the strict layout
            EXPECT_NE(read.trace.find(little ? "Little Endian" : "Big Endian"), std::string::npos);
            for (const MPOListedEntry &listed : listedEntries(output()))
                EXPECT_EQ(listed.entry.attribute, row.type | (listed.pictureNumber == 1 ? 1u << 29 : 0u));

            ScratchFolder split;
            ASSERT_EQ(runEngine(output(), MPO_SAVE_ALL, 0, split.path()).result, 0);
            for (std::size_t i = 0; i < row.inputs.size(); ++i) {
                const Bytes back = readFile(split.path() + "/joined_00" + std::to_string(i + 1) + ".JPG");
                const Bytes expected = row.inputs[i] == trailing ? camera2 : row.inputs[i];
                if (i == 0 && expected == converted) {  // its JFIF APP0 gives way to a minimal Exif APP1
                    ASSERT_GT(back.size(), 12u);
                    EXPECT_EQ(Bytes(back.begin() + 2, back.begin() + 4), (Bytes{0xFF, 0xE1}));
                    EXPECT_EQ(Bytes(back.begin() + 6, back.begin() + 12), bytesOf("Exif\0\0"sv));
                    EXPECT_EQ(without(back, 2), without(expected, 2));
                } else {
                    EXPECT_EQ(back, expected) << "picture " << i + 1;
                }
            }
            std::filesystem::remove(output());
        }
}

TEST_F(Join, RefusesWhatIsNoCompleteJpegPictureAndWritesNothing)
{
    const Bytes good = withSegments(fakeJpeg(1), {exifSegment});
    const Bytes mpo = stereoLike(2).build().bytes;
    std::filesystem::create_directory(scratch.path() + "/folder.jpg");
    const struct {
        const char *name;
        Bytes bytes;  // written as in2.jpg, unless the name is a path
        const char *says;
    } table[] = {
        {"empty", {}, "is empty"},
        {"text", bytesOf("not a picture"sv), "does not start with SOI"},
        {"no picture data", Bytes{0xFF, 0xD8} + exifSegment + Bytes{0xFF, 0xD9}, "ends before its picture data"},
        {"cut in its header", Bytes(good.begin(), good.begin() + 12), "cut short"},
        {"cut in its data", Bytes(good.begin(), good.end() - 2), "no EOI after its picture data"},
        {"an MPO file", mpo, "is itself a multi-picture file"},
    };
    for (const auto &row : table) {
        MPOJoinProblem problem;
        EXPECT_EQ(join({good, row.bytes}, {}, problem), MPO_JOIN_INPUT_REFUSED) << row.name;
        EXPECT_EQ(problem.input, 1) << row.name;
        EXPECT_NE(problem.reason.find(row.says), std::string::npos) << row.name << ": " << problem.reason;
        EXPECT_FALSE(std::filesystem::exists(output())) << row.name;
    }
    MPOJoinProblem problem;
    const std::string in1 = scratch.write("in1.jpg", good);
    for (const char *path : {"/folder.jpg", "/missing.jpg"}) {
        EXPECT_EQ(joinMPO({in1, scratch.path() + path}, output(), {}, problem), MPO_JOIN_INPUT_REFUSED);
        EXPECT_NE(problem.reason.find(path[1] == 'f' ? "is a folder" : "cannot be found"), std::string::npos);
    }
    EXPECT_EQ(joinMPO({in1}, output(), {}, problem), MPO_JOIN_TOO_LARGE);

    // More than the 32-bit offsets reach: refused before anything is written (a sparse file).
    const std::string huge = scratch.write("huge.jpg", withSegments(fakeJpeg(2), {exifSegment}));
    ASSERT_EQ(truncate(huge.c_str(), 0x100000100), 0);
    std::ofstream(huge, std::ios::binary | std::ios::in | std::ios::ate).write("\xFF\xD9", 2);
    EXPECT_EQ(joinMPO({in1, huge}, output(), {}, problem), MPO_JOIN_TOO_LARGE);
    EXPECT_FALSE(std::filesystem::exists(output()));

    // The first picture of an MPO file, when asked for: it ends at the EOI
    // of its scan, whose data holds a restart marker and a stuffed FF.
    const Bytes restarts = {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x05, 0x00, 0x01, 0x01, 0xFF, 0xDA, 0x00, 0x04,
                            0x01, 0x02, 0x11, 0xFF, 0xD0, 0x22, 0xFF, 0x00, 0x33, 0xFF, 0xD9};
    const BuiltMPO series = MPOBuilder().add(restarts, representativeFlag).add(fakeJpeg(2)).build();
    EXPECT_EQ(join({series.bytes, good}, {MP_TYPE_DISPARITY, false, true}, problem), MPO_JOIN_DONE) << problem.reason;
    ScratchFolder split;
    ASSERT_EQ(runEngine(output(), MPO_SAVE_ALL, 0, split.path()).result, 0);
    EXPECT_EQ(readFile(split.path() + "/joined_001.JPG"), expectedOutput(series, 0));

    // Never a file in place of another.
    const Bytes joined = readFile(output());
    EXPECT_EQ(join({good, good}, {}, problem), MPO_JOIN_WRITE_FAILED);
    EXPECT_NE(problem.reason.find("never replaced"), std::string::npos);
    EXPECT_EQ(readFile(output()), joined);
}

TEST_F(Join, MpojoinExitsAsDocumentedLeavesNothingOnAFullDiskAndIndependentReadersAgree)
{
    const auto picture = [](int shade) {
        return encodeJpeg(96, 64, JCS_RGB, JCS_YCbCr, [shade](int x, int y, unsigned char *p) {
            p[0] = std::uint8_t(shade), p[1] = std::uint8_t(2 * x), p[2] = std::uint8_t(3 * y);
        });
    };
    const std::string left = scratch.write("left.jpg", withSegments(picture(40), {exifSegment}));
    const std::string right = scratch.write("right.jpg", picture(200));
    const ProgramRun done = mpojoin({"-o", output(), left, right});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.out, output() + "\n");
    EXPECT_EQ(done.err, "");
    const std::string small = scratch.write("small.jpg", encodeJpeg(48, 32, JCS_RGB, JCS_YCbCr, [](int, int, unsigned char *p) {
        p[0] = p[1] = p[2] = 90;
    }));
    const ProgramRun sizes = mpojoin({"-o", scratch.path() + "/sizes.MPO", left, small});  // written, with a warning
    EXPECT_EQ(sizes.status, 0);
    EXPECT_NE(sizes.err.find("warning: " + left + " is 96 x 64 pixels but " + small + " is 48 x 32"), std::string::npos)
        << sizes.err;
    const ProgramRun refused = mpojoin({"-o", scratch.path() + "/other.MPO", left, scratch.path() + "/nothing.jpg"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "mpojoin: " + scratch.path() + "/nothing.jpg cannot be found; nothing was written\n");
    for (const std::vector<std::string> &usage : std::vector<std::vector<std::string>>{
             {left, right}, {"-o", "x.MPO", left}, {"-t", "sideways", "-o", "x.MPO", left, right}})
        EXPECT_EQ(mpojoin(usage).status, 2);

    // A full disk leaves no file behind.
    const std::string big = scratch.write("big.jpg", encodeJpeg(400, 300, JCS_RGB, JCS_YCbCr, [](int x, int y, unsigned char *p) {
        p[0] = std::uint8_t(x * y), p[1] = std::uint8_t(x ^ y), p[2] = std::uint8_t(x + y);
    }));
    const ProgramRun full = onSmallDisk(scratch, "64k", quoted(MPOJOIN) + " -o " + quoted(scratch.path() + "/disk/full.MPO") + " " + quoted(big) + " " + quoted(big));
    if (!full.out.empty()) {
        EXPECT_EQ(full.out, "status 1\n");
        EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
    }

    const std::string python = "/usr/bin/python3 " + quoted(PILLOW_SCRIPT);
    const ProgramRun frames = shellIn(scratch, python + " frames " + quoted(output()) + " " + quoted(left) + " " + quoted(right));
    const ProgramRun exif = shellIn(scratch, "exiftool -a -s -mpf:all " + quoted(output()));
    if (frames.status != 0 || exif.status != 0)
        GTEST_SKIP() << "SKIPPED: Debian's python3-pil and libimage-exiftool-perl are needed: " << frames.err << exif.err;
    const auto lines = linesOf(frames.out);  // the joined file's frames, then the two inputs
    ASSERT_EQ(lines.size(), 4u) << frames.out;
    EXPECT_EQ(lines[0].substr(0, 6), "MPO 1 ");
    EXPECT_EQ(lines[0].substr(6), lines[2].substr(7));
    EXPECT_EQ(lines[1].substr(6), lines[3].substr(7));
    const auto tag = [](std::string name, const std::string &value) { return name.append(32 - name.size(), ' ') + ": " + value; };
    EXPECT_TRUE(hasLines(exif.out, {tag("MPFVersion", "0100"), tag("NumberOfImages", "2"),
                                    tag("MPImageFlags", "Representative image"), tag("MPImageType", "Multi-frame Disparity"),
                                    tag("MPImageStart", "0"), tag("MPImageFlags", "(none)"),
                                    tag("MPImageType", "Multi-frame Disparity"), tag("MPIndividualNum", "1"),
                                    tag("BaseViewpointNum", "1")}));
}

TEST(NewFile, IsWrittenWholeAndNeverReplacesAFileWhicheverWayItIsNamed)
{
    using Way = NewFile::Way;
    for (Way way : {Way::Unnamed, Way::Hidden, Way::Renamed, Way::Claimed}) {
        SCOPED_TRACE(int(way));
        ScratchFolder scratch;
        const auto writeNew = [way](const std::string &path, const Bytes &bytes) {
            return writeNewFile(path, bytes.data(), bytes.size(), way);
        };
        const std::string path = scratch.path() + "/view.jpg";
        const Bytes first(100000, 1), second(10, 2);
        EXPECT_EQ(writeNew(path, first), 0);
        EXPECT_EQ(writeNew(path, second), EEXIST);
        EXPECT_EQ(readFile(path), first);
        EXPECT_EQ(writeNew(scratch.path() + "/missing/view.jpg", second), ENOENT);
        // A link at the name, even one to nowhere, is neither followed nor replaced.
        const std::string link = scratch.path() + "/link.jpg";
        std::filesystem::create_symlink(scratch.path() + "/target.jpg", link);
        EXPECT_EQ(writeNew(link, second), EEXIST);
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        // A name taken while the file is written stays as it was.
        {
            NewFile late(scratch.path() + "/late.jpg", way);
            late.write(second.data(), second.size());
            scratch.write("late.jpg", first);
            EXPECT_EQ(late.commit(), EEXIST);
            EXPECT_EQ(late.commitAs("late-1.jpg"), 0);
        }
        EXPECT_EQ(readFile(scratch.path() + "/late.jpg"), first);
        EXPECT_EQ(readFile(scratch.path() + "/late-1.jpg"), second);
        // No temporary file is left.
        EXPECT_EQ(scratch.files(), (std::vector<std::string>{"late-1.jpg", "late.jpg", "link.jpg", "view.jpg"}));
        // Readable by whom any new file is: the hidden file's private mode is not kept.
        const std::string plain = scratch.write("plain", {});
        EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::status(plain).permissions());
    }
}

TEST(NewFile, HiddenFilesLeftByKilledWritersGoOnceADayOld)
{
    ScratchFolder scratch;
    const std::string old = scratch.write(".pair.MPO.unfinished-Ab3dE9", Bytes(10, 1));
    scratch.write(".pair.MPO.unfinished-Zz9zz9", Bytes(10, 1));  // a writer at work now
    const std::string mine = scratch.write("notes.unfinished-backup", Bytes(10, 1));  // not hidden: the user's
    const timespec twoDaysAgo[2] = {{time(nullptr) - 2 * 86400, 0}, {time(nullptr) - 2 * 86400, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, old.c_str(), twoDaysAgo, 0), 0);
    ASSERT_EQ(utimensat(AT_FDCWD, mine.c_str(), twoDaysAgo, 0), 0);
    EXPECT_EQ(writeNewFile(scratch.path() + "/view.jpg", Bytes(4, 3).data(), 4), 0);
    EXPECT_EQ(scratch.files(), (std::vector<std::string>{".pair.MPO.unfinished-Zz9zz9", "notes.unfinished-backup", "view.jpg"}));
}
