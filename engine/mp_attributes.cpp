#include "mp_attributes.h"

#include <cstring>

#include "byte_reader.h"
#include "header_segments.h"

namespace {

constexpr std::uint16_t TAG_INDIVIDUAL_NUMBER = 0xB101;
constexpr std::uint16_t TAG_BASE_VIEWPOINT = 0xB204;
constexpr std::uint16_t TAG_CONVERGENCE_ANGLE = 0xB205;
constexpr std::uint16_t TAG_BASELINE_LENGTH = 0xB206;
constexpr std::uint16_t TYPE_LONG = 4, TYPE_RATIONAL = 5, TYPE_SRATIONAL = 10;

// The payload of the first APP2 segment that starts with "MPF\0", behind
// that identifier; false when the header segments hold none.
bool findMPPayload(const unsigned char *jpeg, std::size_t size, std::size_t &start, std::size_t &length)
{
    return forEachHeaderSegment(jpeg, size, [&](unsigned char marker, const unsigned char *payload, std::size_t bytes) {
        if (marker != APP2[1] || bytes < 4 || std::memcmp(payload, MPOIdCode, 4) != 0)
            return false;
        start = std::size_t(payload - jpeg) + 4;
        length = bytes - 4;
        return true;
    });
}

// A RATIONAL or SRATIONAL value at `offset` of the MP data; none for a zero
// denominator or a read beyond the data.
std::optional<double> rationalAt(ByteReader &reader, std::uint32_t offset, bool isSigned)
{
    if (!reader.has(offset, 8))
        return std::nullopt;
    const std::uint32_t numerator = reader.u32(offset);
    const std::uint32_t denominator = reader.u32(std::uint64_t{offset} + 4);
    if (denominator == 0)
        return std::nullopt;
    if (isSigned)
        return double(std::int32_t(numerator)) / double(std::int32_t(denominator));
    return double(numerator) / double(denominator);
}

void readTag(ByteReader &reader, std::uint64_t at, MPAttributes &attributes)
{
    const std::uint16_t tag = reader.u16(at);
    const std::uint16_t type = reader.u16(at + 2);
    const std::uint32_t count = reader.u32(at + 4);
    const std::uint32_t value = reader.u32(at + 8);
    if (reader.failed() || count != 1)
        return;
    if (tag == TAG_INDIVIDUAL_NUMBER && type == TYPE_LONG)
        attributes.individualNumber = value;
    else if (tag == TAG_BASE_VIEWPOINT && type == TYPE_LONG)
        attributes.baseViewpoint = value;
    else if (tag == TAG_CONVERGENCE_ANGLE && type == TYPE_SRATIONAL)
        attributes.convergenceAngle = rationalAt(reader, value, true);
    else if (tag == TAG_BASELINE_LENGTH && type == TYPE_RATIONAL)
        attributes.baselineLength = rationalAt(reader, value, false);
}

bool isIndexTag(std::uint16_t tag)
{
    return tag == MP_TAG_NUMBER_OF_IMAGES || tag == 0xB002;  // the number of pictures, the MP Entries
}

}  // namespace

MPAttributes readMPAttributes(const unsigned char *jpeg, std::size_t size)
{
    MPAttributes attributes;
    std::size_t start = 0, length = 0;
    if (jpeg == nullptr || !findMPPayload(jpeg, size, start, length) || length < 8)
        return attributes;
    const unsigned char *data = jpeg + start;  // offsets in the MP data count from here
    const bool little = std::memcmp(data, LittleEndian, 4) == 0;
    if (!little && std::memcmp(data, BigEndian, 4) != 0)
        return attributes;
    ByteReader reader(data, length, little);
    std::uint64_t ifd = reader.u32(4);
    // At most two IFDs: the index (first picture only), then the attributes.
    for (int round = 0; round < 2 && ifd != 0 && !reader.failed(); ++round) {
        const std::uint16_t count = reader.u16(ifd);
        const std::uint64_t firstTag = ifd + 2;
        if (reader.failed() || !reader.has(firstTag, 12u * count + 4u))
            return attributes;
        bool holdsIndex = false;
        for (std::uint16_t i = 0; i < count; ++i)
            holdsIndex = holdsIndex || isIndexTag(reader.u16(firstTag + 12u * i));
        if (holdsIndex) {
            ifd = reader.u32(firstTag + 12u * count);  // the next IFD holds the attributes
            continue;
        }
        for (std::uint16_t i = 0; i < count; ++i)
            readTag(reader, firstTag + 12u * i, attributes);
        return attributes;
    }
    return attributes;
}
