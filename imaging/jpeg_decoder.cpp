#include "jpeg_decoder.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "colour.h"
#include "exif.h"
#include "orientation.h"

namespace imaging {

namespace {

// The most memory libjpeg may take for one picture (a progressive picture
// holds all its coefficients): a header that claims a gigantic picture is
// refused instead of taking the machine's memory.
constexpr long largestDecoderMemory = 1L << 30;

// How many decoded rows make a report to a RowObserver.
constexpr unsigned rowsPerReport = 32;

// libjpeg reports fatal errors through error_exit; this one jumps back
// instead of ending the program. Warnings are not shown, but the end of the
// scan data (the file ends, or a marker comes before the data does) is noted.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool dataEnded = false;
};

void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void noteWarning(j_common_ptr info, int level)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    const int code = errors->base.msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        errors->dataEnded = true;
}

// libjpeg-turbo's name for the byte layout of 0xffRRGGBB in this machine's order.
constexpr J_COLOR_SPACE pixelSpace = std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// What a decode holds besides libjpeg's own state. It lives in decodeJpeg's
// frame, so that a jump back from libjpeg skips no destructor.
struct DecodeState {
    int orientation = 1;
    std::vector<unsigned char> exif;
    std::vector<unsigned char> iccProfile;
    std::unique_ptr<ProfileConversion> conversion;
    std::vector<unsigned char> cmykRow;
    RowObserver *rows = nullptr;  // told of final rows; null when the picture turns after decoding
};

// The orientation and the profile that the header segments carry.
void readHeaderFacts(jpeg_decompress_struct &info, DecodeState &state)
{
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker != nullptr; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1 || !state.exif.empty())
            continue;
        state.orientation = exifOrientation(marker->data, marker->data_length);
        if (isExifPayload(marker->data, marker->data_length))
            state.exif.assign(marker->data, marker->data + marker->data_length);
    }
    JOCTET *profile = nullptr;
    unsigned int length = 0;
    if (jpeg_read_icc_profile(&info, &profile, &length) && profile != nullptr)
        state.iccProfile.assign(profile, profile + length);
    std::free(profile);
}

// Picks the smallest k/8 scale whose upright output covers what is shown.
void chooseScale(jpeg_decompress_struct &info, PixelSize shown, bool swapped)
{
    info.scale_denom = 8;
    for (info.scale_num = 1; info.scale_num < 8; ++info.scale_num) {
        jpeg_calc_output_dimensions(&info);
        const int width = int(swapped ? info.output_height : info.output_width);
        const int height = int(swapped ? info.output_width : info.output_height);
        if (width >= shown.width && height >= shown.height)
            break;
    }
}

// Reads the scan lines into `picture`, converting CMYK samples and applying
// the profile row by row. A picture whose data ends early keeps the rows
// decoded so far, the rest black, without decoding rows of nothing.
// Returns whether every row was decoded.
bool readRows(jpeg_decompress_struct &info, const ErrorManager &errors, DecodeState &state, bool cmyk,
              RgbPicture &picture)
{
    const bool inverted = info.saw_Adobe_marker;
    const ProfileConversion &conversion = *state.conversion;
    std::vector<unsigned char> &samples = state.cmykRow;
    samples.resize(cmyk ? std::size_t(info.output_width) * 4 : 0);
    const int width = picture.size.width;
    while (info.output_scanline < info.output_height && !errors.dataEnded) {
        std::uint32_t *row = picture.row(int(info.output_scanline));
        JSAMPROW target = cmyk ? samples.data() : reinterpret_cast<JSAMPROW>(row);
        jpeg_read_scanlines(&info, &target, 1);
        if (cmyk && conversion.converts())
            conversion.convertCmykRow(samples.data(), row, width);
        else if (cmyk)
            plainCmykRow(samples.data(), row, width, inverted);
        else if (conversion.converts())
            conversion.convertRgbRow(row, width);
        if (state.rows != nullptr && (info.output_scanline % rowsPerReport == 0 || info.output_scanline == info.output_height))
            state.rows->rowsReady(picture, int(info.output_scanline));
    }
    const std::size_t decoded = std::size_t(info.output_scanline) * std::size_t(width);
    std::fill(picture.pixels.begin() + long(decoded), picture.pixels.end(), 0xFF000000u);
    return decoded == picture.pixels.size();
}

// Reads the header segments and returns the upright picture's size. A
// libjpeg error jumps back to the caller's setjmp.
PixelSize readHeader(jpeg_decompress_struct &info, const unsigned char *jpeg, std::size_t size, DecodeState &state)
{
    info.mem->max_memory_to_use = largestDecoderMemory;
    jpeg_mem_src(&info, jpeg, static_cast<unsigned long>(size));
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    readHeaderFacts(info, state);
    return swapsSides(state.orientation) ? PixelSize{int(info.image_height), int(info.image_width)}
                                         : PixelSize{int(info.image_width), int(info.image_height)};
}

bool readHeaderOnly(jpeg_decompress_struct &info, ErrorManager &errors, const unsigned char *jpeg, std::size_t size,
                    DecodeState &state, JpegHeader &header)
{
    if (setjmp(errors.jump) != 0)
        return false;
    header.fullSize = readHeader(info, jpeg, size, state);
    return true;
}

// The decoding proper, apart from decodeJpeg so that nothing with a
// destructor lives in the frame that longjmp returns to.
bool decodeInto(jpeg_decompress_struct &info, ErrorManager &errors, const unsigned char *jpeg, std::size_t size,
                const std::function<PixelSize(PixelSize)> &shownSize, DecodeState &state, DecodedJpeg &result)
{
    if (setjmp(errors.jump) != 0)
        return false;
    result.fullSize = readHeader(info, jpeg, size, state);
    if (state.orientation != 1)
        state.rows = nullptr;
    const bool swapped = swapsSides(state.orientation);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    result.grayscale = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = cmyk ? JCS_CMYK : pixelSpace;
    chooseScale(info, shownSize(result.fullSize), swapped);
    if (std::uint64_t(info.output_width) * info.output_height > largestPicturePixels) {
        result.tooLarge = true;
        return false;
    }
    state.conversion = std::make_unique<ProfileConversion>(state.iccProfile, cmyk, info.saw_Adobe_marker);
    jpeg_start_decompress(&info);
    RgbPicture &picture = result.picture;
    picture.size = {int(info.output_width), int(info.output_height)};
    try {
        picture.pixels.resize(std::size_t(info.output_width) * info.output_height);
    } catch (const std::bad_alloc &) {
        result.outOfMemory = true;
        return false;
    }
    errors.dataEnded = false;  // a multi-scan picture is read whole before its rows: they are all there is
    if (readRows(info, errors, state, cmyk, picture))
        jpeg_finish_decompress(&info);
    else
        jpeg_abort_decompress(&info);
    return true;
}

}  // namespace

namespace {

void createDecompress(jpeg_decompress_struct &info, ErrorManager &errors)
{
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.emit_message = noteWarning;
    jpeg_create_decompress(&info);
}

}  // namespace

JpegHeader readJpegHeader(const unsigned char *jpeg, std::size_t size)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    createDecompress(info, errors);
    JpegHeader header;
    DecodeState state;
    header.read = readHeaderOnly(info, errors, jpeg, size, state, header);
    jpeg_destroy_decompress(&info);
    header.orientation = state.orientation;
    header.exif = std::move(state.exif);
    header.iccProfile = std::move(state.iccProfile);
    return header;
}

DecodedJpeg decodeJpeg(const unsigned char *jpeg, std::size_t size,
                       const std::function<PixelSize(PixelSize)> &shownSize, RowObserver *rows)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    createDecompress(info, errors);
    DecodedJpeg result;
    DecodeState state;
    state.rows = rows;
    result.decoded = decodeInto(info, errors, jpeg, size, shownSize, state, result);
    if (!result.decoded && errors.base.msg_code == JERR_OUT_OF_MEMORY)
        result.outOfMemory = true;
    jpeg_destroy_decompress(&info);
    if (rows != nullptr)
        rows->decodeOver();
    if (!result.decoded) {
        result.picture = {};
        return result;
    }
    result.orientation = state.orientation;
    result.exif = std::move(state.exif);
    result.colourConverted = state.conversion->converts();
    if (state.orientation != 1)
        result.picture = applyOrientation(result.picture, state.orientation);
    return result;
}

}  // namespace imaging
