// Decodes JPEG pictures with libjpeg at a reduced scale: libjpeg can decode
// at k/8 of the full size (k = 1 to 8) for a fraction of the full cost.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>

// Decodes `jpeg` at the smallest k/8 scale whose size covers the size that
// `shownSize` gives for the picture's full size. Returns a null image for
// bytes that are no JPEG libjpeg can turn into RGB (CMYK, other formats,
// damaged headers); `fullSize` gets the picture's size when its header reads.
QImage decodeJpegScaled(const QByteArray &jpeg, const std::function<QSize(QSize)> &shownSize, QSize &fullSize);
