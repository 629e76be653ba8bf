// Which two pictures of a file form the stereo pair on show, and whether two
// decoded pictures can make one.
#pragma once

#include <string>
#include <vector>

#include "imaging/jpeg_decoder.h"

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
// The same in words: an id a translation is found by, the English text,
// and the numbers the text holds, which a translation takes as %1, %2, %3.
struct PairProblem {
    const char *id = "";
    std::string text;  // "" when they are a pair
    std::vector<long long> numbers;
};
PairProblem describePairFault(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right);
// The English text alone ("" when they are a pair).
std::string pairProblem(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right);

}  // namespace stereo
