#include "jpeg_layout.h"

#include <cstring>

#include "file_window.h"

namespace {

constexpr unsigned char markerSOS = 0xDA, markerEOI = 0xD9, markerAPP2 = 0xE2;

bool isStandalone(int marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// The header segments from just after SOI up to the first SOS.
std::string readHeader(FileWindow &file, JpegLayout &layout)
{
    std::uint64_t at = 2;
    for (;;) {
        if (file.byteAt(at) != 0xFF)
            return at >= file.size() ? "is cut short (no SOS segment)" : "has a damaged header (no marker where one belongs)";
        while (file.byteAt(at + 1) == 0xFF)  // fill bytes before a marker
            ++at;
        const int marker = file.byteAt(at + 1);
        if (marker < 0)
            return "is cut short (no SOS segment)";
        if (marker == markerSOS) {
            layout.dataAt = at;
            return "";
        }
        if (marker == markerEOI)
            return "is not a complete JPEG picture (it ends before its picture data)";
        if (isStandalone(marker)) {
            at += 2;
            continue;
        }
        const int high = file.byteAt(at + 2), low = file.byteAt(at + 3);
        const std::uint64_t length = std::uint64_t(high) << 8 | std::uint64_t(low);
        if (high < 0 || low < 0 || at + 2 + length > file.size())
            return "is cut short (a header segment runs past its end)";
        if (length < 2)
            return "has a damaged header (a segment shorter than its length field)";
        JpegSegment segment;
        segment.bytes.resize(std::size_t(2 + length));
        if (!file.read(at, segment.bytes.data(), segment.bytes.size()))
            return "cannot be read";
        if (segment.marker() == markerAPP2 && segment.carries("MPF\0", 4))
            layout.multiPicture = true;
        layout.header.push_back(std::move(segment));
        at += 2 + length;
    }
}

// Just past the last FF D9 at or after `from`, searched from the end (the
// window reads backwards a block at a time); 0 if none.
std::uint64_t lastEoiEnd(FileWindow &file, std::uint64_t from)
{
    for (std::uint64_t end = file.size(); end >= from + 2; --end) {
        const int last = file.byteAt(end - 1), before = file.byteAt(end - 2);
        if (last < 0 || before < 0)
            return 0;
        if (before == 0xFF && last == markerEOI)
            return end;
    }
    return 0;
}

// Just past the EOI that ends the scans starting at the SOS at `at`: marker
// segments are skipped by their lengths, and in the scan data FF is
// followed only by 00, a restart marker or fill. 0 if there is none.
std::uint64_t firstPictureEnd(FileWindow &file, std::uint64_t at)
{
    while (at + 2 <= file.size()) {
        const int marker = file.byteAt(at + 1);
        if (marker == markerEOI)
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
            if (next != 0x00 && next != 0xFF && !isStandalone(next))
                break;
        }
    }
    return 0;
}

}  // namespace

bool JpegSegment::carries(const char *id, std::size_t length) const
{
    return bytes.size() >= 4 + length && std::memcmp(bytes.data() + 4, id, length) == 0;
}

std::string readJpegLayout(int fd, std::uint64_t size, bool firstPictureOnly, JpegLayout &layout)
{
    FileWindow file(fd, 0, size);
    if (size == 0)
        return "is empty";
    if (file.byteAt(0) != 0xFF || file.byteAt(1) != 0xD8)
        return "is not a JPEG picture (it does not start with SOI)";
    if (std::string problem = readHeader(file, layout); !problem.empty())
        return problem;
    layout.dataEnd = firstPictureOnly && layout.multiPicture ? firstPictureEnd(file, layout.dataAt)
                                                             : lastEoiEnd(file, layout.dataAt + 2);
    if (layout.dataEnd == 0)
        return "is cut short (no EOI after its picture data)";
    return "";
}
