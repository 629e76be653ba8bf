// From the JPEG bytes of a left and a right picture to a stereo view: both
// decoded at once on two threads, and the view written as a new JPEG file.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "jpeg_decoder.h"
#include "stereo_view.h"

namespace stereo {

struct DecodedPair {
    imaging::DecodedJpeg left, right;
};

// Decodes both pictures at the scale `shownSize` asks for, the right one on
// a second thread.
DecodedPair decodePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                       const std::function<imaging::PixelSize(imaging::PixelSize)> &shownSize);

// Writes the view `options` asks for, at full resolution, to the new file
// `path` (never replacing one), with the left picture's Exif and an sRGB
// profile. `progress` hears the per cent done. Returns "" when written, else
// why nothing was.
std::string writeStereoView(std::span<const unsigned char> left, std::span<const unsigned char> right,
                            const Options &options, int quality, const std::string &path,
                            const std::function<void(int)> &progress = {});

}  // namespace stereo
