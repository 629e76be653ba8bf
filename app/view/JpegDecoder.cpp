#include "view/JpegDecoder.h"


namespace {

// The QImage shares the decoded pixels and frees them with itself.
void releasePicture(void *picture)
{
    delete static_cast<imaging::RgbPicture *>(picture);
}

}  // namespace

QImage decodeJpegScaled(const QByteArray &jpeg, const std::function<QSize(QSize)> &shownSize, QSize &fullSize,
                        imaging::RowObserver *rows)
{
    const auto shown = [&shownSize](imaging::PixelSize full) {
        const QSize size = shownSize(QSize(full.width, full.height));
        return imaging::PixelSize{size.width(), size.height()};
    };
    imaging::DecodedJpeg decoded =
        imaging::decodeJpeg(reinterpret_cast<const unsigned char *>(jpeg.constData()), std::size_t(jpeg.size()), shown, rows);
    if (decoded.fullSize.width > 0)
        fullSize = QSize(decoded.fullSize.width, decoded.fullSize.height);
    if (!decoded.decoded || decoded.picture.pixels.empty())
        return QImage();
    return imageOf(std::move(decoded.picture));
}

QImage imageOf(imaging::RgbPicture decoded)
{
    if (decoded.pixels.empty())
        return QImage();
    auto *picture = new imaging::RgbPicture(std::move(decoded));
    return QImage(reinterpret_cast<uchar *>(picture->pixels.data()), picture->size.width, picture->size.height,
                  qsizetype(picture->size.width) * 4, QImage::Format_RGB32, releasePicture, picture);
}
