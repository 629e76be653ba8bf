#include "composition.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>
#include <utility>

#include "anaglyph.h"
#include "imaging/resample.h"
#include "imaging/work_pool.h"
#include "colour_match.h"
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

// The mean of two pixels, channel by channel.
Pixel mean(Pixel p, Pixel q)
{
    return (p & q) + (((p ^ q) & 0xFEFEFEFEu) >> 1);
}

// Half of `width` columns of `from`, each the mean of two, into `to`.
void squeezeRow(const Pixel *from, Pixel *to, int width)
{
    for (int x = 0; x < width / 2; ++x)
        to[x] = mean(from[2 * x], from[2 * x + 1]);
}

// Row `y` of a half view: the rows of the picture its half shows, two by
// two; an odd last row or column stays black.
void halfRow(const Source &a, const Source &b, View view, Pixel *to, int width, int height, int y)
{
    constexpr Pixel black = 0xFF000000u;
    if (view == View::HalfParallel) {
        squeezeRow(a.row(y), to, width);
        squeezeRow(b.row(y), to + width / 2, width);
        if (width % 2 != 0)
            to[width - 1] = black;
        return;
    }
    const int half = height / 2;
    if (y >= 2 * half)
        return std::fill(to, to + width, black);
    const Source &picture = y < half ? a : b;
    const int from = 2 * (y % half);
    for (int x = 0; x < width; ++x)
        to[x] = mean(picture.row(from)[x], picture.row(from + 1)[x]);
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
        case View::HalfParallel:
        case View::HalfOverUnder: halfRow(a, b, view, to, width, height, y); break;
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

// The part of a rectangle of `size` that `crop` keeps: its share, then
// the largest part of its shape about the share's centre.
struct Part {
    int x, y;
    imaging::PixelSize size;
};
Part keptPart(imaging::PixelSize size, const Crop &crop, imaging::PixelSize picture)
{
    const auto share = [](double from, double to, int length, int &start, int &kept) {
        from = std::clamp(from, 0.0, 1.0), to = std::clamp(to, from, 1.0);
        start = std::min(int(std::lround(from * length)), length - 1);
        kept = std::max(1, std::min(int(std::lround(to * length)), length) - start);
    };
    Part part{};
    share(crop.left, crop.right, size.width, part.x, part.size.width);
    share(crop.top, crop.bottom, size.height, part.y, part.size.height);
    const double aspect = crop.aspect == 0 ? double(picture.width) / picture.height : crop.aspect;
    if (crop.aspect < 0 || !(aspect > 0))
        return part;
    const double width = part.size.width, height = part.size.height;
    if (width > height * aspect) {
        const int kept = std::max(1, int(std::lround(height * aspect)));
        part.x += (part.size.width - kept) / 2, part.size.width = kept;
    } else {
        const int kept = std::max(1, int(std::lround(width / aspect)));
        part.y += (part.size.height - kept) / 2, part.size.height = kept;
    }
    return part;
}

// The source of one side: the picture itself where nothing changes its
// pixels, else only the part shown, corrected and through its curves.
Source prepared(const RgbPicture &picture, const Options &options, Side side, int x, int y, imaging::PixelSize size,
                RgbPicture &work)
{
    const ToneCurves *curves =
        options.colours && options.colours->found ? &options.colours->curves[side == Side::Left ? 0 : 1] : nullptr;
    if (correctsSide(options, side)) {
        correctPart(picture, options, side, x, y, size, curves, work);
        return {&work, 0, 0};
    }
    if (curves == nullptr)
        return {&picture, x, y};
    work = imaging::cropped(picture, x, y, size);
    applyCurves(work, *curves);
    return {&work, 0, 0};
}

}  // namespace

Overlap shownPart(imaging::PixelSize picture, const Options &options)
{
    const Inset inset = uncoveredBy(picture, options);
    // Swapped, the corrected right picture is read where the left one is.
    const bool insetLeft =
        correctsSide(options, Side::Left) || (options.swap && correctsSide(options, Side::Right));
    Overlap overlap = overlapOf(picture, options.dx, options.dy, inset.x, inset.y, insetLeft);
    const Part part = keptPart(overlap.size, options.crop, picture);
    overlap.leftX += part.x, overlap.rightX += part.x;
    overlap.leftY += part.y, overlap.rightY += part.y;
    overlap.size = part.size;
    return overlap;
}

imaging::PixelSize composedSize(imaging::PixelSize picture, const Options &options)
{
    const imaging::PixelSize shown = shownPart(picture, options).size;
    const Layout layout = layoutOf(options.view);
    return {shown.width * layout.across, shown.height * layout.down};
}

bool compose(const RgbPicture &left, const RgbPicture &right, const Options &options, RgbPicture &out,
             int wiggleFrame)
{
    if (left.size != right.size || left.size.width <= 0 || left.size.height <= 0)
        return false;
    RgbPicture work[2];
    const Overlap overlap = shownPart(left.size, options);
    // Swapped, the right picture takes the left one's place, and its part.
    const bool swap = options.swap;
    Source a = prepared(left, options, Side::Left, swap ? overlap.rightX : overlap.leftX,
                        swap ? overlap.rightY : overlap.leftY, overlap.size, work[0]);
    Source b = prepared(right, options, Side::Right, swap ? overlap.leftX : overlap.rightX,
                        swap ? overlap.leftY : overlap.rightY, overlap.size, work[1]);
    if (swap)
        std::swap(a, b);
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

imaging::RgbPicture letterboxed(const RgbPicture &view, View kind, imaging::PixelSize frame)
{
    const int across = kind == View::HalfParallel ? 2 : 1, down = kind == View::HalfOverUnder ? 2 : 1;
    RgbPicture out;
    out.size = frame;
    out.pixels.assign(std::size_t(frame.width) * std::size_t(frame.height), 0xFF000000u);
    const imaging::PixelSize part{view.size.width / across, view.size.height / down};
    const imaging::PixelSize target{frame.width / across, frame.height / down};
    if (part.width <= 0 || part.height <= 0 || target.width <= 0 || target.height <= 0)
        return out;
    const double scale = std::min(double(target.width) / part.width, double(target.height) / part.height);
    const imaging::PixelSize scaled{std::clamp(int(std::lround(part.width * scale)), 1, target.width),
                                    std::clamp(int(std::lround(part.height * scale)), 1, target.height)};
    for (int i = 0; i < across * down; ++i) {
        const int column = i % across, row = i / across;
        const RgbPicture piece = imaging::resized(
            imaging::cropped(view, column * part.width, row * part.height, part), scaled);
        const int x = column * target.width + (target.width - scaled.width) / 2;
        const int y = row * target.height + (target.height - scaled.height) / 2;
        for (int line = 0; line < scaled.height; ++line)
            std::copy(piece.row(line), piece.row(line) + scaled.width, out.row(y + line) + x);
    }
    return out;
}

}  // namespace stereo
