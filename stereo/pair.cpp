#include "pair.h"

#include <algorithm>

namespace stereo {

PairNumbers pairFor(int shown, int count)
{
    if (count < 2)
        return {};
    const int left = std::clamp(shown, 1, count - 1);
    return {left, left + 1};
}

PairFault pairFault(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right)
{
    if (left.outOfMemory || right.outOfMemory)
        return PairFault::OutOfMemory;
    if (left.tooLarge || right.tooLarge)
        return PairFault::TooLarge;
    if (!left.decoded || !right.decoded || left.picture.pixels.empty() || right.picture.pixels.empty())
        return PairFault::NotDecoded;
    if (left.fullSize != right.fullSize)
        return PairFault::SizesDiffer;
    if (left.grayscale || right.grayscale)
        return PairFault::Grayscale;
    return PairFault::None;
}

PairProblem describePairFault(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right)
{
    switch (pairFault(left, right)) {
    case PairFault::None: break;
    case PairFault::OutOfMemory: return {"PairOutOfMemory", "not enough memory to decode the pictures of the pair", {}};
    case PairFault::TooLarge: {
        const imaging::PixelSize size = left.tooLarge ? left.fullSize : right.fullSize;
        const long long millions = imaging::largestPicturePixels / 1000000;
        return {"PairTooLarge",
                "a picture of the pair is too large: " + std::to_string(size.width) + " x " +
                    std::to_string(size.height) + " pixels (at most " + std::to_string(millions) +
                    " million are decoded)",
                {size.width, size.height, millions}};
    }
    case PairFault::NotDecoded: return {"PairNotDecoded", "a picture of the pair cannot be decoded", {}};
    case PairFault::SizesDiffer: return {"PairSizesDiffer", "the pictures of the pair differ in size", {}};
    case PairFault::Grayscale: return {"PairGrayscale", "the pictures of the pair are grayscale", {}};
    }
    return {};
}

std::string pairProblem(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right)
{
    return describePairFault(left, right).text;
}

}  // namespace stereo
