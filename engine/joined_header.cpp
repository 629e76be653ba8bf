#include "joined_header.h"

#include <algorithm>

namespace {

constexpr std::uint16_t typeLong = 4, typeUndefined = 7;
constexpr std::uint32_t representativeFlag = 1u << 29;
constexpr std::size_t mpHeaderBytes = 8;  // byte-order mark, 42, offset of the first IFD

// Bytes of a TIFF-style structure in the MP index's byte order.
class IfdBytes {
public:
    explicit IfdBytes(bool littleEndian) : little_(littleEndian) {}

    std::vector<unsigned char> bytes;

    void text(const char *characters, std::size_t count) { bytes.insert(bytes.end(), characters, characters + count); }
    void u16(std::uint32_t value) { put(value, 2); }
    void u32(std::uint32_t value) { put(value, 4); }
    // The mark, 42 and the offset of the first IFD (right behind).
    void header()
    {
        text(little_ ? "II" : "MM", 2);
        u16(42);
        u32(mpHeaderBytes);
    }
    // A 12-byte IFD entry whose value fits in place.
    void entry(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value)
    {
        u16(tag), u16(type), u32(count), u32(value);
    }
    void versionEntry()  // MP Format Version "0100"
    {
        u16(0xB000), u16(typeUndefined), u32(4), text("0100", 4);
    }
    // The MP Attribute IFD of picture `number` (from 1), ending the IFD chain.
    void attributeIfd(int number, std::uint32_t type)
    {
        const bool viewpoints = type == MP_TYPE_DISPARITY || type == MP_TYPE_MULTI_ANGLE;
        u16(viewpoints ? 3 : 2);
        versionEntry();
        entry(0xB101, typeLong, 1, std::uint32_t(number));  // MP Individual Image Number
        if (viewpoints)
            entry(0xB204, typeLong, 1, 1);  // Base Viewpoint Number: the first picture
        u32(0);
    }

private:
    void put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bytes.push_back(static_cast<unsigned char>(value >> 8 * (little_ ? i : count - 1 - i)));
    }
    bool little_;
};

std::vector<unsigned char> segmentOf(unsigned char marker, const std::vector<unsigned char> &payload)
{
    const std::size_t length = payload.size() + 2;
    std::vector<unsigned char> segment(2 + length);
    segment[0] = 0xFF, segment[1] = marker;
    segment[2] = static_cast<unsigned char>(length >> 8), segment[3] = static_cast<unsigned char>(length);
    std::copy(payload.begin(), payload.end(), segment.begin() + 4);
    return segment;
}

}  // namespace

std::vector<unsigned char> indexPayload(const std::vector<std::uint32_t> &sizes,
                                        const std::vector<std::uint32_t> &offsets, const MPOJoinSettings &settings)
{
    const std::uint32_t count = std::uint32_t(sizes.size());
    constexpr std::uint32_t indexIfdBytes = 2 + 3 * 12 + 4;
    const std::uint32_t entriesAt = mpHeaderBytes + indexIfdBytes;
    IfdBytes ifd(settings.littleEndian);
    ifd.text("MPF", 4);  // with its terminating zero
    ifd.header();
    ifd.u16(3);
    ifd.versionEntry();
    ifd.entry(0xB001, typeLong, 1, count);                      // Number of Images
    ifd.entry(0xB002, typeUndefined, 16 * count, entriesAt);    // MP Entry
    ifd.u32(entriesAt + 16 * count);                            // the MP Attribute IFD follows the entries
    for (std::uint32_t i = 0; i < count; ++i) {
        ifd.u32(settings.type | (i == 0 ? representativeFlag : 0));
        ifd.u32(sizes[i]);
        ifd.u32(offsets[i]);
        ifd.u16(0), ifd.u16(0);  // no dependent pictures
    }
    ifd.attributeIfd(1, settings.type);
    return ifd.bytes;
}

std::vector<unsigned char> attributePayload(int number, const MPOJoinSettings &settings)
{
    IfdBytes ifd(settings.littleEndian);
    ifd.text("MPF", 4);
    ifd.header();
    ifd.attributeIfd(number, settings.type);
    return ifd.bytes;
}

std::vector<unsigned char> minimalExifSegment(bool littleEndian)
{
    IfdBytes exif(littleEndian);
    exif.text("Exif\0", 6);
    exif.header();
    exif.u16(0);  // no tags
    exif.u32(0);  // no further IFD
    return segmentOf(APP1[1], exif.bytes);
}

const JpegSegment *exifOf(const JpegLayout &layout)
{
    for (const JpegSegment &segment : layout.header)
        if (segment.marker() == APP1[1] && segment.carries("Exif\0", 6))
            return &segment;
    return nullptr;
}

std::vector<unsigned char> rewrittenHeader(const JpegLayout &layout, bool first, const std::vector<unsigned char> &app2,
                                           bool littleEndian)
{
    std::vector<unsigned char> header = {SOI[0], SOI[1]};
    const JpegSegment *exif = exifOf(layout);
    const std::vector<unsigned char> exifBytes = exif ? exif->bytes : first ? minimalExifSegment(littleEndian)
                                                                          : std::vector<unsigned char>();
    header.insert(header.end(), exifBytes.begin(), exifBytes.end());
    const std::vector<unsigned char> mp = segmentOf(APP2[1], app2);
    header.insert(header.end(), mp.begin(), mp.end());
    for (const JpegSegment &segment : layout.header) {
        const bool left = &segment == exif || (segment.marker() == APP2[1] && segment.carries("MPF\0", 4)) ||
                          (first && segment.marker() == APP0[1] && segment.carries("JFIF\0", 5));
        if (!left)
            header.insert(header.end(), segment.bytes.begin(), segment.bytes.end());
    }
    return header;
}
