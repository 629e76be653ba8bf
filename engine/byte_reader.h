// Bounds-checked reads of the MP index held in memory.
//
// Every read names an offset into the bytes held; a read that does not fit
// returns 0 and marks the reader as failed, which the caller checks once
// after a group of reads. Values inside the MP index are stored big-endian or
// little-endian as the MP header declares; big-endian reads ignore that.
#pragma once

#include <cstddef>
#include <cstdint>

#include "mpo.h"

class ByteReader {
public:
    ByteReader(const unsigned char *bytes, std::size_t size, bool littleEndian)
        : bytes_(bytes), size_(size), littleEndian_(littleEndian)
    {
    }

    // True when `count` bytes from `offset` lie inside the bytes held.
    bool has(std::uint64_t offset, std::uint64_t count) const
    {
        return count <= size_ && offset <= size_ - count;
    }

    std::uint16_t u16be(std::uint64_t offset)
    {
        if (!check(offset, 2))
            return 0;
        return static_cast<std::uint16_t>(bytes_[offset] << 8 | bytes_[offset + 1]);
    }

    std::uint32_t u32be(std::uint64_t offset)
    {
        if (!check(offset, 4))
            return 0;
        return std::uint32_t{bytes_[offset]} << 24 | std::uint32_t{bytes_[offset + 1]} << 16 |
               std::uint32_t{bytes_[offset + 2]} << 8 | std::uint32_t{bytes_[offset + 3]};
    }

    // 16- and 32-bit values in the MP byte order.
    std::uint16_t u16(std::uint64_t offset)
    {
        const std::uint16_t value = u16be(offset);
        if (!littleEndian_)
            return value;
        return static_cast<std::uint16_t>(convendian_s(static_cast<std::int16_t>(value)));
    }

    std::uint32_t u32(std::uint64_t offset)
    {
        const std::uint32_t value = u32be(offset);
        return littleEndian_ ? convendian_l(value) : value;
    }

    bool failed() const { return failed_; }

private:
    bool check(std::uint64_t offset, std::uint64_t count)
    {
        if (has(offset, count))
            return true;
        failed_ = true;
        return false;
    }

    const unsigned char *bytes_;
    std::size_t size_;
    bool littleEndian_;
    bool failed_ = false;
};
