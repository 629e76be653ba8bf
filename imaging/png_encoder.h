// Encodes pictures as PNG with libpng's simplified interface: 8-bit RGB,
// lossless.
#pragma once

#include <vector>

#include "picture.h"

namespace imaging {

// `png` gets the picture's PNG bytes; false when it cannot be encoded.
bool encodePng(const RgbPicture &picture, std::vector<unsigned char> &png);

}  // namespace imaging
