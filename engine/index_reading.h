// What the two halves of the index reading share: the result codes they
// return, the layout of the APP2 segment as far as it has been read, and
// the header reads (index_headers.cpp) that the index reading
// (index_reader.cpp) calls.
#pragma once

#include <cstdint>
#include <cstdio>

#include "mpo_index.h"
#include "trace_output.h"

namespace index_reading {

constexpr int refused = MPO_REFUSED;
constexpr int cannotOpen = MPO_CANNOT_OPEN;
// Not a result code: the strict place behind APP1 holds no MP segment, so
// the header segments are searched before the file is refused.
constexpr int noMPSegmentThere = 1;

// The APP2 head: marker, length, "MPF\0" and the MP header's byte-order mark.
constexpr std::size_t app2HeadSize = 12;
constexpr std::size_t mpHeaderAt = 8;   // IFD offsets count from here
constexpr std::size_t ifdOffsetAt = 12;  // the MP header's IFD offset field
constexpr std::size_t ifdEntrySize = 12;
constexpr std::size_t nextIfdFieldSize = 4;
constexpr std::size_t largestHexDump = 1024;

inline int refuse(const char *why)
{
    traceLine(why);
    return refused;
}

inline void store(int *target, int value)
{
    if (target != nullptr)
        *target = value;
}

// Where the MP index lies in the APP2 buffer, as far as it has been read.
struct IndexLayout {
    bool littleEndian = false;
    std::size_t held = 0;  // bytes of the APP2 buffer that came from the file
    std::uint64_t entriesAt = 0;
    int numberOfImages = 0;
};

// Finds the MP segment and reads its head: first right behind APP1, where
// cameras write it; where no MP segment starts there, by walking the header
// segments that come before it.
int readHeaders(std::FILE *file, MPIndex &index, IndexLayout &layout, std::uint32_t &app2Length);
// The rest of the APP2 segment, in one read behind the head.
int readApp2Segment(std::FILE *file, std::uint32_t app2Length, MPIndex &index, IndexLayout &layout);

}  // namespace index_reading
