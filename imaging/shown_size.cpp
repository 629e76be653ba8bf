#include "shown_size.h"

#include <algorithm>
#include <cmath>

namespace imaging {

PixelSize fittedSize(PixelSize picture, PixelSize area, bool enlarge)
{
    if (area.width <= 0 || area.height <= 0 || picture.width <= 0 || picture.height <= 0 ||
        (!enlarge && picture.width <= area.width && picture.height <= area.height))
        return picture;
    // As QSize::scale with Qt::KeepAspectRatio: the width fits, unless then the height does not.
    const long long width = (long long)(area.height) * picture.width / std::max(1, picture.height);
    if (width <= area.width)
        return {int(width), area.height};
    return {area.width, int((long long)(area.width) * picture.height / std::max(1, picture.width))};
}

PixelSize fittedInLayout(PixelSize full, int across, int down, PixelSize area, bool enlarge)
{
    const double scale = std::min({enlarge ? HUGE_VAL : 1.0, area.width / (double(full.width) * across),
                                   area.height / (double(full.height) * down)});
    return {std::max(1, int(std::lround(full.width * scale))), std::max(1, int(std::lround(full.height * scale)))};
}

PixelSize zoomedSize(PixelSize full, double zoom)
{
    const double scale = std::min(1.0, zoom);
    return {std::max(1, int(std::ceil(full.width * scale))), std::max(1, int(std::ceil(full.height * scale)))};
}

int decodeEighths(PixelSize full, PixelSize shown)
{
    for (int eighths = 1; eighths < 8; ++eighths) {
        const PixelSize size = sizeAtEighths(full, eighths);
        if (size.width >= shown.width && size.height >= shown.height)
            return eighths;
    }
    return 8;
}

PixelSize sizeAtEighths(PixelSize full, int eighths)
{
    const auto scaled = [eighths](int extent) { return int((long long)(extent) * eighths / 8 + ((long long)(extent) * eighths % 8 != 0)); };
    return {scaled(full.width), scaled(full.height)};
}

bool decodedTooFine(PixelSize full, PixelSize decoded, PixelSize wanted)
{
    return decoded.width > 2 * wanted.width && decoded.width > sizeAtEighths(full, 1).width;
}

}  // namespace imaging
