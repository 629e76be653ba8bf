// Ancillary chunks of a PNG file held in memory: one put in behind the
// header chunk, and one found before the picture data.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace imaging {

using ChunkType = std::array<char, 4>;

// `png` with the chunk `type` holding `data` put in right behind IHDR.
// `png` is left as it is when it does not begin with a signature and IHDR.
void addChunk(std::vector<unsigned char> &png, const ChunkType &type, const std::vector<unsigned char> &data);

// The data of the first chunk `type` before IDAT, if there is one whose
// length fits in the bytes held.
std::optional<std::vector<unsigned char>> findChunk(const unsigned char *png, std::size_t size, const ChunkType &type);

// The text of the tEXt chunk whose keyword is `key`, anywhere in the file
// (before or after the picture data), if there is one.
std::optional<std::string> findText(const unsigned char *png, std::size_t size, const std::string &key);

}  // namespace imaging
