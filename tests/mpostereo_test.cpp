// mpostereo end to end: the views it writes hold the decoded pictures, the
// left picture's Exif and an sRGB profile; what holds no pair is refused
// with exit code 1 and no file, bad usage with 2; no file is ever replaced.
#include <gif_lib.h>
#include <unistd.h>
#include <webp/demux.h>

#include <cmath>
#include <set>

#include "engine/mpo_check.h"
#include "imaging/exif.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/jpeg_encoder.h"
#include "imaging/resample.h"

#include "program_run.h"
#include "test_jpegs.h"

namespace {

// A smooth scene with a disc that sits `shift` pixels further left in the
// right picture, as a near object does.
Bytes scene(int shift, int width = 96, int height = 64, J_COLOR_SPACE space = JCS_RGB)
{
    return encodeJpeg(width, height, space, space == JCS_RGB ? JCS_YCbCr : space, [&](int x, int y, unsigned char *p) {
        const int dx = x - 40 + shift, dy = y - 32;
        const bool disc = dx * dx + dy * dy < 300;
        p[0] = disc ? 220 : std::uint8_t(2 * x);
        if (space == JCS_RGB)
            p[1] = disc ? 60 : std::uint8_t(3 * y), p[2] = disc ? 40 : std::uint8_t(160 - x);
    });
}

BuiltMPO pairOf(const Bytes &left, const Bytes &right, const std::vector<Bytes> &beforeMP = {exifSegment})
{
    MPOBuilder builder;
    builder.beforeMP = beforeMP;
    return builder.add(left, 0x00020002u | representativeFlag).add(right, 0x00020002u).build();
}

imaging::DecodedJpeg decodedFull(const Bytes &jpeg)
{
    return imaging::decodeJpeg(jpeg.data(), jpeg.size(), [](imaging::PixelSize full) { return full; });
}

int channel(std::uint32_t pixel, int c) { return int(pixel >> (16 - 8 * c) & 0xFF); }

// Peak signal to noise ratio of the channels `channels` (bit c for channel c)
// of `part`, from column `x0` of `whole`, against `reference`.
double psnr(const imaging::RgbPicture &whole, int x0, const imaging::RgbPicture &reference, int channels = 7)
{
    double squares = 0;
    long samples = 0;
    for (int y = 0; y < reference.size.height; ++y)
        for (int x = 0; x < reference.size.width; ++x)
            for (int c = 0; c < 3; ++c)
                if (channels & 1 << c) {
                    const int d = channel(whole.row(y)[x0 + x], c) - channel(reference.row(y)[x], c);
                    squares += d * d, ++samples;
                }
    return squares == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / (squares / double(samples)));
}

imaging::RgbPicture columnsOf(const imaging::RgbPicture &picture, int from, int width)
{
    imaging::RgbPicture part;
    part.size = {width, picture.size.height};
    for (int y = 0; y < picture.size.height; ++y)
        part.pixels.insert(part.pixels.end(), picture.row(y) + from, picture.row(y) + from + width);
    return part;
}

struct Mpostereo : testing::Test {
    ScratchFolder scratch;
    ProgramRun mpostereo(const std::vector<std::string> &args) { return runProgram(scratch, MPOSTEREO, args); }
};

TEST_F(Mpostereo, WritesViewsThatHoldTheDecodedPicturesTheLeftExifAndAnSrgbProfile)
{
    const Bytes left = scene(0), right = scene(6);
    const std::string file = scratch.write("IMG_0001.MPO", pairOf(left, right, {exifWithOrientation(1)}).bytes);
    const imaging::DecodedJpeg l = decodedFull(left), r = decodedFull(right);

    const ProgramRun parallel = mpostereo({"-m", "parallel", "-q", "95", file});
    ASSERT_EQ(parallel.status, 0) << parallel.err;
    const std::string written = scratch.path() + "/IMG_0001_stereo.jpg";
    EXPECT_EQ(parallel.out, written + "\n");
    const Bytes view = readFile(written);
    const imaging::DecodedJpeg pair = decodedFull(view);
    ASSERT_EQ(pair.picture.size, (imaging::PixelSize{192, 64}));
    EXPECT_GT(psnr(pair.picture, 0, l.picture), 35);
    EXPECT_GT(psnr(pair.picture, 96, r.picture), 35);
    EXPECT_EQ(imaging::exifOrientation(pair.exif.data(), pair.exif.size()), 1);
    const std::string bytes(view.begin(), view.end());
    EXPECT_NE(bytes.find("ICC_PROFILE"), std::string::npos);
    // The same view, written a second later by another run, is the same bytes.
    sleep(1);
    const std::string again = scratch.path() + "/again.jpg";
    ASSERT_EQ(mpostereo({"-m", "parallel", "-q", "95", "-o", again, file}).status, 0);
    EXPECT_EQ(readFile(again), view);

    // A colour anaglyph: red from the left picture, green and blue from the right.
    const std::string anaglyph = scratch.path() + "/anaglyph.jpg";
    ASSERT_EQ(mpostereo({"-m", "anaglyph-color", "-q", "95", "-o", anaglyph, file}).status, 0);
    const imaging::DecodedJpeg mixed = decodedFull(readFile(anaglyph));
    EXPECT_GT(psnr(mixed.picture, 0, l.picture, 0b001), 35);
    EXPECT_GT(psnr(mixed.picture, 0, r.picture, 0b110), 35);
    EXPECT_LT(psnr(mixed.picture, 0, r.picture, 0b001), 25);  // the disc's red stands elsewhere

    // Pictures turned by their Exif are shown upright, and the view's Exif says so.
    const Bytes turnedRight = withSegments(right, {exifWithOrientation(6)});
    const std::string turned = scratch.write("turned.MPO", pairOf(left, turnedRight, {exifWithOrientation(6)}).bytes);
    ASSERT_EQ(mpostereo({"-m", "over-under", turned}).status, 0);
    const imaging::DecodedJpeg upright = decodedFull(readFile(scratch.path() + "/turned_stereo.jpg"));
    EXPECT_EQ(upright.picture.size, (imaging::PixelSize{64, 192}));
    EXPECT_EQ(imaging::exifOrientation(upright.exif.data(), upright.exif.size()), 1);
}

// What a player reads of an animation: its size, frames and how long each shows.
struct Animation {
    imaging::PixelSize size;
    std::vector<imaging::RgbPicture> frames;
    std::vector<int> milliseconds;
    bool loops = false;
};

Animation readGif(const std::string &path)
{
    Animation animation;
    int error = 0;
    GifFileType *gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK)
        return animation;
    animation.size = {gif->SWidth, gif->SHeight};
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        GraphicsControlBlock control;
        DGifSavedExtensionToGCB(gif, i, &control);
        animation.milliseconds.push_back(control.DelayTime * 10);
        imaging::RgbPicture frame;
        frame.size = {image.ImageDesc.Width, image.ImageDesc.Height};
        for (int p = 0; p < frame.size.width * frame.size.height; ++p) {
            const GifColorType &c = gif->SColorMap->Colors[image.RasterBits[p]];
            frame.pixels.push_back(0xFF000000u | std::uint32_t(c.Red) << 16 | std::uint32_t(c.Green) << 8 | c.Blue);
        }
        animation.frames.push_back(std::move(frame));
    }
    for (int i = 0; i < gif->SavedImages[0].ExtensionBlockCount; ++i) {
        const ExtensionBlock &block = gif->SavedImages[0].ExtensionBlocks[i];
        animation.loops |= block.Function == APPLICATION_EXT_FUNC_CODE &&
                           std::string(reinterpret_cast<char *>(block.Bytes), std::size_t(block.ByteCount)) == "NETSCAPE2.0";
    }
    DGifCloseFile(gif, &error);
    return animation;
}

Animation readWebp(const std::string &path)
{
    Animation animation;
    const Bytes bytes = readFile(path);
    const WebPData data{bytes.data(), bytes.size()};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_BGRA;
    WebPAnimDecoder *decoder = WebPAnimDecoderNew(&data, &options);
    if (decoder == nullptr)
        return animation;
    WebPAnimInfo info;
    WebPAnimDecoderGetInfo(decoder, &info);
    animation.size = {int(info.canvas_width), int(info.canvas_height)};
    animation.loops = info.loop_count == 0;
    for (int shown = 0; WebPAnimDecoderHasMoreFrames(decoder);) {
        std::uint8_t *pixels = nullptr;
        int timestamp = 0;
        WebPAnimDecoderGetNext(decoder, &pixels, &timestamp);
        imaging::RgbPicture frame;
        frame.size = animation.size;
        const auto *first = reinterpret_cast<const std::uint32_t *>(pixels);
        frame.pixels.assign(first, first + info.canvas_width * info.canvas_height);
        animation.frames.push_back(std::move(frame));
        animation.milliseconds.push_back(timestamp - shown);
        shown = timestamp;
    }
    WebPAnimDecoderDelete(decoder);
    return animation;
}

}  // namespace

// One table over the outputs of a pair and a series of three: the size, the
// frames (each closest to its own picture), the timing and the loop of the
// animations, the bars of a frame asked for, and the layout players read.
TEST_F(Mpostereo, WigglesShowEachPictureInTurnAndJpsAndPnsRecordTheirLayout)
{
    const Bytes pictures[] = {scene(0), scene(6), scene(12)};
    MPOBuilder series;
    for (const Bytes &picture : pictures)
        series.add(picture, 0x00020003u);
    const std::string pair = scratch.write("pair.MPO", pairOf(pictures[0], pictures[1]).bytes);
    const std::string three = scratch.write("three.MPO", series.build().bytes);
    imaging::RgbPicture decoded[3];
    for (int i = 0; i < 3; ++i)
        decoded[i] = decodedFull(pictures[i]).picture;
    const struct {
        std::vector<std::string> args;
        std::string written;
        imaging::PixelSize size;
        std::vector<int> pictureOfFrame;  // of the three
        int milliseconds;
    } outputs[] = {
        {{"-m", "wiggle-gif", pair}, "pair_wiggle.gif", {96, 64}, {0, 1}, 140},
        {{"-m", "wiggle-webp", "--rate", "5", pair}, "pair_wiggle.webp", {96, 64}, {0, 1}, 200},
        {{"-m", "wiggle-gif", "--rate", "10", three}, "three_wiggle.gif", {96, 64}, {0, 1, 2, 1}, 100},
        {{"-m", "wiggle-gif", "--fit", "160x64", "-o", scratch.path() + "/fit.gif", pair}, "fit.gif", {160, 64}, {0, 1}, 140},
    };
    for (const auto &output : outputs) {
        const ProgramRun run = mpostereo(output.args);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string path = scratch.path() + "/" + output.written;
        const Animation animation = path.ends_with(".webp") ? readWebp(path) : readGif(path);
        EXPECT_EQ(animation.size, output.size) << output.written;
        EXPECT_TRUE(animation.loops) << output.written;
        ASSERT_EQ(animation.frames.size(), output.pictureOfFrame.size()) << output.written;
        const int bar = (output.size.width - 96) / 2;
        for (std::size_t f = 0; f < animation.frames.size(); ++f) {
            EXPECT_EQ(animation.milliseconds[f], output.milliseconds) << output.written;
            const int shows = output.pictureOfFrame[f];
            for (int other = 0; other < 3; ++other)
                if (other != shows)
                    EXPECT_GT(psnr(animation.frames[f], bar, decoded[shows]), psnr(animation.frames[f], bar, decoded[other]) + 3)
                        << output.written << " frame " << f;
            EXPECT_GT(psnr(animation.frames[f], bar, decoded[shows]), 25) << output.written;
            if (bar > 0)
                EXPECT_EQ(animation.frames[f].pixels[0] & 0xFFFFFF, 0u) << "a black bar";
        }
    }
    ASSERT_EQ(mpostereo({"-m", "jps", pair}).status, 0);
    ASSERT_EQ(mpostereo({"-m", "pns", pair}).status, 0);
    const Bytes jps = readFile(scratch.path() + "/pair.jps"), pns = readFile(scratch.path() + "/pair.pns");
    EXPECT_NE(std::string(jps.begin(), jps.end()).find("_JPSJPS_"), std::string::npos);
    EXPECT_NE(std::string(pns.begin(), pns.end()).find("sTER"), std::string::npos);
    EXPECT_EQ(decodedFull(jps).picture.size, (imaging::PixelSize{192, 64}));
}

TEST_F(Mpostereo, RefusesWhatHoldsNoPairWritesNothingAndNeverReplacesAFile)
{
    const Bytes left = scene(0);
    const Bytes iso = jpegSegment(0xE2, bytesOf(std::string("urn:iso:std:iso:ts:21496:-1\0\0\0", 30)));
    const std::string good = scratch.write("good.MPO", pairOf(left, scene(4)).bytes);
    // A small file whose frame header declares a huge picture.
    const auto declaring = [](Bytes jpeg, int side) {
        const std::size_t sof = std::string(jpeg.begin(), jpeg.end()).find("\xFF\xC0");
        const Bytes size = {std::uint8_t(side >> 8), std::uint8_t(side), std::uint8_t(side >> 8), std::uint8_t(side)};
        std::copy(size.begin(), size.end(), jpeg.begin() + long(sof) + 5);
        return jpeg;
    };
    const struct {
        const char *name;
        Bytes bytes;
        const char *says;
    } refused[] = {
        {"single.jpg", left, "is not an MPO file this program can read"},
        {"sizes.MPO", pairOf(left, scene(4, 80)).bytes, "the pictures of the pair differ in size"},
        {"gray.MPO", pairOf(scene(0, 96, 64, JCS_GRAYSCALE), scene(4, 96, 64, JCS_GRAYSCALE)).bytes, "are grayscale"},
        {"broken.MPO", pairOf(left, Bytes{0xFF, 0xD8, 0xFF, 0xD9}).bytes, "cannot be decoded"},
        {"gainmap.MPO", pairOf(left, withSegments(scene(4), {iso}), {exifSegment, iso}).bytes, "HDR gain map"},
        {"bad.jps", bytesOf("not a picture"), "bad.jps is not a JPEG picture that can be decoded"},
        {"huge.MPO", pairOf(declaring(left, 30000), declaring(scene(4), 30000)).bytes, "too large: 30000 x 30000 pixels"},
    };
    for (const auto &input : refused) {
        const std::string file = scratch.write(input.name, input.bytes);
        const ProgramRun run = mpostereo({file}), aligning = mpostereo({"--align", file});
        EXPECT_EQ(run.status, 1) << input.name;
        EXPECT_NE(run.err.find(input.says), std::string::npos) << run.err;
        EXPECT_EQ(aligning.err, run.err) << "one reason, aligned or not";
        EXPECT_FALSE(std::filesystem::exists(scratch.path() + "/" +
                                             std::filesystem::path(input.name).stem().string() + "_stereo.jpg"));
    }
    EXPECT_EQ(mpostereo({scratch.path() + "/missing.MPO"}).status, 1);

    // Some done, some not: 1, and the good one written.
    const std::string taken = scratch.write("taken.jpg", Bytes{1, 2, 3});
    EXPECT_EQ(mpostereo({good, scratch.path() + "/single.jpg"}).status, 1);
    std::filesystem::create_directory(scratch.path() + "/out");  // and the bad one first
    EXPECT_EQ(mpostereo({"-o", scratch.path() + "/out", scratch.path() + "/single.jpg", good}).status, 1);
    EXPECT_TRUE(std::filesystem::exists(scratch.path() + "/out/good_stereo.jpg"));
    EXPECT_TRUE(std::filesystem::exists(scratch.path() + "/good_stereo.jpg"));
    const ProgramRun replacing = mpostereo({"-o", taken, good});
    EXPECT_EQ(replacing.status, 1);
    EXPECT_NE(replacing.err.find("never replaced"), std::string::npos) << replacing.err;
    EXPECT_EQ(readFile(taken), (Bytes{1, 2, 3}));
    // Every file at once, three at a time: each refused one named once with its
    // reason, the good one written as one at a time writes it.
    std::vector<std::string> all = {"-j", "3", "-o", scratch.path() + "/all", good};
    for (const auto &input : refused)
        all.push_back(scratch.path() + "/" + input.name);
    std::filesystem::create_directory(scratch.path() + "/all");
    const ProgramRun together = mpostereo(all);
    EXPECT_EQ(together.status, 1);
    EXPECT_EQ(together.out, good + " -> " + scratch.path() + "/all/good_stereo.jpg\n");
    for (const auto &input : refused)
        EXPECT_NE(together.err.find(input.says), std::string::npos) << input.name;
    EXPECT_EQ(readFile(scratch.path() + "/all/good_stereo.jpg"), readFile(scratch.path() + "/out/good_stereo.jpg"));

    for (const std::vector<std::string> &usage : std::vector<std::vector<std::string>>{
             {}, {"-m", "wiggle", good}, {"-m", "sideways", good}, {"-q", "0", good}, {"--dx", "1e3", good},
             {"-o", taken, good, good}, {"--3ds", "--align-only", good}, {"-j", "0", good},
             {"-m", "rows", "--fit", "1920x1080", good}, {"--fit", "1920", good}, {"--rate", "0", good},
             {"-m", "wiggle-gif", "--3ds", good}})
        EXPECT_EQ(mpostereo(usage).status, 2) << testing::PrintToString(usage);
    EXPECT_EQ(mpostereo({"--help"}).status, 0);
    const ProgramRun nowhere = mpostereo({"-o", scratch.path() + "/missing", good, good});
    EXPECT_EQ(nowhere.status, 2);
    EXPECT_EQ(nowhere.err, "mpostereo: " + scratch.path() + "/missing: no such folder\n");
}

TEST_F(Mpostereo, AFullDiskLeavesNoPartOfTheView)
{
    const std::string file = scratch.write("big.MPO", pairOf(scene(0, 640, 480), scene(8, 640, 480)).bytes);
    const ProgramRun run = onSmallDisk(scratch, "64k", quoted(MPOSTEREO) + " -m parallel -q 100 -o " + quoted(scratch.path() + "/disk") + " " + quoted(file));
    if (run.out.empty())
        GTEST_SKIP() << "SKIPPED: cannot mount a small file system here: " << run.err;
    EXPECT_EQ(run.out, "status 1\n");
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
}

TEST_F(Mpostereo, AlignOnlyWritesTheAlignedPairAsANewMpoFileAndAnUnsurePairIsLeftAsItIs)
{
    // Blocks of hashed colours, the right picture showing them 6 rows lower.
    const auto blocks = [](int shiftDown) {
        return encodeJpeg(640, 480, JCS_RGB, JCS_YCbCr, [=](int x, int y, unsigned char *p) {
            const unsigned cell = unsigned(x / 12) * 7919u + unsigned((y - shiftDown) / 12 + 100) * 104729u;
            for (int c = 0; c < 3; ++c)
                p[c] = std::uint8_t((cell * (2654435761u + 40503u * unsigned(c))) >> 24);
        });
    };
    const std::string pair = scratch.write("pair.MPO", pairOf(blocks(0), blocks(6)).bytes);
    const ProgramRun aligned = mpostereo({"--align-only", "-o", scratch.path() + "/aligned.MPO", pair});
    EXPECT_EQ(aligned.status, 0) << aligned.err;
    EXPECT_NE(aligned.err.find("both pictures are encoded anew"), std::string::npos);
    const EngineRun read = runEngine(scratch.path() + "/aligned.MPO");
    ASSERT_EQ(read.count, 2);
    const EngineRun second = runEngine(scratch.path() + "/aligned.MPO", MPO_LOAD_ONE, 2);
    const imaging::DecodedJpeg left = decodedFull(read.picture), right = decodedFull(second.picture);
    ASSERT_EQ(left.picture.size, right.picture.size);
    EXPECT_LE(left.picture.size.height, 480 - 6) << "cropped to what both cover";
    // The rows line up; the columns may be a pixel or two apart, as the
    // stereo window is placed from the nearest few points.
    const imaging::RgbPicture core = columnsOf(right.picture, 4, right.picture.size.width - 8);
    double best = 0;
    for (int x0 = 0; x0 <= 8; ++x0)
        best = std::max(best, psnr(left.picture, x0, core));
    EXPECT_GT(best, 30) << aligned.err;
    EXPECT_LT(psnr(decodedFull(blocks(0)).picture, 0, decodedFull(blocks(6)).picture), 20) << "as given";
    EXPECT_EQ(mpostereo({"--align-only", "-o", scratch.path() + "/aligned.MPO", pair}).status, 1) << "never replaced";

    // Everything applied: the saved pair is what the side-by-side view shows
    // at full size, in an MPO file or crossed in a JPS file.
    const std::vector<std::string> finish = {"--match-colors", "--crop", "16:9", "--level", "1.5"};
    const auto with = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), finish.begin(), finish.end());
        arguments.push_back(pair);
        return mpostereo(arguments);
    };
    ASSERT_EQ(with({"--align-only", "-q", "100", "-o", scratch.path() + "/adjusted.MPO"}).status, 0);
    ASSERT_EQ(with({"--align-only", "-q", "100", "-o", scratch.path() + "/adjusted.jps"}).status, 0);
    ASSERT_EQ(with({"--align", "-m", "parallel", "-q", "100", "-o", scratch.path() + "/finished.jpg"}).status, 0);
    const imaging::DecodedJpeg adjusted = decodedFull(runEngine(scratch.path() + "/adjusted.MPO").picture);
    const imaging::DecodedJpeg view = decodedFull(readFile(scratch.path() + "/finished.jpg"));
    const imaging::DecodedJpeg crossed = decodedFull(readFile(scratch.path() + "/adjusted.jps"));
    const imaging::PixelSize size = adjusted.picture.size;
    EXPECT_NEAR(double(size.width) / size.height, 16.0 / 9, 0.01);
    EXPECT_EQ(view.picture.size, (imaging::PixelSize{2 * size.width, size.height}));
    EXPECT_EQ(crossed.picture.size, view.picture.size);
    EXPECT_GT(psnr(view.picture, 0, adjusted.picture), 40);
    EXPECT_GT(psnr(crossed.picture, size.width, adjusted.picture), 40) << "the left picture on the right half";

    const std::string unrelated = scratch.write("unrelated.MPO", pairOf(blocks(0), scene(0, 640, 480)).bytes);
    const ProgramRun unsure = mpostereo({"--align", "-o", scratch.path() + "/view.jpg", unrelated});
    EXPECT_EQ(unsure.status, 0);
    EXPECT_NE(unsure.err.find("not aligned: too few points match"), std::string::npos) << unsure.err;
}

TEST_F(Mpostereo, WritesAPairFromAJpsFileAsTheNintendo3dsWritesItsOwn)
{
    // A JPS file: the right picture on the left half, with the date it was taken.
    const imaging::RgbPicture l = decodedFull(scene(0)).picture, r = decodedFull(scene(6)).picture;
    imaging::RgbPicture both;
    both.size = {2 * l.size.width, l.size.height};
    for (int y = 0; y < l.size.height; ++y) {
        both.pixels.insert(both.pixels.end(), r.row(y), r.row(y) + r.size.width);
        both.pixels.insert(both.pixels.end(), l.row(y), l.row(y) + l.size.width);
    }
    std::vector<unsigned char> jps;
    ASSERT_TRUE(imaging::encodeJpeg(both, {95, imaging::cameraExif({"Test", "Rig", "2020:01:02 03:04:05", both.size, {}})}, jps));
    const std::string file = scratch.write("pair.jps", Bytes(jps.begin(), jps.end()));
    const std::string card = scratch.path() + "/100NIN03";
    std::filesystem::create_directory(card);
    scratch.write("100NIN03/HNI_0007.JPG", {1}), scratch.write("100NIN03/hni_0002.mpo", {1});

    for (const char *expected : {"HNI_0008.MPO", "HNI_0009.MPO"}) {
        const ProgramRun run = mpostereo({"--3ds", "-o", card, file});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, file + " -> " + card + "/" + expected + "\n");
    }
    // Two runs at once each take a number of their own.
    const std::string run = quoted(MPOSTEREO) + " --3ds -o " + quoted(card) + " " + quoted(file) + " 2>/dev/null";
    const auto named = linesOf(shellIn(scratch, "{ " + run + " & " + run + "; wait; }").out);
    EXPECT_EQ(std::set<std::string>(named.begin(), named.end()),
              (std::set<std::string>{file + " -> " + card + "/HNI_0010.MPO", file + " -> " + card + "/HNI_0011.MPO"}));
    const std::string written = card + "/HNI_0008.MPO";
    EXPECT_TRUE(checkMPO(written).findings.empty());  // an MP segment in each picture, sizes exact
    const std::vector<MPOListedEntry> entries = listedEntries(written);
    ASSERT_EQ(entries.size(), 2u);
    const Bytes bytes = readFile(written);
    for (const MPOListedEntry &entry : entries) {
        EXPECT_EQ(entry.entry.attribute & 0xFFFFFF, 0x020002u);
        const imaging::JpegHeader header = imaging::readJpegHeader(bytes.data() + entry.start, entry.entry.Size);
        EXPECT_EQ(header.fullSize, (imaging::PixelSize{640, 480}));
        const imaging::ExifBasics exif = imaging::exifBasics(header.exif.data(), header.exif.size());
        EXPECT_EQ(exif.facts, (std::vector<std::pair<std::string, std::string>>{
                                  {"Exif.Image.Make", "Nintendo"},
                                  {"Exif.Image.Model", "Nintendo 3DS"},
                                  {"Exif.Photo.DateTimeOriginal", "2020:01:02 03:04:05"}}));
    }
    // The left picture came from the right half.
    const Bytes first(bytes.begin(), bytes.begin() + entries[0].entry.Size);
    const imaging::RgbPicture shown = decodedFull(first).picture;
    EXPECT_GT(psnr(shown, 0, imaging::resized(l, {640, 480})), psnr(shown, 0, imaging::resized(r, {640, 480})));
}
