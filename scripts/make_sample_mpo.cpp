// Writes a sample MPO file for trying the programs out: a synthetic stereo
// pair, a small scene drawn from two viewpoints and encoded by Qt, in the
// camera layout: make_sample_mpo OUTPUT
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <fstream>

#include "mpo_builder.h"

namespace {

// The scene as seen from viewpoint `number` (1, 2): the near objects shift
// between viewpoints like a stereo pair, and the number shows.
Bytes scenePicture(int number, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(200, 225, 245));
    painter.fillRect(picture.rect(), sky);
    painter.fillRect(0, size.height() * 2 / 3, size.width(), size.height(), QColor(90, 140, 70));
    const int shift = (number - 1) * size.width() / 40;
    painter.setBrush(QColor(200, 60, 50));
    painter.drawEllipse(QPointF(size.width() * 0.3 - shift, size.height() * 0.6), size.width() / 9.0, size.width() / 9.0);
    painter.setBrush(QColor(240, 200, 60));
    painter.drawRect(int(size.width() * 0.6) - shift / 3, size.height() / 3, size.width() / 6, size.height() / 3);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(size.height() / 5);
    painter.setFont(font);
    painter.drawText(picture.rect().adjusted(0, 0, -size.width() / 30, 0), Qt::AlignRight | Qt::AlignTop,
                     QString::number(number));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return Bytes(bytes.begin(), bytes.end());
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_mpo OUTPUT\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);  // text rendering needs fonts
    MPOBuilder builder;
    for (int eye = 1; eye <= 2; ++eye)
        builder.add(scenePicture(eye, QSize(960, 720)), 0x00020002u | (eye == 1 ? representativeFlag : 0u));
    builder.ownSegments = true;  // each picture with its MP segment, as strict readers want
    builder.pictures[0].after = {0x00, 0x00};  // the padding many cameras leave
    const Bytes bytes = builder.build().bytes;
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return out.good() ? 0 : 1;
}
