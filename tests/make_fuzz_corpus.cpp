// Writes the fuzzer's seed corpus: MPO files of many shapes, made by the
// tests' builder: make_fuzz_corpus FOLDER
#include <cstdio>
#include <fstream>
#include <string>

#include "mpo_builder.h"

namespace {

constexpr std::uint32_t parent = 1u << 31, child = 1u << 30, representative = 1u << 29;

// A picture with the segments cameras write: APP0, COM, DQT, DHT, SOF, DRI,
// then the scan with a restart marker.
Bytes cameraLikeJpeg(int seed)
{
    Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x06, 'J', 'F', 'I', 'F', 0xFF, 0xFE, 0x00, 0x04, 'h', 'i'};
    const Bytes rest = {0xFF, 0xDB, 0x00, 0x04, 0x00, 0x01, 0xFF, 0xC4, 0x00, 0x04, 0x00, 0x02,
                        0xFF, 0xC0, 0x00, 0x05, 0x08, 0x00, 0x10, 0xFF, 0xDD, 0x00, 0x04, 0x00,
                        0x08, 0xFF, 0xDA, 0x00, 0x04, 0x01, 0x00, std::uint8_t(seed), 0x11, 0xFF,
                        0xD0, 0x22, 0xFF, 0x00, 0x33, 0xFF, 0xD9};
    jpeg.insert(jpeg.end(), rest.begin(), rest.end());
    return jpeg;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_corpus FOLDER\n");
        return 2;
    }
    std::vector<MPOBuilder> seeds;
    for (ByteOrder order : {ByteOrder::Big, ByteOrder::Little}) {
        seeds.push_back(stereoLike(2, order));
        MPOBuilder dependent;
        dependent.order = order;
        for (std::uint32_t flags : {parent | representative, child, parent, child})
            dependent.add(cameraLikeJpeg(int(dependent.pictures.size())), flags);
        dependent.pictures[0].entry1 = 2;
        dependent.pictures[2].entry1 = 4;
        seeds.push_back(dependent);
        MPOBuilder padded = stereoLike(3, order);
        padded.pictures[0].after = {0, 0};
        padded.pictures[1].recordedSize = 3;
        padded.trailing = Bytes(40, 0xFF);
        padded.extraTags = {{0xB003, 7, 33, 0x40}, {0xB004, 4, 1, 3}};
        padded.ifdGap = 4;
        seeds.push_back(padded);
    }
    seeds.push_back(stereoLike(1));
    MPOBuilder many = stereoLike(12);
    many.pictures[0].attribute = 0;
    many.pictures[11].attribute = representative;
    seeds.push_back(many);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const Bytes bytes = seeds[i].build().bytes;
        std::ofstream out(std::string(argv[1]) + "/seed_" + std::to_string(i) + ".MPO", std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
        if (!out)
            return 1;
    }
    return 0;
}
