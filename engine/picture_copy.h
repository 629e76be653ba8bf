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
// included). Returns the count of the last piece written, or -1 when the
// picture cannot be walked, read or written.
int copywoAPP2(int in, std::uint64_t start, int size, int out);
