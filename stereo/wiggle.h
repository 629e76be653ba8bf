// Wiggle animations: the pictures of a pair, or of a multi-angle series
// there and back, shown in turn as a looping GIF or WebP animation.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "imaging/picture.h"
#include "problem.h"
#include "stereo_view.h"

namespace stereo {

enum class WiggleFormat { Gif, Webp };
// The format a file name asks for by its extension (.webp; else GIF).
WiggleFormat wiggleFormatOf(const std::string &path);

// The long side of an animation unless a frame is asked for; smaller
// pictures keep their size.
inline constexpr int wiggleLongSide = 1080;

struct WiggleSettings {
    double rate = 7;  // frames a second
    imaging::PixelSize fit;  // exactly this size, with black bars; none: wiggleLongSide
    WiggleFormat format = WiggleFormat::Gif;
};

// The frames of the animation of `pictures` (JPEG bytes, the first the
// left one): the first, then each picture placed against the first as
// `adjustments[k - 1]` places picture k (aligned, colors matched, cropped,
// the stereo window the point that stays still), then back from the last
// but one to the second. Empty when made, else why the pictures are no
// pair.
Problem wiggleFrames(const std::vector<std::span<const unsigned char>> &pictures,
                     const std::vector<Options> &adjustments, imaging::PixelSize fit,
                     std::vector<imaging::RgbPicture> &frames);

// Writes the animation of `pictures` to the new file `path` (never
// replacing one). Empty when written, else why nothing was.
Problem writeWiggle(const std::vector<std::span<const unsigned char>> &pictures,
                    const std::vector<Options> &adjustments, const WiggleSettings &settings,
                    const std::string &path);

}  // namespace stereo
