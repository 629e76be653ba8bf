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
    if (!png_image_begin_read_from_memory(&image, png, size))
        return result;
    if (image.width == 0 || image.height == 0 || std::size_t(image.width) * image.height > largestPngPixels) {
        png_image_free(&image);
        result.failure = DecodedPng::Failure::TooLarge;
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
        result.failure = DecodedPng::Failure::TooLarge;
        return result;
    }
    if (!png_image_finish_read(&image, &white, rows.data(), 0, nullptr))
        return result;  // damaged
    result.picture.size = {int(image.width), int(image.height)};
    for (std::size_t i = 0; i < result.picture.pixels.size(); ++i) {
        const unsigned char *bgr = rows.data() + 3 * i;
        result.picture.pixels[i] = 0xFF000000u | std::uint32_t(bgr[2]) << 16 | std::uint32_t(bgr[1]) << 8 | bgr[0];
    }
    result.failure = DecodedPng::Failure::None;
    return result;
}

}  // namespace imaging
