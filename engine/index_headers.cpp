// Reading the header segments of an MPO file's first picture: SOI and APP1,
// the APP2 MP segment right behind APP1 or, where phones put it, behind
// other header segments, and the rest of the APP2 segment.
#include <algorithm>
#include <cstring>

#include "index_reading.h"
#include "segment_walk.h"

namespace index_reading {

namespace {

// SOI and APP1 at the start of the file, with a byte-order mark in APP1.
// When they are missing, `missing` gets the line that refuses the file.
int checkFileStart(std::FILE *file, std::uint32_t &app1Length, const char *&missing)
{
    unsigned char start[6] = {};
    const std::size_t got = std::fread(start, 1, sizeof start, file);
    if (got >= 1)
        dumphex(start, static_cast<int>(got));
    dumphex(SOI, sizeof SOI);
    dumphex(APP1, sizeof APP1);
    if (got < 4 || std::memcmp(start, SOI, 2) != 0 || std::memcmp(start + 2, APP1, 2) != 0) {
        missing = "SOI Not Found!";
        return noMPSegmentThere;
    }

    unsigned char exifHead[10] = {};  // Exif identifier, then the TIFF byte-order mark
    const std::size_t gotHead = std::fread(exifHead, 1, sizeof exifHead, file);
    const int app1Order = chkEndianInfo(exifHead + 6);
    if (gotHead == 0 || app1Order == -1) {
        missing = "UNKNOWN Endian Info.";
        return noMPSegmentThere;
    }

    app1Length = static_cast<std::uint32_t>(start[4] << 8 | start[5]);
    traceLine("SOI and APP1 Found!");
    tracef("APP1 Size = %d (0x%04x)\n", static_cast<int>(app1Length), app1Length);
    return 0;
}

// The APP2 head at `segmentAt`: marker, "MPF" and the MP byte order. When
// no MP segment starts there, `missing` gets the line that refuses the file.
int readApp2Head(std::FILE *file, std::uint32_t segmentAt, MPIndex &index, IndexLayout &layout,
                 std::uint32_t &app2Length, const char *&missing)
{
    unsigned char *head = index.app2.data();
    std::fseek(file, static_cast<long>(segmentAt), SEEK_SET);
    const std::size_t got = std::fread(head, 1, app2HeadSize, file);
    if (got >= 1)
        dumphex(head, static_cast<int>(got));
    if (got < 2 || std::memcmp(head, APP2, 2) != 0) {
        missing = "APP2 Not Found!";
        return noMPSegmentThere;
    }

    index.baseOffset = segmentAt + mpHeaderAt;
    tracef("baseOffset = %ld\n", static_cast<long>(index.baseOffset));
    if (got < app2HeadSize)
        return refuse("APP2 Segment Cut Short.");
    if (std::memcmp(head + 4, MPOIdCode, sizeof MPOIdCode) != 0) {
        missing = "MPO Format Identification Code Not Found!";
        return noMPSegmentThere;
    }

    const int mpOrder = chkEndianInfo(head + mpHeaderAt);
    if (mpOrder == -1)
        return refuse("UNKNOWN Endian Info.");
    tracef("needConvEndian = %x\n", static_cast<unsigned>(mpOrder));
    layout.littleEndian = mpOrder == 1;

    app2Length = static_cast<std::uint32_t>(head[2] << 8 | head[3]);
    dumphex(head, static_cast<int>(got));
    tracef("APP2 Size = %d (0x%04x)\n", static_cast<int>(app2Length), app2Length);
    return 0;
}

// A FILE stream's bytes, as the segment walk reads them.
struct StreamBytes {
    std::FILE *file;
    int byteAt(std::uint64_t at) const
    {
        return std::fseek(file, static_cast<long>(at), SEEK_SET) == 0 ? std::fgetc(file) : -1;
    }
};

// Walks the first picture's header segments from SOI and returns the file
// position of the first APP2 segment holding "MPF\0" and room for the MP
// header behind it, or 0 when there is none. The walk stops at SOS (the
// scan data is not searched), at EOI, at two bytes that are no marker, and
// at a length below 2 or one that runs past the file.
std::uint32_t findMPSegment(std::FILE *file, std::uint64_t fileSize)
{
    constexpr std::uint16_t smallestMPSegment = 2 + 4 + 8;  // length, "MPF\0", MP header
    StreamBytes bytes{file};
    if (bytes.byteAt(0) != SOI[0] || bytes.byteAt(1) != SOI[1])
        return 0;
    const auto beyondReach = [](std::uint64_t at) { return at > UINT32_MAX - app2HeadSize; };
    const WalkResult walk = walkSegments(bytes, fileSize, [&](const MarkerSegment &segment) {
        return beyondReach(segment.at) || (segment.length >= smallestMPSegment && isMPSegment(bytes, segment));
    });
    if (walk.end != WalkEnd::Visited || beyondReach(walk.segment.at))
        return 0;
    return static_cast<std::uint32_t>(walk.segment.at);
}

}  // namespace

int readHeaders(std::FILE *file, MPIndex &index, IndexLayout &layout, std::uint32_t &app2Length)
{
    const char *missing = nullptr;
    std::uint32_t app1Length = 0;
    int result = checkFileStart(file, app1Length, missing);
    if (result == 0)
        result = readApp2Head(file, app1Length + 4, index, layout, app2Length, missing);
    if (result != noMPSegmentThere)
        return result;

    const std::uint32_t segmentAt = findMPSegment(file, index.fileSize);
    if (segmentAt == 0)
        return refuse(missing);
    tracef("MPF APP2 Found Behind Other Header Segments at %ld (0x%x)\n", static_cast<long>(segmentAt),
                segmentAt);
    index.foundBehindOtherSegments = true;
    result = readApp2Head(file, segmentAt, index, layout, app2Length, missing);
    return result == noMPSegmentThere ? refuse(missing) : result;
}

// The rest of the APP2 segment, in one read behind the head. The read asks
// for the segment length, ten bytes more than the segment holds behind the
// head, as far as the buffer has room.
int readApp2Segment(std::FILE *file, std::uint32_t app2Length, MPIndex &index, IndexLayout &layout)
{
    const std::size_t room = index.app2.size() - app2HeadSize;
    const std::size_t wanted = std::min<std::size_t>(app2Length, room);
    const std::size_t got = std::fread(index.app2.data() + app2HeadSize, 1, wanted, file);
    if (got >= 1)
        dumphex(index.app2.data(), static_cast<int>(std::min(got + app2HeadSize, largestHexDump)));
    layout.held = app2HeadSize + got;

    const std::size_t segmentBehindHead = app2Length > 10 ? app2Length - 10 : 0;
    if (got < std::min(segmentBehindHead, room))
        return refuse("APP2 Segment Cut Short.");
    return 0;
}

}  // namespace index_reading
