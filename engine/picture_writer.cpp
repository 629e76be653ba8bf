// Writes one picture of a split held in memory: the JPEG stream trimmed at
// its last EOI marker, without the APP2 segment that carries the
// multi-picture data.
#include <cstdio>
#include <vector>

#include "mpo.h"
#include "picture_plan.h"
#include "trace_output.h"

namespace {

// The picture's bytes, every index the walk asks for lying inside them.
struct HeldBytes {
    const unsigned char *bytes;
    int byteAt(std::uint64_t i) const { return bytes[i]; }
};

}  // namespace

int eoicheck(const unsigned char *picture, int size)
{
    HeldBytes bytes{picture};
    return int(findLastEOI(bytes, size));
}

// Nothing past the end offset is read or written. Returns the count of the
// last write, or -1.
int writewoAPP2(const unsigned char *picture, int size, std::FILE *out)
{
    const int end = eoicheck(picture, size);
    if (end < 0)
        return -1;
    if (end != size)
        tracef("Resize %d -> %d\n", size, end);
    HeldBytes bytes{picture};
    std::vector<PicturePiece> pieces;
    if (!planWithoutMPSegment(bytes, end, pieces))
        return -1;
    for (const PicturePiece &piece : pieces)
        if (std::fwrite(picture + piece.offset, 1, std::size_t(piece.count), out) != std::size_t(piece.count))
            return -1;
    return int(pieces.back().count);
}
