// Colour conversion into sRGB: pictures that carry an ICC profile (a
// wide-gamut RGB space, or a CMYK press profile) are shown as the profile
// says, and CMYK pictures without one by a plain conversion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picture.h"

namespace imaging {

// A conversion from a picture's embedded profile into sRGB, made with
// Little CMS. Holds no conversion (and costs nothing) for a missing,
// damaged or sRGB profile, or one whose colour space is not the picture's.
class ProfileConversion {
public:
    ProfileConversion(const std::vector<unsigned char> &iccProfile, bool cmykPicture, bool invertedCmyk);
    ~ProfileConversion();
    ProfileConversion(const ProfileConversion &) = delete;
    ProfileConversion &operator=(const ProfileConversion &) = delete;

    bool converts() const { return transform_ != nullptr; }
    // Converts one row of RGB pixels in place.
    void convertRgbRow(std::uint32_t *row, int width) const;
    // Converts one row of CMYK samples (four bytes a pixel) into pixels.
    void convertCmykRow(const unsigned char *cmyk, std::uint32_t *row, int width) const;

private:
    void *transform_ = nullptr;
};

// CMYK without a profile: each channel takes away its share of light. Adobe
// applications store the samples inverted (255 means no ink).
void plainCmykRow(const unsigned char *cmyk, std::uint32_t *row, int width, bool invertedCmyk);

// The description an ICC profile gives of itself ("Display P3"); empty for
// none or a damaged profile.
std::string profileDescription(const std::vector<unsigned char> &iccProfile);

}  // namespace imaging
