// Thumbnails of picture files, for file managers (mpothumbnail) and the
// viewer: the representative (left) picture of an MPO file, the left eye's
// picture of a JPS or PNS file, or a JPEG picture, upright and in sRGB, at
// most a given size on its long side. An embedded thumbnail (the picture's
// Exif one, or an MPO file's large thumbnail picture) is used where it is
// at least that size; else the picture is decoded at the smallest k/8
// scale that covers it.
#pragma once

#include <string>

#include "imaging/picture.h"
#include "problem.h"

namespace stereo {

// `thumbnail` gets the picture of `path` at most `size` pixels on its long
// side. Empty when made, else why not (in words that follow the name).
Problem makeThumbnail(const std::string &path, int size, imaging::RgbPicture &thumbnail);

}  // namespace stereo
