#include "anaglyph.h"

#include <algorithm>

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

}  // namespace

const AnaglyphMatrix &anaglyphMatrix(View view)
{
    static const auto matrices = [] {
        std::vector<AnaglyphMatrix> all(allViews().size());
        for (const ViewDescription &d : allViews())
            all[std::size_t(d.view)] = matrixOf(d.view);
        return all;
    }();
    return matrices[std::size_t(view)];
}

// Single-precision sums, clamped as integers: with no calls or branches in
// the loop, the compiler vectorises it. On x86-64 a second copy is built for
// processors with AVX2 and FMA (eight pixels at a time), chosen at start-up.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("arch=x86-64-v3", "default")))
#endif
void mixAnaglyphRow(const std::uint32_t *left, const std::uint32_t *right, std::uint32_t *out, int width,
                    const AnaglyphMatrix &matrix)
{
    float m[3][6];
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 6; ++column)
            m[row][column] = float(matrix[row][column]);
    for (int x = 0; x < width; ++x) {
        const std::uint32_t a = left[x], b = right[x];
        const float lr = float(std::int32_t(a >> 16 & 0xFF)), lg = float(std::int32_t(a >> 8 & 0xFF)),
                    lb = float(std::int32_t(a & 0xFF));
        const float rr = float(std::int32_t(b >> 16 & 0xFF)), rg = float(std::int32_t(b >> 8 & 0xFF)),
                    rb = float(std::int32_t(b & 0xFF));
        // Half a level added, then truncated: rounded to the nearest level.
        std::int32_t red = std::int32_t(m[0][0] * lr + m[0][1] * lg + m[0][2] * lb + m[0][3] * rr + m[0][4] * rg +
                                        m[0][5] * rb + 0.5f);
        std::int32_t green = std::int32_t(m[1][0] * lr + m[1][1] * lg + m[1][2] * lb + m[1][3] * rr + m[1][4] * rg +
                                          m[1][5] * rb + 0.5f);
        std::int32_t blue = std::int32_t(m[2][0] * lr + m[2][1] * lg + m[2][2] * lb + m[2][3] * rr + m[2][4] * rg +
                                         m[2][5] * rb + 0.5f);
        red = std::clamp(red, 0, 255), green = std::clamp(green, 0, 255), blue = std::clamp(blue, 0, 255);
        out[x] = 0xFF000000u | std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | std::uint32_t(blue);
    }
}

}  // namespace stereo
