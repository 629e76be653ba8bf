// Stereo pairs for the Nintendo 3DS, which shows only MPO files made the
// way its own camera makes them (as its camera's files show: two 640 x 480
// baseline JPEG pictures with 4:2:2 colour, each with a big-endian Exif
// block naming Make "Nintendo" and Model "Nintendo 3DS" and a 160 x 120
// thumbnail, then an MP segment of its own, typed as a disparity pair) and
// named as its camera names them: HNI_0001.MPO to HNI_9999.MPO in a folder
// such as DCIM/100NIN03, one count shared with its flat HNI_NNNN.JPG files.
#pragma once

#include <span>
#include <string>

#include "problem.h"
#include "stereo_view.h"

namespace stereo {

inline constexpr imaging::PixelSize consoleSize{640, 480};

// Writes the pair as the new 3DS file `path` (never replacing one): both
// pictures composed as `options` place them (aligned, moved, swapped; the
// view itself is not used), cropped alike to 4:3 about their centre, scaled
// to 640 x 480 and encoded anew, with `dateTaken` ("2014:03:02 13:30:00",
// none when empty) in their Exif. Empty when written, else why not.
Problem writeConsolePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                             const Options &options, int quality, const std::string &dateTaken,
                             const std::string &path);

// Writes the pair into `folder` under the console's next free name
// (numbered on after the highest HNI_NNNN.MPO or .JPG there); `written`
// gets the path. Empty when written, else why not.
Problem writeConsolePairInto(std::span<const unsigned char> left, std::span<const unsigned char> right,
                                 const Options &options, int quality, const std::string &dateTaken,
                                 const std::string &folder, std::string &written);

// The date the left picture of a pair was taken, from its Exif, else the
// time the file at `path` was last changed, as Exif writes a date.
std::string dateTakenOf(std::span<const unsigned char> left, const std::string &path);

}  // namespace stereo
