#include "recorded_index.h"

#include <cstring>

#include "byte_reader.h"
#include "file_window.h"
#include "segment_walk.h"

namespace {

constexpr std::size_t mpIdBytes = 4;  // "MPF\0", before the MP header
constexpr std::size_t ifdEntryBytes = 12;
constexpr std::uint16_t entryFieldTag = 0xB002;

// The MP segment's payload behind "MPF\0", and where it stood.
bool readSegment(int fd, std::uint64_t fileSize, RecordedIndex &index, std::vector<unsigned char> &header)
{
    FileWindow file(fd, 0, fileSize);
    if (file.byteAt(0) != SOI[0] || file.byteAt(1) != SOI[1])
        return false;
    int position = 0;
    bool firstIsApp1 = false;
    MarkerSegment found{};
    walkSegments(
        file, fileSize,
        [&](const MarkerSegment &segment) {
            if (position == 0)
                firstIsApp1 = segment.code == APP1[1];
            if (isMPSegment(file, segment)) {
                index.hasSegment = true;
                index.strictPlace = position == 1 && firstIsApp1;
                found = segment;
                return true;
            }
            ++position;
            return false;
        },
        true);
    if (!index.hasSegment)
        return false;
    index.mpHeaderAt = found.payloadAt() + mpIdBytes;
    header.resize(std::size_t(found.end() - index.mpHeaderAt));
    return file.read(index.mpHeaderAt, header.data(), header.size());
}

}  // namespace

RecordedIndex readRecordedIndex(int fd, std::uint64_t fileSize)
{
    RecordedIndex index;
    std::vector<unsigned char> header;
    if (!readSegment(fd, fileSize, index, header)) {
        if (index.hasSegment)
            index.damage = "its MP segment cannot be read";
        return index;
    }
    if (header.size() < 8 || (std::memcmp(header.data(), LittleEndian, 4) != 0 &&
                              std::memcmp(header.data(), BigEndian, 4) != 0)) {
        index.damage = "its MP index has no valid byte-order mark";
        return index;
    }
    index.littleEndian = header[0] == LittleEndian[0];
    ByteReader reader(header.data(), header.size(), index.littleEndian);
    const std::uint32_t ifdAt = reader.u32(4);
    const std::uint16_t count = reader.u16(ifdAt);
    if (reader.failed() || !reader.has(std::uint64_t(ifdAt) + 2, ifdEntryBytes * count)) {
        index.damage = "its MP Index IFD runs past the end of its segment";
        return index;
    }
    for (std::uint64_t k = 0, at = std::uint64_t(ifdAt) + 2; k < count; ++k, at += ifdEntryBytes) {
        const std::uint16_t tag = reader.u16(at);
        if (tag == MP_TAG_NUMBER_OF_IMAGES) {
            index.hasNumber = true;
            index.numberOfImages = reader.u32(at + 8);
        } else if (tag == entryFieldTag) {
            index.hasEntryField = true;
            index.entryFieldBytes = reader.u32(at + 4);
            index.entryFieldOffset = reader.u32(at + 8);
        }
    }
    index.entriesFollowAt = std::uint32_t(ifdAt + 2 + ifdEntryBytes * count + 4);
    const std::uint64_t entriesAt = index.hasEntryField ? index.entryFieldOffset : index.entriesFollowAt;
    const std::uint64_t entries = index.hasNumber ? index.numberOfImages : 0;
    index.entriesInSegment = reader.has(entriesAt, entries * sizeof(MPEntry));
    for (std::uint64_t i = 0; index.entriesInSegment && i < entries; ++i) {
        const std::uint64_t at = entriesAt + i * sizeof(MPEntry);
        index.entries.push_back(
            {reader.u32(at), reader.u32(at + 4), reader.u32(at + 8), reader.u16(at + 12), reader.u16(at + 14)});
    }
    return index;
}
