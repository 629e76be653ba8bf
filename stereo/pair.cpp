#include "pair.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

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

Problem pairProblem(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right)
{
    switch (pairFault(left, right)) {
    case PairFault::None: break;
    case PairFault::OutOfMemory: return {"PairOutOfMemory", "not enough memory to decode the pictures of the pair", {}};
    case PairFault::TooLarge: {
        const imaging::PixelSize size = left.tooLarge ? left.fullSize : right.fullSize;
        const std::string width = std::to_string(size.width), height = std::to_string(size.height);
        const std::string millions = std::to_string(imaging::largestPicturePixels / 1000000);
        return {"PairTooLarge",
                "a picture of the pair is too large: " + width + " x " + height + " pixels (at most " + millions +
                    " million are decoded)",
                {width, height, millions}};
    }
    case PairFault::NotDecoded: return {"PairNotDecoded", "a picture of the pair cannot be decoded", {}};
    case PairFault::SizesDiffer: return {"PairSizesDiffer", "the pictures of the pair differ in size", {}};
    case PairFault::Grayscale: return {"PairGrayscale", "the pictures of the pair are grayscale", {}};
    }
    return {};
}

Problem cannotWrite(const std::string &path, int error)
{
    if (error == EEXIST)
        return {"WriteNameTaken", path + " exists, and an existing file is never replaced", {path}};
    return {"WriteFailed", "cannot write " + path + ": " + std::strerror(error), {path, std::strerror(error)}};
}

}  // namespace stereo
