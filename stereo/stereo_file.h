// From the JPEG bytes of a left and a right picture to a stereo view: both
// decoded at once, and the view written as a new JPEG file.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "alignment.h"
#include "problem.h"
#include "imaging/jpeg_decoder.h"
#include "stereo_view.h"

namespace stereo {

struct DecodedPair {
    imaging::DecodedJpeg left, right;
};

// Decodes both pictures at once at the scale `shownSize` asks for.
DecodedPair decodePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                       const std::function<imaging::PixelSize(imaging::PixelSize)> &shownSize);

// The view `options` asks for, at full resolution (a wiggle: its left
// picture). Empty when made, else why the pictures are no pair.
Problem composeFullSize(std::span<const unsigned char> left, std::span<const unsigned char> right,
                            const Options &options, imaging::RgbPicture &view, std::vector<unsigned char> *leftExif = nullptr);

// Writes the view `options` asks for, at full resolution, to the new file
// `path` (never replacing one), with the left picture's Exif and an sRGB
// profile. `progress` hears the per cent done. Empty when written, else
// why nothing was.
Problem writeStereoView(std::span<const unsigned char> left, std::span<const unsigned char> right,
                            const Options &options, int quality, const std::string &path,
                            const std::function<void(int)> &progress = {});

// The alignment of the pair, estimated from both pictures decoded at the
// analysis size (the same estimate whatever a pair is shown at).
Alignment estimatePairAlignment(std::span<const unsigned char> left, std::span<const unsigned char> right);

// Both pictures of a pair at full size, the right one placed as `options`
// place it (moved, corrected, swapped; the view itself is not used), both
// cropped alike to what they both cover, each with its Exif.
struct PlacedPair {
    imaging::RgbPicture pictures[2];  // left, right
    std::vector<unsigned char> exif[2];
};
// Empty when placed, else why the pictures are no pair. The pictures
// are decoded at the smallest scale that covers `shownSize(full size)` (by
// default their full size); `options` are for the full size.
Problem placePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                      const Options &options, PlacedPair &placed,
                      const std::function<imaging::PixelSize(imaging::PixelSize)> &shownSize = {});

// Writes two JPEG pictures, left first, as the new MPO file `path` of a
// disparity pair (never replacing one). Empty when written, else why not.
// `writeError`, when given, gets the errno of a failed write (EEXIST when
// the name is taken).
Problem writePair(const std::vector<unsigned char> (&jpegs)[2], const std::string &path,
                      int *writeError = nullptr);

// How an adjusted pair is written: an MPO file of two JPEG pictures, or one
// picture with both side by side, crossed (the right eye's picture on the
// left), as a JPEG (JPS) or a PNG (PNS) file.
enum class PairFormat { Mpo, Jps, Pns };
// The format a file name asks for by its extension (.jps, .pns; else MPO).
PairFormat pairFormatOf(const std::string &path);

// Writes the pair adjusted as `options` ask (aligned, window, colours,
// level, crop; the view itself is not used), at full size, as the new file
// `path` (never replacing one): an MPO file of a disparity pair, both
// pictures encoded anew, each with its own Exif, upright; or a JPS or PNS
// file. Empty when written, else why nothing was.
Problem writeAdjustedPair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                              const Options &options, int quality, const std::string &path,
                              PairFormat format = PairFormat::Mpo);

}  // namespace stereo
