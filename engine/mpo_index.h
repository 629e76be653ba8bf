// What reading an MPO file's index leaves for picking and writing pictures:
// the open file, the names taken from its path and the corrected MP Entries.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "mpo.h"

// The MPO file, open for reading; closed exactly once, at the latest when
// the call that opened it returns.
class InputStream {
public:
    InputStream() = default;
    InputStream(const InputStream &) = delete;
    InputStream &operator=(const InputStream &) = delete;
    ~InputStream() { close(); }

    bool open(const char *path)
    {
        file_ = std::fopen(path, "r");
        return file_ != nullptr;
    }
    std::FILE *get() const { return file_; }
    void close()
    {
        if (file_ != nullptr)
            std::fclose(file_);
        file_ = nullptr;
    }

private:
    std::FILE *file_ = nullptr;
};

// The MP Entries where they stand in the APP2 buffer, once decoded into
// host order. The bytes may sit at any alignment, so entries are copied in
// and out rather than addressed as structs.
class MPEntryTable {
public:
    MPEntryTable() = default;
    MPEntryTable(unsigned char *first, int count) : first_(first), count_(count) {}

    int size() const { return count_; }
    MPEntry at(int i) const
    {
        MPEntry entry;
        std::memcpy(&entry, first_ + sizeof(MPEntry) * i, sizeof entry);
        return entry;
    }
    void put(int i, const MPEntry &entry)
    {
        std::memcpy(first_ + sizeof(MPEntry) * i, &entry, sizeof entry);
    }

private:
    unsigned char *first_ = nullptr;
    int count_ = 0;
};

// The APP2 segment's length is a 16-bit field, so the head and the bytes
// read behind it always fit here.
inline constexpr std::size_t APP2_BUFFER_SIZE = 65536;

struct MPIndex {
    InputStream input;
    char pathCopy[MPO_NAME_CAPACITY] = {};
    char baseName[MPO_NAME_CAPACITY] = {};  // output names start with it
    std::array<unsigned char, APP2_BUFFER_SIZE> app2{};
    std::uint64_t fileSize = 0;
    std::uint32_t baseOffset = 0;  // file position of the MP header
    bool foundBehindOtherSegments = false;  // the MP segment was not right behind APP1
    MPEntryTable entries;
    bool parentOnly = false;  // only Dependent Parent entries are numbered
    int representative = 0;   // number of the representative picture, 0 for none
    MPOCause cause = MPOCause::None;  // what lies behind a failure, where its code covers several
};

// File position of an entry's first byte: data offsets count from the MP
// header, except 0, which stands for the start of the file.
inline std::uint64_t pictureStart(const MPEntry &entry, std::uint32_t baseOffset)
{
    return entry.DataOffset == 0 ? 0 : std::uint64_t{baseOffset} + entry.DataOffset;
}

// Checks the file and reads its MP index into `index`, printing the trace.
// Returns 0, or the result code of chkMPOandSaved that ends the call.
int readMPIndex(const char *path, int *outCount, int *outIndex, int mode, int selectNum,
                const char *saveFolder, MPIndex &index);
