// How a split picture is cut from the bytes an MP Entry covers: where its
// last EOI marker ends, and which pieces of it make the output once the APP2
// segment carrying the multi-picture data is left out. The same walk serves
// a picture held in memory and one read from the file through a window; the
// bytes come from `bytes.byteAt(i)`, which gives -1 for a byte it cannot read.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "mpo.h"
#include "segment_walk.h"
#include "trace_output.h"

// `count` bytes of the picture from `offset`, to be written as they are.
// Positions are 64-bit: an MP entry may be up to 4 GiB long.
struct PicturePiece {
    std::int64_t offset;
    std::int64_t count;
};

// Steps backwards from the end of the picture to just past its last FF D9
// pair (at index 3 or later), printing each pair it looks at; -1 if none.
template <class Bytes>
std::int64_t findLastEOI(Bytes &bytes, std::int64_t size)
{
    std::int64_t i = size - 1;
    while (i > 2) {
        const int earlier = bytes.byteAt(i - 1), later = bytes.byteAt(i);
        if (earlier < 0 || later < 0)
            return -1;
        tracef(" %x %x\n", static_cast<unsigned>(static_cast<signed char>(earlier)),
                    static_cast<unsigned>(static_cast<signed char>(later)));
        if (later == EOI[1] && earlier == 0xFF)
            return i + 1;
        i -= earlier == EOI[1] ? 1 : 2;
    }
    tracef("EOI Not Found.");
    return -1;
}

// Walks the marker segments from SOI up to `end`: the MP segment is left
// out and everything after it makes one piece; other segments are pieces of
// their own; at SOS the scan data up to `end` follows as one piece, and EOI
// ends the picture. False when the bytes are no JPEG stream it can walk.
template <class Bytes>
bool planWithoutMPSegment(Bytes &bytes, std::int64_t end, std::vector<PicturePiece> &pieces)
{
    pieces.clear();
    if (end < 2 || bytes.byteAt(0) != SOI[0] || bytes.byteAt(1) != SOI[1])
        return false;
    pieces.push_back({0, 2});
    const WalkResult walk = walkSegments(bytes, std::uint64_t(end), [&](const MarkerSegment &segment) {
        if (isMPSegment(bytes, segment))
            return true;
        pieces.push_back({std::int64_t(segment.at), segment.length == 0 ? 2 : std::int64_t(segment.end() - segment.at)});
        return false;
    });
    const std::int64_t at = std::int64_t(walk.segment.at);
    switch (walk.end) {
    case WalkEnd::Visited: {
        // What follows the MP segment must hold the end of the picture, its EOI.
        const std::int64_t after = std::int64_t(walk.segment.end());
        if (end - after < 2)
            return false;
        pieces.push_back({after, end - after});
        return true;
    }
    case WalkEnd::ScanData: pieces.push_back({at, end - at}); return true;
    case WalkEnd::EndOfImage: pieces.push_back({at, 2}); return true;
    default: return false;  // no marker where one belongs, or the picture ended inside its header
    }
}
