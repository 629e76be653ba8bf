#include "orientation.h"

#include <cstring>
#include <mutex>

#include <exiv2/exiv2.hpp>

namespace imaging {

int exifOrientation(const unsigned char *app1Payload, std::size_t size)
{
    static const char exifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (size <= sizeof exifHeader || std::memcmp(app1Payload, exifHeader, sizeof exifHeader) != 0)
        return 1;
    static std::once_flag quiet;
    std::call_once(quiet, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, app1Payload + sizeof exifHeader,
                                  static_cast<uint32_t>(size - sizeof exifHeader));
        const auto tag = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
        if (tag == exif.end() || tag->count() == 0)
            return 1;
        const long value = tag->toLong();
        return value >= 1 && value <= 8 ? int(value) : 1;
    } catch (...) {  // Exiv2 throws on blocks it cannot read: show the picture as stored
        return 1;
    }
}

// Each stored pixel (x, y) goes to index first(y) + x * step of the upright
// picture, so every orientation is one loop over whole rows.
RgbPicture applyOrientation(const RgbPicture &stored, int orientation)
{
    if (orientation < 2 || orientation > 8)
        return stored;
    const long w = stored.size.width, h = stored.size.height;
    RgbPicture upright;
    upright.size = swapsSides(orientation) ? PixelSize{int(h), int(w)} : stored.size;
    upright.pixels.resize(stored.pixels.size());
    for (long y = 0; y < h; ++y) {
        long first = 0, step = 0;
        switch (orientation) {
        case 2: first = y * w + w - 1, step = -1; break;              // mirrored left to right
        case 3: first = (h - 1 - y) * w + w - 1, step = -1; break;    // turned half round
        case 4: first = (h - 1 - y) * w, step = 1; break;             // mirrored top to bottom
        case 5: first = y, step = h; break;                           // mirrored along the diagonal
        case 6: first = h - 1 - y, step = h; break;                   // turned a quarter clockwise to show
        case 7: first = (w - 1) * h + h - 1 - y, step = -h; break;    // mirrored along the other diagonal
        case 8: first = (w - 1) * h + y, step = -h; break;            // turned a quarter anticlockwise to show
        }
        const std::uint32_t *from = stored.row(int(y));
        std::uint32_t *to = upright.pixels.data();
        for (long x = 0, at = first; x < w; ++x, at += step)
            to[at] = from[x];
    }
    return upright;
}

}  // namespace imaging
