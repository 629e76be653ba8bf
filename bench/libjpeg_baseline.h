// The benchmarks' baseline decode: libjpeg alone, into 32-bit pixels as the
// viewer holds them, at the smallest k/8 scale that covers `shown` (the full
// size when `shown` is 0 x 0 or larger than the picture).
#pragma once

#include <cstdio>  // jpeglib.h needs FILE
#include <vector>

#include <jpeglib.h>

struct BaselinePicture {
    std::vector<unsigned char> pixels;
    int width = 0, height = 0;
};

inline BaselinePicture decodeWithLibjpeg(const std::vector<unsigned char> &jpeg, int shownWidth = 0, int shownHeight = 0)
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), jpeg.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    info.scale_denom = 8;
    for (info.scale_num = 1; info.scale_num < 8; ++info.scale_num) {
        jpeg_calc_output_dimensions(&info);
        if (int(info.output_width) >= shownWidth && int(info.output_height) >= shownHeight)
            break;
    }
    if (shownWidth == 0 && shownHeight == 0)
        info.scale_num = 8;
    jpeg_start_decompress(&info);
    BaselinePicture picture{{}, int(info.output_width), int(info.output_height)};
    picture.pixels.resize(std::size_t(picture.width) * std::size_t(picture.height) * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.pixels.data() + std::size_t(info.output_scanline) * std::size_t(picture.width) * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return picture;
}
