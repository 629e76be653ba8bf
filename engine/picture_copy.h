// Writes one picture of a split straight from the MPO file: its header
// segments (without the MP segment) are read through a small window, and
// the rest of the picture is copied from file to file in the kernel where
// the file systems allow it, so a split holds no picture in memory and costs
// about what a copy of the same bytes costs.
#pragma once

#include <cstdint>

// Writes the picture of `size` bytes at file position `start` of `in` to
// `out`, trimmed at its last EOI and without its first APP2 "MPF" segment,
// exactly as writewoAPP2 writes the same bytes held in memory (trace
// included). Returns the count of the last piece written, or one of the
// failures below (errno tells why a copy failed).
std::int64_t copywoAPP2(int in, std::uint64_t start, std::uint64_t size, int out);
inline constexpr int COPY_NOT_A_PICTURE = -1;  // the bytes do not begin a JPEG picture, or have no end
inline constexpr int COPY_FAILED = -2;         // reading the picture or writing the copy failed
inline constexpr int COPY_READ_FAILED = -3;    // the file system failed to read the picture's header
