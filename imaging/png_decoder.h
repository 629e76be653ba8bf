// Decodes PNG pictures with libpng's simplified interface: any bit depth,
// palette or gray, with gamma applied, into sRGB pixels; transparency is
// shown over white, as on a page.
#pragma once

#include <cstddef>

#include "picture.h"

namespace imaging {

struct DecodedPng {
    enum class Failure { None, NotPng, TooLarge } failure = Failure::NotPng;  // why it was not decoded
    bool decoded() const { return failure == Failure::None; }
    RgbPicture picture;
};

// A picture larger than this many pixels is refused rather than held.
inline constexpr std::size_t largestPngPixels = largestPicturePixels;

DecodedPng decodePng(const unsigned char *png, std::size_t size);

}  // namespace imaging
