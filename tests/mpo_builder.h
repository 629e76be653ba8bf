// Builds MPO files in memory, in the camera layout the engine reads:
// picture 1 is SOI, APP1 (Exif), APP2 (MPF with the MP Index IFD and the MP
// Entries), then the rest of its JPEG stream; the other pictures follow back
// to back. Every field the engine reads can be set, right or deliberately
// wrong, so that a test shows its whole input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

enum class ByteOrder { Big, Little };

// MP Entry attribute flags.
constexpr std::uint32_t parentFlag = 1u << 31, childFlag = 1u << 30, representativeFlag = 1u << 29;

// A small JPEG-shaped stream: SOI, a DQT segment, SOS, `bodyBytes` bytes of
// scan data (no FF among them) and EOI. `seed` varies the content.
Bytes fakeJpeg(int seed, std::size_t bodyBytes = 32);

struct BuiltPicture {
    Bytes jpeg;  // from SOI; for picture 1 APP1 and APP2 are inserted after SOI
    std::uint32_t attribute = 0;
    std::optional<std::uint32_t> recordedSize;  // default: the picture's own length
    std::uint16_t entry1 = 0;
    Bytes after;  // padding written behind the picture, not counted in its size
};

struct IfdTag {
    std::uint16_t tag, type;
    std::uint32_t count, value;
};

struct BuiltMPO {
    Bytes bytes;
    std::uint32_t baseOffset = 0;     // file position of the MP header
    std::size_t app2At = 0;           // file position of the APP2 marker
    std::size_t entriesAt = 0;        // file position of the MP Entry array
    std::vector<std::size_t> starts;  // file position of each picture
};

struct MPOBuilder {
    ByteOrder order = ByteOrder::Big;
    std::vector<BuiltPicture> pictures;
    std::vector<IfdTag> extraTags;                   // written after the standard three
    std::string exifMark = std::string("MM\0*", 4);  // APP1's TIFF byte-order mark
    std::optional<std::string> mpMark;               // default: the mark of `order`
    std::string identifier = std::string("MPF\0", 4);
    std::size_t ifdGap = 0;                      // bytes between the MP header and the IFD
    std::optional<std::uint32_t> ifdOffset;      // default: 8 + ifdGap
    std::optional<std::uint16_t> ifdCount;       // default: the tags written
    std::optional<std::int32_t> numberOfImages;  // default: the pictures given
    std::optional<std::uint16_t> app2Length;     // default: the segment's length
    Bytes trailing;                              // bytes after the last picture

    MPOBuilder &add(Bytes jpeg, std::uint32_t attribute = 0)
    {
        pictures.push_back({std::move(jpeg), attribute, {}, 0, {}});
        return *this;
    }
    BuiltMPO build() const;
};

// `count` pictures of fakeJpeg, the first one flagged representative.
MPOBuilder stereoLike(int count, ByteOrder order = ByteOrder::Big);

// Pictures with these attributes, in this order.
MPOBuilder flagged(const std::vector<std::uint32_t> &attributes);
