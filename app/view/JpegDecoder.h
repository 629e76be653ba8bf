// The viewer's picture decoder: the imaging library's JPEG decoding (at a
// reduced scale, upright, in sRGB), handed over as a QImage.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>

#include "imaging/jpeg_decoder.h"

// Decodes `jpeg` at the smallest k/8 scale whose size covers the size that
// `shownSize` gives for the upright picture's full size. Returns a null
// image for bytes that are no JPEG libjpeg can read; `fullSize` gets the
// upright picture's size when its header reads; `rows`, when given, hears
// of the rows as they are decoded.
QImage decodeJpegScaled(const QByteArray &jpeg, const std::function<QSize(QSize)> &shownSize, QSize &fullSize,
                        imaging::RowObserver *rows = nullptr);

// The picture as a QImage that shares its pixels (no copy).
QImage imageOf(imaging::RgbPicture picture);
