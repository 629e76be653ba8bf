// Real JPEG pictures for the decoding tests and the decoder's fuzz seeds,
// encoded with libjpeg, and the ICC profiles they carry, made with Little CMS.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <lcms2.h>

#include "mpo_builder.h"

// Encodes pixels of `components` bytes each, given by `pixelAt`, at quality
// 100 without chroma subsampling, so that solid 8x8 blocks keep their colour.
template <typename PixelAt>
inline Bytes encodeJpeg(int width, int height, J_COLOR_SPACE space, J_COLOR_SPACE stored, PixelAt pixelAt)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(width), info.image_height = JDIMENSION(height);
    info.input_components = space == JCS_CMYK ? 4 : space == JCS_GRAYSCALE ? 1 : 3, info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, stored);
    jpeg_set_quality(&info, 100, TRUE);
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    Bytes row(std::size_t(width * info.input_components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixelAt(x, y, &row[std::size_t(x * info.input_components)]);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes jpeg(out, out + size);
    std::free(out);
    return jpeg;
}

inline Bytes solidRgb(std::array<unsigned char, 3> rgb)
{
    return encodeJpeg(16, 16, JCS_RGB, JCS_YCbCr, [&](int, int, unsigned char *p) { std::copy(rgb.begin(), rgb.end(), p); });
}

// The profile's bytes; closes the profile.
inline Bytes savedProfile(cmsHPROFILE profile)
{
    cmsUInt32Number length = 0;
    cmsSaveProfileToMem(profile, nullptr, &length);
    Bytes bytes(length);
    cmsSaveProfileToMem(profile, bytes.data(), &length);
    cmsCloseProfile(profile);
    return bytes;
}

// Display P3: its primaries, D65 white and the sRGB tone curve.
inline Bytes displayP3Profile()
{
    const cmsCIExyY white = {0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries = {{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}};
    const double srgbCurve[] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve *curve = cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    cmsToneCurve *curves[] = {curve, curve, curve};
    const Bytes profile = savedProfile(cmsCreateRGBProfile(&white, &primaries, curves));
    cmsFreeToneCurve(curve);
    return profile;
}
