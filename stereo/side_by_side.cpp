#include "side_by_side.h"

#include "engine/mpo.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "imaging/exif.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/jpeg_encoder.h"
#include "imaging/png_decoder.h"
#include "imaging/resample.h"
#include "imaging/work_pool.h"
#include "pair_layout.h"

namespace stereo {

namespace {

constexpr int heldQuality = 100;

bool endsWith(const std::string &path, const char *extension)
{
    const std::string tail(extension);
    if (path.size() <= tail.size() || path[path.size() - tail.size() - 1] != '.')
        return false;
    return std::equal(tail.begin(), tail.end(), path.end() - long(tail.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

struct Decoded {
    imaging::RgbPicture picture;
    std::vector<unsigned char> exif;
    SideBySideFault fault = SideBySideFault::None;
};

Decoded decode(const unsigned char *bytes, std::size_t size, SideBySideKind kind)
{
    Decoded decoded;
    if (kind == SideBySideKind::Pns) {
        imaging::DecodedPng png = imaging::decodePng(bytes, size);
        decoded.picture = std::move(png.picture);
        if (!png.decoded())
            decoded.fault = png.failure == imaging::DecodedPng::Failure::TooLarge ? SideBySideFault::TooLarge
                                                                                  : SideBySideFault::NotPng;
        return decoded;
    }
    imaging::DecodedJpeg jpeg = imaging::decodeJpeg(bytes, size, [](imaging::PixelSize full) { return full; });
    if (!jpeg.decoded || jpeg.picture.pixels.empty())
        decoded.fault = SideBySideFault::NotJpeg;
    decoded.picture = std::move(jpeg.picture);
    decoded.exif = std::move(jpeg.exif);
    return decoded;
}

SideBySidePair failed(SideBySideFault fault)
{
    SideBySidePair pair;
    pair.fault = fault;
    return pair;
}

}  // namespace

MPOText faultText(SideBySideFault fault)
{
    switch (fault) {
    case SideBySideFault::None: break;
    case SideBySideFault::CannotOpen: return {"ReasonCannotOpen", "cannot be opened"};
    case SideBySideFault::NotAFile: return mpoProblemText(MPO_CANNOT_OPEN, MPOCause::NotAFile);
    case SideBySideFault::Empty: return mpoProblemText(MPO_REFUSED, MPOCause::Empty);
    case SideBySideFault::NotJpeg: return {"ReasonNotJpeg", "is not a JPEG picture that can be decoded"};
    case SideBySideFault::NotPng: return {"ReasonNotPng", "is not a PNG picture that can be decoded"};
    case SideBySideFault::TooLarge: return {"ReasonTooLarge", "is too large to be held in memory"};
    case SideBySideFault::TooNarrow: return {"ReasonTooNarrow", "is too narrow to hold two pictures side by side"};
    }
    return {"", ""};
}

std::optional<SideBySideKind> sideBySideKindOf(const std::string &path)
{
    if (endsWith(path, "jps"))
        return SideBySideKind::Jps;
    if (endsWith(path, "pns"))
        return SideBySideKind::Pns;
    return std::nullopt;
}

SideBySidePair readSideBySide(const unsigned char *bytes, std::size_t size, SideBySideKind kind)
{
    if (size == 0)
        return failed(SideBySideFault::Empty);
    Decoded decoded = decode(bytes, size, kind);
    if (decoded.fault != SideBySideFault::None)
        return failed(decoded.fault);
    const PairLayout layout = kind == SideBySideKind::Jps ? jpsLayoutOf(bytes, size) : pnsLayoutOf(bytes, size);
    const imaging::PixelSize full = decoded.picture.size;
    const int across = layout.overUnder ? full.height : full.width;
    if (across < 2)
        return failed(SideBySideFault::TooNarrow);
    SideBySidePair pair;
    if (across % 2 != 0) {
        pair.oddWidth = true;
        if (kind == SideBySideKind::Jps)
            pair.whole.assign(bytes, bytes + size);
        else if (!imaging::encodeJpeg(decoded.picture, {heldQuality, {}}, pair.whole))
            return failed(SideBySideFault::TooLarge);
        return pair;
    }
    // Crossed, the second half is the left eye's picture.
    const imaging::PixelSize halfSize = layout.overUnder ? imaging::PixelSize{full.width, full.height / 2}
                                                         : imaging::PixelSize{full.width / 2, full.height};
    // A squeezed half is stretched back to the shape it was taken at.
    const imaging::PixelSize pictureSize = !layout.squeezed ? halfSize
                                           : layout.overUnder ? imaging::PixelSize{halfSize.width, 2 * halfSize.height}
                                                              : imaging::PixelSize{2 * halfSize.width, halfSize.height};
    const std::vector<unsigned char> exif = imaging::exifForNewPicture(decoded.exif, pictureSize);
    const auto half = [&](bool second, std::vector<unsigned char> &jpeg) {
        const int x = second && !layout.overUnder ? halfSize.width : 0;
        const int y = second && layout.overUnder ? halfSize.height : 0;
        imaging::RgbPicture picture = imaging::cropped(decoded.picture, x, y, halfSize);
        if (layout.squeezed)
            picture = imaging::resized(picture, pictureSize);
        return imaging::encodeJpeg(picture, {heldQuality, exif}, jpeg);
    };
    bool encoded[2] = {false, false};
    imaging::WorkPool::shared().runAll({[&] { encoded[0] = half(!layout.leftFirst, pair.left); },
                                        [&] { encoded[1] = half(layout.leftFirst, pair.right); }});
    return encoded[0] && encoded[1] ? pair : failed(SideBySideFault::TooLarge);
}

SideBySideFault readPictureFile(const std::string &path, std::vector<unsigned char> &bytes)
{
    // A folder or a device is no file; a pipe would wait for a writer.
    if (inputFileCause(path.c_str()) == MPOCause::NotAFile)
        return SideBySideFault::NotAFile;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return SideBySideFault::CannotOpen;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return file.bad() ? SideBySideFault::CannotOpen : SideBySideFault::None;
}

SideBySidePair readSideBySideFile(const std::string &path, SideBySideKind kind)
{
    std::vector<unsigned char> bytes;
    if (const SideBySideFault fault = readPictureFile(path, bytes); fault != SideBySideFault::None)
        return failed(fault);
    return readSideBySide(bytes.data(), bytes.size(), kind);
}

}  // namespace stereo
