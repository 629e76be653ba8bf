// Writes the fuzzer's seed corpus, made by the tests' builder and the joiner:
// MPO files of many shapes and header layouts, and damaged copies of three
// good files, one of them joined (cut
// at every length, and every byte of the MP index, or of the header segments
// before it, set to 00, FF, 7F and 80), which the test suite replays through
// the fuzz target; and the picture decoder's seeds: real JPEG pictures with
// an Exif orientation, ICC profiles, CMYK and gray samples, and damaged
// copies; and the stereo side's seeds: pairs of pictures, among them pairs
// with too little to match, of two sizes, grayscale, and declaring huge
// pictures, and damaged copies of a good pair:
// make_fuzz_corpus ENGINE_FOLDER DECODER_FOLDER STEREO_FOLDER
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "engine/mpo_joiner.h"
#include "test_jpegs.h"

namespace {

// A picture with the segments cameras write: APP0, COM, DQT, DHT, SOF, DRI,
// then the scan with a restart marker.
const Bytes cameraLikeJpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x06, 'J',  'F',  'I',  'F',  0xFF, 0xFE, 0x00, 0x04,
                              'h',  'i',  0xFF, 0xDB, 0x00, 0x04, 0x00, 0x01, 0xFF, 0xC4, 0x00, 0x04, 0x00, 0x02,
                              0xFF, 0xC0, 0x00, 0x05, 0x08, 0x00, 0x10, 0xFF, 0xDD, 0x00, 0x04, 0x00, 0x08, 0xFF,
                              0xDA, 0x00, 0x04, 0x01, 0x00, 0x07, 0x11, 0xFF, 0xD0, 0x22, 0xFF, 0x00, 0x33, 0xFF, 0xD9};

// `good` cut at every length, and with each byte from `first` to `end` set
// to values that break lengths, markers and counts.
void addDamagedCopies(const Bytes &good, std::size_t first, std::size_t end, std::vector<Bytes> &files)
{
    for (std::size_t length = 0; length < good.size(); ++length)
        files.emplace_back(good.begin(), good.begin() + long(length));
    for (std::size_t at = first; at < end; ++at)
        for (std::uint8_t value : {0x00, 0xFF, 0x7F, 0x80}) {
            files.push_back(good);
            files.back()[at] = value;
        }
}

// The MPO file the joiner makes of these pictures.
Bytes joined(const std::vector<Bytes> &pictures, const MPOJoinSettings &settings)
{
    std::string folder = (std::filesystem::temp_directory_path() / "mpojoin-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
        return {};
    MPOJoinProblem problem;
    joinMPO(std::vector<std::span<const unsigned char>>(pictures.begin(), pictures.end()), folder + "/joined.MPO",
            settings, problem);
    std::ifstream in(folder + "/joined.MPO", std::ios::binary);
    const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove_all(folder);
    return bytes;
}

std::vector<Bytes> seedsAndDamagedCopies()
{
    std::vector<Bytes> files;
    for (const HeaderLayout &layout : otherHeaderLayouts(iccSegment(Bytes(8, 7))))
        for (ByteOrder order : {ByteOrder::Big, ByteOrder::Little}) {
            MPOBuilder builder = stereoLike(2, order);
            builder.beforeMP = layout.beforeMP;
            builder.behindMP = layout.behindMP;
            files.push_back(builder.build().bytes);
        }
    for (ByteOrder order : {ByteOrder::Big, ByteOrder::Little}) {
        MPOBuilder dependent = flagged({parentFlag | representativeFlag, childFlag, parentFlag, childFlag});
        dependent.order = order;
        for (BuiltPicture &picture : dependent.pictures)
            picture.jpeg = cameraLikeJpeg;
        dependent.pictures[0].entry1 = 2;
        MPOBuilder padded = stereoLike(3, order);
        padded.pictures[1].recordedSize = 3;
        padded.trailing = Bytes(40, 0xFF);
        padded.extraTags = {{0xB003, 7, 33, 0x40}, {0xB004, 4, 1, 3}};
        padded.ifdGap = 4;
        files.insert(files.end(), {stereoLike(2, order).build().bytes, dependent.build().bytes, padded.build().bytes});
    }
    files.push_back(stereoLike(12).build().bytes);

    MPOBuilder builder = stereoLike(3, ByteOrder::Little);
    builder.pictures[0].after = {0, 0};
    const BuiltMPO good = builder.build();
    addDamagedCopies(good.bytes, good.baseOffset, good.entriesAt + 16 * 3, files);
    builder.beforeMP = {jfifSegment, exifSegment, flashPixSegment(1)};
    builder.behindMP = {iccSegment(Bytes(8, 7))};
    const BuiltMPO behind = builder.build();
    addDamagedCopies(behind.bytes, 0, behind.baseOffset, files);
    const Bytes joinedFile = joined({withSegments(fakeJpeg(1), {exifSegment, iccSegment(Bytes(8, 7))}), fakeJpeg(2)},
                                    {MP_TYPE_MULTI_ANGLE, true});
    files.push_back(joined({withSegments(fakeJpeg(3), {jfifSegment}), fakeJpeg(4), fakeJpeg(5)}, {}));
    addDamagedCopies(joinedFile, 0, std::min<std::size_t>(joinedFile.size(), 160), files);
    return files;
}

std::vector<Bytes> decoderSeedsAndDamagedCopies()
{
    const auto gradient = [](int components) {
        return [components](int x, int y, unsigned char *p) {
            for (int c = 0; c < components; ++c)
                p[c] = (unsigned char)(x * 9 + y * 5 + c * 60);
        };
    };
    const Bytes rgb = encodeJpeg(24, 16, JCS_RGB, JCS_YCbCr, gradient(3));
    const Bytes turnedWideGamut = withSegments(rgb, {exifWithOrientation(6), iccSegment(displayP3Profile())});
    const Bytes cmyk = encodeJpeg(16, 16, JCS_CMYK, JCS_CMYK, gradient(4));
    std::vector<Bytes> files = {turnedWideGamut, cmyk, withSegments(cmyk, {iccSegment(simpleCmykProfile())}),
                                encodeJpeg(16, 16, JCS_CMYK, JCS_YCCK, gradient(4)),
                                encodeJpeg(16, 16, JCS_GRAYSCALE, JCS_GRAYSCALE, gradient(1))};
    for (std::size_t length = 0; length < turnedWideGamut.size(); length += 37)
        files.emplace_back(turnedWideGamut.begin(), turnedWideGamut.begin() + long(length));
    for (std::size_t at = 2; at < 300; ++at)  // the Exif block and the profile's header and tags
        for (std::uint8_t value : {0x00, 0xFF}) {
            files.push_back(turnedWideGamut);
            files.back()[at] = value;
        }
    return files;
}

// A pair as the stereo fuzz target takes it: the left picture's length in
// four bytes, big-endian, then the two pictures.
Bytes stereoInput(const Bytes &left, const Bytes &right)
{
    const auto n = std::uint32_t(left.size());
    Bytes input = {std::uint8_t(n >> 24), std::uint8_t(n >> 16), std::uint8_t(n >> 8), std::uint8_t(n)};
    input.insert(input.end(), left.begin(), left.end());
    input.insert(input.end(), right.begin(), right.end());
    return input;
}

std::vector<Bytes> stereoSeedsAndDamagedCopies()
{
    // Blocks of many sizes and shades: corners everywhere, seen `shift` pixels further right.
    const auto scene = [](int shift, int width, int height, J_COLOR_SPACE space = JCS_RGB) {
        return encodeJpeg(width, height, space, space == JCS_RGB ? JCS_YCbCr : space, [shift, space](int x, int y, unsigned char *p) {
            const int u = x + shift;
            const int shade = ((u / 9) * 37 + (y / 7) * 53 + (u / 23) * (y / 17) * 11) % 251;
            for (int c = 0; c < (space == JCS_RGB ? 3 : 1); ++c)
                p[c] = (unsigned char)(shade + c * 70);
        });
    };
    const auto flat = [](int x, int y, unsigned char *p) { p[0] = p[1] = p[2] = (unsigned char)(100 + (x + y) / 40); };
    const Bytes left = scene(0, 160, 120), right = scene(3, 160, 120);
    Bytes huge = left;
    const std::size_t sof = std::string(huge.begin(), huge.end()).find("\xFF\xC0");
    huge[sof + 5] = huge[sof + 7] = 0xFF;  // 65,000 x 65,000 pixels and more, from a small file
    std::vector<Bytes> files = {stereoInput(left, right),
                                stereoInput(encodeJpeg(160, 120, JCS_RGB, JCS_YCbCr, flat), encodeJpeg(160, 120, JCS_RGB, JCS_YCbCr, flat)),
                                stereoInput(left, scene(3, 120, 90)),
                                stereoInput(scene(0, 160, 120, JCS_GRAYSCALE), scene(3, 160, 120, JCS_GRAYSCALE)),
                                stereoInput(scene(0, 8, 8), scene(1, 8, 8)),
                                stereoInput(huge, huge)};
    const Bytes good = files.front();
    for (std::size_t length = 0; length < good.size(); length += 997)
        files.emplace_back(good.begin(), good.begin() + long(length));
    for (std::size_t at = 4; at < 200; at += 3) {
        files.push_back(good);
        files.back()[at] ^= 0xFF;
    }
    return files;
}

bool writeAll(const std::vector<Bytes> &files, const std::string &folder, const char *suffix)
{
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::ofstream out(folder + "/seed_" + std::to_string(i) + suffix, std::ios::binary);
        if (!out.write(reinterpret_cast<const char *>(files[i].data()), std::streamsize(files[i].size())))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    return writeAll(seedsAndDamagedCopies(), argv[1], ".MPO") && writeAll(decoderSeedsAndDamagedCopies(), argv[2], ".jpg") &&
                   writeAll(stereoSeedsAndDamagedCopies(), argv[3], ".pair")
               ? 0
               : 1;
}
