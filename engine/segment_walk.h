// The one walk over a JPEG picture's header segments, from just after SOI up
// to the first SOS, shared by every reader that looks for a segment: the MP
// segment of a file being examined, the pieces a split picture is cut into,
// the header a joined picture brings along, and the segments read from a
// picture held in memory. The bytes come from `bytes.byteAt(i)`, which
// gives -1 for a byte it cannot read, so the same walk serves memory, a
// file read through a window and a file read by a FILE stream; no byte is
// read at or past `end`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "mpo.h"

// RSTn and TEM stand alone, without a length field.
inline bool isStandaloneMarker(int code)
{
    return (code >= 0xD0 && code <= 0xD7) || code == 0x01;
}

// One marker segment: its marker at `at`, its code, and the value of its
// length field (the two length bytes and the payload; 0 for a marker that
// stands alone).
struct MarkerSegment {
    std::uint64_t at;
    int code;
    std::uint64_t length;
    std::uint64_t payloadAt() const { return at + 4; }
    std::uint64_t end() const { return at + 2 + length; }
};

enum class WalkEnd {
    Visited,     // the visit asked to stop, at this segment
    ScanData,    // SOS at `at`: the header is whole
    EndOfImage,  // EOI at `at`, before any scan data
    NotAMarker,  // two bytes that are no marker
    BadLength,   // a length field below 2
    PastEnd,     // a segment that runs past `end`
    RanOut,      // the bytes end (or cannot be read) where a marker belongs
};

struct WalkResult {
    WalkEnd end;
    MarkerSegment segment;  // where the walk ended
};

// Calls `visit(segment)` for each segment after SOI in file order, markers
// that stand alone included, until it returns true. With `fillBytes`, FF
// bytes before a marker are skipped as fill. The caller checks SOI.
template <class Bytes, class Visit>
WalkResult walkSegments(Bytes &bytes, std::uint64_t end, Visit visit, bool fillBytes = false)
{
    const auto byteAt = [&](std::uint64_t at) { return at < end ? bytes.byteAt(at) : -1; };
    for (std::uint64_t at = 2;;) {
        const int first = byteAt(at);
        if (first != 0xFF)
            return {first < 0 ? WalkEnd::RanOut : WalkEnd::NotAMarker, {at, -1, 0}};
        while (fillBytes && byteAt(at + 1) == 0xFF)
            ++at;
        const int code = byteAt(at + 1);
        MarkerSegment segment{at, code, 0};
        if (code < 0)
            return {WalkEnd::RanOut, segment};
        if (code == SOS[1])
            return {WalkEnd::ScanData, segment};
        if (code == EOI[1])
            return {WalkEnd::EndOfImage, segment};
        if (!isStandaloneMarker(code)) {
            if (code == 0x00 || code == 0xFF)
                return {WalkEnd::NotAMarker, segment};
            const int high = byteAt(at + 2), low = byteAt(at + 3);
            if (high < 0 || low < 0)
                return {WalkEnd::PastEnd, segment};
            segment.length = std::uint64_t(high) << 8 | std::uint64_t(low);
            if (segment.end() > end)
                return {WalkEnd::PastEnd, segment};
            if (segment.length < 2)
                return {WalkEnd::BadLength, segment};
        }
        if (visit(segment))
            return {WalkEnd::Visited, segment};
        at = segment.length == 0 ? at + 2 : segment.end();
    }
}

// Whether `segment` is an APP2 segment whose payload begins with "MPF\0":
// the MP segment. Other APP2 segments (ICC profiles, FlashPix data) belong
// to the picture.
template <class Bytes>
bool isMPSegment(Bytes &bytes, const MarkerSegment &segment)
{
    if (segment.code != APP2[1] || segment.length < 6)
        return false;
    for (int i = 0; i < 4; ++i)
        if (bytes.byteAt(segment.payloadAt() + std::uint64_t(i)) != MPOIdCode[i])
            return false;
    return true;
}

// Bytes held in memory, as the walk reads them.
struct MemoryBytes {
    const unsigned char *data;
    std::size_t size;
    int byteAt(std::uint64_t at) const { return at < size ? data[at] : -1; }
};
