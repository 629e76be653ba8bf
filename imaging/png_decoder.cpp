#include "png_decoder.h"

#include <new>
#include <vector>

#include <png.h>

namespace imaging {

DecodedPng decodePng(const unsigned char *png, std::size_t size)
{
    DecodedPng result;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png, size)) {
        result.problem = "is not a PNG picture libpng can read";
        return result;
    }
    if (image.width == 0 || image.height == 0 || std::size_t(image.width) * image.height > largestPngPixels) {
        png_image_free(&image);
        result.problem = "is a PNG picture too large to show";
        return result;
    }
    image.format = PNG_FORMAT_BGR;
    const png_color white{255, 255, 255};
    std::vector<unsigned char> rows;
    try {
        rows.resize(PNG_IMAGE_SIZE(image));
        result.picture.pixels.resize(std::size_t(image.width) * image.height);
    } catch (const std::bad_alloc &) {
        png_image_free(&image);
        result.problem = "cannot be held in memory";
        return result;
    }
    if (!png_image_finish_read(&image, &white, rows.data(), 0, nullptr)) {
        result.problem = "is a damaged PNG picture";
        return result;
    }
    result.picture.size = {int(image.width), int(image.height)};
    for (std::size_t i = 0; i < result.picture.pixels.size(); ++i) {
        const unsigned char *bgr = rows.data() + 3 * i;
        result.picture.pixels[i] = 0xFF000000u | std::uint32_t(bgr[2]) << 16 | std::uint32_t(bgr[1]) << 8 | bgr[0];
    }
    result.decoded = true;
    return result;
}

}  // namespace imaging
