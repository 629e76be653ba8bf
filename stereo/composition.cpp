#include "composition.h"

#include <algorithm>
#include <functional>
#include <vector>
#include <utility>

#include "anaglyph.h"
#include "imaging/work_pool.h"
#include "correction.h"

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

// Rows [first, last) of the composed picture.
void fillRows(const Source &a, const Source &b, View view, int wiggleFrame, RgbPicture &out, int width, int height,
              int first, int last)
{
    for (int y = first; y < last; ++y) {
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

// A large picture is composed in bands of rows, one per processor core.
void fill(const Source &a, const Source &b, View view, int wiggleFrame, RgbPicture &out, int width, int height)
{
    constexpr long pixelsWorthAThread = 1L << 18;
    const int cores = imaging::WorkPool::shared().threads();
    const int bands = int(std::clamp<long>(long(width) * height / pixelsWorthAThread, 1, cores));
    imaging::inBands(height, bands,
                     [&](int first, int last) { fillRows(a, b, view, wiggleFrame, out, width, height, first, last); });
}

}  // namespace

imaging::PixelSize composedSize(imaging::PixelSize picture, const Options &options)
{
    const Inset inset = uncoveredBy(picture, options);
    const imaging::PixelSize covered = overlapOf(picture, options.dx, options.dy, inset.x, inset.y).size;
    const Layout layout = layoutOf(options.view);
    return {covered.width * layout.across, covered.height * layout.down};
}

bool compose(const RgbPicture &left, const RgbPicture &right, const Options &options, RgbPicture &out,
             int wiggleFrame)
{
    if (left.size != right.size || left.size.width <= 0 || left.size.height <= 0)
        return false;
    RgbPicture corrected;
    if (options.corrects())
        correctPicture(right, options, corrected);
    const Inset inset = uncoveredBy(left.size, options);
    const Overlap overlap = overlapOf(left.size, options.dx, options.dy, inset.x, inset.y);
    Source a{&left, overlap.leftX, overlap.leftY};
    Source b{options.corrects() ? &corrected : &right, overlap.rightX, overlap.rightY};
    if (options.swap)
        std::swap(a.picture, b.picture);
    // The pixels of `out` are written over where they have the right size:
    // fresh memory costs more to fault in than to fill.
    const imaging::PixelSize size = composedSize(left.size, options);
    if (out.size != size || &out == &left || &out == &right) {
        RgbPicture fresh;
        fresh.size = size;
        fresh.pixels.resize(std::size_t(size.width) * std::size_t(size.height));
        out = std::move(fresh);
    }
    fill(a, b, options.view, wiggleFrame, out, overlap.size.width, overlap.size.height);
    return true;
}

}  // namespace stereo
