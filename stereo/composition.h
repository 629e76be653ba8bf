// Puts a left and a right picture together in one of the stereo views.
#pragma once

#include "imaging/picture.h"
#include "stereo_view.h"

namespace stereo {

// The picture `options` asks for, made from two pictures of the same size,
// cropped to what both cover after the offsets. `wiggleFrame` picks the
// picture a wiggle shows (0 left, 1 right). Returns false, and leaves `out`
// as it was, when the pictures are empty or differ in size.
bool compose(const imaging::RgbPicture &left, const imaging::RgbPicture &right, const Options &options,
             imaging::RgbPicture &out, int wiggleFrame = 0);

// The size compose() makes for two pictures of size `picture`.
imaging::PixelSize composedSize(imaging::PixelSize picture, const Options &options);

}  // namespace stereo
