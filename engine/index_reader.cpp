// The reading phase of chkMPOandSaved: checks the path and the save folder,
// has the file's header segments read (index_headers.cpp), reads the MP
// Index IFD and the MP Entries from the APP2 segment, and corrects the
// entries' sizes, printing the trace as it goes.
//
// Every value taken from the APP2 segment goes through one bounds-checked
// reader over the bytes actually read; an index that points outside them is
// refused before any of it is used.
#include <libgen.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "byte_reader.h"
#include "file_system_stats.h"
#include "index_reading.h"
#include "trace_output.h"

using namespace index_reading;

MPOCause inputFileCause(const char *path)
{
    if (std::strlen(path) >= std::size_t(MPO_NAME_CAPACITY))
        return MPOCause::PathTooLong;
    struct stat status {};
    if (stat(path, &status) == 0 && !S_ISREG(status.st_mode))
        return MPOCause::NotAFile;
    return MPOCause::None;
}

namespace {

// A symbolic link is sized by the file it names, not by its own length.
std::uint64_t sizeOfFileNamed(const char *path, const struct stat &status)
{
    if (!S_ISLNK(status.st_mode))
        return static_cast<std::uint64_t>(status.st_size);
    struct stat target {};
    return stat(path, &target) == 0 ? static_cast<std::uint64_t>(target.st_size) : 0;
}

// The stem of output names: the last path component without its last four
// characters (IMG_0001.MPO gives IMG_0001).
int takeBaseName(const char *path, MPIndex &index)
{
    if (std::strlen(path) >= sizeof index.pathCopy) {
        traceLine("Path Too Long.");
        index.cause = MPOCause::PathTooLong;
        return cannotOpen;
    }
    std::strcpy(index.pathCopy, path);
    char scratch[sizeof index.pathCopy];  // basename() may change what it is given
    std::strcpy(scratch, path);
    const char *name = basename(scratch);
    const std::size_t length = std::strlen(name);
    if (length < 4) {
        traceLine("File Name Too Short.");
        index.cause = MPOCause::NameTooShort;
        return cannotOpen;
    }
    std::memcpy(index.baseName, name, length - 4);
    return 0;
}

// Steps before the file is opened: the path, the save folder and the names.
int checkPathAndFolder(const char *path, int mode, const char *saveFolder, MPIndex &index)
{
    struct stat status {};
    const int statResult = lstat(path, &status);
    if (statResult != 0 && isMPO(path, "MPO") != 0) {
        tracef("Error = %d\n", statResult);
        return MPO_PATH_UNEXAMINED;
    }
    // A folder or a device is no file to read, and a pipe would wait for
    // a writer; none is opened.
    if (inputFileCause(path) == MPOCause::NotAFile) {
        traceLine("The file Cannot open.");
        index.cause = MPOCause::NotAFile;
        return cannotOpen;
    }
    if (mode != MPO_LOAD_ONE) {
        struct statvfs folder {};
        const int folderResult = saveFolder != nullptr ? statvfs(saveFolder, &folder) : -1;
        if (folderResult != 0) {
            tracef("Error = %d\n", folderResult);
            index.cause = MPOCause::FolderUnusable;
            return MPO_WRITE_FAILED;
        }
        printFileSystemStats(saveFolder, folder);
    }
    // A name ending in MPO that lstat cannot examine goes on with size 0;
    // opening it normally fails next.
    index.fileSize = statResult == 0 ? sizeOfFileNamed(path, status) : 0;
    traceLine("MPO File Checker");
    tracef("File Size = %ld\n", static_cast<long>(index.fileSize));
    return takeBaseName(path, index);
}

void printIfdEntry(int k, std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                   std::uint32_t rawValue)
{
    tracef("---- Index %04d -----\n", k);
    tracef("TAG   = 0x%04x (%d)  / %s\n", tag, tag, getEXIFTAGNAME(tag));
    tracef("ID    = 0x%04x (%d)  / %s\n", type, type, getEXIFTYPENAME(type));
    tracef("COUNT = 0x%08x (%ld)\n", count, static_cast<long>(static_cast<std::int32_t>(count)));
    tracef("VALUE = 0x%08x\n", rawValue);
}

// The MP Index IFD: its offset, its entries, NumberOfImages, and where the
// MP Entry array begins (behind the next-IFD offset field).
int walkIfd(ByteReader &reader, int needConvEndian, IndexLayout &layout)
{
    const std::uint32_t rawOffset = reader.u32be(ifdOffsetAt);
    const std::uint32_t ifdOffset = reader.u32(ifdOffsetAt);
    if (reader.failed())
        return refuse("MP Index IFD Outside APP2 Segment.");
    tracef("APP2 IFDOffset = %ld (0x%04x)\n", static_cast<long>(static_cast<std::int32_t>(rawOffset)),
                rawOffset);
    tracef("needConvEndian = %d\n", needConvEndian);
    tracef("APP2 IFDOffset = %ld (0x%04x)\n", static_cast<long>(static_cast<std::int32_t>(ifdOffset)),
                ifdOffset);

    const std::uint64_t countAt = mpHeaderAt + std::uint64_t{ifdOffset};
    const auto count = static_cast<std::int16_t>(reader.u16(countAt));
    if (reader.failed())
        return refuse("MP Index IFD Outside APP2 Segment.");
    tracef("count = %ld (0x%04x)\n", static_cast<long>(count), static_cast<unsigned>(count));

    // A count of 0x8000 or more reads as negative: no entry is walked.
    const std::uint64_t entryCount = count > 0 ? static_cast<std::uint64_t>(count) : 0;
    const std::uint64_t firstEntryAt = countAt + 2;
    if (!reader.has(firstEntryAt, entryCount * ifdEntrySize))
        return refuse("MP Index IFD Outside APP2 Segment.");

    for (std::uint64_t k = 0; k < entryCount; ++k) {
        const std::uint64_t at = firstEntryAt + ifdEntrySize * k;
        const std::uint16_t tag = reader.u16(at);
        if (tag == MP_TAG_NUMBER_OF_IMAGES)
            layout.numberOfImages = static_cast<std::int32_t>(reader.u32(at + 8));
        printIfdEntry(static_cast<int>(k), tag, reader.u16(at + 2), reader.u32(at + 4), reader.u32be(at + 8));
    }
    layout.entriesAt = firstEntryAt + ifdEntrySize * entryCount + nextIfdFieldSize;
    return 0;
}

// The MP Entry array must lie in the bytes read, and the pictures must
// start inside the file, each no earlier than the one before.
int checkEntryBounds(ByteReader &reader, const IndexLayout &layout, MPIndex &index)
{
    const int count = layout.numberOfImages;
    if (count < 0 || !reader.has(layout.entriesAt, std::uint64_t{sizeof(MPEntry)} * count))
        return refuse("MP Entries Outside APP2 Segment.");

    std::uint64_t previousStart = 0;
    for (int i = 0; i < count; ++i) {
        MPEntry entry{};
        entry.DataOffset = reader.u32(layout.entriesAt + sizeof(MPEntry) * i + 8);
        const std::uint64_t start = pictureStart(entry, index.baseOffset);
        if (start > index.fileSize) {
            tracef("File[%d] Data Offset Beyond File End.\n", i);
            index.cause = MPOCause::IndexOutsideFile;
            return refused;
        }
        if (start < previousStart) {
            tracef("File[%d] Data Offset Goes Backwards.\n", i);
            index.cause = MPOCause::IndexOutsideFile;
            return refused;
        }
        previousStart = start;
    }
    return 0;
}

struct FlagCounts {
    int parents = 0;
    int children = 0;
    int representative = 0;
};

// Decodes each MP Entry in place into host order, counts its flags and
// prints it. Run mode 1 stops here when the picture asked for cannot exist.
int decodeEntries(ByteReader &reader, const IndexLayout &layout, int mode, int selectNum,
                  MPIndex &index, FlagCounts &flags)
{
    const int count = layout.numberOfImages;
    index.entries = MPEntryTable(index.app2.data() + layout.entriesAt, count);
    for (int i = 0; i < count; ++i) {
        const std::uint64_t at = layout.entriesAt + sizeof(MPEntry) * i;
        const MPEntry entry{reader.u32(at), reader.u32(at + 4), reader.u32(at + 8),
                            reader.u16(at + 12), reader.u16(at + 14)};
        index.entries.put(i, entry);
        if (entry.attribute & MP_DEPENDENT_PARENT)
            ++flags.parents;
        if (entry.attribute & MP_DEPENDENT_CHILD)
            ++flags.children;
        if (entry.attribute & MP_REPRESENTATIVE)
            flags.representative = flags.parents != 0 ? flags.parents : i + 1;
        dumpMPEntry(&entry);
        if (mode == MPO_SAVE_ONE && selectNum > count)
            return MPO_NO_SUCH_PICTURE;
    }
    return 0;
}

std::uint32_t asSize(std::int64_t bytes)
{
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(bytes, 0, UINT32_MAX));
}

// Recorded sizes are often wrong. The pictures lie back to back, so each
// size becomes the distance to the next picture's start, and the last
// picture runs to the end of the file.
void correctSizes(MPIndex &index)
{
    MPEntryTable &entries = index.entries;
    const int count = entries.size();
    if (count < 2)
        return;
    for (int i = 1; i < count; ++i) {
        MPEntry before = entries.at(i - 1);
        const MPEntry entry = entries.at(i);
        const std::int64_t distance =
            i == 1 ? std::int64_t{index.baseOffset} + entry.DataOffset
                   : std::int64_t{entry.DataOffset} - before.DataOffset;
        const std::uint32_t expected = asSize(distance);
        if (before.Size != expected) {
            tracef("File[%d] size missmuch !\n", i);
            tracef("Size Change %d -> %d\n", static_cast<int>(before.Size), static_cast<int>(expected));
            before.Size = expected;
            entries.put(i - 1, before);
        }
    }
    MPEntry last = entries.at(count - 1);
    last.Size = asSize(static_cast<std::int64_t>(index.fileSize) -
                       (std::int64_t{index.baseOffset} + last.DataOffset));
    entries.put(count - 1, last);
}

// No picture may reach past the end of the file, so no later read or
// allocation asks for more than the file holds.
void cutSizesToFile(MPIndex &index)
{
    for (int i = 0; i < index.entries.size(); ++i) {
        MPEntry entry = index.entries.at(i);
        const std::uint64_t room = index.fileSize - pictureStart(entry, index.baseOffset);
        if (entry.Size > room) {
            tracef("File[%d] Size Cut To File End %d -> %d\n", i, static_cast<int>(entry.Size),
                        static_cast<int>(room));
            entry.Size = static_cast<std::uint32_t>(room);
            index.entries.put(i, entry);
        }
    }
}

}  // namespace


int readMPIndex(const char *path, int *outCount, int *outIndex, int mode, int selectNum,
                const char *saveFolder, MPIndex &index)
{
    if (int result = checkPathAndFolder(path, mode, saveFolder, index); result != 0)
        return result;
    if (!index.input.open(path)) {
        traceLine("The file Cannot open.");
        return cannotOpen;
    }
    traceLine(index.pathCopy);
    traceLine(index.baseName);

    std::FILE *file = index.input.get();
    IndexLayout layout;
    std::uint32_t app2Length = 0;
    if (int result = readHeaders(file, index, layout, app2Length); result != 0)
        return result;
    if (int result = readApp2Segment(file, app2Length, index, layout); result != 0)
        return result;

    ByteReader reader(index.app2.data(), layout.held, layout.littleEndian);
    if (int result = walkIfd(reader, layout.littleEndian ? 1 : 0, layout); result != 0)
        return result;
    if (int result = checkEntryBounds(reader, layout, index); result != 0)
        return result;

    store(outCount, layout.numberOfImages);
    store(outIndex, 0);
    FlagCounts flags;
    if (int result = decodeEntries(reader, layout, mode, selectNum, index, flags); result != 0)
        return result;
    for (int i = 0; i < index.entries.size(); ++i) {
        const MPEntry entry = index.entries.at(i);
        tracef("File[%d] = %d  (0x%x)\n", i, static_cast<int>(entry.Size), entry.DataOffset);
    }
    correctSizes(index);
    cutSizesToFile(index);

    index.representative = flags.representative;
    index.parentOnly = flags.parents > 0 && flags.children == flags.parents;
    store(outIndex, flags.representative);
    store(outCount, index.parentOnly ? flags.parents : layout.numberOfImages);
    return 0;
}
