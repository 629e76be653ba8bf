// Cutting and resizing pictures without Qt, for the pictures the programs
// write (the halves of a side-by-side file, a picture for a console).
#pragma once

#include "picture.h"

namespace imaging {

// The part of `picture` from column `x`, row `y`, of `size`; it must lie
// inside the picture.
RgbPicture cropped(const RgbPicture &picture, int x, int y, PixelSize size);

// `picture` resized to `size` with a triangle filter as wide as the scale
// asks: each pixel an average over the area it covers when shrinking, a
// linear blend when enlarging.
RgbPicture resized(const RgbPicture &picture, PixelSize size);

}  // namespace imaging
