// The Exif orientation: how a camera held upright or upside down recorded
// its picture, and how to turn the pixels so that they show upright.
#pragma once

#include "picture.h"

namespace imaging {

// Whether the orientation turns the picture by a quarter, swapping its
// width and height.
inline bool swapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

// The picture as it shows upright under `orientation`.
RgbPicture applyOrientation(const RgbPicture &stored, int orientation);

}  // namespace imaging
