// Decoding pictures upright and in sRGB: the Exif orientation, embedded ICC
// profiles and CMYK pictures, on JPEGs encoded here with libjpeg.
#include <exiv2/exiv2.hpp>
#include <gtest/gtest.h>

#include "imaging/colour.h"
#include "imaging/exif.h"
#include "imaging/jpeg_decoder.h"
#include "test_jpegs.h"

namespace {

using imaging::PixelSize;

imaging::DecodedJpeg decode(const Bytes &jpeg, PixelSize shown = {})
{
    return imaging::decodeJpeg(jpeg.data(), jpeg.size(), [&](PixelSize full) { return shown.width ? shown : full; });
}

std::array<int, 3> rgbAt(const imaging::DecodedJpeg &decoded, int x, int y)
{
    const std::uint32_t pixel = decoded.picture.row(y)[x];
    return {int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF)};
}

testing::AssertionResult near(std::array<int, 3> actual, std::array<int, 3> expected, int tolerance = 3)
{
    for (int c = 0; c < 3; ++c)
        if (std::abs(actual[c] - expected[c]) > tolerance)
            return testing::AssertionFailure() << actual[0] << "," << actual[1] << "," << actual[2] << " is not near "
                                               << expected[0] << "," << expected[1] << "," << expected[2];
    return testing::AssertionSuccess();
}

// What Little CMS makes of one pixel's `samples` (of `type`) in `profile`, in sRGB.
std::array<int, 3> inSrgb(const Bytes &profile, cmsUInt32Number type, const unsigned char *samples)
{
    cmsHPROFILE from = cmsOpenProfileFromMem(profile.data(), cmsUInt32Number(profile.size()));
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM transform = cmsCreateTransform(from, type, srgb, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    unsigned char out[3] = {};
    cmsDoTransform(transform, samples, out, 1);
    cmsDeleteTransform(transform), cmsCloseProfile(from), cmsCloseProfile(srgb);
    return {out[0], out[1], out[2]};
}

}  // namespace

TEST(Orientation, EachOfTheEightValuesShowsThePictureUpright)
{
    // Stored as 3 x 2 blocks of 8 x 8: red, green, blue over cyan, magenta, yellow.
    enum Colour { R, G, B, C, M, Y };
    const std::array<std::array<int, 3>, 6> rgb = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 255, 255}, {255, 0, 255}, {255, 255, 0}}};
    const Bytes stored = encodeJpeg(24, 16, JCS_RGB, JCS_YCbCr, [&](int x, int y, unsigned char *p) {
        for (int c = 0; c < 3; ++c)
            p[c] = (unsigned char)rgb[std::size_t(y / 8 * 3 + x / 8)][std::size_t(c)];
    });
    // The blocks at the upright picture's top left, top right and bottom left.
    const struct { int orientation; Colour topLeft, topRight, bottomLeft; } cases[] = {
        {1, R, B, C}, {2, B, R, Y}, {3, Y, C, B}, {4, C, Y, R}, {5, R, C, B}, {6, C, R, Y}, {7, Y, B, C}, {8, B, Y, R},
        {9, R, B, C}, {0, R, B, C}};  // not an orientation: shown as stored
    for (const auto &c : cases) {
        const imaging::DecodedJpeg shown = decode(withSegments(stored, {exifWithOrientation(std::uint8_t(c.orientation))}));
        const bool turned = c.orientation >= 5 && c.orientation <= 8;
        const PixelSize upright = turned ? PixelSize{16, 24} : PixelSize{24, 16};
        ASSERT_EQ(shown.picture.size, upright) << c.orientation;
        EXPECT_EQ(shown.fullSize, upright);
        EXPECT_TRUE(near(rgbAt(shown, 4, 4), rgb[c.topLeft], 12)) << c.orientation;
        EXPECT_TRUE(near(rgbAt(shown, upright.width - 4, 4), rgb[c.topRight], 12)) << c.orientation;
        EXPECT_TRUE(near(rgbAt(shown, 4, upright.height - 4), rgb[c.bottomLeft], 12)) << c.orientation;
    }
    // A turned picture is decoded at the scale that covers its upright size.
    EXPECT_EQ(decode(withSegments(stored, {exifWithOrientation(6)}), {4, 6}).picture.size, (PixelSize{4, 6}));
    // A damaged Exif block leaves the picture as stored.
    Bytes damaged = exifWithOrientation(6);
    damaged.resize(20);
    damaged[3] = 18;
    EXPECT_EQ(decode(withSegments(stored, {damaged})).picture.size, (PixelSize{24, 16}));
}

TEST(ColourProfiles, AWideGamutPictureIsConvertedToSrgbAndAnSrgbOrDamagedOneIsLeftAlone)
{
    const Bytes profile = displayP3Profile();
    const Bytes plain = solidRgb({200, 60, 40});
    const std::array<int, 3> unconverted = rgbAt(decode(plain), 8, 8);
    const unsigned char in[3] = {(unsigned char)unconverted[0], (unsigned char)unconverted[1], (unsigned char)unconverted[2]};
    const std::array<int, 3> expected = inSrgb(profile, TYPE_RGB_8, in);

    const imaging::DecodedJpeg converted = decode(withSegments(plain, {iccSegment(profile)}));
    EXPECT_TRUE(converted.colourConverted);
    EXPECT_TRUE(near(rgbAt(converted, 8, 8), expected, 1));
    EXPECT_GT(expected[0], in[0]);  // P3's red lies outside sRGB: the conversion pushes it out

    const Bytes srgbProfile = savedProfile(cmsCreate_sRGBProfile());
    Bytes damaged = profile;
    damaged.resize(damaged.size() / 2);
    for (const Bytes &left : {srgbProfile, damaged}) {
        const imaging::DecodedJpeg alone = decode(withSegments(plain, {iccSegment(left)}));
        EXPECT_FALSE(alone.colourConverted);
        EXPECT_EQ(rgbAt(alone, 8, 8), unconverted);
    }
}

TEST(Cmyk, CmykAndYcckPicturesAreShownInRgbThroughTheirProfileWhereTheyHaveOne)
{
    // Red ink-wise (no cyan, full magenta and yellow, no black), stored
    // inverted as Adobe applications write it; the top half is black.
    for (J_COLOR_SPACE stored : {JCS_CMYK, JCS_YCCK}) {
        const Bytes jpeg = encodeJpeg(16, 16, JCS_CMYK, stored, [](int, int y, unsigned char *p) {
            const unsigned char ink[4] = {0, 255, 255, (unsigned char)(y < 8 ? 255 : 0)};
            for (int c = 0; c < 4; ++c)
                p[c] = (unsigned char)(255 - ink[c]);
        });
        const imaging::DecodedJpeg shown = decode(jpeg);
        ASSERT_TRUE(shown.decoded) << stored;
        EXPECT_TRUE(near(rgbAt(shown, 8, 12), {255, 0, 0}, 12)) << stored;
        EXPECT_TRUE(near(rgbAt(shown, 8, 3), {0, 0, 0}, 12)) << stored;
    }
    // Through a press profile, the same (inverted) samples give what Little CMS makes of the ink.
    const unsigned char ink[4] = {0, 200, 255, 40};
    const Bytes jpeg = encodeJpeg(16, 16, JCS_CMYK, JCS_CMYK, [&](int, int, unsigned char *p) {
        for (int c = 0; c < 4; ++c)
            p[c] = (unsigned char)(255 - ink[c]);
    });
    const Bytes profile = simpleCmykProfile();
    const std::array<int, 3> expected = inSrgb(profile, TYPE_CMYK_8, ink);
    const imaging::DecodedJpeg shown = decode(withSegments(jpeg, {iccSegment(profile)}));
    EXPECT_TRUE(shown.colourConverted);
    EXPECT_TRUE(near(rgbAt(shown, 8, 8), expected, 2));
    EXPECT_FALSE(near(rgbAt(decode(jpeg), 8, 8), expected, 12));  // not the plain way
}

TEST(PictureFacts, TheHeaderGivesTheUprightSizeExifBasicsAsExiv2PrintsThemAndTheProfileName)
{
    Exiv2::ExifData exif;
    exif["Exif.Image.Make"] = "Nintendo";
    exif["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 250);
    exif["Exif.Photo.FNumber"] = Exiv2::URational(28, 10);
    exif["Exif.Image.Orientation"] = std::uint16_t(6);
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, Exiv2::bigEndian, exif);
    Bytes payload = {'E', 'x', 'i', 'f', 0, 0};
    payload.insert(payload.end(), blob.begin(), blob.end());
    const Bytes jpeg = withSegments(solidRgb({1, 2, 3}), {jpegSegment(0xE1, payload), iccSegment(displayP3Profile())});

    const imaging::JpegHeader header = imaging::readJpegHeader(jpeg.data(), jpeg.size());
    ASSERT_TRUE(header.read);
    EXPECT_EQ(header.fullSize, (PixelSize{16, 16}));
    EXPECT_EQ(header.orientation, 6);
    const imaging::ExifBasics basics = imaging::exifBasics(header.exif.data(), header.exif.size());
    EXPECT_EQ(basics.state, imaging::ExifBasics::State::Read);
    using Fact = std::pair<std::string, std::string>;
    EXPECT_EQ(basics.facts, (std::vector<Fact>{{"Exif.Image.Make", "Nintendo"}, {"Exif.Photo.ExposureTime", "1/250 s"},
                                               {"Exif.Photo.FNumber", "F2.8"}, {"Exif.Image.Orientation", "right, top"}}));
    EXPECT_FALSE(imaging::profileDescription(header.iccProfile).empty());

    const Bytes garbage = {'E', 'x', 'i', 'f', 0, 0, 'X', 'Y', 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(imaging::exifBasics(garbage.data(), garbage.size()).state, imaging::ExifBasics::State::Damaged);
    EXPECT_EQ(imaging::exifBasics(nullptr, 0).state, imaging::ExifBasics::State::Absent);
    Bytes cut = displayP3Profile();
    cut.resize(cut.size() / 2);
    EXPECT_EQ(imaging::profileDescription(cut), "");
    EXPECT_FALSE(imaging::readJpegHeader(payload.data(), payload.size()).read);
}
