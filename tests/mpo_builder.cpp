#include "mpo_builder.h"

namespace {

struct Writer {
    ByteOrder order;
    Bytes out;

    void raw(const Bytes &b) { out.insert(out.end(), b.begin(), b.end()); }
    void raw(const std::string &s) { out.insert(out.end(), s.begin(), s.end()); }
    void be16(std::uint32_t v) { raw(Bytes{std::uint8_t(v >> 8), std::uint8_t(v)}); }
    void u16(std::uint32_t v) { order == ByteOrder::Big ? be16(v) : raw(Bytes{std::uint8_t(v), std::uint8_t(v >> 8)}); }
    void u32(std::uint32_t v)
    {
        order == ByteOrder::Big ? (u16(v >> 16), u16(v & 0xFFFF)) : (u16(v & 0xFFFF), u16(v >> 16));
    }
};

}  // namespace

Bytes fakeJpeg(int seed, std::size_t bodyBytes)
{
    Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x05, 0x00, std::uint8_t(seed), 0x01,
                  0xFF, 0xDA, 0x00, 0x04, std::uint8_t(seed), 0x02};
    for (std::size_t i = 0; i < bodyBytes; ++i)
        jpeg.push_back(std::uint8_t((seed * 31 + i) % 0xFE));
    jpeg.insert(jpeg.end(), {0xFF, 0xD9});
    return jpeg;
}

BuiltMPO MPOBuilder::build() const
{
    const std::uint32_t count = std::uint32_t(pictures.size());
    std::vector<IfdTag> tags = {{0xB000, 7, 4, 0},
                                {0xB001, 4, 1, std::uint32_t(numberOfImages.value_or(count))},
                                {0xB002, 7, 16 * count, 0}};
    tags.insert(tags.end(), extraTags.begin(), extraTags.end());
    const std::uint32_t entriesOffset = std::uint32_t(8 + ifdGap + 2 + 12 * tags.size() + 4);
    tags[2].value = entriesOffset;

    const Bytes exif = {'E', 'x', 'i', 'f', 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0};
    const std::size_t app1Length = 2 + exif.size();
    const std::size_t segmentLength = 2 + 4 + entriesOffset + 16 * count;

    BuiltMPO built;
    built.baseOffset = std::uint32_t(app1Length + 12);
    built.app2At = app1Length + 4;
    built.entriesAt = built.baseOffset + entriesOffset;
    std::vector<std::uint32_t> sizes;
    for (std::size_t i = 0, position = 0; i < pictures.size(); ++i) {
        built.starts.push_back(position);
        sizes.push_back(std::uint32_t(pictures[i].jpeg.size() + (i == 0 ? 4 + app1Length + segmentLength : 0)));
        position += sizes.back() + pictures[i].after.size();
    }

    Writer app2{order, {}};
    app2.be16(0xFFE2), app2.be16(app2Length.value_or(std::uint16_t(segmentLength)));
    app2.raw(identifier);
    app2.raw(mpMark.value_or(order == ByteOrder::Big ? std::string("MM\0*", 4) : std::string("II*\0", 4)));
    app2.u32(ifdOffset.value_or(std::uint32_t(8 + ifdGap)));
    app2.raw(Bytes(ifdGap, 0));
    app2.u16(ifdCount.value_or(std::uint16_t(tags.size())));
    for (const IfdTag &t : tags) {
        app2.u16(t.tag), app2.u16(t.type), app2.u32(t.count);
        t.tag == 0xB000 ? app2.raw(std::string("0100")) : app2.u32(t.value);
    }
    app2.u32(0);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::uint32_t offset = i == 0 ? 0 : std::uint32_t(built.starts[i] - built.baseOffset);
        app2.u32(pictures[i].attribute), app2.u32(pictures[i].recordedSize.value_or(sizes[i]));
        app2.u32(offset), app2.u16(pictures[i].entry1), app2.u16(0);
    }

    Writer file{ByteOrder::Big, {}};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Bytes &jpeg = pictures[i].jpeg;
        file.raw(Bytes(jpeg.begin(), jpeg.begin() + (i == 0 ? 2 : 0)));
        if (i == 0) {
            file.be16(0xFFE1), file.be16(std::uint32_t(app1Length));
            file.raw(Bytes(exif.begin(), exif.begin() + 6)), file.raw(exifMark), file.raw(Bytes(exif.begin() + 10, exif.end()));
            file.raw(app2.out);
        }
        file.raw(Bytes(jpeg.begin() + (i == 0 ? 2 : 0), jpeg.end()));
        file.raw(pictures[i].after);
    }
    file.raw(trailing);
    built.bytes = std::move(file.out);
    return built;
}

MPOBuilder stereoLike(int count, ByteOrder order)
{
    MPOBuilder builder;
    builder.order = order;
    for (int i = 0; i < count; ++i)
        builder.add(fakeJpeg(i + 1), i == 0 ? 0x20020002u : 0x00020002u);
    return builder;
}

MPOBuilder flagged(const std::vector<std::uint32_t> &attributes)
{
    MPOBuilder builder;
    for (std::uint32_t attribute : attributes)
        builder.add(fakeJpeg(int(builder.pictures.size())), attribute);
    return builder;
}
