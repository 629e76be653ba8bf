// Automatic alignment of a stereo pair: how the right picture must be moved
// up or down, turned and scaled about its centre to lie on the left one row
// for row, and where the stereo window lies. Found from matched features of
// both pictures (ORB, with a robust similarity fit, then refined on the rows
// alone, as the columns differ by the depth of each point).
#pragma once

#include "picture.h"
#include "stereo_view.h"

namespace stereo {

// Why an estimate is unsure, when it is.
enum class Doubt { None, SizesDiffer, TooFewMatches, FitDisagrees, TurnTooLarge, ScaleTooFar };
// The reason in words, as the command line says it ("too few matching points").
const char *doubtText(Doubt doubt);

struct Alignment {
    bool sure = false;
    Doubt doubt = Doubt::None;  // why nothing should be applied, when not sure
    // The correction of the right picture, in pixels of the full-size
    // pictures: turned by `degrees` (clockwise as seen, rows counting
    // downwards) and scaled by `scale` about its centre, then moved `dy` down.
    double dy = 0;
    double degrees = 0;
    double scale = 1;
    // After the correction: the horizontal move of the right picture that
    // puts the nearest matched points at the screen plane, and the spread of
    // the horizontal disparities (near to far), in full-size pixels.
    double windowDx = 0;
    double disparityRange = 0;
    bool exceedsDepthBudget = false;  // the spread is over 1/30 of the width
    int inliers = 0;                  // matched points the fit agrees with

    // Whether the correction changes the pictures at all.
    bool needed() const;
};

// Limits beyond which an estimate is taken as unsure.
inline constexpr double largestDegrees = 5.0, largestScaleChange = 0.10;
inline constexpr int fewestInliers = 12;

// Estimates the alignment of `right` onto `left`, decoded at the same
// reduced scale from pictures of `fullSize`.
Alignment estimateAlignment(const imaging::RgbPicture &left, const imaging::RgbPicture &right,
                            imaging::PixelSize fullSize);

// `options` with the alignment added (the correction and the stereo window's
// move) where a correction is needed; a pair that is aligned already, or an
// unsure estimate, leaves them as they are.
Options withAlignment(Options options, const Alignment &alignment);

}  // namespace stereo
