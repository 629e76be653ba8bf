#include "jpeg_encoder.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <new>

#include <jpeglib.h>
#include <jerror.h>
#include <lcms2.h>

namespace imaging {

namespace {

struct ErrorJump {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump *>(info->err)->jump, 1);
}

// Collects the compressed bytes in a vector that grows as libjpeg fills it.
struct VectorDestination {
    jpeg_destination_mgr base;
    std::vector<unsigned char> *bytes;
};

constexpr std::size_t destinationChunk = 1 << 16;

// Running out of memory is reported to libjpeg, which jumps back out.
bool resized(std::vector<unsigned char> &bytes, std::size_t size)
{
    try {
        bytes.resize(size);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

void startDestination(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<VectorDestination *>(info->dest);
    if (!resized(*dest->bytes, destinationChunk))
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    dest->base.next_output_byte = dest->bytes->data();
    dest->base.free_in_buffer = dest->bytes->size();
}

boolean growDestination(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<VectorDestination *>(info->dest);
    const std::size_t used = dest->bytes->size();  // libjpeg filled the whole buffer
    if (!resized(*dest->bytes, used * 2))
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    dest->base.next_output_byte = dest->bytes->data() + used;
    dest->base.free_in_buffer = dest->bytes->size() - used;
    return TRUE;
}

void finishDestination(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<VectorDestination *>(info->dest);
    dest->bytes->resize(dest->bytes->size() - dest->base.free_in_buffer);
}

constexpr J_COLOR_SPACE pixelSpace = std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// The compression proper, apart from encodeJpeg so that nothing with a
// destructor lives in the frame that longjmp returns to.
bool compress(jpeg_compress_struct &info, ErrorJump &errors, const RgbPicture &picture,
              const EncodeSettings &settings, const std::function<void(int, int)> &progress)
{
    if (setjmp(errors.jump) != 0)
        return false;
    info.image_width = JDIMENSION(picture.size.width);
    info.image_height = JDIMENSION(picture.size.height);
    info.input_components = 4;
    info.in_color_space = pixelSpace;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(settings.quality, 1, 100), TRUE);
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    if (settings.halfWidthColour)
        info.comp_info[0].h_samp_factor = 2;
    info.optimize_coding = TRUE;
    info.write_JFIF_header = settings.exif.empty();  // Exif's APP1 must follow SOI
    jpeg_start_compress(&info, TRUE);
    if (!settings.exif.empty())
        jpeg_write_marker(&info, JPEG_APP0 + 1, settings.exif.data(), unsigned(settings.exif.size()));
    const std::vector<unsigned char> &profile = srgbProfile();
    if (settings.srgbProfile && !profile.empty())
        jpeg_write_icc_profile(&info, profile.data(), unsigned(profile.size()));
    if (!settings.app3.empty())
        jpeg_write_marker(&info, JPEG_APP0 + 3, settings.app3.data(), unsigned(settings.app3.size()));
    const int reportEvery = std::max(1, picture.size.height / 50);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<std::uint32_t *>(picture.row(y)));
        jpeg_write_scanlines(&info, &row, 1);
        if (progress && (y % reportEvery == 0 || y + 1 == picture.size.height))
            progress(y + 1, picture.size.height);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace

const std::vector<unsigned char> &srgbProfile()
{
    static const std::vector<unsigned char> profile = [] {
        std::vector<unsigned char> bytes;
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        cmsUInt32Number length = 0;
        if (srgb != nullptr && cmsSaveProfileToMem(srgb, nullptr, &length) && length > 0) {
            bytes.resize(length);
            if (!cmsSaveProfileToMem(srgb, bytes.data(), &length))
                bytes.clear();
        }
        if (srgb != nullptr)
            cmsCloseProfile(srgb);
        // Little CMS stamps the profile with the time it was made; a fixed
        // date (2000-01-01 00:00:00) makes the same picture the same bytes
        // on every run. The profile's ID, a checksum left out here, stays 0.
        constexpr std::size_t dateAt = 24, dateLength = 12;
        constexpr unsigned char fixedDate[dateLength] = {0x07, 0xD0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0};
        if (bytes.size() >= 128)
            std::copy(fixedDate, fixedDate + dateLength, bytes.begin() + dateAt);
        return bytes;
    }();
    return profile;
}

bool encodeJpeg(const RgbPicture &picture, const EncodeSettings &settings, std::vector<unsigned char> &jpeg,
                const std::function<void(int, int)> &progress)
{
    if (picture.size.width <= 0 || picture.size.height <= 0)
        return false;
    jpeg_compress_struct info{};
    ErrorJump errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    jpeg_create_compress(&info);
    std::vector<unsigned char> bytes;
    VectorDestination destination{{nullptr, 0, startDestination, growDestination, finishDestination}, &bytes};
    info.dest = &destination.base;
    const bool done = compress(info, errors, picture, settings, progress);
    jpeg_destroy_compress(&info);
    if (done)
        jpeg = std::move(bytes);
    return done;
}

}  // namespace imaging
