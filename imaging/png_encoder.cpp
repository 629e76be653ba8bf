#include "png_encoder.h"

#include <png.h>

namespace imaging {

bool encodePng(const RgbPicture &picture, std::vector<unsigned char> &png, bool fast)
{
    const int width = picture.size.width, height = picture.size.height;
    if (width <= 0 || height <= 0)
        return false;
    // Three bytes a pixel, red first, as an opaque PNG holds them.
    std::vector<unsigned char> rgb(std::size_t(width) * std::size_t(height) * 3);
    unsigned char *to = rgb.data();
    for (const std::uint32_t pixel : picture.pixels) {
        *to++ = static_cast<unsigned char>(pixel >> 16);
        *to++ = static_cast<unsigned char>(pixel >> 8);
        *to++ = static_cast<unsigned char>(pixel);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = PNG_FORMAT_RGB;
    if (fast)
        image.flags |= PNG_IMAGE_FLAG_FAST;
    // Written once into room for the largest PNG the picture can make (asking
    // libpng for the size first would compress it twice).
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    png.resize(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr)) {
        png.clear();
        return false;
    }
    png.resize(size);
    return true;
}

}  // namespace imaging
