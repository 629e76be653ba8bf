#include "stereo_file.h"

#include <cerrno>
#include <cstring>
#include <thread>

#include "composition.h"
#include "exif.h"
#include "jpeg_encoder.h"
#include "new_file.h"
#include "pair.h"

namespace stereo {

DecodedPair decodePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                       const std::function<imaging::PixelSize(imaging::PixelSize)> &shownSize)
{
    DecodedPair pair;
    std::thread second([&] { pair.right = imaging::decodeJpeg(right.data(), right.size(), shownSize); });
    pair.left = imaging::decodeJpeg(left.data(), left.size(), shownSize);
    second.join();
    return pair;
}

std::string writeStereoView(std::span<const unsigned char> left, std::span<const unsigned char> right,
                            const Options &options, int quality, const std::string &path,
                            const std::function<void(int)> &progress)
{
    const auto report = [&progress](int percent) {
        if (progress)
            progress(percent);
    };
    report(0);
    DecodedPair pair = decodePair(left, right, [](imaging::PixelSize full) { return full; });
    if (std::string problem = pairProblem(pair.left, pair.right); !problem.empty())
        return problem;
    report(40);
    imaging::RgbPicture view;
    compose(pair.left.picture, pair.right.picture, options, view);
    const imaging::EncodeSettings settings{quality, imaging::exifForNewPicture(pair.left.exif, view.size)};
    pair = {};  // the decoded pictures are no longer needed while encoding
    report(50);
    std::vector<unsigned char> jpeg;
    if (!imaging::encodeJpeg(view, settings, jpeg, [&](int rows, int total) { report(50 + 45 * rows / total); }))
        return "the view cannot be encoded (not enough memory)";
    view = {};
    if (const int error = writeNewFile(path, jpeg.data(), jpeg.size()); error != 0)
        return error == EEXIST ? path + " exists, and an existing file is never replaced"
                               : "cannot write " + path + ": " + std::strerror(error);
    report(100);
    return "";
}

}  // namespace stereo
