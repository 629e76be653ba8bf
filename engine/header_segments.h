// Walks the header segments of one JPEG picture held in memory, from SOI up
// to the first SOS, through the bounds-checked reader. Used by the readers
// that look for one kind of segment (the MP attributes, gain map marks).
#pragma once

#include <cstddef>
#include <cstring>

#include "byte_reader.h"

// Calls `visit(marker, payload, length)` for each segment in file order
// (the payload is what follows the two length bytes) until it returns true.
// The walk stops at SOS, EOI, two bytes that are no marker, and a length
// below 2 or one that runs past the bytes held. Returns whether a visit
// returned true; `ranOut`, when given, tells whether the walk stopped
// because the header segments go on past the bytes held.
template <typename Visit>
bool forEachHeaderSegment(const unsigned char *jpeg, std::size_t size, Visit visit, bool *ranOut = nullptr)
{
    if (ranOut != nullptr)
        *ranOut = false;
    if (jpeg == nullptr || size < 2 || std::memcmp(jpeg, SOI, 2) != 0)
        return false;
    ByteReader reader(jpeg, size, false);
    std::size_t at = 2;
    for (; reader.has(at, 4) && jpeg[at] == 0xFF;) {
        const unsigned char marker = jpeg[at + 1];
        if (marker == SOS[1] || marker == EOI[1])
            return false;
        const std::uint16_t segmentLength = reader.u16be(at + 2);
        if (segmentLength < 2)
            return false;
        if (!reader.has(at + 2, segmentLength))
            break;
        if (visit(marker, jpeg + at + 4, std::size_t{segmentLength} - 2u))
            return true;
        at += 2u + segmentLength;
    }
    if (ranOut != nullptr)
        *ranOut = !reader.has(at, 4) || (jpeg[at] == 0xFF && !reader.has(at + 2, reader.u16be(at + 2)));
    return false;
}
