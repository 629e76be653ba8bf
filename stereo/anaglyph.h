// Anaglyph mixing: each output channel is a weighted sum of the left and
// the right picture's channels, so one 3 x 6 matrix describes a kind of
// glasses and a way of mixing. The Dubois matrices are the least-squares
// ones Eric Dubois published for each kind of glasses; the colour, half
// colour and gray mixes are the classic ones.
#pragma once

#include <array>
#include <cstdint>

#include "stereo_view.h"

namespace stereo {

// Rows: red, green, blue out; columns: left red, green, blue, then right
// red, green, blue.
using AnaglyphMatrix = std::array<std::array<double, 6>, 3>;

// The matrix of an anaglyph view.
const AnaglyphMatrix &anaglyphMatrix(View view);

// Mixes `width` pixels of a left and a right row into `out` (0xffRRGGBB).
void mixAnaglyphRow(const std::uint32_t *left, const std::uint32_t *right, std::uint32_t *out, int width,
                    const AnaglyphMatrix &matrix);

}  // namespace stereo
