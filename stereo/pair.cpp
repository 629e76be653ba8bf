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

std::string pairProblem(const imaging::DecodedJpeg &left, const imaging::DecodedJpeg &right)
{
    for (const imaging::DecodedJpeg *picture : {&left, &right})
        if (picture->outOfMemory)
            return "not enough memory to decode the pictures of the pair";
    for (const imaging::DecodedJpeg *picture : {&left, &right})
        if (picture->tooLarge)
            return "a picture of the pair is too large: " + std::to_string(picture->fullSize.width) + " x " +
                   std::to_string(picture->fullSize.height) + " pixels (at most " +
                   std::to_string(imaging::largestPicturePixels / 1000000) + " million are decoded)";
    if (!left.decoded || !right.decoded || left.picture.pixels.empty() || right.picture.pixels.empty())
        return "a picture of the pair cannot be decoded";
    if (left.fullSize != right.fullSize)
        return "the pictures of the pair differ in size";
    if (left.grayscale || right.grayscale)
        return "the pictures of the pair are grayscale";
    return "";
}

}  // namespace stereo
