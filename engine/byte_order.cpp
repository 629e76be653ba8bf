// Byte-order marks and the byte swaps that decode little-endian MP values.
#include <cstdio>
#include <cstring>

#include "mpo.h"
#include "trace_output.h"

int chkEndianInfo(const unsigned char *mark)
{
    if (std::memcmp(mark, BigEndian, sizeof BigEndian) == 0) {
        traceLine("Big Endian Info.");
        traceLine("return 0");
        return 0;
    }
    if (std::memcmp(mark, LittleEndian, sizeof LittleEndian) == 0) {
        traceLine("Little Endian Info.");
        traceLine("return 1");
        return 1;
    }
    traceLine("UNKNOWN Endian Info.");
    return -1;
}

std::int16_t convendian_s(std::int16_t value)
{
    const auto bits = static_cast<std::uint16_t>(value);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((bits << 8) | (bits >> 8)));
}

std::uint32_t convendian_l(std::uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) |
           (value << 24);
}
