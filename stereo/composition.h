// Puts a left and a right picture together in one of the stereo views.
#pragma once

#include "imaging/picture.h"
#include "stereo_view.h"

namespace stereo {

// The picture `options` asks for, made from two pictures of the same size,
// cropped to what both cover after the offsets and the corrections, and
// to the crop's part and shape. `wiggleFrame` picks the
// picture a wiggle shows (0 left, 1 right). Returns false, and leaves `out`
// as it was, when the pictures are empty or differ in size.
bool compose(const imaging::RgbPicture &left, const imaging::RgbPicture &right, const Options &options,
             imaging::RgbPicture &out, int wiggleFrame = 0);

// The part of each picture that compose() shows: what both cover after the
// offsets and the corrections, cropped as `options` ask.
Overlap shownPart(imaging::PixelSize picture, const Options &options);

// The size compose() makes for two pictures of size `picture`.
imaging::PixelSize composedSize(imaging::PixelSize picture, const Options &options);

// The composed `view` of kind `kind` scaled, undistorted, into a frame of
// `frame` with black bars; a half view's halves each into their half, so
// that a 3D TV that stretches each half shows both pictures in place.
imaging::RgbPicture letterboxed(const imaging::RgbPicture &view, View kind, imaging::PixelSize frame);

}  // namespace stereo
