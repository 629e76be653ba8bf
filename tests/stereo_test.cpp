// The stereo views: the colour math of each anaglyph against values worked
// out by hand from the published matrices, the geometry of the layouts, the
// swap and the offsets on tiny pictures whose pixels are letters, and the
// pair rules, of MPO pairs and of side-by-side files.
#include <gtest/gtest.h>

#include <string>

#include "stereo/composition.h"
#include "engine_test_support.h"
#include "stereo/pair.h"
#include "stereo/side_by_side.h"
#include "imaging/exif.h"
#include "imaging/jpeg_encoder.h"

#include <png.h>

using imaging::PixelSize;
using imaging::RgbPicture;
using stereo::View;

namespace {

std::uint32_t rgb(int r, int g, int b) { return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b); }

RgbPicture onePixel(std::uint32_t pixel)
{
    RgbPicture picture;
    picture.size = {1, 1};
    picture.pixels.assign(1, pixel);
    return picture;
}

// A picture whose pixels are the letters of `rows` ("abc/def": 3 x 2).
RgbPicture lettered(const std::string &rows)
{
    RgbPicture picture;
    picture.size = {int(rows.find('/')), int(std::count(rows.begin(), rows.end(), '/')) + 1};
    for (char letter : rows)
        if (letter != '/')
            picture.pixels.push_back(std::uint32_t(letter));
    return picture;
}

std::string lettersOf(const RgbPicture &picture)
{
    std::string rows;
    for (int y = 0; y < picture.size.height; ++y) {
        if (y > 0)
            rows += '/';
        for (int x = 0; x < picture.size.width; ++x)
            rows += char(picture.row(y)[x]);
    }
    return rows;
}

}  // namespace

TEST(Anaglyph, EachMixGivesWhatThePublishedMatricesGiveByHand)
{
    const std::uint32_t left = rgb(200, 100, 50), right = rgb(30, 160, 220);
    const struct {
        View view;
        int r, g, b;
    } table[] = {
        {View::RedCyanDubois, 134, 115, 240},      {View::RedCyanColour, 200, 160, 220},
        {View::RedCyanHalf, 124, 160, 220},        {View::RedCyanGray, 124, 128, 128},
        {View::GreenMagentaDubois, 104, 114, 214}, {View::GreenMagentaColour, 30, 100, 220},
        {View::GreenMagentaHalf, 30, 124, 220},    {View::GreenMagentaGray, 128, 124, 128},
        {View::AmberBlueDubois, 183, 95, 209},     {View::AmberBlueColour, 200, 100, 220},
        {View::AmberBlueHalf, 200, 100, 128},      {View::AmberBlueGray, 124, 124, 128},
    };
    for (const auto &row : table) {
        RgbPicture out;
        ASSERT_TRUE(stereo::compose(onePixel(left), onePixel(right), {row.view}, out));
        const std::uint32_t p = out.pixels[0];
        const int r = int(p >> 16 & 0xFF), g = int(p >> 8 & 0xFF), b = int(p & 0xFF);
        SCOPED_TRACE(stereo::describe(row.view).name);
        EXPECT_NEAR(r, row.r, 1);  // fixed-point arithmetic may round the other way
        EXPECT_NEAR(g, row.g, 1);
        EXPECT_NEAR(b, row.b, 1);
        EXPECT_EQ(p >> 24, 0xFFu);
    }
    // Sums beyond the channel's range are clamped, both ways.
    RgbPicture out;
    stereo::compose(onePixel(rgb(255, 255, 255)), onePixel(rgb(0, 0, 0)), {View::RedCyanDubois}, out);
    EXPECT_EQ(out.pixels[0], rgb(255, 0, 0));
    stereo::compose(onePixel(rgb(0, 0, 0)), onePixel(rgb(255, 255, 255)), {View::RedCyanDubois}, out);
    EXPECT_EQ(out.pixels[0], rgb(0, 255, 255));
}

TEST(Geometry, LayoutsSwapAndOffsetsPlaceEveryPixelAndCropWhatIsUncovered)
{
    const RgbPicture left = lettered("abc/def"), right = lettered("ABC/DEF");
    const struct {
        stereo::Options options;
        int wiggleFrame;
        const char *expected;
    } table[] = {
        {{View::Parallel}, 0, "abcABC/defDEF"},
        {{View::Cross}, 0, "ABCabc/DEFdef"},
        {{View::OverUnder}, 0, "abc/def/ABC/DEF"},
        {{View::Mirror}, 0, "abcCBA/defFED"},
        {{View::Rows}, 0, "abc/DEF"},
        {{View::Columns}, 0, "aBc/dEf"},
        {{View::Wiggle}, 0, "abc/def"},
        {{View::Wiggle}, 1, "ABC/DEF"},
        {{View::Parallel, true}, 0, "ABCabc/DEFdef"},
        // The right picture moved right by one: the left one loses its first column.
        {{View::Parallel, false, 1}, 0, "bcAB/efDE"},
        {{View::Parallel, false, -1}, 0, "abBC/deEF"},
        {{View::Parallel, false, 0, 1}, 0, "defABC"},
        {{View::OverUnder, false, 1, -1}, 0, "bc/DE"},
        {{View::Parallel, true, 1}, 0, "BCab/EFde"},
        // Offsets beyond the picture keep one column or row.
        {{View::Parallel, false, 50, -50}, 0, "cD"},
    };
    for (const auto &row : table) {
        RgbPicture out;
        ASSERT_TRUE(stereo::compose(left, right, row.options, out, row.wiggleFrame));
        EXPECT_EQ(lettersOf(out), row.expected) << stereo::describe(row.options.view).name << " swap "
                                                << row.options.swap << " dx " << row.options.dx << " dy "
                                                << row.options.dy;
        EXPECT_EQ(out.size, stereo::composedSize(left.size, row.options));
    }
    // A picture large enough to be composed in bands of rows on several cores.
    RgbPicture big, bigRight;
    big.size = bigRight.size = {2000, 1100};
    for (std::uint32_t i = 0; i < 2000u * 1100u; ++i)
        big.pixels.push_back(i), bigRight.pixels.push_back(i | 0x80000000u);
    RgbPicture out;
    ASSERT_TRUE(stereo::compose(big, bigRight, {View::Parallel, false, 1, 1}, out));
    ASSERT_EQ(out.size, (PixelSize{2 * 1999, 1099}));
    bool everyPixelInPlace = true;
    for (int y = 0; y < 1099; ++y)
        for (int x = 0; x < 1999; ++x)
            everyPixelInPlace &= out.row(y)[x] == big.row(y + 1)[x + 1] && out.row(y)[1999 + x] == bigRight.row(y)[x];
    EXPECT_TRUE(everyPixelInPlace);

    RgbPicture untouched = lettered("x/y");
    EXPECT_FALSE(stereo::compose(left, lettered("AB/DE"), {View::Parallel}, untouched));
    EXPECT_FALSE(stereo::compose(RgbPicture{}, RgbPicture{}, {View::Parallel}, untouched));
    EXPECT_EQ(lettersOf(untouched), "x/y");
}

TEST(Pair, IsTheFirstTwoOfAPairAndTheShownAndNextOfASeries)
{
    const struct {
        int shown, count, left, right;
    } table[] = {{1, 2, 1, 2}, {2, 2, 1, 2}, {0, 2, 1, 2}, {1, 1, 0, 0}, {3, 5, 3, 4}, {5, 5, 4, 5}, {9, 5, 4, 5}};
    for (const auto &row : table) {
        const stereo::PairNumbers pair = stereo::pairFor(row.shown, row.count);
        EXPECT_EQ(pair.left, row.left) << row.shown << " of " << row.count;
        EXPECT_EQ(pair.right, row.right) << row.shown << " of " << row.count;
    }
}

namespace {

// A picture whose left half is blue and whose right half is red (the right
// eye's picture on the left, as side-by-side files keep it).
RgbPicture blueThenRed(int width, int height)
{
    RgbPicture picture;
    picture.size = {width, height};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.pixels.push_back(x < width / 2 ? rgb(20, 40, 220) : rgb(220, 30, 20));
    return picture;
}

Bytes pngOf(const RgbPicture &picture)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(picture.size.width), image.height = png_uint_32(picture.size.height);
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, picture.pixels.data(), 0, nullptr);
    Bytes png(size);
    png_image_write_to_memory(&image, png.data(), &size, 0, picture.pixels.data(), 0, nullptr);
    return png;
}

imaging::DecodedJpeg decoded(const std::vector<unsigned char> &jpeg)
{
    return imaging::decodeJpeg(jpeg.data(), jpeg.size(), [](PixelSize full) { return full; });
}

}  // namespace

TEST(Pair, SideBySideFilesHoldTheLeftPictureOnTheRightHalfAndNeedAnEvenWidth)
{
    using stereo::SideBySideKind;
    const std::string dated = "2020:01:02 03:04:05";
    const auto jps = [&](int width, int height) {
        std::vector<unsigned char> jpeg;
        imaging::encodeJpeg(blueThenRed(width, height), {95, imaging::cameraExif({"Test", "Pair", dated, {width, height}, {}})},
                            jpeg);
        return Bytes(jpeg.begin(), jpeg.end());
    };
    const struct {
        const char *name;
        Bytes file;
        SideBySideKind kind;
        PixelSize half;  // of a pair; {0, 0} when it is none
        std::string problem;  // "" for a pair
    } table[] = {
        {"jps 64 x 16", jps(64, 16), SideBySideKind::Jps, {32, 16}, ""},
        {"jps 2 x 9", jps(2, 9), SideBySideKind::Jps, {1, 9}, ""},
        {"jps of odd width", jps(63, 16), SideBySideKind::Jps, {}, stereo::oddWidthText},
        {"pns 48 x 7", pngOf(blueThenRed(48, 7)), SideBySideKind::Pns, {24, 7}, ""},
        {"pns of odd width", pngOf(blueThenRed(9, 4)), SideBySideKind::Pns, {}, stereo::oddWidthText},
        {"pns one pixel wide", pngOf(blueThenRed(1, 4)), SideBySideKind::Pns, {}, "is too narrow to hold two pictures side by side"},
        {"jps that is a png", pngOf(blueThenRed(8, 8)), SideBySideKind::Jps, {}, "is not a JPEG picture that can be decoded"},
        {"pns that is a jpeg", jps(8, 8), SideBySideKind::Pns, {}, "is not a PNG picture that can be decoded"},
        {"empty", {}, SideBySideKind::Pns, {}, "is empty"},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.name);
        const stereo::SideBySidePair pair = stereo::readSideBySide(row.file.data(), row.file.size(), row.kind);
        EXPECT_EQ(pair.problem(), row.problem);
        EXPECT_EQ(!pair.whole.empty(), pair.oddWidth);  // shown flat then
        if (row.half.width == 0) {
            EXPECT_TRUE(pair.left.empty() && pair.right.empty());
            continue;
        }
        const imaging::DecodedJpeg left = decoded(pair.left), right = decoded(pair.right);
        ASSERT_EQ(left.fullSize, row.half);
        ASSERT_EQ(right.fullSize, row.half);
        EXPECT_GT(left.picture.pixels[0] >> 16 & 0xFF, 200u);  // red: the right half
        EXPECT_GT(right.picture.pixels[0] & 0xFF, 200u);       // blue: the left half
        EXPECT_EQ(imaging::exifDateTaken(left.exif), row.kind == SideBySideKind::Jps ? dated : "");
        EXPECT_EQ(stereo::sideBySideKindOf(std::string("x.") + (row.kind == SideBySideKind::Jps ? "JPS" : "pns")), row.kind);
    }
    EXPECT_FALSE(stereo::sideBySideKindOf("x.jpg") || stereo::sideBySideKindOf("jps"));
}
