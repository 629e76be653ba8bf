// Writes a sample MPO file, a synthetic stereo pair rendered and encoded by
// Qt, for trying the programs out: make_sample_mpo OUTPUT
#include <QGuiApplication>

#include <cstdio>
#include <fstream>

#include "jpeg_pictures.h"

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
        builder.add(jpegOf(scenePicture(eye, QSize(960, 720))), eye == 1 ? 0x20020002u : 0x00020002u);
    builder.pictures[0].after = {0x00, 0x00};  // the padding many cameras leave
    const Bytes bytes = builder.build().bytes;
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return out.good() ? 0 : 1;
}
