// Which two pictures of a file form the stereo pair on show, and whether two
// decoded pictures can make one.
#pragma once

#include <string>
#include <vector>

#include "imaging/jpeg_decoder.h"
#include "problem.h"

namespace stereo {

struct PairNumbers {
    int left = 0, right = 0;  // picture numbers from 1; 0 when the file holds no pair
};

// In a two-picture file, pictures 1 and 2 (disparity images are numbered
// from left to right); in a longer series, the shown picture and the next,
// or the last two when the last is shown.
PairNumbers pairFor(int shown, int count);

// Why two decoded pictures cannot be shown as a pair.
enum class PairFault { None, OutOfMemory, TooLarge, NotDecoded, SizesDiffer, Grayscale };
PairFault pairFault(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right);
// The same in words; empty when they can.
Problem pairProblem(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right);

}  // namespace stereo
