// The stereo window a camera chose: the Nintendo 3DS records in its maker
// note the parallax it showed a pair at, which its slider set.
#pragma once

#include <optional>
#include <span>

#include "imaging/picture.h"

namespace stereo {

// The horizontal move of the right picture (in pixels of pictures of
// `fullSize`; negative to the left) that shows the pair as its camera did,
// from the left picture's Exif; none when the picture records none.
std::optional<double> recordedWindow(std::span<const unsigned char> leftJpeg, imaging::PixelSize fullSize);

// The same from the left picture's Exif block (its APP1 payload).
std::optional<double> recordedWindowOf(std::span<const unsigned char> exif, imaging::PixelSize fullSize);

}  // namespace stereo
