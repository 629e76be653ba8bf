// Makes the benchmark inputs in the camera layout: a stereo pair of 12 MP
// pictures, twelve 6 MP pictures and sixty 8 MP pictures, photographic-
// looking content (gradients, shapes and sensor-like noise) at JPEG quality
// 90: make_bench_inputs FOLDER
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>
#include <fstream>

#include "mpo_builder.h"

namespace {

Bytes photo(int seed, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QRandomGenerator random{quint32(seed)};
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv(200 + seed % 30, 120, 230));
    sky.setColorAt(1, QColor::fromHsv(90 + seed % 40, 140, 120));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 40 + random.bounded(160), 60 + random.bounded(190)));
        const int w = 20 + random.bounded(size.width() / 8);
        painter.drawEllipse(random.bounded(size.width()), random.bounded(size.height()), w, w * 2 / 3);
    }
    painter.end();
    // Sensor noise, as real photos have: it keeps JPEG sizes realistic.
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int n = int(random.generate() % 37) - 18;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return Bytes(bytes.begin(), bytes.end());
}

// `count` pictures of `size`; `distinct` of them are drawn, the rest repeat.
bool writeMPO(const std::string &path, int count, QSize size, int distinct)
{
    std::vector<Bytes> pictures;
    for (int i = 0; i < distinct; ++i)
        pictures.push_back(photo(i + 1, size));
    MPOBuilder builder;
    for (int i = 0; i < count; ++i)
        builder.add(pictures[std::size_t(i % distinct)], i == 0 ? 0x20020002u : 0x00020002u);
    const Bytes bytes = builder.build().bytes;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    std::printf("%s: %d pictures of %dx%d, %.1f MB\n", path.c_str(), count, size.width(), size.height(),
                double(bytes.size()) / 1e6);
    return bool(out);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bench_inputs FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::string folder = argv[1];
    const bool made = writeMPO(folder + "/pair12mp.MPO", 2, QSize(4000, 3000), 2) &&
                      writeMPO(folder + "/twelve6mp.MPO", 12, QSize(3000, 2000), 12) &&
                      writeMPO(folder + "/sixty8mp.MPO", 60, QSize(3264, 2448), 4) &&
                      writeMPO(folder + "/tiny.MPO", 2, QSize(64, 48), 2) &&
                      writeMPO(folder + "/console.MPO", 2, QSize(640, 480), 2);
    return made ? 0 : 1;
}
