#include "correction.h"

#include <algorithm>
#include <cmath>

#include "imaging/work_pool.h"

namespace stereo {

namespace {

constexpr double pi = 3.14159265358979323846;

// The correction as a projective map of points measured from the picture's
// centre: forward (x, y, 1) -> M (x, y, 1), then divided by the third row.
struct Homography {
    double m[3][3];

    void map(double x, double y, double &outX, double &outY) const
    {
        const double w = m[2][0] * x + m[2][1] * y + m[2][2];
        outX = (m[0][0] * x + m[0][1] * y + m[0][2]) / w;
        outY = (m[1][0] * x + m[1][1] * y + m[1][2]) / w;
    }

    Homography inverse() const
    {
        // The adjugate: the inverse up to a factor, which the division removes.
        Homography inv{};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
                inv.m[r][c] = m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1];
            }
        return inv;
    }

    Homography operator*(const Homography &other) const
    {
        Homography product{};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                for (int k = 0; k < 3; ++k)
                    product.m[r][c] += m[r][k] * other.m[k][c];
        return product;
    }
};

Homography turned(double degrees, double scale = 1)
{
    const double turn = degrees * pi / 180;
    const double a = scale * std::cos(turn), b = scale * std::sin(turn);
    return {{{a, -b, 0}, {b, a, 0}, {0, 0, 1}}};
}

// The left picture is only turned level; the right one is corrected, then turned level.
Homography forwardOf(const Options &options, Side side)
{
    if (side == Side::Left)
        return turned(options.level);
    Homography correction = turned(options.degrees, options.scale);
    correction.m[1][2] = options.shiftY;
    correction.m[2][0] = options.keystoneX, correction.m[2][1] = options.keystoneY;
    return options.level != 0 ? turned(options.level) * correction : correction;
}

// Bilinear weights in 1/256 of the four pixels about a point: a, b above,
// c, d below; red and blue are mixed together in one word, green in another.
std::uint32_t mix(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d, int fx, int fy)
{
    const std::uint32_t wa = std::uint32_t((256 - fx) * (256 - fy)) >> 8, wb = std::uint32_t(fx * (256 - fy)) >> 8,
                        wc = std::uint32_t((256 - fx) * fy) >> 8, wd = 256 - wa - wb - wc;
    const std::uint32_t redBlue =
        ((a & 0xFF00FFu) * wa + (b & 0xFF00FFu) * wb + (c & 0xFF00FFu) * wc + (d & 0xFF00FFu) * wd + 0x800080u) >> 8;
    const std::uint32_t green =
        ((a & 0xFF00u) * wa + (b & 0xFF00u) * wb + (c & 0xFF00u) * wc + (d & 0xFF00u) * wd + 0x8000u) >> 8;
    return 0xFF000000u | (redBlue & 0xFF00FFu) | (green & 0xFF00u);
}

std::uint32_t throughCurves(std::uint32_t p, const ToneCurves &curves)
{
    return 0xFF000000u | std::uint32_t(curves[0][p >> 16 & 0xFF]) << 16 | std::uint32_t(curves[1][p >> 8 & 0xFF]) << 8 |
           curves[2][p & 0xFF];
}

// Rows [first, last) of the part of the corrected picture from column x0,
// row y0; the numerators and the divisor of the map step along each row.
void correctRows(const imaging::RgbPicture &from, const Homography &inverse, imaging::RgbPicture &to, int x0,
                 int y0, const ToneCurves *curves, int first, int last)
{
    const int width = from.size.width, height = from.size.height;
    const double cx = width / 2.0, cy = height / 2.0;
    const auto &m = inverse.m;
    for (int y = first; y < last; ++y) {
        std::uint32_t *row = to.row(y);
        const double px = x0 - cx, py = y0 + y - cy;
        double nx = m[0][0] * px + m[0][1] * py + m[0][2], ny = m[1][0] * px + m[1][1] * py + m[1][2];
        double w = m[2][0] * px + m[2][1] * py + m[2][2];
        for (int x = 0; x < to.size.width; ++x, nx += m[0][0], ny += m[1][0], w += m[2][0]) {
            // Outside the source: the nearest edge pixel (cropped away).
            const double sx = std::clamp(nx / w + cx, 0.0, width - 1.0), sy = std::clamp(ny / w + cy, 0.0, height - 1.0);
            const int left = std::min(int(sx), std::max(width - 2, 0)), top = std::min(int(sy), std::max(height - 2, 0));
            const int right = std::min(left + 1, width - 1), bottom = std::min(top + 1, height - 1);
            const std::uint32_t *above = from.row(top), *below = from.row(bottom);
            const std::uint32_t p = mix(above[left], above[right], below[left], below[right], int((sx - left) * 256),
                                        int((sy - top) * 256));
            row[x] = curves != nullptr ? throughCurves(p, *curves) : p;
        }
    }
}

// Whether the corrected picture covers the centred rectangle with these
// insets: the corners of a rectangle lie inside the corrected picture (a
// convex shape) when they come from inside the source.
bool covers(const Homography &inverse, double w, double h, double insetX, double insetY)
{
    // Pixels run from -w/2 to w/2 - 1 about the centre, as in correctRows.
    for (const double x : {insetX - w / 2, w / 2 - 1 - insetX})
        for (const double y : {insetY - h / 2, h / 2 - 1 - insetY}) {
            double sx, sy;
            inverse.map(x, y, sx, sy);
            if (!(sx >= -w / 2 && sx <= w / 2 - 1 && sy >= -h / 2 && sy <= h / 2 - 1))
                return false;
        }
    return true;
}

}  // namespace

bool correctsSide(const Options &options, Side side)
{
    return options.level != 0 || (side == Side::Right && options.corrects());
}

Inset uncoveredBy(imaging::PixelSize picture, const Options &options)
{
    if (!correctsSide(options, Side::Left) && !correctsSide(options, Side::Right))
        return {};
    // The largest rectangle of the picture's shape about its centre that
    // both corrected pictures cover, less the vertical move; found by halving.
    const Homography inverses[2] = {forwardOf(options, Side::Left).inverse(), forwardOf(options, Side::Right).inverse()};
    const double w = picture.width, h = picture.height, shift = std::abs(options.shiftY);
    const auto insetsFor = [&](double k) { return Inset{int(std::ceil((1 - k) * w / 2)), int(std::ceil((1 - k) * h / 2 + shift))}; };
    double low = 0, high = 1;
    for (int step = 0; step < 30; ++step) {
        const double k = (low + high) / 2;
        const Inset inset = insetsFor(k);
        const bool covered = covers(inverses[0], w, h, inset.x, inset.y) && covers(inverses[1], w, h, inset.x, inset.y);
        (covered ? low : high) = k;
    }
    return insetsFor(low);
}

void correctPicture(const imaging::RgbPicture &from, const Options &options, imaging::RgbPicture &to, Side side)
{
    correctPart(from, options, side, 0, 0, from.size, nullptr, to);
}

void correctPart(const imaging::RgbPicture &from, const Options &options, Side side, int x0, int y0,
                 imaging::PixelSize size, const ToneCurves *curves, imaging::RgbPicture &to)
{
    to.size = size;
    to.pixels.resize(std::size_t(size.width) * std::size_t(size.height));
    const Homography inverse = forwardOf(options, side).inverse();
    imaging::inBands(size.height, imaging::WorkPool::shared().threads(),
                     [&](int first, int last) { correctRows(from, inverse, to, x0, y0, curves, first, last); });
}

}  // namespace stereo
