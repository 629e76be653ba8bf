// Fuzz entry point for the picture decoder: decodes one input at the
// smallest scale, and at full size when it is small, and checks that a
// decoded picture holds as many pixels as its size says. The Exif block is
// rewritten as an exported stereo view's would be.
#include <cstdint>
#include <cstdlib>

#include "imaging/exif.h"
#include "imaging/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using imaging::PixelSize;
    bool small = false;
    for (bool full : {false, true}) {
        if (full && !small)
            break;  // a picture too large for full size would only be decoded at the smallest scale again
        const imaging::DecodedJpeg decoded = imaging::decodeJpeg(data, size, [full, &small](PixelSize whole) {
            small = std::int64_t{whole.width} * whole.height <= 1 << 16;
            return full && small ? whole : PixelSize{1, 1};
        });
        const PixelSize shown = decoded.picture.size;
        if (decoded.decoded && decoded.picture.pixels.size() != std::size_t(shown.width) * std::size_t(shown.height))
            std::abort();
        if (!full)
            imaging::exifForNewPicture(decoded.exif, {shown.width * 2, shown.height});
    }
    return 0;
}
