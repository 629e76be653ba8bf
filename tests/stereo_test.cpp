// The stereo views: the colour math of each anaglyph against values worked
// out by hand from the published matrices, the geometry of the layouts, the
// swap and the offsets on tiny pictures whose pixels are letters, and the
// pair rules, of MPO pairs and of side-by-side files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "stereo/camera_parallax.h"
#include "stereo/composition.h"
#include "engine_test_support.h"
#include "stereo/pair.h"
#include "stereo/pair_layout.h"
#include "stereo/side_by_side.h"
#include "imaging/exif.h"
#include "imaging/jpeg_encoder.h"
#include "imaging/png_chunks.h"
#include "imaging/png_encoder.h"
#include "imaging/resample.h"


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

// Options that place the pictures as given, cropping only what the offsets leave uncovered.
stereo::Options placed(View view, bool swap = false, int dx = 0, int dy = 0)
{
    stereo::Options options;
    options.view = view, options.swap = swap, options.dx = dx, options.dy = dy;
    options.crop.aspect = -1;
    return options;
}

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
        ASSERT_TRUE(stereo::compose(onePixel(left), onePixel(right), placed(row.view), out));
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
    stereo::compose(onePixel(rgb(255, 255, 255)), onePixel(rgb(0, 0, 0)), placed(View::RedCyanDubois), out);
    EXPECT_EQ(out.pixels[0], rgb(255, 0, 0));
    stereo::compose(onePixel(rgb(0, 0, 0)), onePixel(rgb(255, 255, 255)), placed(View::RedCyanDubois), out);
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
        {placed(View::Parallel), 0, "abcABC/defDEF"},
        {placed(View::Cross), 0, "ABCabc/DEFdef"},
        {placed(View::OverUnder), 0, "abc/def/ABC/DEF"},
        {placed(View::Mirror), 0, "abcCBA/defFED"},
        {placed(View::Rows), 0, "abc/DEF"},
        {placed(View::Columns), 0, "aBc/dEf"},
        {placed(View::Wiggle), 0, "abc/def"},
        {placed(View::Wiggle), 1, "ABC/DEF"},
        {placed(View::Parallel, true), 0, "ABCabc/DEFdef"},
        // The right picture moved right by one: the left one loses its first column.
        {placed(View::Parallel, false, 1), 0, "bcAB/efDE"},
        {placed(View::Parallel, false, -1), 0, "abBC/deEF"},
        {placed(View::Parallel, false, 0, 1), 0, "defABC"},
        {placed(View::OverUnder, false, 1, -1), 0, "bc/DE"},
        {placed(View::Parallel, true, 1), 0, "BCab/EFde"},
        // Offsets beyond the picture keep one column or row.
        {placed(View::Parallel, false, 50, -50), 0, "cD"},
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
    ASSERT_TRUE(stereo::compose(big, bigRight, placed(View::Parallel, false, 1, 1), out));
    ASSERT_EQ(out.size, (PixelSize{2 * 1999, 1099}));
    bool everyPixelInPlace = true;
    for (int y = 0; y < 1099; ++y)
        for (int x = 0; x < 1999; ++x)
            everyPixelInPlace &= out.row(y)[x] == big.row(y + 1)[x + 1] && out.row(y)[1999 + x] == bigRight.row(y)[x];
    EXPECT_TRUE(everyPixelInPlace);

    // A crop keeps the same part of both pictures, so the window stays: its
    // share of what both cover, then the largest part of its shape.
    const RgbPicture l4 = lettered("abcd/efgh/ijkl/mnop"), r4 = lettered("ABCD/EFGH/IJKL/MNOP");
    stereo::Options cropped = placed(View::Parallel, false, 1);
    cropped.crop.left = 0.34;
    ASSERT_TRUE(stereo::compose(l4, r4, cropped, out));
    EXPECT_EQ(lettersOf(out), "cdBC/ghFG/klJK/opNO");
    cropped.crop = {1.0};  // square: what both cover is 3 x 4
    ASSERT_TRUE(stereo::compose(l4, r4, cropped, out));
    EXPECT_EQ(lettersOf(out), "bcdABC/fghEFG/jklIJK");
    cropped.crop = {};  // the shape taken: square too
    ASSERT_TRUE(stereo::compose(l4, r4, cropped, out));
    EXPECT_EQ(lettersOf(out), "bcdABC/fghEFG/jklIJK");

    RgbPicture untouched = lettered("x/y");
    EXPECT_FALSE(stereo::compose(left, lettered("AB/DE"), placed(View::Parallel), untouched));
    EXPECT_FALSE(stereo::compose(RgbPicture{}, RgbPicture{}, placed(View::Parallel), untouched));
    EXPECT_EQ(lettersOf(untouched), "x/y");
}

TEST(Geometry, HalfViewsSqueezeEachPictureIntoItsHalfAndAFrameKeepsEachInItsHalf)
{
    const std::uint32_t red = rgb(220, 30, 20), blue = rgb(20, 40, 220), black = rgb(0, 0, 0);
    RgbPicture left, right, out;
    left.size = right.size = {64, 48};
    left.pixels.assign(64 * 48, red), right.pixels.assign(64 * 48, blue);
    const struct {
        View view;
        PixelSize composed;
        std::vector<std::pair<int, int>> reds, blues, bars;  // points of the 1920 x 1080 frame
    } table[] = {
        // Each 4:3 picture as a TV shows it: 1440 x 1080, so 720 of a half's 960 columns.
        {View::HalfParallel, {64, 48}, {{120, 540}, {839, 540}}, {{1080, 540}, {1799, 540}},
         {{119, 540}, {840, 540}, {1079, 540}, {1800, 540}}},
        {View::HalfOverUnder, {64, 48}, {{240, 0}, {1679, 539}}, {{240, 540}, {1679, 1079}}, {{239, 270}, {1680, 810}}},
        // A whole view keeps its shape: 128 x 48 is 1920 x 720 between two bars.
        {View::Parallel, {128, 48}, {{0, 180}, {900, 899}}, {{1020, 180}, {1919, 899}}, {{0, 179}, {1919, 900}}},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(stereo::describe(row.view).name);
        stereo::Options options;
        options.view = row.view;
        ASSERT_TRUE(stereo::compose(left, right, options, out));
        EXPECT_EQ(out.size, row.composed);
        const RgbPicture frame = stereo::letterboxed(out, row.view, {1920, 1080});
        ASSERT_EQ(frame.size, (PixelSize{1920, 1080}));
        for (const auto &[points, colour] : {std::pair{row.reds, red}, {row.blues, blue}, {row.bars, black}})
            for (const auto &[x, y] : points)
                EXPECT_EQ(frame.row(y)[x], colour) << x << ", " << y;
    }
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
// Blue in the first half (the left, or the top one over/under), red in the second.
RgbPicture blueThenRed(int width, int height, bool overUnder = false)
{
    RgbPicture picture;
    picture.size = {width, height};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.pixels.push_back((overUnder ? y < height / 2 : x < width / 2) ? rgb(20, 40, 220) : rgb(220, 30, 20));
    return picture;
}

Bytes pngOf(const RgbPicture &picture)
{
    Bytes png;
    EXPECT_TRUE(imaging::encodePng(picture, png));
    return png;
}

imaging::DecodedJpeg decoded(const std::vector<unsigned char> &jpeg)
{
    return imaging::decodeJpeg(jpeg.data(), jpeg.size(), [](PixelSize full) { return full; });
}

}  // namespace

TEST(Pair, SideBySideFilesAreCutAsTheirDescriptorSaysCrossedWithoutOneAndNeedAnEvenWidth)
{
    using stereo::SideBySideKind;
    const std::string dated = "2020:01:02 03:04:05";
    // A JPS file, with the descriptor of `layout` when given.
    const auto jps = [&](int width, int height, std::optional<stereo::PairLayout> layout = {}) {
        imaging::EncodeSettings settings{95, imaging::cameraExif({"Test", "Pair", dated, {width, height}, {}})};
        if (layout)
            settings.app3 = stereo::jpsDescriptor(*layout);
        std::vector<unsigned char> jpeg;
        imaging::encodeJpeg(blueThenRed(width, height, layout && layout->overUnder), settings, jpeg);
        return Bytes(jpeg.begin(), jpeg.end());
    };
    const auto pns = [](unsigned char mode) {  // an sTER chunk of this mode
        Bytes png = pngOf(blueThenRed(16, 4));
        imaging::addChunk(png, {'s', 'T', 'E', 'R'}, {mode});
        return png;
    };
    Bytes anaglyph = jps(16, 4, stereo::PairLayout{false, true});
    anaglyph[std::search(anaglyph.begin(), anaglyph.end(), "_JPSJPS_", "_JPSJPS_" + 8) - anaglyph.begin() + 12] = 4;
    const struct {
        const char *name;
        Bytes file;
        SideBySideKind kind;
        PixelSize half;  // of a pair; {0, 0} when it is none
        std::string problem;  // "" for a pair
        bool leftIsBlue = false;  // the left eye's picture is the first half
    } table[] = {
        {"jps 64 x 16", jps(64, 16), SideBySideKind::Jps, {32, 16}, ""},
        {"jps described crossed", jps(64, 16, stereo::PairLayout{}), SideBySideKind::Jps, {32, 16}, ""},
        {"jps described parallel", jps(64, 16, stereo::PairLayout{false, true}), SideBySideKind::Jps, {32, 16}, "", true},
        {"jps over/under, left on top", jps(16, 64, stereo::PairLayout{true, true}), SideBySideKind::Jps, {16, 32}, "", true},
        {"jps over/under, right on top", jps(16, 64, stereo::PairLayout{true, false}), SideBySideKind::Jps, {16, 32}, ""},
        {"jps half side by side", jps(64, 16, stereo::PairLayout{false, true, true}), SideBySideKind::Jps, {64, 16}, "", true},
        {"jps described as an anaglyph", anaglyph, SideBySideKind::Jps, {8, 4}, ""},
        {"pns crossed", pns(0), SideBySideKind::Pns, {8, 4}, ""},
        {"pns parallel", pns(1), SideBySideKind::Pns, {8, 4}, "", true},
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
        EXPECT_GT(left.picture.pixels[0] >> (row.leftIsBlue ? 0 : 16) & 0xFF, 200u);
        EXPECT_GT(right.picture.pixels[0] >> (row.leftIsBlue ? 16 : 0) & 0xFF, 200u);
        EXPECT_EQ(imaging::exifDateTaken(left.exif), row.kind == SideBySideKind::Jps ? dated : "");
        EXPECT_EQ(stereo::sideBySideKindOf(std::string("x.") + (row.kind == SideBySideKind::Jps ? "JPS" : "pns")), row.kind);
    }
    EXPECT_FALSE(stereo::sideBySideKindOf("x.jpg") || stereo::sideBySideKindOf("jps"));
}

TEST(Finish, ATurnLevelKeepsTheShapeTakenAndShowsNothingUncovered)
{
    // A gray left picture and a gray right one with a red edge: an uncovered
    // pixel takes the edge's colour whole. A covered one may blend it in,
    // and a few on the very boundary take the edge pixel itself; what is
    // uncovered is a wedge, or a band, along an edge.
    RgbPicture gray, framed;
    gray.size = framed.size = {400, 300};
    gray.pixels.assign(400 * 300, rgb(128, 128, 128));
    framed.pixels = gray.pixels;
    for (int x = 0; x < 400; ++x)
        framed.row(0)[x] = framed.row(299)[x] = rgb(255, 0, 0);
    for (int y = 0; y < 300; ++y)
        framed.row(y)[0] = framed.row(y)[399] = rgb(255, 0, 0);
    for (const double level : {-10.0, -2.5, 0.0, 0.1, 4.0}) {
        for (const double degrees : {0.0, 1.5}) {
            if (level == 0 && degrees == 0)
                continue;  // nothing corrected: the edge is the picture's own
            for (const bool swap : {false, true}) {
                stereo::Options options = placed(View::RedCyanColour, swap, 12, -3);
                options.crop = {};
                options.level = level, options.degrees = degrees, options.shiftY = degrees;
                RgbPicture out;
                ASSERT_TRUE(stereo::compose(gray, framed, options, out));
                SCOPED_TRACE(testing::Message() << "level " << level << ", turned " << degrees << ", swap " << swap);
                EXPECT_NEAR(double(out.size.width) / out.size.height, 4.0 / 3, 0.01);
                EXPECT_GT(out.size.width, level == -10 ? 200 : 300);
                EXPECT_LT(std::count_if(out.pixels.begin(), out.pixels.end(),
                                        [](std::uint32_t p) { return (p >> 16 & 0xFF) > 192; }),
                          20);
            }
        }
    }
}

// An Exif block as the 3DS writes it: big-endian, the parallax a
// little-endian float at 0x28 of the camera information in its maker note.
std::vector<unsigned char> consoleExif(float parallax)
{
    std::vector<unsigned char> b = {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8};
    const auto be = [&](std::uint32_t v, int n) { for (int i = n - 1; i >= 0; --i) b.push_back(std::uint8_t(v >> (8 * i))); };
    be(1, 2), be(0x8769, 2), be(4, 2), be(1, 4), be(26, 4), be(0, 4);         // IFD0 at 8: the Exif IFD at 26
    be(1, 2), be(0x927C, 2), be(7, 2), be(30, 4), be(44, 4), be(0, 4);       // Exif IFD: the maker note at 44
    be(1, 2), be(0x1101, 2), be(7, 2), be(64, 4), be(62, 4), be(0, 4);       // maker note: camera information at 62
    const std::size_t info = b.size();
    b.resize(info + 64);
    std::memcpy(b.data() + info, "3DS1", 4);
    std::uint32_t bits;
    std::memcpy(&bits, &parallax, 4);
    for (int i = 0; i < 4; ++i)
        b[info + 0x28 + std::size_t(i)] = std::uint8_t(bits >> (8 * i));
    return b;
}

TEST(Finish, TheConsolesRecordedParallaxIsItsWindowAndAnythingElseIsNone)
{
    const auto window = stereo::recordedWindowOf(consoleExif(-17.5f), {640, 480});
    ASSERT_TRUE(window.has_value());
    EXPECT_DOUBLE_EQ(*window, -35.0) << "top-screen pixels, twice as many in the pictures";
    EXPECT_DOUBLE_EQ(*stereo::recordedWindowOf(consoleExif(-17.5f), {1280, 960}), -70.0);
    std::vector<unsigned char> otherCamera = consoleExif(3), cut = consoleExif(3);
    otherCamera[otherCamera.size() - 64] = 'X';
    cut.resize(cut.size() - 20);
    for (const auto &exif : {otherCamera, cut, std::vector<unsigned char>{}, consoleExif(NAN)})
        EXPECT_FALSE(stereo::recordedWindowOf(exif, {640, 480}).has_value());
}

TEST(Finish, ShrinkingAveragesEveryPixelItCovers)
{
    // One-pixel stripes: sampled, they would come out black or white.
    RgbPicture stripes;
    stripes.size = {64, 48};
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            stripes.pixels.push_back(x % 2 == 0 ? rgb(0, 0, 0) : rgb(255, 255, 255));
    for (const PixelSize size : {PixelSize{16, 12}, PixelSize{21, 15}}) {
        const RgbPicture small = imaging::resized(stripes, size);
        ASSERT_EQ(small.size, size);
        for (const std::uint32_t p : small.pixels)
            EXPECT_NEAR(int(p & 0xFF), 128, 24);
    }
}
