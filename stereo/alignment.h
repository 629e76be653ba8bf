// Automatic alignment of a stereo pair: how the right picture must be moved
// up or down, turned, scaled and, for toed-in cameras, straightened (a
// keystone) to lie on the left one row for row, and where the stereo window
// lies. Found from matched features of both pictures, placed to a fraction
// of a pixel, by a robust fit of the rows alone: the columns differ with the
// depth of each point, the rows do not.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "colour_match.h"
#include "engine/mpo.h"
#include "imaging/picture.h"
#include "stereo_view.h"

namespace stereo {

// Why nothing is applied, when an estimate is unsure.
enum class Doubt {
    None,
    SizesDiffer,
    TooFewMatches,
    TooSmall,       // a picture too small to hold points that can be matched
    NotDecoded,     // a picture of the pair cannot be decoded
    Grayscale,      // the pictures hold gray only
    OutOfMemory,    // the estimate ran out of memory
    FeatureFailure, // the feature library refused the pictures
    TooLarge        // a picture declares more pixels than any program decodes
};
// The reason in words, as the command line says it, and the id a
// translation is found by ("" for None).
MPOText doubtText(Doubt doubt);
// Whether the estimate failed (memory ran out, the feature library refused)
// rather than found the pictures unlike: the command line then writes nothing.
bool estimateFailed(Doubt doubt);
// Whether the doubt is that the two pictures are no pair at all (sizes,
// decoding, gray, too large), which every use of them meets, not the estimate.
bool isPairFault(Doubt doubt);

struct Alignment {
    bool sure = false;
    Doubt doubt = Doubt::None;  // why nothing should be applied, when not sure
    // The correction of the right picture, in pixels of the full-size
    // pictures, as `Options` takes it: turned by `degrees` (clockwise as
    // seen, rows counting downwards) and scaled by `scale` about its centre,
    // moved `dy` down, then the keystone.
    double dy = 0;
    double degrees = 0;
    double scale = 1;
    double keystoneX = 0, keystoneY = 0;
    // After the correction: the horizontal move of the right picture that
    // puts the nearest matched points at the screen plane, and the spread of
    // the horizontal disparities (near to far), in full-size pixels.
    double windowDx = 0;
    double disparityRange = 0;
    bool exceedsDepthBudget = false;  // the spread is over 1/30 of the width
    int inliers = 0;                  // matched points the fit agrees with
    imaging::PixelSize fullSize;      // of the pictures estimated
    // The points the fit agrees with, where they lie in the left picture
    // and their horizontal disparity once corrected, in full-size pixels:
    // the depths a stereo window can be chosen from.
    struct DepthPoint {
        float x, y, disparity;
    };
    std::vector<DepthPoint> depths;
    // The colours of the two pictures, matched where both show the same.
    ColourMatch colours;

    // Whether the pictures need the correction (a sure estimate always
    // places the stereo window).
    bool needed() const;
    // The largest row move the keystone makes at a corner, in full-size pixels.
    double keystoneRows() const;
};

// Limits of a plausible pair: a fit beyond them explains no stereo pair.
inline constexpr double largestDegrees = 5.0, largestScaleChange = 0.10, largestKeystone = 0.05;
inline constexpr int fewestInliers = 12;

// The size pictures are decoded at for an estimate, whatever they are shown
// at: up to 1600 pixels wide their full size, else about 1000 pixels across.
imaging::PixelSize analysisSize(imaging::PixelSize full);

// Estimates the alignment of `right` onto `left`, decoded at the same
// reduced scale from pictures of `fullSize`.
Alignment estimateAlignment(const imaging::RgbPicture &left, const imaging::RgbPicture &right,
                            imaging::PixelSize fullSize);

// Where the stereo window goes: at the nearest points (the default), at a
// point of the left picture, or where the camera showed the pair.
enum class WindowRule { Nearest, AtPoint, AsCamera };

// What is done with an alignment beyond its correction.
struct Choices {
    bool matchColours = false;
    WindowRule window = WindowRule::Nearest;
    double pointX = 0, pointY = 0;      // for AtPoint, in full-size pixels of the left picture
    std::optional<double> cameraWindow;  // for AsCamera: the move the camera recorded
};

// What an estimate does, in words, as the command line says it: "aligned:
// 3 px up, 0.4° turned; the nearest points at the screen (the right picture
// 12 px left)", or "not aligned: " and why.
std::string describeAlignment(const Alignment &alignment, const Choices &choices = {});

// The move of the right picture that puts the window where `choices` ask
// (the nearest points when the rule has nothing to go by).
double windowMove(const Alignment &alignment, const Choices &choices);

// `options` with a sure alignment added: the stereo window's move (to the
// hand offsets) always, the correction where one is needed, the colours
// when asked. An unsure estimate leaves them as they are, but for a window
// the camera recorded, which needs no estimate.
Options withAlignment(Options options, const Alignment &alignment, const Choices &choices = {});

// The version of OpenCV, which finds and matches the points.
const char *featureLibraryVersion();

}  // namespace stereo
