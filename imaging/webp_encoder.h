// Encodes a looping WebP animation with libwebp.
#pragma once

#include <vector>

#include "picture.h"

namespace imaging {

// `webp` gets the frames, all of one size, as a lossy WebP animation that
// loops for ever, each frame shown for `frameMilliseconds`, at `quality`
// (0 to 100). False when the frames cannot be encoded.
bool encodeWebpAnimation(const std::vector<RgbPicture> &frames, int frameMilliseconds, float quality,
                         std::vector<unsigned char> &webp);

}  // namespace imaging
