// Writes a small synthetic MPO file (a stereo-like pair) for trying the
// programs out: make_sample_mpo OUTPUT
#include <cstdio>
#include <fstream>

#include "mpo_builder.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_mpo OUTPUT\n");
        return 2;
    }
    MPOBuilder builder = stereoLike(2);
    builder.pictures[0].after = {0x00, 0x00};  // the padding many cameras leave
    const Bytes bytes = builder.build().bytes;
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return out.good() ? 0 : 1;
}
