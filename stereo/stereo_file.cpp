#include "stereo_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <strings.h>
#include <unistd.h>

#include "composition.h"
#include "imaging/exif.h"
#include "imaging/jpeg_encoder.h"
#include "imaging/png_encoder.h"
#include "imaging/resample.h"
#include "engine/mpo_joiner.h"
#include "engine/new_file.h"
#include "pair.h"
#include "pair_layout.h"
#include "side_by_side.h"
#include "imaging/work_pool.h"

namespace stereo {

namespace {

// The descriptor a JPS file of `view` carries: players read the layout
// from it; a view that is no pair side by side or over/under gets none.
std::vector<unsigned char> jpsDescriptorFor(View view)
{
    switch (view) {
    case View::Cross: return jpsDescriptor({false, false});
    case View::Parallel: return jpsDescriptor({false, true});
    case View::OverUnder: return jpsDescriptor({true, true});
    case View::HalfParallel: return jpsDescriptor({false, true, true});
    case View::HalfOverUnder: return jpsDescriptor({true, true, true});
    default: return {};
    }
}

// A picture that declares more pixels than any program decodes is refused
// from its header, whatever size it is asked at: even at an eighth of its
// size it would take hundreds of megabytes and seconds.
bool declaresTooMany(std::span<const unsigned char> jpeg, imaging::DecodedJpeg &refused)
{
    const imaging::JpegHeader header = imaging::readJpegHeader(jpeg.data(), jpeg.size());
    if (std::uint64_t(header.fullSize.width) * std::uint64_t(header.fullSize.height) <= imaging::largestPicturePixels)
        return false;
    refused.fullSize = header.fullSize;
    refused.tooLarge = true;
    return true;
}

// Why a pair that is none cannot be aligned.
Doubt doubtOf(PairFault fault)
{
    switch (fault) {
    case PairFault::None: break;
    case PairFault::OutOfMemory: return Doubt::OutOfMemory;
    case PairFault::TooLarge: return Doubt::TooLarge;
    case PairFault::NotDecoded: return Doubt::NotDecoded;
    case PairFault::SizesDiffer: return Doubt::SizesDiffer;
    case PairFault::Grayscale: return Doubt::Grayscale;
    }
    return Doubt::None;
}

}  // namespace

DecodedPair decodePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                       const std::function<imaging::PixelSize(imaging::PixelSize)> &shownSize)
{
    DecodedPair pair;
    if (declaresTooMany(left, pair.left) || declaresTooMany(right, pair.right))
        return pair;
    imaging::WorkPool::shared().runAll({[&] { pair.left = imaging::decodeJpeg(left.data(), left.size(), shownSize); },
                                        [&] { pair.right = imaging::decodeJpeg(right.data(), right.size(), shownSize); }});
    return pair;
}

Problem composeFullSize(std::span<const unsigned char> left, std::span<const unsigned char> right,
                            const Options &options, imaging::RgbPicture &view, std::vector<unsigned char> *leftExif)
{
    DecodedPair pair = decodePair(left, right, [](imaging::PixelSize full) { return full; });
    if (Problem problem = pairProblem(pair.left, pair.right); !problem.empty())
        return problem;
    compose(pair.left.picture, pair.right.picture, options, view);
    if (options.fit.width > 0 && options.fit.height > 0)
        view = letterboxed(view, options.view, options.fit);
    if (leftExif != nullptr)
        *leftExif = std::move(pair.left.exif);
    return {};
}

Problem writeStereoView(std::span<const unsigned char> left, std::span<const unsigned char> right,
                            const Options &options, int quality, const std::string &path,
                            const std::function<void(int)> &progress)
{
    const auto report = [&progress](int percent) {
        if (progress)
            progress(percent);
    };
    report(0);
    imaging::RgbPicture view;
    std::vector<unsigned char> exif;
    if (Problem problem = composeFullSize(left, right, options, view, &exif); !problem.empty())
        return problem;
    imaging::EncodeSettings settings{quality, imaging::exifForNewPicture(exif, view.size)};
    if (sideBySideKindOf(path) == SideBySideKind::Jps)
        settings.app3 = jpsDescriptorFor(options.view);
    report(50);
    std::vector<unsigned char> jpeg;
    if (!imaging::encodeJpeg(view, settings, jpeg, [&](int rows, int total) { report(50 + 45 * rows / total); }))
        return {"EncodeViewNoMemory", "the view cannot be encoded (not enough memory)", {}};
    view = {};
    if (const int error = writeNewFile(path, jpeg.data(), jpeg.size()); error != 0)
        return cannotWrite(path, error);
    report(100);
    return {};
}

Alignment estimatePairAlignment(std::span<const unsigned char> left, std::span<const unsigned char> right)
{
    Alignment unsure;
    try {
        const DecodedPair pair = decodePair(left, right, analysisSize);
        if (const PairFault fault = pairFault(pair.left, pair.right); fault != PairFault::None) {
            unsure.doubt = doubtOf(fault);
            return unsure;
        }
        return estimateAlignment(pair.left.picture, pair.right.picture, pair.left.fullSize);
    } catch (const std::bad_alloc &) {
        unsure.doubt = Doubt::OutOfMemory;
        return unsure;
    }
}

Problem placePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                      const Options &options, PlacedPair &placed,
                      const std::function<imaging::PixelSize(imaging::PixelSize)> &shownSize)
{
    DecodedPair pair = decodePair(left, right, shownSize ? shownSize : [](imaging::PixelSize full) { return full; });
    if (Problem problem = pairProblem(pair.left, pair.right); !problem.empty())
        return problem;
    // Side by side, both pictures are cropped alike; the halves are the placed pair.
    const double scale = double(pair.left.picture.size.width) / pair.left.fullSize.width;
    Options sideBySide = scale < 1 ? scaledOptions(options, scale) : options;
    sideBySide.view = View::Parallel;
    imaging::RgbPicture both;
    compose(pair.left.picture, pair.right.picture, sideBySide, both);
    placed.exif[0] = std::move(pair.left.exif);
    placed.exif[1] = std::move(pair.right.exif);
    pair = {};  // the decoded pictures are no longer needed
    const int width = both.size.width / 2;
    for (int side = 0; side < 2; ++side)
        placed.pictures[side] = imaging::cropped(both, side * width, 0, {width, both.size.height});
    return {};
}

Problem writePair(const std::vector<unsigned char> (&jpegs)[2], const std::string &path, int *writeError)
{
    MPOJoinProblem problem;
    const int result = joinMPO({std::span<const unsigned char>(jpegs[0]), std::span<const unsigned char>(jpegs[1])},
                               path, {MP_TYPE_DISPARITY, false, false}, problem);
    if (writeError != nullptr)
        *writeError = problem.writeError;
    if (result == MPO_JOIN_DONE)
        return {};
    if (problem.writeError != 0)
        return cannotWrite(path, problem.writeError);
    return {"JoinRefused", problem.reason, {problem.reason}};
}

PairFormat pairFormatOf(const std::string &path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    if (strcasecmp(extension.c_str(), ".jps") == 0)
        return PairFormat::Jps;
    if (strcasecmp(extension.c_str(), ".pns") == 0)
        return PairFormat::Pns;
    return PairFormat::Mpo;
}

namespace {

Problem writeCrossedPng(std::span<const unsigned char> left, std::span<const unsigned char> right,
                            const Options &options, const std::string &path)
{
    imaging::RgbPicture view;
    if (Problem problem = composeFullSize(left, right, options, view); !problem.empty())
        return problem;
    std::vector<unsigned char> png;
    if (!imaging::encodePng(view, png))
        return {"EncodePairNoMemory", "the pair cannot be encoded (not enough memory)", {}};
    markCrossed(png);
    if (const int error = writeNewFile(path, png.data(), png.size()); error != 0)
        return cannotWrite(path, error);
    return {};
}

}  // namespace

Problem writeAdjustedPair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                              const Options &options, int quality, const std::string &path, PairFormat format)
{
    if (format != PairFormat::Mpo) {
        Options crossed = options;
        crossed.view = View::Cross;
        return format == PairFormat::Jps ? writeStereoView(left, right, crossed, quality, path)
                                         : writeCrossedPng(left, right, crossed, path);
    }
    PlacedPair placed;
    if (Problem problem = placePair(left, right, options, placed); !problem.empty())
        return problem;
    std::vector<unsigned char> jpegs[2];
    for (int side = 0; side < 2; ++side) {
        const imaging::RgbPicture &picture = placed.pictures[side];
        if (!imaging::encodeJpeg(picture, {quality, imaging::exifForNewPicture(placed.exif[side], picture.size)},
                                 jpegs[side]))
            return {"EncodePicturesNoMemory", "the pictures cannot be encoded (not enough memory)", {}};
    }
    return writePair(jpegs, path);
}

}  // namespace stereo
