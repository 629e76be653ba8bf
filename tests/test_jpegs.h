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

// A CMYK press profile: ink takes away light the plain way, as a 9-point
// table from CMYK into Lab between identity curves.
inline Bytes simpleCmykProfile()
{
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(profile, 2.1);
    cmsSetDeviceClass(profile, cmsSigOutputClass);
    cmsSetColorSpace(profile, cmsSigCmykData);
    cmsSetPCS(profile, cmsSigLabData);
    cmsStage *table = cmsStageAllocCLut16bit(nullptr, 9, 4, 3, nullptr);
    cmsStageSampleCLut16bit(table, [](const cmsUInt16Number ink[], cmsUInt16Number lab[], void *) -> cmsInt32Number {
        double rgb[3];
        for (int c = 0; c < 3; ++c)
            rgb[c] = (1 - ink[c] / 65535.0) * (1 - ink[3] / 65535.0);
        const cmsCIEXYZ xyz = {0.4360 * rgb[0] + 0.3851 * rgb[1] + 0.1431 * rgb[2],
                               0.2225 * rgb[0] + 0.7169 * rgb[1] + 0.0606 * rgb[2],
                               0.0139 * rgb[0] + 0.0971 * rgb[1] + 0.7141 * rgb[2]};  // sRGB primaries, D50
        cmsCIELab value;
        cmsXYZ2Lab(cmsD50_XYZ(), &value, &xyz);
        cmsFloat2LabEncoded(lab, &value);
        return 1;
    }, nullptr, 0);
    cmsPipeline *toLab = cmsPipelineAlloc(nullptr, 4, 3);
    cmsPipelineInsertStage(toLab, cmsAT_END, cmsStageAllocToneCurves(nullptr, 4, nullptr));
    cmsPipelineInsertStage(toLab, cmsAT_END, table);
    cmsPipelineInsertStage(toLab, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsWriteTag(profile, cmsSigAToB0Tag, toLab);
    cmsWriteTag(profile, cmsSigMediaWhitePointTag, cmsD50_XYZ());
    cmsPipelineFree(toLab);
    return savedProfile(profile);
}
