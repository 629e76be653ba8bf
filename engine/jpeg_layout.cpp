#include "jpeg_layout.h"

#include <cstring>

#include "file_window.h"
#include "segment_walk.h"

namespace {

// The header segments from just after SOI up to the first SOS.
std::string readHeader(FileWindow &file, JpegLayout &layout)
{
    const WalkResult walk = walkSegments(
        file, file.size(),
        [&](const MarkerSegment &at) {
            if (at.length == 0)
                return false;  // a marker that stands alone carries nothing to keep
            JpegSegment segment;
            segment.bytes.resize(std::size_t(2 + at.length));
            if (!file.read(at.at, segment.bytes.data(), segment.bytes.size()))
                return true;  // stops the walk: the segment cannot be read
            if (isMPSegment(file, at))
                layout.multiPicture = true;
            layout.header.push_back(std::move(segment));
            return false;
        },
        true);
    switch (walk.end) {
    case WalkEnd::ScanData: layout.dataAt = walk.segment.at; return "";
    case WalkEnd::Visited: return "cannot be read";
    case WalkEnd::EndOfImage: return "is not a complete JPEG picture (it ends before its picture data)";
    case WalkEnd::NotAMarker: return "has a damaged header (no marker where one belongs)";
    case WalkEnd::BadLength: return "has a damaged header (a segment shorter than its length field)";
    case WalkEnd::PastEnd: return "is cut short (a header segment runs past its end)";
    case WalkEnd::RanOut: break;
    }
    return "is cut short (no SOS segment)";
}

// Just past the last FF D9 at or after `from`, searched from the end (the
// window reads backwards a block at a time); 0 if none.
std::uint64_t lastEoiEnd(FileWindow &file, std::uint64_t from)
{
    for (std::uint64_t end = file.size(); end >= from + 2; --end) {
        const int last = file.byteAt(end - 1), before = file.byteAt(end - 2);
        if (last < 0 || before < 0)
            return 0;
        if (before == 0xFF && last == EOI[1])
            return end;
    }
    return 0;
}

}  // namespace

std::uint64_t scansEnd(FileWindow &file, std::uint64_t at)
{
    while (at + 2 <= file.size()) {
        const int marker = file.byteAt(at + 1);
        if (marker == EOI[1])
            return at + 2;
        const int high = file.byteAt(at + 2), low = file.byteAt(at + 3);
        if (high < 0 || low < 0)
            return 0;
        at += 2 + (std::uint64_t(high) << 8 | std::uint64_t(low));
        for (;; ++at) {  // to the next marker that is not part of the scan data
            const int byte = file.byteAt(at);
            if (byte < 0)
                return 0;
            if (byte != 0xFF)
                continue;
            const int next = file.byteAt(at + 1);
            if (next < 0)
                return 0;
            if (next != 0x00 && next != 0xFF && !isStandaloneMarker(next))
                break;
        }
    }
    return 0;
}

bool JpegSegment::carries(const char *id, std::size_t length) const
{
    return bytes.size() >= 4 + length && std::memcmp(bytes.data() + 4, id, length) == 0;
}

std::string readJpegLayout(int fd, std::uint64_t size, bool firstPictureOnly, JpegLayout &layout)
{
    FileWindow file(fd, 0, size);
    if (size == 0)
        return "is empty";
    if (file.byteAt(0) != SOI[0] || file.byteAt(1) != SOI[1])
        return "is not a JPEG picture (it does not start with SOI)";
    if (std::string problem = readHeader(file, layout); !problem.empty())
        return problem;
    layout.dataEnd = firstPictureOnly && layout.multiPicture ? scansEnd(file, layout.dataAt)
                                                             : lastEoiEnd(file, layout.dataAt + 2);
    if (layout.dataEnd == 0)
        return "is cut short (no EOI after its picture data)";
    return "";
}
