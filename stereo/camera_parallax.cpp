#include "camera_parallax.h"

#include <cmath>
#include <cstring>

#include "engine/byte_reader.h"
#include "imaging/jpeg_decoder.h"

namespace stereo {

namespace {

constexpr std::size_t tiffStart = 6;  // behind "Exif\0\0"
constexpr std::uint16_t exifPointerTag = 0x8769, makerNoteTag = 0x927C, cameraInfoTag = 0x1101;
constexpr std::uint32_t cameraInfoSize = 64, parallaxAt = 0x28;
constexpr int largestEntries = 1000;

// Where an entry of the IFD at `ifd` (from the TIFF header) with `tag`
// keeps its value, and how many bytes it counts; false when it has none.
bool findEntry(ByteReader &tiff, std::uint32_t ifd, std::uint16_t tag, std::uint32_t &value, std::uint32_t &count)
{
    const int entries = tiff.u16(ifd);
    if (tiff.failed() || entries > largestEntries)
        return false;
    for (int i = 0; i < entries; ++i) {
        const std::uint64_t entry = std::uint64_t(ifd) + 2 + 12 * std::uint64_t(i);
        if (tiff.u16(entry) != tag)
            continue;
        count = tiff.u32(entry + 4);
        value = tiff.u32(entry + 8);
        return !tiff.failed();
    }
    return false;
}

}  // namespace

std::optional<double> recordedWindowOf(std::span<const unsigned char> exif, imaging::PixelSize fullSize)
{
    if (exif.size() < tiffStart + 8 || std::memcmp(exif.data(), "Exif\0\0", 6) != 0 || fullSize.width <= 0)
        return std::nullopt;
    const unsigned char *tiffBytes = exif.data() + tiffStart;
    const std::size_t tiffSize = exif.size() - tiffStart;
    const bool little = tiffBytes[0] == 'I' && tiffBytes[1] == 'I';
    if (!little && !(tiffBytes[0] == 'M' && tiffBytes[1] == 'M'))
        return std::nullopt;
    ByteReader tiff(tiffBytes, tiffSize, little);
    std::uint32_t exifIfd = 0, makerNote = 0, count = 0;
    if (!findEntry(tiff, tiff.u32(4), exifPointerTag, exifIfd, count) ||
        !findEntry(tiff, exifIfd, makerNoteTag, makerNote, count))
        return std::nullopt;
    // The maker note is an IFD in the Exif's order, its offsets counted from
    // the TIFF header; the camera information in it is little-endian.
    std::uint32_t info = 0;
    if (!findEntry(tiff, makerNote, cameraInfoTag, info, count) || count != cameraInfoSize ||
        !tiff.has(info, cameraInfoSize) || std::memcmp(tiffBytes + info, "3DS", 3) != 0)
        return std::nullopt;
    ByteReader note(tiffBytes, tiffSize, true);
    const std::uint32_t bits = note.u32(info + parallaxAt);
    float parallax;
    std::memcpy(&parallax, &bits, sizeof parallax);
    if (note.failed() || !std::isfinite(parallax) || std::abs(parallax) > 320)
        return std::nullopt;
    // The parallax is in pixels of the console's top screen, which shows
    // the 640 pixel wide pictures at half their size.
    return double(parallax) * 2 * fullSize.width / 640;
}

std::optional<double> recordedWindow(std::span<const unsigned char> leftJpeg, imaging::PixelSize fullSize)
{
    const imaging::JpegHeader header = imaging::readJpegHeader(leftJpeg.data(), leftJpeg.size());
    return recordedWindowOf(header.exif, fullSize);
}

}  // namespace stereo
