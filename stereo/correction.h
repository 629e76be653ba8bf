// The correction of a right picture that an alignment asks for (turned and
// scaled about its centre, moved up or down by a fraction of a pixel or
// more, a keystone straightened) and the turn of both pictures that makes a
// horizon level, resampled bilinearly into a picture of the same size.
#pragma once

#include "colour_match.h"
#include "imaging/picture.h"
#include "stereo_view.h"

namespace stereo {

enum class Side { Left, Right };

// Whether `options` move the pixels of that side's picture.
bool correctsSide(const Options &options, Side side);

// Columns and rows on each side that the corrections leave uncovered in
// either picture.
struct Inset {
    int x = 0, y = 0;
};
Inset uncoveredBy(imaging::PixelSize picture, const Options &options);

// `to` gets `from`, the picture of `side`, corrected as `options` ask.
void correctPicture(const imaging::RgbPicture &from, const Options &options, imaging::RgbPicture &to,
                    Side side = Side::Right);

// `to` gets the part of size `size` from column `x0`, row `y0` of `from`
// corrected, each pixel then through `curves` when given.
void correctPart(const imaging::RgbPicture &from, const Options &options, Side side, int x0, int y0,
                 imaging::PixelSize size, const ToneCurves *curves, imaging::RgbPicture &to);

}  // namespace stereo
