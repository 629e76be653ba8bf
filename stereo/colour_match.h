// Matching the colours of the two pictures of a pair: two cameras, or one
// camera twice, rarely agree in brightness and tint, and a stereo view of
// pictures that differ pulses (wiggle) or rivals (anaglyph). From points
// that both pictures show, a tone curve is fitted for each channel, and each
// picture is moved halfway towards the other, so that neither eye's picture
// is taken as the right one.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/picture.h"

namespace stereo {

// A table for each channel (red, green, blue) from a value to its new value.
using ToneCurves = std::array<std::array<std::uint8_t, 256>, 3>;

struct ColourMatch {
    bool found = false;
    ToneCurves curves[2];  // left, right
    // How the right picture differed from the left where both show the same:
    // its brightness (0.06: 6 % brighter) and its warmth (red over blue,
    // 0.03: 3 % warmer).
    double brighter = 0, warmer = 0;
};

// Fits the curves from the mean colours of blocks all over `left` and of
// the blocks of `right` that show the same: `right` is corrected, so that
// its rows are the left one's, and a block's columns differ by a disparity
// from `nearest` to `farthest` (right minus left, in pixels). A robust fit:
// blocks that disagree (occlusions, mismatches) and clipped highlights do
// not pull it. Not found when too few blocks are usable.
ColourMatch matchColours(const imaging::RgbPicture &left, const imaging::RgbPicture &right, int nearest,
                         int farthest);

// Each pixel of `picture` through the curves.
void applyCurves(imaging::RgbPicture &picture, const ToneCurves &curves);

// What the match does, in words: "colors matched: the right picture was
// 6 % brighter and warmer".
std::string describeColours(const ColourMatch &match);

}  // namespace stereo
