#include "pair_layout.h"

#include <cstring>

#include "engine/byte_reader.h"
#include "engine/segment_walk.h"
#include "imaging/png_chunks.h"

namespace stereo {

namespace {

constexpr char jpsId[] = "_JPSJPS_";
constexpr std::size_t jpsIdSize = 8, descriptorAt = jpsIdSize + 2;
constexpr int app3 = 0xE3;
// The descriptor, big-endian: the separation, the flags, the layout and the
// media type, from its first byte to its last.
constexpr std::size_t descriptorEnd = descriptorAt + 4;
constexpr unsigned char stereoType = 1, sideBySide = 2, overUnder = 3;
constexpr unsigned char halfHeight = 1, halfWidth = 2, leftFieldFirst = 4;
constexpr imaging::ChunkType sterChunk{'s', 'T', 'E', 'R'};
constexpr unsigned char crossFuse = 0, divergingFuse = 1;

}  // namespace

std::vector<unsigned char> jpsDescriptor(const PairLayout &layout)
{
    const unsigned char squeezedFlag = layout.overUnder ? halfHeight : halfWidth;
    const unsigned char flags = (layout.leftFirst ? leftFieldFirst : 0) | (layout.squeezed ? squeezedFlag : 0);
    const unsigned char arrangement = layout.overUnder ? overUnder : sideBySide;
    // The identifier, the descriptor's length, the descriptor, and an empty comment.
    return {'_', 'J', 'P', 'S', 'J', 'P', 'S', '_', 0, 4, 0, flags, arrangement, stereoType, 0, 0};
}

void markCrossed(std::vector<unsigned char> &png)
{
    imaging::addChunk(png, sterChunk, {crossFuse});
}

PairLayout jpsLayoutOf(const unsigned char *jpeg, std::size_t size)
{
    PairLayout layout;
    if (size < 2 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return layout;
    MemoryBytes bytes{jpeg, size};
    walkSegments(bytes, size, [&](const MarkerSegment &segment) {
        // The walk keeps every segment within the bytes held.
        if (segment.code != app3 || segment.length - 2 < descriptorEnd ||
            std::memcmp(jpeg + segment.payloadAt(), jpsId, jpsIdSize) != 0)
            return false;
        ByteReader payload(jpeg + segment.payloadAt(), std::size_t(segment.length - 2), false);
        const std::uint32_t descriptor = payload.u32be(descriptorAt);
        const unsigned type = descriptor & 0xFF, arrangement = descriptor >> 8 & 0xFF, flags = descriptor >> 16 & 0xFF;
        const bool known = arrangement == sideBySide || arrangement == overUnder;
        if (payload.u16be(jpsIdSize) >= 4 && type == stereoType && known)
            layout = {arrangement == overUnder, (flags & leftFieldFirst) != 0, (flags & (halfWidth | halfHeight)) != 0};
        return true;
    });
    return layout;
}

PairLayout pnsLayoutOf(const unsigned char *png, std::size_t size)
{
    const auto mode = imaging::findChunk(png, size, sterChunk);
    return {false, mode && mode->size() == 1 && (*mode)[0] == divergingFuse};
}

}  // namespace stereo
