#include "thumbnail.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

#include "engine/mpo.h"
#include "engine/trace_output.h"
#include "imaging/exif.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/orientation.h"
#include "imaging/png_decoder.h"
#include "imaging/resample.h"
#include "imaging/shown_size.h"
#include "pair_layout.h"
#include "side_by_side.h"

namespace stereo {

namespace {

using imaging::PixelSize;
using imaging::RgbPicture;

constexpr std::uint32_t largeThumbnailTypes[] = {0x010001, 0x010002};  // MP types: VGA and full HD previews

int longSide(PixelSize size) { return std::max(size.width, size.height); }

// The size a picture of `full` is decoded at so that `size` is covered.
std::function<PixelSize(PixelSize)> covering(int size)
{
    return [size](PixelSize full) { return imaging::fittedInLayout(full, 1, 1, {size, size}); };
}

RgbPicture fitted(RgbPicture picture, int size)
{
    const PixelSize fitting = imaging::fittedInLayout(picture.size, 1, 1, {size, size});
    return fitting == picture.size ? picture : imaging::resized(picture, fitting);
}

Problem notDecoded()
{
    return {"ReasonNotJpeg", "is not a JPEG picture that can be decoded", {}};
}

// The Exif thumbnail of the picture `header` describes, upright as the
// picture is, when it is at least `size` and of the picture's shape.
std::optional<RgbPicture> exifThumbnailOf(const imaging::JpegHeader &header, int size)
{
    const std::vector<unsigned char> bytes = imaging::exifThumbnail(header.exif);
    if (bytes.empty())
        return std::nullopt;
    const imaging::DecodedJpeg small = imaging::decodeJpeg(bytes.data(), bytes.size(), covering(size));
    if (!small.decoded || small.orientation != 1)
        return std::nullopt;
    const RgbPicture upright = imaging::applyOrientation(small.picture, header.orientation);
    // A thumbnail with bars (a 16:9 picture's 160 x 120 one) is not used.
    const double shape = double(upright.size.width) / upright.size.height;
    const double pictureShape = double(header.fullSize.width) / std::max(1, header.fullSize.height);
    if (longSide(upright.size) < size || std::abs(shape / pictureShape - 1) > 0.03)
        return std::nullopt;
    return upright;
}

Problem fromJpeg(const std::vector<unsigned char> &jpeg, int size, RgbPicture &thumbnail)
{
    const imaging::JpegHeader header = imaging::readJpegHeader(jpeg.data(), jpeg.size());
    if (!header.read)
        return notDecoded();
    if (std::optional<RgbPicture> embedded = exifThumbnailOf(header, size)) {
        thumbnail = fitted(std::move(*embedded), size);
        return {};
    }
    imaging::DecodedJpeg decoded = imaging::decodeJpeg(jpeg.data(), jpeg.size(), covering(size));
    if (!decoded.decoded)
        return decoded.tooLarge ? Problem{"ReasonTooLarge", "is too large to be held in memory", {}} : notDecoded();
    thumbnail = fitted(std::move(decoded.picture), size);
    return {};
}

// The left eye's picture of a side-by-side file, stretched back when the
// file squeezes it.
Problem fromSideBySide(const std::string &path, SideBySideKind kind, int size, RgbPicture &thumbnail)
{
    std::vector<unsigned char> bytes;
    if (const SideBySideFault fault = readPictureFile(path, bytes); fault != SideBySideFault::None)
        return {faultText(fault).id, faultText(fault).text, {}};
    const bool jps = kind == SideBySideKind::Jps;
    const PairLayout layout = jps ? jpsLayoutOf(bytes.data(), bytes.size()) : pnsLayoutOf(bytes.data(), bytes.size());
    RgbPicture whole;
    if (jps) {
        imaging::DecodedJpeg decoded = imaging::decodeJpeg(bytes.data(), bytes.size(), covering(2 * size));
        if (!decoded.decoded)
            return notDecoded();
        whole = std::move(decoded.picture);
    } else {
        imaging::DecodedPng decoded = imaging::decodePng(bytes.data(), bytes.size());
        if (!decoded.decoded())
            return {faultText(SideBySideFault::NotPng).id, faultText(SideBySideFault::NotPng).text, {}};
        whole = std::move(decoded.picture);
    }
    const PixelSize half = layout.overUnder ? PixelSize{whole.size.width, whole.size.height / 2}
                                            : PixelSize{whole.size.width / 2, whole.size.height};
    if (half.width < 1 || half.height < 1)
        return {faultText(SideBySideFault::TooNarrow).id, faultText(SideBySideFault::TooNarrow).text, {}};
    const int second = layout.leftFirst ? 0 : 1;  // crossed: the left eye's picture second
    RgbPicture left = imaging::cropped(whole, layout.overUnder ? 0 : second * half.width,
                                       layout.overUnder ? second * half.height : 0, half);
    if (layout.squeezed)
        left = imaging::resized(left, layout.overUnder ? PixelSize{half.width, 2 * half.height}
                                                       : PixelSize{2 * half.width, half.height});
    thumbnail = fitted(std::move(left), size);
    return {};
}

// Picture `number` of an MPO file (0: the representative one) through the
// engine; `result` gets its result code.
std::vector<unsigned char> mpoPicture(const std::string &path, int number, int &result, MPOCause &cause)
{
    int count = 0, representative = 0, size = 0;
    unsigned char *buffer = nullptr;
    {
        const QuietTrace quiet;
        result = chkMPOandSavedExplained(path.c_str(), &count, &representative, MPO_LOAD_ONE, number, &buffer, &size,
                                         "", [](void *, int, int) {}, nullptr, &cause);
    }
    std::vector<unsigned char> bytes;
    if (result == MPO_DONE && buffer != nullptr)
        bytes.assign(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

// An MPO file's large thumbnail picture (a camera's preview) of at least `size`.
std::optional<RgbPicture> largeThumbnailOf(const std::string &path, int size)
{
    std::vector<MPOListedEntry> entries;
    int count = 0, representative = 0;
    {
        const QuietTrace quiet;
        if (listMPOEntries(path.c_str(), entries, &count, &representative) != MPO_DONE)
            return std::nullopt;
    }
    for (const MPOListedEntry &listed : entries) {
        const std::uint32_t type = listed.entry.attribute & 0xFFFFFFu;
        if (listed.pictureNumber <= 0 ||
            std::find(std::begin(largeThumbnailTypes), std::end(largeThumbnailTypes), type) == std::end(largeThumbnailTypes))
            continue;
        int result = 0;
        MPOCause cause = MPOCause::None;
        const std::vector<unsigned char> preview = mpoPicture(path, listed.pictureNumber, result, cause);
        imaging::DecodedJpeg decoded = imaging::decodeJpeg(preview.data(), preview.size(), covering(size));
        if (decoded.decoded && longSide(decoded.picture.size) >= size)
            return std::move(decoded.picture);
    }
    return std::nullopt;
}

}  // namespace

Problem makeThumbnail(const std::string &path, int size, RgbPicture &thumbnail)
{
    if (const auto kind = sideBySideKindOf(path))
        return fromSideBySide(path, *kind, size, thumbnail);
    int result = 0;
    MPOCause cause = MPOCause::None;
    std::vector<unsigned char> picture = mpoPicture(path, 0, result, cause);
    if (result == MPO_REFUSED && cause == MPOCause::None) {
        // No MPO file: a JPEG picture is its own thumbnail's source.
        if (const SideBySideFault fault = readPictureFile(path, picture); fault != SideBySideFault::None)
            return {faultText(fault).id, faultText(fault).text, {}};
        return fromJpeg(picture, size, thumbnail);
    }
    if (result != MPO_DONE) {
        const MPOText text = mpoProblemText(result, cause);
        return {text.id, text.text, {}};
    }
    if (std::optional<RgbPicture> preview = largeThumbnailOf(path, size)) {
        thumbnail = fitted(std::move(*preview), size);
        return {};
    }
    return fromJpeg(picture, size, thumbnail);
}

}  // namespace stereo
