#include "composition.h"

#include <algorithm>
#include <utility>

#include "anaglyph.h"

namespace stereo {

namespace {

using imaging::RgbPicture;
using Pixel = std::uint32_t;

// One picture's row `y` of the overlap, from its first covered column.
struct Source {
    const RgbPicture *picture;
    int x, y;
    const Pixel *row(int line) const { return picture->row(y + line) + x; }
};

void copyRow(const Pixel *from, Pixel *to, int width) { std::copy(from, from + width, to); }

void copyRowFlipped(const Pixel *from, Pixel *to, int width) { std::reverse_copy(from, from + width, to); }

void interlaceColumns(const Pixel *even, const Pixel *odd, Pixel *to, int width)
{
    for (int x = 0; x < width; ++x)
        to[x] = (x & 1) == 0 ? even[x] : odd[x];
}

void fill(const Source &a, const Source &b, View view, int wiggleFrame, RgbPicture &out, int width, int height)
{
    for (int y = 0; y < height; ++y) {
        Pixel *to = out.row(y);
        switch (view) {
        case View::Parallel: copyRow(a.row(y), to, width), copyRow(b.row(y), to + width, width); break;
        case View::Cross: copyRow(b.row(y), to, width), copyRow(a.row(y), to + width, width); break;
        case View::Mirror: copyRow(a.row(y), to, width), copyRowFlipped(b.row(y), to + width, width); break;
        case View::OverUnder: copyRow(a.row(y), to, width), copyRow(b.row(y), out.row(y + height), width); break;
        case View::Rows: copyRow((y & 1) == 0 ? a.row(y) : b.row(y), to, width); break;
        case View::Columns: interlaceColumns(a.row(y), b.row(y), to, width); break;
        case View::Wiggle: copyRow(wiggleFrame == 0 ? a.row(y) : b.row(y), to, width); break;
        default: mixAnaglyphRow(a.row(y), b.row(y), to, width, anaglyphMatrix(view)); break;
        }
    }
}

}  // namespace

imaging::PixelSize composedSize(imaging::PixelSize picture, const Options &options)
{
    const imaging::PixelSize covered = overlapOf(picture, options.dx, options.dy).size;
    const Layout layout = layoutOf(options.view);
    return {covered.width * layout.across, covered.height * layout.down};
}

bool compose(const RgbPicture &left, const RgbPicture &right, const Options &options, RgbPicture &out,
             int wiggleFrame)
{
    if (left.size != right.size || left.size.width <= 0 || left.size.height <= 0)
        return false;
    const Overlap overlap = overlapOf(left.size, options.dx, options.dy);
    Source a{&left, overlap.leftX, overlap.leftY};
    Source b{&right, overlap.rightX, overlap.rightY};
    if (options.swap)
        std::swap(a.picture, b.picture);
    RgbPicture composed;
    composed.size = composedSize(left.size, options);
    composed.pixels.resize(std::size_t(composed.size.width) * std::size_t(composed.size.height));
    fill(a, b, options.view, wiggleFrame, composed, overlap.size.width, overlap.size.height);
    out = std::move(composed);
    return true;
}

}  // namespace stereo
