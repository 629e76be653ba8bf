// The engine's shared trace routines: hex dumps, MP Entry dumps, IFD tag and
// type names, and the file-system figures behind the free-space check.
#include <sys/statvfs.h>

#include <climits>
#include <cstdio>

#include "file_system_stats.h"
#include "mpo.h"
#include "trace_output.h"

namespace {

constexpr int bytesPerLine = 16;

// One line of a hex dump: hex digits on the left, printable characters on
// the right, each column held in a fixed buffer sized for 16 bytes.
class HexDumpLine {
public:
    // Each byte adds "%02x " to the hex column and " %c" (or " _") to the
    // character column; written by hand, as a load dumps a kilobyte.
    void add(unsigned char byte)
    {
        static constexpr char digits[] = "0123456789abcdef";
        hex[hexLength++] = digits[byte >> 4];
        hex[hexLength++] = digits[byte & 0xF];
        hex[hexLength++] = ' ';
        chars[charsLength++] = ' ';
        chars[charsLength++] = byte >= 0x20 && byte <= 0x7E ? char(byte) : '_';
        ++count;
    }
    // Lines up a short last line with the full lines above it.
    void padToFullLine()
    {
        for (; count < bytesPerLine; ++count)
            for (int i = 0; i < 3; ++i)
                hex[hexLength++] = ' ';
    }
    void print(int offset)
    {
        hex[hexLength] = '\0';
        chars[charsLength] = '\0';
        tracef("0x%08x:%s %s\n", static_cast<unsigned>(offset), hex, chars);
        *this = HexDumpLine{};
    }

private:
    char hex[3 * bytesPerLine + 1] = {};
    char chars[2 * bytesPerLine + 1] = {};
    int hexLength = 0;
    int charsLength = 0;
    int count = 0;
};

// The figures are printed through the C formats of the trace; a count too
// wide for the format's type is held at that type's largest value.
int asInt(unsigned long long value)
{
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

long asLong(unsigned long long value)
{
    return value > LONG_MAX ? LONG_MAX : static_cast<long>(value);
}

}  // namespace

int dumphex(const unsigned char *bytes, int length)
{
    HexDumpLine line;
    for (int i = 0; i < length; ++i) {
        if (i > 0 && i % bytesPerLine == 0)
            line.print(i - bytesPerLine);
        line.add(bytes[i]);
    }
    if (length <= 0)
        return 0;
    const int lastLineStart = (length - 1) / bytesPerLine * bytesPerLine;
    if (length > bytesPerLine)
        line.padToFullLine();
    line.print(lastLineStart);
    return 0;
}

int dumpMPEntry(const MPEntry *entry)
{
    const std::uint32_t attribute = entry->attribute;
    traceChar('|');
    traceChar(attribute & MP_DEPENDENT_PARENT ? 'p' : '-');
    traceChar(attribute & MP_DEPENDENT_CHILD ? 'c' : '-');
    traceChar(attribute & MP_REPRESENTATIVE ? 'r' : '-');
    traceChar('|');
    tracef("Reserved=0x%x DataType=0x%x\n", (attribute >> 27) & 0x3u, (attribute >> 24) & 0x7u);
    tracef("      Size = %d (0x%8x)\n", static_cast<int>(entry->Size), entry->Size);
    tracef("DataOffset = %d (0x%8x)\n", static_cast<int>(entry->DataOffset), entry->DataOffset);
    tracef("    Entry1 = 0x%x\n", static_cast<unsigned>(entry->Entry1));
    tracef("    Entry2 = 0x%x\n", static_cast<unsigned>(entry->Entry2));
    return 0;
}

const char *getEXIFTAGNAME(std::uint16_t tag)
{
    switch (tag) {
    case 0xB000: return "MPFVersion";
    case 0xB001: return "NumberOfImages";
    case 0xB002: return "MPEntry";
    case 0xB003: return "ImageUIDList";
    case 0xB004: return "TotalFrames";
    default: return "UNKNOWN";
    }
}

const char *getEXIFTYPENAME(std::uint16_t type)
{
    switch (type) {
    case 1: return "BYTE";
    case 2: return "ASCII";
    case 3: return "SHORT";
    case 4: return "LONG";
    case 5: return "RATIONAL";
    case 7: return "UNDEFINED";
    case 9: return "SLONG";
    case 10: return "SRATIONAL";
    default: return "UNKNOWN";
    }
}

std::string mpTypeName(std::uint32_t attribute)
{
    const std::uint32_t type = attribute & 0xFFFFFFu;
    switch (type) {
    case 0x000000: return "undefined";
    case 0x010001:
    case 0x010002: return "large thumbnail";
    case 0x020001: return "multi-frame panorama";
    case 0x020002: return "disparity";
    case 0x020003: return "multi-angle";
    case 0x030000: return "baseline primary";
    default: break;
    }
    char code[16];
    std::snprintf(code, sizeof code, "type 0x%06x", static_cast<unsigned>(type));
    return code;
}

void printFileSystemStats(const char *path, const struct statvfs &stats)
{
    traceLine(path);
    tracef(" f_bavail = %d\n", asInt(stats.f_bavail));
    tracef("  f_bfree = %d\n", asInt(stats.f_bfree));
    tracef(" f_blocks = %d\n", asInt(stats.f_blocks));
    tracef("  f_bsize = %ld\n", asLong(stats.f_bsize));
    tracef(" f_favail = %ld\n", asLong(stats.f_favail));
    tracef("  f_ffree = %d\n", asInt(stats.f_ffree));
    tracef("  f_files = %d\n", asInt(stats.f_files));
    tracef("f_namemax = %d\n", asInt(stats.f_namemax));
}

namespace {

std::uint64_t freeSpaceOf(int result, const char *path, const struct statvfs &stats)
{
    if (result != 0) {
        tracef("Error = %d\n", result);
        return MPO_FREESPACE_UNKNOWN;
    }
    printFileSystemStats(path, stats);
    const std::uint64_t blockSize = stats.f_frsize;
    const std::uint64_t freeBlocks = stats.f_bfree;
    // A free space too large to count is held just below "unknown".
    if (blockSize != 0 && freeBlocks > (MPO_FREESPACE_UNKNOWN - 1) / blockSize)
        return MPO_FREESPACE_UNKNOWN - 1;
    return blockSize * freeBlocks;
}

}  // namespace

std::uint64_t getfreespace(const char *path)
{
    struct statvfs stats {};
    const int result = statvfs(path, &stats);
    return freeSpaceOf(result, path, stats);
}

std::uint64_t getfreespace(int folder, const char *path)
{
    struct statvfs stats {};
    const int result = fstatvfs(folder, &stats);
    return freeSpaceOf(result, path, stats);
}
