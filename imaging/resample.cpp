#include "resample.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace imaging {

RgbPicture cropped(const RgbPicture &picture, int x, int y, PixelSize size)
{
    RgbPicture part;
    part.size = size;
    part.pixels.resize(std::size_t(size.width) * std::size_t(size.height));
    for (int row = 0; row < size.height; ++row)
        std::copy(picture.row(y + row) + x, picture.row(y + row) + x + size.width, part.row(row));
    return part;
}

namespace {

// For each pixel of a line of `to` pixels made from `from`: the first
// source pixel it takes and the weights of those it takes.
struct Taps {
    std::vector<int> first;
    std::vector<std::vector<float>> weights;
};

Taps tapsFor(int from, int to)
{
    Taps taps;
    const double scale = double(from) / to, radius = std::max(1.0, scale);
    for (int i = 0; i < to; ++i) {
        const double centre = (i + 0.5) * scale;
        const int low = std::max(0, int(std::floor(centre - radius)));
        const int high = std::min(from, int(std::ceil(centre + radius)));
        std::vector<float> weights;
        double total = 0;
        for (int s = low; s < high; ++s) {
            const double w = std::max(0.0, 1.0 - std::abs((s + 0.5 - centre) / radius));
            weights.push_back(float(w));
            total += w;
        }
        for (float &w : weights)
            w = total > 0 ? float(w / total) : 0.0f;
        taps.first.push_back(low);
        taps.weights.push_back(std::move(weights));
    }
    return taps;
}

float channel(std::uint32_t pixel, int shift)
{
    return float((pixel >> shift) & 0xFF);
}

std::uint32_t packed(const float *rgb)
{
    std::uint32_t pixel = 0xFF000000u;
    for (int c = 0; c < 3; ++c)
        pixel |= std::uint32_t(std::clamp(std::lround(rgb[c]), 0L, 255L)) << (16 - 8 * c);
    return pixel;
}

}  // namespace

RgbPicture resized(const RgbPicture &picture, PixelSize size)
{
    const Taps across = tapsFor(picture.size.width, size.width), down = tapsFor(picture.size.height, size.height);
    // Rows resized across first, as three floats a pixel.
    std::vector<float> rows(std::size_t(picture.size.height) * std::size_t(size.width) * 3);
    for (int y = 0; y < picture.size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            float *out = &rows[(std::size_t(y) * std::size_t(size.width) + std::size_t(x)) * 3];
            for (std::size_t k = 0; k < across.weights[std::size_t(x)].size(); ++k) {
                const std::uint32_t pixel = picture.row(y)[across.first[std::size_t(x)] + int(k)];
                const float w = across.weights[std::size_t(x)][k];
                for (int c = 0; c < 3; ++c)
                    out[c] += w * channel(pixel, 16 - 8 * c);
            }
        }
    RgbPicture result;
    result.size = size;
    result.pixels.resize(std::size_t(size.width) * std::size_t(size.height));
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            float rgb[3] = {0, 0, 0};
            for (std::size_t k = 0; k < down.weights[std::size_t(y)].size(); ++k) {
                const float *in = &rows[(std::size_t(down.first[std::size_t(y)] + int(k)) * std::size_t(size.width) +
                                         std::size_t(x)) * 3];
                const float w = down.weights[std::size_t(y)][k];
                for (int c = 0; c < 3; ++c)
                    rgb[c] += w * in[c];
            }
            result.row(y)[x] = packed(rgb);
        }
    return result;
}

}  // namespace imaging
