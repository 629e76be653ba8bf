#include "colour_match.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "imaging/work_pool.h"

namespace stereo {

namespace {

constexpr int block = 16;            // pixels a side of the blocks compared
constexpr int fewestPatches = 24;
constexpr int highlight = 250;      // a mean this high is clipped
constexpr double farthestMove = 80; // levels: a curve moving more explains no pair of one scene
constexpr int widestSearch = 96;    // disparities tried for one block

// The mean colour of a block in each picture.
struct Patch {
    double left[3], right[3];
};

// The mean colour of the block at x, y; false when it is clipped (a mean
// that high says the camera could show no brighter, whatever the scene).
bool blockMean(const imaging::RgbPicture &picture, int x, int y, double mean[3])
{
    double sum[3] = {0, 0, 0};
    for (int py = y; py < y + block; ++py) {
        const std::uint32_t *row = picture.row(py);
        for (int px = x; px < x + block; ++px)
            for (int c = 0; c < 3; ++c)
                sum[c] += row[px] >> (16 - 8 * c) & 0xFF;
    }
    constexpr double count = block * block;
    for (int c = 0; c < 3; ++c)
        mean[c] = sum[c] / count;
    return std::max({mean[0], mean[1], mean[2]}) < highlight;
}

int grayAt(const std::uint32_t pixel)
{
    return int(((pixel >> 16 & 0xFF) * 77 + (pixel >> 8 & 0xFF) * 150 + (pixel & 0xFF) * 29) >> 8);
}

// How unlike two blocks are, their brightness aside (every second pixel).
long unlikeness(const imaging::RgbPicture &left, int lx, const imaging::RgbPicture &right, int rx, int y)
{
    long sumLeft = 0, sumRight = 0;
    for (int py = y; py < y + block; py += 2)
        for (int px = 0; px < block; px += 2)
            sumLeft += grayAt(left.row(py)[lx + px]), sumRight += grayAt(right.row(py)[rx + px]);
    constexpr int samples = (block / 2) * (block / 2);
    const long offset = (sumRight - sumLeft) / samples;
    long cost = 0;
    for (int py = y; py < y + block; py += 2)
        for (int px = 0; px < block; px += 2)
            cost += std::abs(grayAt(right.row(py)[rx + px]) - offset - grayAt(left.row(py)[lx + px]));
    return cost;
}

// Blocks of the left picture and where the right one shows the same: the
// column within the pair's disparities that looks most alike.
std::vector<Patch> patchesOf(const imaging::RgbPicture &left, const imaging::RgbPicture &right, int nearest,
                             int farthest)
{
    std::vector<Patch> patches;
    const int width = left.size.width, height = left.size.height;
    farthest = std::min(farthest, nearest + widestSearch);
    for (int y = 0; y + block <= height; y += block)
        for (int x = 0; x + block <= width; x += block) {
            const int first = std::max(nearest, -x), last = std::min(farthest, width - block - x);
            if (first > last)
                continue;
            int best = first;
            long lowest = -1;
            for (int d = first; d <= last; ++d)
                if (const long cost = unlikeness(left, x, right, x + d, y); lowest < 0 || cost < lowest)
                    lowest = cost, best = d;
            Patch patch{};
            if (blockMean(left, x, y, patch.left) && blockMean(right, x + best, y, patch.right))
                patches.push_back(patch);
        }
    return patches;
}

// A curve from the right picture's values to the left one's, linear between
// nine knots, so that it follows a gamma as well as a gain and an offset.
constexpr int knots = 9;
constexpr double knotStep = 255.0 / (knots - 1);

struct Curve {
    double y[knots];

    double operator()(double x) const
    {
        const double at = std::clamp(x, 0.0, 255.0) / knotStep;
        const int k = std::min(int(at), knots - 2);
        const double f = at - k;
        // Beyond the ends, the end pieces go on straight.
        const double inside = y[k] * (1 - f) + y[k + 1] * f;
        if (x < 0)
            return y[0] + (y[1] - y[0]) / knotStep * x;
        if (x > 255)
            return y[knots - 1] + (y[knots - 1] - y[knots - 2]) / knotStep * (x - 255);
        return inside;
    }

    // The value this curve maps to `target`; the curve rises everywhere.
    double inverse(double target) const
    {
        double low = -512, high = 768;
        for (int step = 0; step < 40; ++step) {
            const double middle = (low + high) / 2;
            ((*this)(middle) < target ? low : high) = middle;
        }
        return (low + high) / 2;
    }
};

// Solves the small symmetric system a x = b in place (Gaussian elimination
// with partial pivoting); the system is made regular by its ridge.
void solve(double a[knots][knots], double b[knots], double x[knots])
{
    for (int col = 0; col < knots; ++col) {
        int pivot = col;
        for (int r = col + 1; r < knots; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col]))
                pivot = r;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (int r = col + 1; r < knots; ++r) {
            const double f = a[r][col] / a[col][col];
            for (int c = col; c < knots; ++c)
                a[r][c] -= f * a[col][c];
            b[r] -= f * b[col];
        }
    }
    for (int r = knots - 1; r >= 0; --r) {
        double sum = b[r];
        for (int c = r + 1; c < knots; ++c)
            sum -= a[r][c] * x[c];
        x[r] = sum / a[r][r];
    }
}

// Least squares with weights, held straight where no patch says otherwise
// (a penalty on the bend at each inner knot) and, weakly, near no change.
Curve fitted(const std::vector<Patch> &patches, const std::vector<double> &weights, int channel)
{
    double a[knots][knots] = {}, b[knots] = {}, total = 0;
    for (std::size_t i = 0; i < patches.size(); ++i) {
        const double x = patches[i].right[channel] / knotStep, w = weights[i];
        const int k = std::min(int(x), knots - 2);
        const double f = x - k, basis[2] = {1 - f, f};
        for (int p = 0; p < 2; ++p) {
            for (int q = 0; q < 2; ++q)
                a[k + p][k + q] += w * basis[p] * basis[q];
            b[k + p] += w * basis[p] * patches[i].left[channel];
        }
        total += w;
    }
    const double bend = 0.05 * total, ridge = 1e-6 * total + 1e-9;
    for (int k = 1; k < knots - 1; ++k) {
        const int at[3] = {k - 1, k, k + 1};
        const double coefficient[3] = {1, -2, 1};
        for (int p = 0; p < 3; ++p)
            for (int q = 0; q < 3; ++q)
                a[at[p]][at[q]] += bend * coefficient[p] * coefficient[q];
    }
    for (int k = 0; k < knots; ++k)
        a[k][k] += ridge, b[k] += ridge * k * knotStep;
    Curve curve{};
    solve(a, b, curve.y);
    for (int k = 1; k < knots; ++k)
        curve.y[k] = std::max(curve.y[k], curve.y[k - 1] + 1);  // a curve that rises
    return curve;
}

double median(std::vector<double> values)
{
    const auto middle = values.begin() + long(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Fitted with weights that leave out patches far from the curve (Tukey's
// biweight, the spread from the median residual); then, as a block's
// columns are never found exactly, refitted on the quantiles of the kept
// patches' values in each picture: a fit of one picture's values on the
// other's would flatten the curve by the spread that misplacement adds.
Curve robustlyFitted(const std::vector<Patch> &patches, int channel, std::vector<double> &weights)
{
    weights.assign(patches.size(), 1.0);
    Curve curve = fitted(patches, weights, channel);
    for (int round = 0; round < 8; ++round) {
        std::vector<double> residuals(patches.size());
        for (std::size_t i = 0; i < patches.size(); ++i)
            residuals[i] = std::abs(curve(patches[i].right[channel]) - patches[i].left[channel]);
        const double cutoff = 4.685 * std::max(1.4826 * median(residuals), 1.0);
        for (std::size_t i = 0; i < patches.size(); ++i) {
            const double u = residuals[i] / cutoff;
            weights[i] = u < 1 ? (1 - u * u) * (1 - u * u) : 0;
        }
        curve = fitted(patches, weights, channel);
    }
    std::vector<double> lefts, rights;
    for (std::size_t i = 0; i < patches.size(); ++i)
        if (weights[i] > 0)
            lefts.push_back(patches[i].left[channel]), rights.push_back(patches[i].right[channel]);
    if (int(lefts.size()) < fewestPatches)
        return curve;
    std::sort(lefts.begin(), lefts.end());
    std::sort(rights.begin(), rights.end());
    std::vector<Patch> quantiles;
    for (std::size_t i = 0; i < lefts.size(); ++i) {
        Patch q{};
        q.left[channel] = lefts[i], q.right[channel] = rights[i];
        quantiles.push_back(q);
    }
    return fitted(quantiles, std::vector<double>(quantiles.size(), 1.0), channel);
}

}  // namespace

ColourMatch matchColours(const imaging::RgbPicture &left, const imaging::RgbPicture &right, int nearest,
                         int farthest)
{
    ColourMatch match;
    if (left.size != right.size)
        return match;
    const std::vector<Patch> patches = patchesOf(left, right, nearest, farthest);
    if (int(patches.size()) < fewestPatches)
        return match;
    Curve curves[3];
    std::vector<double> kept(patches.size(), 1), weights;
    for (int c = 0; c < 3; ++c) {
        curves[c] = robustlyFitted(patches, c, weights);
        for (std::size_t i = 0; i < patches.size(); ++i)
            kept[i] = std::min(kept[i], weights[i]);
        for (int v = 0; v <= 255; v += 5)
            if (std::abs(curves[c](v) - v) > farthestMove)
                return match;
    }
    // Each picture halfway: the right one's v to the middle of v and the
    // left value it stands for, the left one's likewise. Then the shadows
    // and highlights of both alike into 0 to 255, so that neither clips.
    double moved[2][3][256], low = 0, high = 255;
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v) {
            moved[0][c][v] = (v + curves[c].inverse(v)) / 2;
            moved[1][c][v] = (v + curves[c](v)) / 2;
            for (int side = 0; side < 2; ++side)
                low = std::min(low, moved[side][c][v]), high = std::max(high, moved[side][c][v]);
        }
    constexpr double shadows = 48, highlights = 208;
    const auto intoRange = [&](double t) {
        if (t > highlights)
            return highlights + (t - highlights) * (255 - highlights) / (high - highlights);
        if (t < shadows)
            return shadows - (shadows - t) * shadows / (shadows - low);
        return t;
    };
    for (int side = 0; side < 2; ++side)
        for (int c = 0; c < 3; ++c)
            for (int v = 0; v < 256; ++v)
                match.curves[side][std::size_t(c)][std::size_t(v)] =
                    std::uint8_t(std::clamp(std::lround(intoRange(moved[side][c][v])), 0L, 255L));
    // How the right picture differed, over the patches the fit kept.
    double sums[2][3] = {};
    for (std::size_t i = 0; i < patches.size(); ++i)
        for (int c = 0; c < 3; ++c)
            sums[0][c] += kept[i] * patches[i].left[c], sums[1][c] += kept[i] * patches[i].right[c];
    const auto brightness = [](const double s[3]) { return 0.299 * s[0] + 0.587 * s[1] + 0.114 * s[2]; };
    if (brightness(sums[0]) <= 0 || sums[0][2] <= 0 || sums[1][2] <= 0)
        return match;
    match.brighter = brightness(sums[1]) / brightness(sums[0]) - 1;
    match.warmer = (sums[1][0] / sums[1][2]) / (sums[0][0] / sums[0][2]) - 1;
    match.found = true;
    return match;
}

void applyCurves(imaging::RgbPicture &picture, const ToneCurves &curves)
{
    imaging::inBands(picture.size.height, imaging::WorkPool::shared().threads(), [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            std::uint32_t *row = picture.row(y);
            for (int x = 0; x < picture.size.width; ++x) {
                const std::uint32_t p = row[x];
                row[x] = (p & 0xFF000000u) | std::uint32_t(curves[0][p >> 16 & 0xFF]) << 16 |
                         std::uint32_t(curves[1][p >> 8 & 0xFF]) << 8 | curves[2][p & 0xFF];
            }
        }
    });
}

std::string describeColours(const ColourMatch &match)
{
    if (!match.found)
        return "colors not matched: too few points that both pictures show";
    const long percent = std::lround(std::abs(match.brighter) * 100);
    const bool tinted = std::abs(match.warmer) >= 0.02;
    const char *tint = match.warmer > 0 ? "warmer" : "cooler";
    char text[128];
    if (percent >= 1 && tinted)
        std::snprintf(text, sizeof text, "colors matched: the right picture was %ld %% %s and %s", percent,
                      match.brighter > 0 ? "brighter" : "darker", tint);
    else if (percent >= 1)
        std::snprintf(text, sizeof text, "colors matched: the right picture was %ld %% %s", percent,
                      match.brighter > 0 ? "brighter" : "darker");
    else if (tinted)
        std::snprintf(text, sizeof text, "colors matched: the right picture was %s", tint);
    else
        std::snprintf(text, sizeof text, "colors matched: the pictures hardly differed");
    return text;
}

}  // namespace stereo
