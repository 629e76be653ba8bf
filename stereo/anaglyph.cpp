#include "anaglyph.h"

#include <algorithm>
#include <cmath>

namespace stereo {

namespace {

// Rec. 601 luma weights, as gray anaglyphs use them.
constexpr double kr = 0.299, kg = 0.587, kb = 0.114;

AnaglyphMatrix matrixOf(View view)
{
    switch (view) {
    case View::RedCyanDubois:
        return {{{0.437, 0.449, 0.164, -0.011, -0.032, -0.007},
                 {-0.062, -0.062, -0.024, 0.377, 0.761, 0.009},
                 {-0.048, -0.050, -0.017, -0.026, -0.093, 1.234}}};
    case View::RedCyanColour: return {{{1, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 1}}};
    case View::RedCyanHalf: return {{{kr, kg, kb, 0, 0, 0}, {0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 1}}};
    case View::RedCyanGray: return {{{kr, kg, kb, 0, 0, 0}, {0, 0, 0, kr, kg, kb}, {0, 0, 0, kr, kg, kb}}};
    case View::GreenMagentaDubois:
        return {{{-0.062, -0.158, -0.039, 0.529, 0.705, 0.024},
                 {0.284, 0.668, 0.143, -0.016, -0.015, -0.065},
                 {-0.015, -0.027, 0.021, 0.009, 0.075, 0.937}}};
    case View::GreenMagentaColour: return {{{0, 0, 0, 1, 0, 0}, {0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 1}}};
    case View::GreenMagentaHalf: return {{{0, 0, 0, 1, 0, 0}, {kr, kg, kb, 0, 0, 0}, {0, 0, 0, 0, 0, 1}}};
    case View::GreenMagentaGray: return {{{0, 0, 0, kr, kg, kb}, {kr, kg, kb, 0, 0, 0}, {0, 0, 0, kr, kg, kb}}};
    case View::AmberBlueDubois:
        return {{{1.062, -0.205, 0.299, -0.016, -0.123, -0.017},
                 {-0.026, 0.908, 0.068, 0.006, 0.062, -0.017},
                 {-0.038, -0.173, 0.022, 0.094, 0.185, 0.911}}};
    case View::AmberBlueColour: return {{{1, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 1}}};
    case View::AmberBlueHalf: return {{{1, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0}, {0, 0, 0, kr, kg, kb}}};
    case View::AmberBlueGray: return {{{kr, kg, kb, 0, 0, 0}, {kr, kg, kb, 0, 0, 0}, {0, 0, 0, kr, kg, kb}}};
    default: return {};
    }
}

// The matrix in 16.16 fixed point, for integer arithmetic on whole rows.
using FixedMatrix = std::array<std::int32_t, 18>;

FixedMatrix fixedOf(const AnaglyphMatrix &matrix)
{
    FixedMatrix fixed{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 6; ++column)
            fixed[std::size_t(row * 6 + column)] = std::int32_t(std::lround(matrix[row][column] * 65536));
    return fixed;
}

}  // namespace

const AnaglyphMatrix &anaglyphMatrix(View view)
{
    static const auto matrices = [] {
        std::array<AnaglyphMatrix, 19> all{};
        for (const ViewDescription &d : allViews())
            all[std::size_t(d.view)] = matrixOf(d.view);
        return all;
    }();
    return matrices[std::size_t(view)];
}

void mixAnaglyphRow(const std::uint32_t *left, const std::uint32_t *right, std::uint32_t *out, int width,
                    const AnaglyphMatrix &matrix)
{
    const FixedMatrix m = fixedOf(matrix);
    constexpr std::int32_t half = 1 << 15;
    for (int x = 0; x < width; ++x) {
        const std::int32_t lr = std::int32_t(left[x] >> 16 & 0xFF), lg = std::int32_t(left[x] >> 8 & 0xFF),
                           lb = std::int32_t(left[x] & 0xFF);
        const std::int32_t rr = std::int32_t(right[x] >> 16 & 0xFF), rg = std::int32_t(right[x] >> 8 & 0xFF),
                           rb = std::int32_t(right[x] & 0xFF);
        std::int32_t red = (m[0] * lr + m[1] * lg + m[2] * lb + m[3] * rr + m[4] * rg + m[5] * rb + half) >> 16;
        std::int32_t green = (m[6] * lr + m[7] * lg + m[8] * lb + m[9] * rr + m[10] * rg + m[11] * rb + half) >> 16;
        std::int32_t blue = (m[12] * lr + m[13] * lg + m[14] * lb + m[15] * rr + m[16] * rg + m[17] * rb + half) >> 16;
        red = std::clamp(red, 0, 255), green = std::clamp(green, 0, 255), blue = std::clamp(blue, 0, 255);
        out[x] = 0xFF000000u | std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | std::uint32_t(blue);
    }
}

}  // namespace stereo
