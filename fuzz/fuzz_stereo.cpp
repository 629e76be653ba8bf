// Fuzz entry point for the stereo side: the input is a pair of JPEG
// pictures (a 4-byte big-endian length, the left picture, then the right
// one). It is aligned, composed as a view, as the 3DS pair and as a wiggle
// of the two and of a series of three, and encoded;
// the writers aim at a folder that does not exist, so every step up to
// making the file runs and nothing is written. Pictures that declare more than a
// megapixel only meet the size checks, which keeps each run short under the
// sanitizers.
#include <cstdint>
#include <algorithm>
#include <span>

#include "imaging/jpeg_decoder.h"
#include "stereo/alignment.h"
#include "stereo/camera_parallax.h"
#include "stereo/console_pair.h"
#include "stereo/stereo_file.h"
#include "stereo/wiggle.h"

namespace {

constexpr std::uint64_t largestFuzzedPixels = 1 << 20;

std::uint64_t declaredPixels(std::span<const unsigned char> jpeg)
{
    const imaging::JpegHeader header = imaging::readJpegHeader(jpeg.data(), jpeg.size());
    return std::uint64_t(header.fullSize.width) * std::uint64_t(header.fullSize.height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    const std::size_t leftSize = std::size_t(data[0]) << 24 | std::size_t(data[1]) << 16 | std::size_t(data[2]) << 8 | data[3];
    if (leftSize > size - 4)
        return 0;
    const std::span<const unsigned char> left(data + 4, leftSize), right(data + 4 + leftSize, size - 4 - leftSize);
    const std::uint64_t pixels = std::max(declaredPixels(left), declaredPixels(right));
    if (pixels > largestFuzzedPixels && pixels <= imaging::largestPicturePixels)
        return 0;
    const stereo::Alignment alignment = stereo::estimatePairAlignment(left, right);
    // Everything a pair can be finished with: the colours, a window at a
    // point, the camera's window, a level turn, a crop.
    stereo::Choices choices;
    choices.matchColours = true;
    choices.window = stereo::WindowRule::AtPoint;
    choices.pointX = 10, choices.pointY = 10;
    choices.cameraWindow = stereo::recordedWindow(left, alignment.fullSize);
    stereo::describeAlignment(alignment, choices);
    stereo::Options finished;
    finished.view = stereo::View::RedCyanDubois;
    finished.level = 2.5, finished.crop = {16.0 / 9, 0.1, 0.2, 0.9, 0.8};
    const stereo::Options view = stereo::withAlignment(finished, alignment, choices);
    stereo::writeStereoView(left, right, view, 80, "/nonexistent-folder/view.jpg");
    stereo::writeConsolePair(left, right, view, 80, "2020:01:02 03:04:05", "/nonexistent-folder/view.jpg");
    stereo::writeWiggle({left, right}, {view}, {}, "/nonexistent-folder/wiggle.gif");
    stereo::writeWiggle({left, right, left}, {view, view}, {5, {64, 36}, stereo::WiggleFormat::Webp},
                        "/nonexistent-folder/wiggle.webp");
    return 0;
}
