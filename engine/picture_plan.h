// How a split picture is cut from the bytes an MP Entry covers: where its
// last EOI marker ends, and which pieces of it make the output once the APP2
// segment carrying the multi-picture data is left out. The same walk serves
// a picture held in memory and one read from the file through a window; the
// bytes come from `bytes.byteAt(i)`, which gives -1 for a byte it cannot read.
#pragma once

#include <cstdio>
#include <vector>

#include "mpo.h"
#include "trace_output.h"

// `count` bytes of the picture from `offset`, to be written as they are.
struct PicturePiece {
    int offset;
    int count;
};

namespace picture_plan {

// RSTn and TEM stand alone, without a length field.
inline bool isStandalone(int code)
{
    return (code >= 0xD0 && code <= 0xD7) || code == 0x01;
}

// An APP2 segment whose payload begins with "MPF\0"; other APP2 segments
// (ICC profiles, FlashPix data) belong to the picture and are kept.
template <class Bytes>
bool isMPSegment(Bytes &bytes, int at, int code, int length)
{
    if (code != APP2[1] || length < 6)
        return false;
    for (int i = 0; i < 4; ++i)
        if (bytes.byteAt(at + 4 + i) != MPOIdCode[i])
            return false;
    return true;
}

}  // namespace picture_plan

// Steps backwards from the end of the picture to just past its last FF D9
// pair (at index 3 or later), printing each pair it looks at; -1 if none.
template <class Bytes>
int findLastEOI(Bytes &bytes, int size)
{
    int i = size - 1;
    while (i > 2) {
        const int earlier = bytes.byteAt(i - 1), later = bytes.byteAt(i);
        if (earlier < 0 || later < 0)
            return -1;
        tracef(" %x %x\n", static_cast<unsigned>(static_cast<signed char>(earlier)),
                    static_cast<unsigned>(static_cast<signed char>(later)));
        if (later == 0xD9 && earlier == 0xFF)
            return i + 1;
        i -= earlier == 0xD9 ? 1 : 2;
    }
    tracef("EOI Not Found.");
    return -1;
}

// Walks the marker segments from SOI up to `end`: the MP segment is left
// out and everything after it makes one piece; other segments are pieces of
// their own; at SOS the scan data up to `end` follows as one piece, and EOI
// ends the picture. False when the bytes are no JPEG stream it can walk.
template <class Bytes>
bool planWithoutMPSegment(Bytes &bytes, int end, std::vector<PicturePiece> &pieces)
{
    using namespace picture_plan;
    pieces.clear();
    if (end < 2 || bytes.byteAt(0) != SOI[0] || bytes.byteAt(1) != SOI[1])
        return false;
    pieces.push_back({0, 2});
    int p = 2;
    while (end - p >= 2) {
        const int remaining = end - p;
        const int code = bytes.byteAt(p + 1);
        if (bytes.byteAt(p) != 0xFF || code < 0)
            return false;  // two bytes that are no marker
        if (code == EOI[1] || code == SOS[1]) {
            pieces.push_back({p, code == EOI[1] ? 2 : remaining});
            return true;
        }
        if (isStandalone(code)) {
            pieces.push_back({p, 2});
            p += 2;
            continue;
        }
        if (code == 0x00 || code == 0xFF || remaining < 4)
            return false;
        const int high = bytes.byteAt(p + 2), low = bytes.byteAt(p + 3);
        if (high < 0 || low < 0)
            return false;
        const int length = high << 8 | low;
        if (length < 2 || length + 2 > remaining)
            return false;  // a segment that reaches past the end of the picture
        if (isMPSegment(bytes, p, code, length)) {
            // What follows the MP segment must hold the end of the picture, its EOI.
            const int count = remaining - length - 2;
            if (count < 2)
                return false;
            pieces.push_back({p + length + 2, count});
            return true;
        }
        pieces.push_back({p, length + 2});
        p += length + 2;
    }
    return false;  // the picture ended inside its header segments
}
