#include "jpeg_pictures.h"

#include <QBuffer>
#include <QPainter>

QImage scenePicture(int number, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(200, 225, 245));
    painter.fillRect(picture.rect(), sky);
    painter.fillRect(0, size.height() * 2 / 3, size.width(), size.height(), QColor(90, 140, 70));
    const int shift = (number - 1) * size.width() / 40;  // near objects move more between viewpoints
    painter.setBrush(QColor(200, 60, 50));
    painter.drawEllipse(QPointF(size.width() * 0.3 - shift, size.height() * 0.6), size.width() / 9.0, size.width() / 9.0);
    painter.setBrush(QColor(240, 200, 60));
    painter.drawRect(int(size.width() * 0.6) - shift / 3, size.height() / 3, size.width() / 6, size.height() / 3);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(10, size.height() / 5));
    painter.setFont(font);
    painter.drawText(picture.rect().adjusted(0, 0, -size.width() / 30, 0), Qt::AlignRight | Qt::AlignTop,
                     QString::number(number));
    return picture;
}

Bytes jpegOf(const QImage &picture, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", quality);
    return Bytes(bytes.begin(), bytes.end());
}

MPOBuilder jpegMPO(int count, int representative)
{
    MPOBuilder builder;
    for (int n = 1; n <= count; ++n)
        builder.add(jpegOf(scenePicture(n, QSize(56 + 8 * n, 48))), n == representative ? 0x20000000u : 0u);
    return builder;
}
