#include "colour.h"

#include <bit>
#include <cstring>

#include <lcms2.h>

namespace imaging {

namespace {

// Little CMS's name for the byte layout of 0xffRRGGBB in this machine's order.
constexpr cmsUInt32Number pixelFormat = std::endian::native == std::endian::little ? TYPE_BGRA_8 : TYPE_ARGB_8;

// The colour space signature of an ICC profile's header (bytes 16 to 19),
// read from the bytes: a damaged profile may hold a value that is none of
// Little CMS's enumerators.
std::uint32_t colourSpaceOf(const std::vector<unsigned char> &profile)
{
    if (profile.size() < 20)
        return 0;
    return std::uint32_t{profile[16]} << 24 | std::uint32_t{profile[17]} << 16 | std::uint32_t{profile[18]} << 8 |
           profile[19];
}

bool describesSrgb(cmsHPROFILE profile)
{
    char description[256] = {};
    cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", description, sizeof description);
    return std::strstr(description, "sRGB") != nullptr;
}

}  // namespace

ProfileConversion::ProfileConversion(const std::vector<unsigned char> &iccProfile, bool cmykPicture,
                                     bool invertedCmyk)
{
    if (iccProfile.empty())
        return;
    cmsHPROFILE embedded = cmsOpenProfileFromMem(iccProfile.data(), cmsUInt32Number(iccProfile.size()));
    if (embedded == nullptr)
        return;
    const std::uint32_t space = colourSpaceOf(iccProfile);
    const bool fits = cmykPicture ? space == cmsSigCmykData : space == cmsSigRgbData && !describesSrgb(embedded);
    if (fits) {
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        const cmsUInt32Number input = !cmykPicture ? pixelFormat : invertedCmyk ? TYPE_CMYK_8_REV : TYPE_CMYK_8;
        transform_ = cmsCreateTransform(embedded, input, srgb, pixelFormat, INTENT_PERCEPTUAL, 0);
        cmsCloseProfile(srgb);
    }
    cmsCloseProfile(embedded);
}

ProfileConversion::~ProfileConversion()
{
    if (transform_ != nullptr)
        cmsDeleteTransform(transform_);
}

void ProfileConversion::convertRgbRow(std::uint32_t *row, int width) const
{
    cmsDoTransform(transform_, row, row, cmsUInt32Number(width));
}

void ProfileConversion::convertCmykRow(const unsigned char *cmyk, std::uint32_t *row, int width) const
{
    cmsDoTransform(transform_, cmyk, row, cmsUInt32Number(width));
    for (int x = 0; x < width; ++x)
        row[x] |= 0xFF000000u;  // the conversion leaves the padding byte as it was
}

void plainCmykRow(const unsigned char *cmyk, std::uint32_t *row, int width, bool invertedCmyk)
{
    const unsigned flip = invertedCmyk ? 0 : 255;
    for (int x = 0; x < width; ++x, cmyk += 4) {
        const unsigned c = cmyk[0] ^ flip, m = cmyk[1] ^ flip, y = cmyk[2] ^ flip, k = cmyk[3] ^ flip;
        // With 255 meaning no ink, each channel is its light times the black's, over 255.
        row[x] = 0xFF000000u | (c * k / 255) << 16 | (m * k / 255) << 8 | (y * k / 255);
    }
}

std::string profileDescription(const std::vector<unsigned char> &iccProfile)
{
    if (iccProfile.empty())
        return {};
    cmsHPROFILE profile = cmsOpenProfileFromMem(iccProfile.data(), cmsUInt32Number(iccProfile.size()));
    if (profile == nullptr)
        return {};
    char text[256] = {};
    const cmsUInt32Number length = cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text, sizeof text);
    cmsCloseProfile(profile);
    return length > 0 ? std::string(text) : std::string();
}

}  // namespace imaging
