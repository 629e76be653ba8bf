// Walks the header segments of one JPEG picture held in memory, from SOI up
// to the first SOS. Used by the readers that look for one kind of segment
// (the MP attributes, gain map marks).
#pragma once

#include <cstddef>
#include <cstring>

#include "segment_walk.h"

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
    MemoryBytes bytes{jpeg, size};
    const WalkResult walk = walkSegments(bytes, size, [&](const MarkerSegment &segment) {
        return segment.length != 0 &&
               visit((unsigned char)segment.code, jpeg + segment.payloadAt(), std::size_t(segment.length) - 2u);
    });
    if (ranOut != nullptr)
        *ranOut = walk.end == WalkEnd::RanOut || walk.end == WalkEnd::PastEnd ||
                  (walk.end == WalkEnd::NotAMarker && walk.segment.at + 4 > size);
    return walk.end == WalkEnd::Visited;
}
