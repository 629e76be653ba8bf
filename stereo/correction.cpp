#include "correction.h"

#include <algorithm>
#include <cmath>

#include "bands.h"

namespace stereo {

namespace {

constexpr double pi = 3.14159265358979323846;

// Where the pixel at (x, y) of the corrected picture comes from:
// source = c + R(-turn) (p - c - shift) / scale.
struct Inverse {
    double cos, sin, cx, cy, shiftY;
    void map(double x, double y, double &sx, double &sy) const
    {
        const double px = x - cx, py = y - cy - shiftY;
        sx = cx + cos * px + sin * py;
        sy = cy - sin * px + cos * py;
    }
};

std::uint32_t mix(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d, int fx, int fy)
{
    // Weights in 1/256: (1-fx)(1-fy) a + fx(1-fy) b + (1-fx)fy c + fx fy d, channel by channel.
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int top = int(a >> shift & 0xFF) * (256 - fx) + int(b >> shift & 0xFF) * fx;
        const int bottom = int(c >> shift & 0xFF) * (256 - fx) + int(d >> shift & 0xFF) * fx;
        out |= std::uint32_t((top * (256 - fy) + bottom * fy + (1 << 15)) >> 16) << shift;
    }
    return out;
}

void correctRows(const imaging::RgbPicture &from, const Inverse &inverse, imaging::RgbPicture &to, int first, int last)
{
    const int width = from.size.width, height = from.size.height;
    for (int y = first; y < last; ++y) {
        std::uint32_t *row = to.row(y);
        for (int x = 0; x < width; ++x) {
            double sx, sy;
            inverse.map(x, y, sx, sy);
            // Outside the source: the nearest edge pixel (cropped away later).
            sx = std::clamp(sx, 0.0, width - 1.0), sy = std::clamp(sy, 0.0, height - 1.0);
            const int x0 = std::min(int(sx), std::max(width - 2, 0)), y0 = std::min(int(sy), std::max(height - 2, 0));
            const int x1 = std::min(x0 + 1, width - 1), y1 = std::min(y0 + 1, height - 1);
            const int fx = int((sx - x0) * 256), fy = int((sy - y0) * 256);
            row[x] = mix(from.row(y0)[x0], from.row(y0)[x1], from.row(y1)[x0], from.row(y1)[x1], fx, fy);
        }
    }
}

}  // namespace

Inset uncoveredBy(imaging::PixelSize picture, const Options &options)
{
    if (!options.corrects())
        return {};
    // The largest centred rectangle of the picture's shape that the turned
    // and scaled picture covers, less the vertical move.
    const double turn = std::abs(options.degrees) * pi / 180, c = std::cos(turn), s = std::sin(turn);
    const double w = picture.width, h = picture.height;
    const double k = std::min({1.0, options.scale * w / (c * w + s * h), options.scale * h / (s * w + c * h)});
    return {int(std::ceil((1 - k) * w / 2)), int(std::ceil((1 - k) * h / 2 + std::abs(options.shiftY)))};
}

void correctPicture(const imaging::RgbPicture &from, const Options &options, imaging::RgbPicture &to)
{
    to.size = from.size;
    to.pixels.resize(from.pixels.size());
    const double turn = options.degrees * pi / 180;
    const Inverse inverse{std::cos(turn) / options.scale, std::sin(turn) / options.scale, from.size.width / 2.0,
                          from.size.height / 2.0, options.shiftY};
    inBands(from.size.height, coresForBands(), [&](int first, int last) { correctRows(from, inverse, to, first, last); });
}

}  // namespace stereo
