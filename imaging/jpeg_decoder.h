// Decodes JPEG pictures with libjpeg-turbo at a reduced scale, upright and
// in sRGB: libjpeg can decode at k/8 of the full size (k = 1 to 8) for a
// fraction of the full cost; the Exif orientation is applied, an embedded
// ICC profile converted, and CMYK pictures turned into RGB.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "picture.h"

namespace imaging {

struct DecodedJpeg {
    bool decoded = false;  // false for bytes that are no JPEG libjpeg can read
    bool tooLarge = false;  // not decoded: more pixels at the size asked for than largestPicturePixels
    bool outOfMemory = false;  // not decoded: memory ran out
    RgbPicture picture;    // upright, in sRGB
    PixelSize fullSize;    // the upright picture's full size; set once the header reads
    int orientation = 1;   // the Exif orientation that was applied
    bool colourConverted = false;  // an embedded profile was applied
    bool grayscale = false;        // the picture holds one channel of gray only
    std::vector<unsigned char> exif;  // the first APP1 Exif payload ("Exif\0\0" and its TIFF data), if any
};

// What the header segments of a JPEG picture say, read without decoding.
struct JpegHeader {
    bool read = false;    // false for bytes whose header libjpeg cannot read
    PixelSize fullSize;   // upright
    int orientation = 1;  // the Exif orientation
    std::vector<unsigned char> exif;        // as in DecodedJpeg
    std::vector<unsigned char> iccProfile;  // the embedded colour profile, if any
};
JpegHeader readJpegHeader(const unsigned char *jpeg, std::size_t size);

// Told, on the decoding thread, as the rows of a picture stored upright
// become final, so that work on them can begin before the decode ends.
class RowObserver {
public:
    virtual ~RowObserver() = default;
    // Rows [0, `rows`) of `picture` hold their final pixels.
    virtual void rowsReady(const RgbPicture &picture, int rows) = 0;
    // The decode is over: the pixels may change or go once this returns.
    virtual void decodeOver() = 0;
};

// Decodes `jpeg` at the smallest k/8 scale whose upright size covers
// `shownSize(fullSize)`; `rows`, when given, hears of the rows as they are
// decoded (not for a picture that is turned or mirrored after decoding).
DecodedJpeg decodeJpeg(const unsigned char *jpeg, std::size_t size,
                       const std::function<PixelSize(PixelSize)> &shownSize, RowObserver *rows = nullptr);

}  // namespace imaging
