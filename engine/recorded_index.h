// The MP index of a file as it is recorded, read without correcting or
// refusing anything, for a check that tells what is wrong with it: where
// the MP segment stands, the number of pictures it gives, its MP Entry
// field and the entries themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mpo.h"

struct RecordedIndex {
    bool hasSegment = false;      // picture 1 has an MP segment
    bool strictPlace = false;     // right behind an APP1 segment that follows SOI
    std::string damage;           // why the index cannot be read; "" when it can
    bool littleEndian = false;
    std::uint64_t mpHeaderAt = 0;  // file position of the MP header; offsets count from it
    bool hasNumber = false;       // the Number of Images field
    std::uint32_t numberOfImages = 0;
    bool hasEntryField = false;   // the MP Entry field
    std::uint32_t entryFieldBytes = 0;
    std::uint32_t entryFieldOffset = 0;
    std::uint32_t entriesFollowAt = 0;  // where entries stand right behind the IFD
    bool entriesInSegment = false;      // the entries the field gives lie in the segment
    std::vector<MPEntry> entries;        // as recorded; read where the field points

    // File position of an entry's first byte.
    std::uint64_t startOf(const MPEntry &entry) const
    {
        return entry.DataOffset == 0 ? 0 : mpHeaderAt + entry.DataOffset;
    }
};

// Reads the index of the open file `fd` of `fileSize` bytes.
RecordedIndex readRecordedIndex(int fd, std::uint64_t fileSize);
