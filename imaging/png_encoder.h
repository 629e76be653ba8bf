// Encodes pictures as PNG with libpng's simplified interface: 8-bit RGB,
// lossless.
#pragma once

#include <vector>

#include "picture.h"

namespace imaging {

// `png` gets the picture's PNG bytes; false when it cannot be encoded.
// `fast` trades size for time (zlib's fastest settings), as thumbnails do.
bool encodePng(const RgbPicture &picture, std::vector<unsigned char> &png, bool fast = false);

}  // namespace imaging
