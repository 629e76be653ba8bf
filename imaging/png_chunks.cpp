#include "png_chunks.h"

#include <zlib.h>

#include <cstring>

#include "engine/byte_reader.h"

namespace imaging {

namespace {

constexpr unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t ihdrEnd = 8 + 4 + 4 + 13 + 4;  // signature, then IHDR's length, type, data and CRC

void putU32(unsigned char *at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

bool startsAsPng(const unsigned char *png, std::size_t size)
{
    return size >= ihdrEnd && std::memcmp(png, signature, 8) == 0 && std::memcmp(png + 12, "IHDR", 4) == 0;
}

}  // namespace

void addChunk(std::vector<unsigned char> &png, const ChunkType &type, const std::vector<unsigned char> &data)
{
    if (!startsAsPng(png.data(), png.size()))
        return;
    // The length, the type, the data and a CRC of the type and the data.
    std::vector<unsigned char> chunk(12 + data.size());
    putU32(chunk.data(), std::uint32_t(data.size()));
    std::memcpy(chunk.data() + 4, type.data(), 4);
    if (!data.empty())
        std::memcpy(chunk.data() + 8, data.data(), data.size());
    const uLong crc = crc32(crc32(0, nullptr, 0), chunk.data() + 4, uInt(4 + data.size()));
    putU32(chunk.data() + 8 + data.size(), std::uint32_t(crc));
    png.insert(png.begin() + long(ihdrEnd), chunk.begin(), chunk.end());
}

namespace {

// Calls `visit(type, data, length)` for each chunk whose length fits in the
// bytes held, until it returns true or `beforeData` meets IDAT.
template <class Visit>
void walkChunks(const unsigned char *png, std::size_t size, bool beforeData, Visit visit)
{
    if (!startsAsPng(png, size))
        return;
    ByteReader reader(png, size, false);
    for (std::uint64_t at = 8; reader.has(at, 12);) {
        const std::uint32_t length = reader.u32be(at);
        const unsigned char *name = png + at + 4;
        if ((beforeData && std::memcmp(name, "IDAT", 4) == 0) || !reader.has(at + 8, std::uint64_t(length) + 4))
            return;
        if (visit(name, png + at + 8, length))
            return;
        at += 12 + std::uint64_t(length);
    }
}

}  // namespace

std::optional<std::vector<unsigned char>> findChunk(const unsigned char *png, std::size_t size, const ChunkType &type)
{
    std::optional<std::vector<unsigned char>> found;
    walkChunks(png, size, true, [&](const unsigned char *name, const unsigned char *data, std::uint32_t length) {
        if (std::memcmp(name, type.data(), 4) == 0)
            found.emplace(data, data + length);
        return found.has_value();
    });
    return found;
}

std::optional<std::string> findText(const unsigned char *png, std::size_t size, const std::string &key)
{
    std::optional<std::string> found;
    walkChunks(png, size, false, [&](const unsigned char *name, const unsigned char *data, std::uint32_t length) {
        // The keyword, a zero byte, then the text.
        if (std::memcmp(name, "tEXt", 4) == 0 && length > key.size() &&
            std::memcmp(data, key.data(), key.size()) == 0 && data[key.size()] == 0)
            found.emplace(reinterpret_cast<const char *>(data) + key.size() + 1, length - key.size() - 1);
        return found.has_value();
    });
    return found;
}

}  // namespace imaging
