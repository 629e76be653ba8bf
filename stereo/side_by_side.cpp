#include "side_by_side.h"

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
    std::string problem;
};

Decoded decode(const unsigned char *bytes, std::size_t size, SideBySideKind kind)
{
    Decoded decoded;
    if (kind == SideBySideKind::Pns) {
        imaging::DecodedPng png = imaging::decodePng(bytes, size);
        decoded.picture = std::move(png.picture);
        decoded.problem = png.problem;
        return decoded;
    }
    imaging::DecodedJpeg jpeg = imaging::decodeJpeg(bytes, size, [](imaging::PixelSize full) { return full; });
    if (!jpeg.decoded || jpeg.picture.pixels.empty())
        decoded.problem = "is not a JPEG picture that can be decoded";
    decoded.picture = std::move(jpeg.picture);
    decoded.exif = std::move(jpeg.exif);
    return decoded;
}

}  // namespace

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
    SideBySidePair pair;
    if (size == 0) {
        pair.problem = "is empty";
        return pair;
    }
    Decoded decoded = decode(bytes, size, kind);
    if (!decoded.problem.empty()) {
        pair.problem = decoded.problem;
        return pair;
    }
    const imaging::PixelSize full = decoded.picture.size;
    if (full.width < 2) {
        pair.problem = "is too narrow to hold two pictures side by side";
        return pair;
    }
    if (full.width % 2 != 0) {
        pair.notAPair = "has an odd width, so its halves cannot be a pair";
        if (kind == SideBySideKind::Jps)
            pair.whole.assign(bytes, bytes + size);
        else if (!imaging::encodeJpeg(decoded.picture, {heldQuality, {}}, pair.whole))
            pair.problem = "cannot be held in memory";
        return pair;
    }
    // The right half is the left eye's picture.
    const int width = full.width / 2;
    const std::vector<unsigned char> exif = imaging::exifForNewPicture(decoded.exif, {width, full.height});
    bool encoded[2] = {false, false};
    imaging::WorkPool::shared().runAll(
        {[&] { encoded[0] = imaging::encodeJpeg(imaging::cropped(decoded.picture, width, 0, {width, full.height}), {heldQuality, exif}, pair.left); },
         [&] { encoded[1] = imaging::encodeJpeg(imaging::cropped(decoded.picture, 0, 0, {width, full.height}), {heldQuality, exif}, pair.right); }});
    if (!encoded[0] || !encoded[1]) {
        pair = {};
        pair.problem = "cannot be held in memory";
    }
    return pair;
}

SideBySidePair readSideBySideFile(const std::string &path, SideBySideKind kind)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        SideBySidePair pair;
        pair.problem = "cannot be opened";
        return pair;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        SideBySidePair pair;
        pair.problem = "cannot be read";
        return pair;
    }
    return readSideBySide(bytes.data(), bytes.size(), kind);
}

}  // namespace stereo
