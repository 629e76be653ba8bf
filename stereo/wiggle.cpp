#include "wiggle.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <strings.h>

#include "composition.h"
#include "engine/new_file.h"
#include "imaging/gif_encoder.h"
#include "imaging/resample.h"
#include "imaging/shown_size.h"
#include "imaging/webp_encoder.h"
#include "pair.h"
#include "stereo_file.h"

namespace stereo {

namespace {

// Lossy WebP at this quality is a fraction of the dithered GIF's size and
// shows no blocks at the animation's size.
constexpr float webpQuality = 80;

// Pictures are decoded at the smallest scale whose long side covers the
// animation's with room for a crop.
std::function<imaging::PixelSize(imaging::PixelSize)> decodeSizeFor(int longSide)
{
    const int covered = longSide + longSide / 4;
    return [covered](imaging::PixelSize full) { return imaging::fittedInLayout(full, 1, 1, {covered, covered}); };
}

// The animation's size for frames composed at `composed`.
imaging::PixelSize animationSize(imaging::PixelSize composed, imaging::PixelSize fit)
{
    if (fit.width > 0 && fit.height > 0)
        return fit;
    return imaging::fittedInLayout(composed, 1, 1, {wiggleLongSide, wiggleLongSide});
}

imaging::RgbPicture sized(imaging::RgbPicture frame, imaging::PixelSize size, imaging::PixelSize fit)
{
    if (fit.width > 0 && fit.height > 0)
        return letterboxed(frame, View::Wiggle, fit);
    return frame.size == size ? frame : imaging::resized(frame, size);
}

// The first picture and picture `other`, composed as a wiggle shows them;
// `withFirst` adds the first picture's frame before the other's.
Problem placeAgainstFirst(std::span<const unsigned char> first, std::span<const unsigned char> other,
                          const Options &adjustment, imaging::PixelSize fit, bool withFirst,
                          std::vector<imaging::RgbPicture> &frames, imaging::PixelSize &size)
{
    const int longSide = fit.width > 0 ? std::max(fit.width, fit.height) : wiggleLongSide;
    DecodedPair pair = decodePair(first, other, decodeSizeFor(longSide));
    if (Problem problem = pairProblem(pair.left, pair.right); !problem.empty())
        return problem;
    const double scale = double(pair.left.picture.size.width) / pair.left.fullSize.width;
    Options options = scale < 1 ? scaledOptions(adjustment, scale) : adjustment;
    options.view = View::Wiggle;
    options.fit = {};
    for (int frame = withFirst ? 0 : 1; frame < 2; ++frame) {
        imaging::RgbPicture composed;
        compose(pair.left.picture, pair.right.picture, options, composed, frame);
        if (size.width == 0)
            size = animationSize(composed.size, fit);
        frames.push_back(sized(std::move(composed), size, fit));
    }
    return {};
}

}  // namespace

WiggleFormat wiggleFormatOf(const std::string &path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    return strcasecmp(extension.c_str(), ".webp") == 0 ? WiggleFormat::Webp : WiggleFormat::Gif;
}

Problem wiggleFrames(const std::vector<std::span<const unsigned char>> &pictures,
                     const std::vector<Options> &adjustments, imaging::PixelSize fit,
                     std::vector<imaging::RgbPicture> &frames)
{
    std::vector<imaging::RgbPicture> forward;
    imaging::PixelSize size;
    for (std::size_t k = 1; k < pictures.size(); ++k) {
        const Options adjustment = k - 1 < adjustments.size() ? adjustments[k - 1] : Options{};
        if (Problem problem = placeAgainstFirst(pictures[0], pictures[k], adjustment, fit, k == 1, forward, size);
            !problem.empty())
            return problem;
    }
    if (forward.size() < 2)
        return {"WiggleNoPair", "an animation takes two pictures or more", {}};
    // There and back: the last but one down to the second, then the first again.
    forward.reserve(2 * forward.size() - 2);
    for (std::size_t i = forward.size() - 2; i >= 1; --i)
        forward.push_back(forward[i]);
    frames = std::move(forward);
    return {};
}

Problem writeWiggle(const std::vector<std::span<const unsigned char>> &pictures,
                    const std::vector<Options> &adjustments, const WiggleSettings &settings,
                    const std::string &path)
{
    std::vector<imaging::RgbPicture> frames;
    if (Problem problem = wiggleFrames(pictures, adjustments, settings.fit, frames); !problem.empty())
        return problem;
    const double rate = std::clamp(settings.rate, 0.5, 50.0);
    std::vector<unsigned char> bytes;
    const bool encoded =
        settings.format == WiggleFormat::Webp
            ? imaging::encodeWebpAnimation(frames, int(std::lround(1000 / rate)), webpQuality, bytes)
            // Browsers show frames shorter than 2 centiseconds for 10.
            : imaging::encodeGifAnimation(frames, std::max(2, int(std::lround(100 / rate))), bytes);
    if (!encoded)
        return {"EncodeWiggleNoMemory", "the animation cannot be encoded (not enough memory)", {}};
    frames.clear();
    if (const int error = writeNewFile(path, bytes.data(), bytes.size()); error != 0)
        return cannotWrite(path, error);
    return {};
}

}  // namespace stereo
