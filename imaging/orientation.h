// The Exif orientation: how a camera held upright or upside down recorded
// its picture, and how to turn the pixels so that they show upright.
#pragma once

#include <cstddef>

#include "picture.h"

namespace imaging {

// The Exif Orientation tag (1 to 8) of an APP1 Exif payload ("Exif\0\0" and
// the TIFF data behind it), read with Exiv2; 1 (as stored) when the block
// is no Exif, is damaged or has no valid orientation.
int exifOrientation(const unsigned char *app1Payload, std::size_t size);

// Whether the orientation turns the picture by a quarter, swapping its
// width and height.
inline bool swapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

// The picture as it shows upright under `orientation`.
RgbPicture applyOrientation(const RgbPicture &stored, int orientation);

}  // namespace imaging
