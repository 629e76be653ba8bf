// The correction of a right picture that an alignment asks for: turned and
// scaled about its centre and moved up or down by a fraction of a pixel or
// more, resampled bilinearly into a picture of the same size.
#pragma once

#include "imaging/picture.h"
#include "stereo_view.h"

namespace stereo {

// Columns and rows on each side that the correction leaves uncovered.
struct Inset {
    int x = 0, y = 0;
};
Inset uncoveredBy(imaging::PixelSize picture, const Options &options);

// `to` gets `from` corrected as `options` asks.
void correctPicture(const imaging::RgbPicture &from, const Options &options, imaging::RgbPicture &to);

}  // namespace stereo
