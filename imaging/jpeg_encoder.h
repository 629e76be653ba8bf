// Encodes pixels as a JPEG picture with libjpeg-turbo, for pictures this
// program makes (such as a stereo view) rather than copies.
#pragma once

#include <functional>
#include <vector>

#include "picture.h"

namespace imaging {

struct EncodeSettings {
    int quality = 90;                // 1 to 100
    std::vector<unsigned char> exif;  // an APP1 Exif payload to write first; none when empty
    // Full colour resolution by default (no chroma subsampling, so anaglyph
    // edges and interlaced rows keep their colours); half across for a
    // device whose own camera writes 4:2:2.
    bool halfWidthColour = false;
    bool srgbProfile = true;  // the pixels are sRGB; a device may want no profile
    std::vector<unsigned char> app3 = {};  // an APP3 payload (a JPS file's stereo descriptor); none when empty
};

// Encodes `picture` as `settings` say. `progress` hears (rows done, rows) as
// the rows go. Returns false when libjpeg fails (out of memory).
bool encodeJpeg(const RgbPicture &picture, const EncodeSettings &settings, std::vector<unsigned char> &jpeg,
                const std::function<void(int, int)> &progress = {});

// The sRGB profile that encodeJpeg embeds, made by Little CMS.
const std::vector<unsigned char> &srgbProfile();

}  // namespace imaging
