// mpothumbnail as a file manager runs it: the left picture of MPO, JPS and
// PNS files, upright, at most the size asked, from the Exif thumbnail where
// that is large enough; a file it cannot read gives exit status 1 and no
// output, and a file that holds something is never replaced.
#include <filesystem>

#include "imaging/exif.h"
#include "imaging/png_decoder.h"
#include "imaging/png_encoder.h"
#include "program_run.h"
#include "test_jpegs.h"

namespace {

using Rgb = std::array<unsigned char, 3>;
const Rgb red{220, 40, 40}, blue{40, 60, 220}, green{40, 200, 60};

Bytes solid(Rgb colour, int width = 96, int height = 64)
{
    return encodeJpeg(width, height, JCS_RGB, JCS_YCbCr,
                      [&](int, int, unsigned char *p) { std::copy(colour.begin(), colour.end(), p); });
}

Bytes pairOf(const Bytes &left, const Bytes &right, const std::vector<Bytes> &beforeMP = {exifSegment})
{
    MPOBuilder builder;
    builder.beforeMP = beforeMP;
    return builder.add(left, 0x00020002u | representativeFlag).add(right, 0x00020002u).build().bytes;
}

// A camera's pair with its preview picture (MP type large thumbnail) third.
Bytes pairWithPreview(const Bytes &preview)
{
    MPOBuilder builder;
    builder.beforeMP = {exifSegment};
    return builder.add(solid(red, 192, 128), 0x00020002u | representativeFlag)
        .add(solid(blue, 192, 128), 0x00020002u)
        .add(preview, 0x00010001u)
        .build()
        .bytes;
}

// A side-by-side picture, crossed: the right eye's (blue) on the left half.
imaging::RgbPicture crossed()
{
    imaging::RgbPicture both;
    both.size = {192, 64};
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 192; ++x) {
            const Rgb &c = x < 96 ? blue : red;
            both.pixels.push_back(0xFF000000u | std::uint32_t(c[0]) << 16 | std::uint32_t(c[1]) << 8 | c[2]);
        }
    return both;
}

bool near(std::uint32_t pixel, Rgb colour)
{
    for (int c = 0; c < 3; ++c)
        if (std::abs(int(pixel >> (16 - 8 * c) & 0xFF) - colour[std::size_t(c)]) > 24)
            return false;
    return true;
}

}  // namespace

TEST(Mpothumbnail, WritesTheLeftPictureUprightWithinTheSizeFromAnEmbeddedThumbnailWhereLargeEnough)
{
    ScratchFolder scratch;
    imaging::CameraFacts facts;
    facts.size = {96, 64};
    facts.thumbnail = solid(green, 48, 32);  // told apart from the picture by its colour
    std::vector<unsigned char> png;
    ASSERT_TRUE(imaging::encodePng(crossed(), png));
    const Bytes jpsBytes = encodeJpeg(192, 64, JCS_RGB, JCS_YCbCr, [](int x, int, unsigned char *p) {
        const Rgb &c = x < 96 ? blue : red;
        std::copy(c.begin(), c.end(), p);
    });
    const struct {
        const char *name;
        Bytes bytes;
        int size;
        imaging::PixelSize expected;
        Rgb colour;
    } made[] = {
        {"pair.MPO", pairOf(solid(red), solid(blue)), 48, {48, 32}, red},
        {"small.MPO", pairOf(solid(red), solid(blue)), 256, {96, 64}, red},  // never enlarged
        {"turned.MPO", pairOf(solid(red), solid(blue), {exifWithOrientation(6)}), 48, {32, 48}, red},
        {"thumb.MPO", pairOf(solid(red), solid(blue), {jpegSegment(0xE1, imaging::cameraExif(facts))}), 40, {40, 27}, green},
        {"thumb-small.MPO", pairOf(solid(red), solid(blue), {jpegSegment(0xE1, imaging::cameraExif(facts))}), 64, {64, 43}, red},
        {"preview.MPO", pairWithPreview(solid(green)), 48, {48, 32}, green},
        {"preview-small.MPO", pairWithPreview(solid(green, 24, 16)), 48, {48, 32}, red},
        {"pair.jps", jpsBytes, 48, {48, 32}, red},
        {"pair.pns", Bytes(png.begin(), png.end()), 48, {48, 32}, red},
        {"single.jpg", solid(green), 48, {48, 32}, green},
    };
    for (const auto &input : made) {
        const std::string file = scratch.write(input.name, input.bytes), out = file + ".png";
        const ProgramRun run = runProgram(scratch, MPOTHUMBNAIL, {"-s", std::to_string(input.size), file, out});
        ASSERT_EQ(run.status, 0) << input.name << ": " << run.err;
        const Bytes written = readFile(out);
        const imaging::DecodedPng thumbnail = imaging::decodePng(written.data(), written.size());
        ASSERT_TRUE(thumbnail.decoded()) << input.name;
        EXPECT_EQ(thumbnail.picture.size, input.expected) << input.name;
        EXPECT_TRUE(near(thumbnail.picture.pixels[thumbnail.picture.pixels.size() / 2], input.colour)) << input.name;
    }
    // What it cannot read: status 1, nothing at OUTPUT; an OUTPUT made empty
    // for it is written, one that holds something is left as it is.
    const std::string bad = scratch.write("bad.MPO", bytesOf("not a picture"));
    EXPECT_EQ(runProgram(scratch, MPOTHUMBNAIL, {"-s", "128", bad, bad + ".png"}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(bad + ".png"));
    const std::string claimed = scratch.write("claimed.png", {}), kept = scratch.write("kept.png", {1, 2, 3});
    const std::string pair = scratch.path() + "/pair.MPO";
    EXPECT_EQ(runProgram(scratch, MPOTHUMBNAIL, {"-s", "32", pair, claimed}).status, 0);
    EXPECT_GT(std::filesystem::file_size(claimed), 0u);
    EXPECT_EQ(runProgram(scratch, MPOTHUMBNAIL, {"-s", "32", pair, kept}).status, 1);
    EXPECT_EQ(readFile(kept), (Bytes{1, 2, 3}));
    EXPECT_EQ(runProgram(scratch, MPOTHUMBNAIL, {"-s", "0", pair, claimed}).status, 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), std::ptrdiff_t(std::size(made) * 2 + 3))
        << "no hidden files left";
}
