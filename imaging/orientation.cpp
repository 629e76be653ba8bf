#include "orientation.h"

#include <algorithm>

namespace imaging {

// Where stored pixel (0, y) goes in the upright picture, and how far apart
// the neighbours of one stored row land there.
struct RowPlacement {
    long first, step;
};

RowPlacement placeRow(int orientation, long y, long w, long h)
{
    switch (orientation) {
    case 2: return {y * w + w - 1, -1};            // mirrored left to right
    case 3: return {(h - 1 - y) * w + w - 1, -1};  // turned half round
    case 4: return {(h - 1 - y) * w, 1};           // mirrored top to bottom
    case 5: return {y, h};                         // mirrored along the diagonal
    case 6: return {h - 1 - y, h};                 // turned a quarter clockwise to show
    case 7: return {(w - 1) * h + h - 1 - y, -h};  // mirrored along the other diagonal
    case 8: return {(w - 1) * h + y, -h};          // turned a quarter anticlockwise to show
    default: return {y * w, 1};
    }
}

// Each stored pixel (x, y) goes to index first(y) + x * step of the upright
// picture. The pixels are moved in square tiles, so that a quarter turn
// writes into a few cached rows at a time instead of a whole column.
RgbPicture applyOrientation(const RgbPicture &stored, int orientation)
{
    if (orientation < 2 || orientation > 8)
        return stored;
    constexpr long tile = 32;
    const long w = stored.size.width, h = stored.size.height;
    RgbPicture upright;
    upright.size = swapsSides(orientation) ? PixelSize{int(h), int(w)} : stored.size;
    upright.pixels.resize(stored.pixels.size());
    std::uint32_t *to = upright.pixels.data();
    for (long top = 0; top < h; top += tile)
        for (long left = 0; left < w; left += tile)
            for (long y = top; y < std::min(h, top + tile); ++y) {
                const RowPlacement row = placeRow(orientation, y, w, h);
                const std::uint32_t *from = stored.row(int(y));
                for (long x = left, at = row.first + left * row.step; x < std::min(w, left + tile); ++x, at += row.step)
                    to[at] = from[x];
            }
    return upright;
}

}  // namespace imaging
