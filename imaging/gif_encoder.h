// Encodes a looping GIF animation with giflib.
#pragma once

#include <vector>

#include "picture.h"

namespace imaging {

// `gif` gets the frames, all of one size, as a GIF animation that loops for
// ever, each frame shown for `delayCentiseconds`. One palette of up to 256
// colors serves every frame: giflib's median cut picks it from all of
// them, and each frame is dithered onto it (Floyd-Steinberg), so that a sky
// shows no bands and the colors do not flicker from frame to frame. False
// when the frames cannot be encoded (none, sizes that differ, no memory).
bool encodeGifAnimation(const std::vector<RgbPicture> &frames, int delayCentiseconds, std::vector<unsigned char> &gif);

}  // namespace imaging
