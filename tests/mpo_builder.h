// Builds MPO files in memory. By default in the camera layout: picture 1 is
// SOI, APP1 (Exif), APP2 (MPF with the MP Index IFD and the MP Entries), then
// the rest of its JPEG stream; the other pictures follow back to back. Other
// header segments may stand before and behind the MP segment, as phones and
// converters write them. Tests that need a broken field patch the built
// bytes at the positions it gives.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<unsigned char>;

enum class ByteOrder { Big, Little };

// MP Entry attribute flags.
constexpr std::uint32_t parentFlag = 1u << 31, childFlag = 1u << 30, representativeFlag = 1u << 29;

// A marker segment: FF, `code`, the big-endian length, the payload.
inline Bytes jpegSegment(unsigned char code, const Bytes &payload)
{
    Bytes segment(payload.size() + 4);
    segment[0] = 0xFF, segment[1] = code;
    segment[2] = std::uint8_t((payload.size() + 2) >> 8), segment[3] = std::uint8_t(payload.size() + 2);
    std::copy(payload.begin(), payload.end(), segment.begin() + 4);
    return segment;
}

inline Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

inline const Bytes exifSegment = jpegSegment(0xE1, {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0});

struct BuiltPicture {
    Bytes jpeg;  // from SOI; for picture 1 APP1 and APP2 are inserted after SOI
    std::uint32_t attribute = 0;
    std::optional<std::uint32_t> recordedSize;  // default: the picture's own length
    std::uint16_t entry1 = 0;
    Bytes after;  // padding written behind the picture, not counted in its size
};

struct IfdTag {
    std::uint16_t tag, type;
    std::uint32_t count, value;  // for a rational (types 5 and 10), the numerator
    std::uint32_t denominator = 1;
};

struct BuiltMPO {
    Bytes bytes;
    std::size_t app2At = 0;           // file position of the APP2 marker
    std::uint32_t baseOffset = 0;     // file position of the MP header (its byte-order mark)
    std::size_t entriesAt = 0;        // file position of the MP Entry array
    std::vector<std::size_t> starts;  // file position of each picture
};

class MPOBuilder {
public:
    ByteOrder order = ByteOrder::Big;
    std::vector<BuiltPicture> pictures;
    std::vector<IfdTag> extraTags;  // written after the standard three
    std::vector<IfdTag> attributeTags;  // an MP Attribute IFD behind the MP Entries, when given
    std::size_t ifdGap = 0;         // bytes between the MP header and the IFD
    Bytes trailing;                 // bytes after the last picture
    std::vector<Bytes> beforeMP = {exifSegment};  // picture 1's segments between SOI and the MP segment
    std::vector<Bytes> behindMP;                  // ... and between the MP segment and its own
    bool ownSegments = false;  // pictures 2..N carry an MP segment of their own, as cameras write

    MPOBuilder &add(Bytes jpeg, std::uint32_t attribute = 0)
    {
        pictures.push_back({std::move(jpeg), attribute, {}, 0, {}});
        return *this;
    }

    BuiltMPO build() const
    {
        const auto count = std::uint32_t(pictures.size());
        std::vector<IfdTag> tags = {{0xB000, 7, 4, 0}, {0xB001, 4, 1, count}, {0xB002, 7, 16 * count, 0}};
        tags.insert(tags.end(), extraTags.begin(), extraTags.end());
        const auto entriesOffset = std::uint32_t(8 + ifdGap + 2 + 12 * tags.size() + 4);
        tags[2].value = entriesOffset;
        const auto attributesOffset = std::uint32_t(entriesOffset + 16 * count);
        const std::size_t attributeBytes = attributeTags.empty() ? 0 : 2 + 20 * attributeTags.size() + 4;
        const std::size_t segmentLength = 2 + 4 + attributesOffset + attributeBytes;
        Bytes before, behind;
        for (const Bytes &segment : beforeMP)
            before = before + segment;
        for (const Bytes &segment : behindMP)
            behind = behind + segment;

        BuiltMPO built;
        built.app2At = 2 + before.size();
        built.baseOffset = std::uint32_t(built.app2At + 8);
        built.entriesAt = built.baseOffset + entriesOffset;
        std::vector<std::uint32_t> sizes;
        for (std::size_t i = 0, position = 0; i < pictures.size(); ++i) {
            built.starts.push_back(position);
            const std::size_t header = before.size() + 2 + segmentLength + behind.size();
            sizes.push_back(std::uint32_t(pictures[i].jpeg.size() + (i == 0 ? header : ownSegment().size())));
            position += sizes.back() + pictures[i].after.size();
        }
        Bytes app2 = {0xFF, 0xE2, std::uint8_t(segmentLength >> 8), std::uint8_t(segmentLength), 'M', 'P', 'F', 0};
        const auto put = [&](std::uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                app2.push_back(std::uint8_t(value >> 8 * (order == ByteOrder::Big ? bytes - 1 - i : i)));
        };
        const unsigned char mark = order == ByteOrder::Big ? 'M' : 'I';
        app2.insert(app2.end(), {mark, mark});
        put(42, 2), put(std::uint32_t(8 + ifdGap), 4);
        app2.insert(app2.end(), ifdGap, 0);
        put(std::uint32_t(tags.size()), 2);
        for (const IfdTag &t : tags) {
            put(t.tag, 2), put(t.type, 2), put(t.count, 4);
            if (t.tag == 0xB000)
                app2.insert(app2.end(), {'0', '1', '0', '0'});  // MP format version, as text
            else
                put(t.value, 4);
        }
        put(attributeTags.empty() ? 0 : attributesOffset, 4);
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            put(pictures[i].attribute, 4), put(pictures[i].recordedSize.value_or(sizes[i]), 4);
            put(i == 0 ? 0 : std::uint32_t(built.starts[i] - built.baseOffset), 4), put(pictures[i].entry1, 2), put(0, 2);
        }
        if (!attributeTags.empty()) {
            // Each tag's rational, if it is one, follows the IFD: 8 bytes a tag.
            const auto rationals = std::uint32_t(attributesOffset + 2 + 12 * attributeTags.size() + 4);
            put(std::uint32_t(attributeTags.size()), 2);
            for (std::size_t i = 0; i < attributeTags.size(); ++i) {
                const IfdTag &t = attributeTags[i];
                const bool rational = t.type == 5 || t.type == 10;
                put(t.tag, 2), put(t.type, 2), put(t.count, 4), put(rational ? rationals + 8 * std::uint32_t(i) : t.value, 4);
            }
            put(0, 4);
            for (const IfdTag &t : attributeTags)
                put(t.value, 4), put(t.denominator, 4);
        }

        Bytes &file = built.bytes;
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            const Bytes &jpeg = pictures[i].jpeg;
            file.insert(file.end(), jpeg.begin(), jpeg.begin() + 2);
            if (i == 0)
                file = file + before + app2 + behind;
            else
                file = file + ownSegment();
            file.insert(file.end(), jpeg.begin() + 2, jpeg.end());
            file.insert(file.end(), pictures[i].after.begin(), pictures[i].after.end());
        }
        file.insert(file.end(), trailing.begin(), trailing.end());
        return built;
    }

private:
    // An MP segment holding an MP Attribute IFD with the format version only.
    Bytes ownSegment() const
    {
        if (!ownSegments)
            return {};
        const bool big = order == ByteOrder::Big;
        const Bytes header = big ? Bytes{'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0xB0, 0, 0, 7, 0, 0, 0, 4}
                                 : Bytes{'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0, 0xB0, 7, 0, 4, 0, 0, 0};
        return jpegSegment(0xE2, Bytes{'M', 'P', 'F', 0} + header + Bytes{'0', '1', '0', '0', 0, 0, 0, 0});
    }
};

// A small JPEG-shaped stream: SOI, a DQT segment, SOS, `bodyBytes` bytes of
// scan data (no FF among them) and EOI. `seed` varies the content.
inline Bytes fakeJpeg(int seed, std::size_t bodyBytes = 32)
{
    Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x05, 0x00, std::uint8_t(seed), 0x01,
                  0xFF, 0xDA, 0x00, 0x04, std::uint8_t(seed), 0x02};
    for (std::size_t i = 0; i < bodyBytes; ++i)
        jpeg.push_back(std::uint8_t((seed * 31 + i) % 0xFE));
    jpeg.insert(jpeg.end(), {0xFF, 0xD9});
    return jpeg;
}

// Pictures of fakeJpeg with these attributes, in this order.
inline MPOBuilder flagged(const std::vector<std::uint32_t> &attributes, ByteOrder order = ByteOrder::Big)
{
    MPOBuilder builder;
    builder.order = order;
    for (std::uint32_t attribute : attributes)
        builder.add(fakeJpeg(int(builder.pictures.size()) + 1), attribute);
    return builder;
}

// `count` pictures in the layout of a stereo camera, the first one representative.
inline MPOBuilder stereoLike(int count, ByteOrder order = ByteOrder::Big)
{
    std::vector<std::uint32_t> attributes(std::size_t(count), 0x00020002u);
    attributes[0] |= representativeFlag;
    return flagged(attributes, order);
}

// ---- Header segments that phones, stereo cameras and converters write ----
using namespace std::string_view_literals;
inline const Bytes jfifSegment = jpegSegment(0xE0, bytesOf("JFIF\0\1\1\0\0\1\0\1\0\0"sv));
inline const Bytes xmpSegment = jpegSegment(0xE1, bytesOf("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>"sv));
inline const Bytes photoshopSegment = jpegSegment(0xED, bytesOf("Photoshop 3.0\08BIM\4\4\0\0\0\0\0\0"sv));
inline const Bytes adobeSegment = jpegSegment(0xEE, bytesOf("Adobe\0\144\0\0\0\0\1"sv));

inline Bytes flashPixSegment(unsigned char part)
{
    return jpegSegment(0xE2, bytesOf("FPXR\0\0"sv) + Bytes{part, 0, 0, 0});
}

// An Exif APP1 whose only tag is Orientation (0x0112, one SHORT).
inline Bytes exifWithOrientation(std::uint8_t orientation)
{
    return jpegSegment(0xE1, bytesOf("Exif\0\0MM\0*\0\0\0\x08\0\1\x01\x12\0\3\0\0\0\1\0"sv) +
                                 Bytes{orientation, 0, 0, 0, 0, 0, 0});
}

// `jpeg` with `segments` right behind its SOI.
inline Bytes withSegments(const Bytes &jpeg, const std::vector<Bytes> &segments)
{
    Bytes bytes(jpeg.begin(), jpeg.begin() + 2);
    for (const Bytes &segment : segments)
        bytes = bytes + segment;
    return bytes + Bytes(jpeg.begin() + 2, jpeg.end());
}

// An ICC profile in one APP2 segment (chunk 1 of 1).
inline Bytes iccSegment(const Bytes &profile)
{
    return jpegSegment(0xE2, bytesOf("ICC_PROFILE\0\1\1"sv) + profile);
}

// Where the segments around picture 1's MP segment stand in a layout, and
// the line the reading refuses the file with when it holds no MP segment.
struct HeaderLayout {
    const char *name;
    std::vector<Bytes> beforeMP, behindMP;
    const char *refusalWithoutMP;
};

inline std::vector<HeaderLayout> otherHeaderLayouts(const Bytes &icc)
{
    const Bytes exif = exifSegment, jfif = jfifSegment, xmp = xmpSegment;
    return {
        {"stereo camera: FlashPix APP2s first", {exif, flashPixSegment(1), flashPixSegment(2), flashPixSegment(3)}, {},
         "MPO Format Identification Code Not Found!"},
        {"converter: JFIF and no Exif", {jfif}, {}, "SOI Not Found!"},
        {"phone: ICC profile behind", {jfif, exif}, {icc}, "SOI Not Found!"},
        {"phone: two XMP APP1s first", {jfif, exif, xmp, xmp}, {}, "SOI Not Found!"},
        {"phone: APP13, ICC and XMP first, Adobe behind", {exif, photoshopSegment, icc, xmp}, {adobeSegment},
         "APP2 Not Found!"},
        {"ICC profile first", {exif, icc}, {}, "MPO Format Identification Code Not Found!"},
        {"XMP before Exif", {xmp, exif}, {}, "UNKNOWN Endian Info."},
    };
}
