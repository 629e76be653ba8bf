// Copies a range of one open file to the end of another: in the kernel
// (copy_file_range, which lets the file system share or clone the blocks)
// where the file systems allow it, else through a small buffer.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes all of `bytes` to `to`; 0 or an errno value.
int writeFully(int to, const unsigned char *bytes, std::size_t size);

// Copies `length` bytes from file position `offset` of `from` to the current
// position of `to`; 0 or an errno value (EIO when `from` ends early).
int copyFileRange(int from, std::uint64_t offset, std::uint64_t length, int to);
