#include "gif_encoder.h"

#include <algorithm>
#include <cstdint>

#include <gif_lib.h>

namespace imaging {

namespace {

// About this many pixels of all frames choose the palette: enough for every
// color that covers a noticeable part, few enough to take milliseconds.
constexpr std::size_t paletteSample = 1 << 18;

// A palette and, for each color in 6 bits a channel, its nearest entry,
// found the first time a frame asks.
class Palette {
public:
    GifColorType colors[256] = {};

    int nearestTo(int red, int green, int blue)
    {
        const int key = (red >> 2) << 12 | (green >> 2) << 6 | (blue >> 2);
        std::int16_t &found = nearest_[std::size_t(key)];
        if (found < 0)
            found = std::int16_t(closest((red & ~3) + 2, (green & ~3) + 2, (blue & ~3) + 2));
        return found;
    }

private:
    std::vector<std::int16_t> nearest_ = std::vector<std::int16_t>(std::size_t(1) << 18, -1);

    int closest(int red, int green, int blue) const
    {
        int best = 0, bestDistance = 1 << 30;
        for (int i = 0; i < 256; ++i) {
            const int r = colors[i].Red - red, g = colors[i].Green - green, b = colors[i].Blue - blue;
            // Weighted roughly as the eye weighs the channels.
            const int distance = 3 * r * r + 4 * g * g + 2 * b * b;
            if (distance < bestDistance)
                best = i, bestDistance = distance;
        }
        return best;
    }
};

int channel(std::uint32_t pixel, int shift)
{
    return int(pixel >> shift) & 0xFF;
}

// giflib's median cut over a sample of every frame's pixels. An odd step
// walks across the columns, so that a sample never keeps to a few of them.
bool choosePalette(const std::vector<RgbPicture> &frames, Palette &palette)
{
    std::size_t total = 0;
    for (const RgbPicture &frame : frames)
        total += frame.pixels.size();
    const std::size_t step = std::max<std::size_t>(1, total / paletteSample) | 1;
    std::vector<GifByteType> red, green, blue;
    for (const RgbPicture &frame : frames)
        for (std::size_t i = 0; i < frame.pixels.size(); i += step) {
            red.push_back(GifByteType(channel(frame.pixels[i], 16)));
            green.push_back(GifByteType(channel(frame.pixels[i], 8)));
            blue.push_back(GifByteType(channel(frame.pixels[i], 0)));
        }
    std::vector<GifByteType> unused(red.size());
    int size = 256;
    return GifQuantizeBuffer(unsigned(red.size()), 1, &size, red.data(), green.data(), blue.data(), unused.data(),
                             palette.colors) == GIF_OK;
}

// The frame's palette indices, each pixel's error spread to the pixels
// right of and below it (Floyd-Steinberg, in sixteenths).
std::vector<GifByteType> dithered(const RgbPicture &frame, Palette &palette)
{
    const int width = frame.size.width;
    std::vector<GifByteType> indices(frame.pixels.size());
    std::vector<int> current(std::size_t(width + 2) * 3, 0), next(current.size(), 0);
    for (int y = 0; y < frame.size.height; ++y) {
        std::fill(next.begin(), next.end(), 0);
        const std::uint32_t *row = frame.row(y);
        for (int x = 0; x < width; ++x) {
            int value[3];
            for (int c = 0; c < 3; ++c)
                value[c] = std::clamp(channel(row[x], 16 - 8 * c) + ((current[std::size_t(x + 1) * 3 + c] + 8) >> 4), 0, 255);
            const int index = palette.nearestTo(value[0], value[1], value[2]);
            indices[std::size_t(y) * std::size_t(width) + std::size_t(x)] = GifByteType(index);
            const GifColorType &chosen = palette.colors[index];
            const int error[3] = {value[0] - chosen.Red, value[1] - chosen.Green, value[2] - chosen.Blue};
            for (int c = 0; c < 3; ++c) {
                current[std::size_t(x + 2) * 3 + c] += error[c] * 7;
                next[std::size_t(x) * 3 + c] += error[c] * 3;
                next[std::size_t(x + 1) * 3 + c] += error[c] * 5;
                next[std::size_t(x + 2) * 3 + c] += error[c];
            }
        }
        std::swap(current, next);
    }
    return indices;
}

int appendBytes(GifFileType *file, const GifByteType *bytes, int length)
{
    auto *out = static_cast<std::vector<unsigned char> *>(file->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

// The NETSCAPE2.0 block that makes browsers loop the animation for ever.
bool putLoopForEver(GifFileType *file)
{
    static const GifByteType name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType forEver[] = {1, 0, 0};
    return EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(file, sizeof name, name) == GIF_OK &&
           EGifPutExtensionBlock(file, sizeof forEver, forEver) == GIF_OK &&
           EGifPutExtensionTrailer(file) == GIF_OK;
}

bool putFrame(GifFileType *file, const std::vector<GifByteType> &indices, PixelSize size, int delay)
{
    const GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK ||
        EGifPutImageDesc(file, 0, 0, size.width, size.height, false, nullptr) != GIF_OK)
        return false;
    for (int y = 0; y < size.height; ++y)
        if (EGifPutLine(file, const_cast<GifByteType *>(indices.data()) + std::size_t(y) * std::size_t(size.width),
                        size.width) != GIF_OK)
            return false;
    return true;
}

}  // namespace

bool encodeGifAnimation(const std::vector<RgbPicture> &frames, int delayCentiseconds, std::vector<unsigned char> &gif)
{
    if (!framesOfOneSize(frames, 65535))
        return false;
    const PixelSize size = frames[0].size;
    Palette palette;
    if (!choosePalette(frames, palette))
        return false;
    std::vector<unsigned char> bytes;
    int error = 0;
    GifFileType *file = EGifOpen(&bytes, appendBytes, &error);
    if (file == nullptr)
        return false;
    EGifSetGifVersion(file, true);
    ColorMapObject *map = GifMakeMapObject(256, palette.colors);
    bool written = map != nullptr && EGifPutScreenDesc(file, size.width, size.height, 8, 0, map) == GIF_OK &&
                   putLoopForEver(file);
    GifFreeMapObject(map);
    for (std::size_t i = 0; written && i < frames.size(); ++i)
        written = putFrame(file, dithered(frames[i], palette), size, delayCentiseconds);
    if (EGifCloseFile(file, &error) != GIF_OK || !written)
        return false;
    gif = std::move(bytes);
    return true;
}

}  // namespace imaging
