#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit; this one jumps back
// instead of ending the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void ignoreWarning(j_common_ptr, int) {}

// The decoding proper, apart from decodeJpegScaled so that nothing with a
// destructor lives in the frame that longjmp returns to.
bool decodeInto(jpeg_decompress_struct &info, ErrorManager &errors, const QByteArray &jpeg,
                const std::function<QSize(QSize)> &shownSize, QSize &fullSize, QImage &picture)
{
    if (setjmp(errors.jump) != 0)
        return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(jpeg.constData()), jpeg.size());
    jpeg_read_header(&info, TRUE);
    fullSize = QSize(int(info.image_width), int(info.image_height));
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        return false;
    const QSize shown = shownSize(fullSize);
    info.out_color_space = JCS_EXT_BGRX;  // the byte order of QImage::Format_RGB32
    info.scale_denom = 8;
    for (info.scale_num = 1; info.scale_num < 8; ++info.scale_num) {
        jpeg_calc_output_dimensions(&info);
        if (int(info.output_width) >= shown.width() && int(info.output_height) >= shown.height())
            break;
    }
    jpeg_start_decompress(&info);
    picture = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (picture.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage decodeJpegScaled(const QByteArray &jpeg, const std::function<QSize(QSize)> &shownSize, QSize &fullSize)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.emit_message = ignoreWarning;
    jpeg_create_decompress(&info);
    QImage picture;
    const bool decoded = decodeInto(info, errors, jpeg, shownSize, fullSize, picture);
    jpeg_destroy_decompress(&info);
    return decoded ? picture : QImage();
}
