// Writes one picture of a split: the JPEG stream trimmed at its last EOI
// marker, without the APP2 segment that carries the multi-picture data.
#include <cstdio>
#include <cstring>

#include "mpo.h"

namespace {

bool isMarker(const unsigned char *at, const unsigned char (&marker)[2])
{
    return std::memcmp(at, marker, 2) == 0;
}

// RSTn and TEM stand alone, without a length field.
bool isStandalone(unsigned char code)
{
    return (code >= 0xD0 && code <= 0xD7) || code == 0x01;
}

// An APP2 segment whose payload begins with "MPF\0"; other APP2 segments
// (ICC profiles, FlashPix data) belong to the picture and are kept.
bool isMPSegment(const unsigned char *at, int length)
{
    return isMarker(at, APP2) && length >= 6 && std::memcmp(at + 4, MPOIdCode, sizeof MPOIdCode) == 0;
}

// Writes exactly `count` bytes; false on a short write.
bool writeAll(const unsigned char *bytes, std::size_t count, std::FILE *out)
{
    return std::fwrite(bytes, 1, count, out) == count;
}

}  // namespace

int eoicheck(const unsigned char *picture, int size)
{
    int i = size - 1;
    while (i > 2) {
        const int earlier = static_cast<signed char>(picture[i - 1]);
        const int later = static_cast<signed char>(picture[i]);
        std::printf(" %x %x\n", static_cast<unsigned>(earlier), static_cast<unsigned>(later));
        if (picture[i] == 0xD9 && picture[i - 1] == 0xFF)
            return i + 1;
        i -= picture[i - 1] == 0xD9 ? 1 : 2;
    }
    std::printf("EOI Not Found.");
    return -1;
}

// Walks the marker segments from SOI: the MP segment is left out and
// everything after it is written in one piece; other segments are copied whole; at SOS the
// scan data up to the end offset follows in one piece. Nothing past the end
// offset is read or written. Returns the count of the last write, or -1.
int writewoAPP2(const unsigned char *picture, int size, std::FILE *out)
{
    const int end = eoicheck(picture, size);
    if (end < 0)
        return -1;
    if (end != size)
        std::printf("Resize %d -> %d\n", size, end);
    if (!isMarker(picture, SOI))
        return -1;
    if (!writeAll(picture, 2, out))
        return -1;

    int p = 2;
    while (end - p >= 2) {
        const unsigned char *at = picture + p;
        const int remaining = end - p;
        if (at[0] != 0xFF)
            return -1;  // two bytes that are no marker
        if (isMarker(at, EOI) || isMarker(at, SOS)) {
            // EOI ends the picture; after SOS the scan data is not parsed.
            const int count = isMarker(at, EOI) ? 2 : remaining;
            return writeAll(at, count, out) ? count : -1;
        }
        if (isStandalone(at[1])) {
            if (!writeAll(at, 2, out))
                return -1;
            p += 2;
            continue;
        }
        if (at[1] == 0x00 || at[1] == 0xFF || remaining < 4)
            return -1;
        const int length = at[2] << 8 | at[3];
        if (length < 2 || length + 2 > remaining)
            return -1;  // a segment that reaches past the end of the picture
        if (isMPSegment(at, length)) {
            // What follows the MP segment must hold the end of the picture, its EOI.
            const int count = remaining - length - 2;
            if (count < 2)
                return -1;
            return writeAll(at + length + 2, count, out) ? count : -1;
        }
        if (!writeAll(at, length + 2, out))
            return -1;
        p += length + 2;
    }
    return -1;  // the picture ended inside its header segments
}
