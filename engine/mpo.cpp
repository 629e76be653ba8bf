// chkMPOandSaved, the engine's one entry point, and the name test it uses.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "gain_map.h"
#include "picture_output.h"

namespace {

// The first `bytes` of the picture at `start`.
std::vector<unsigned char> pictureHead(std::FILE *file, std::uint64_t start, std::uint64_t fileSize,
                                       std::uint64_t bytes)
{
    if (start >= fileSize)
        return {};
    std::vector<unsigned char> head(std::min(bytes, fileSize - start));
    if (std::fseek(file, static_cast<long>(start), SEEK_SET) != 0)
        return {};
    head.resize(std::fread(head.data(), 1, head.size(), file));
    return head;
}

// Header segments hold at most 64 KiB each; a gain map's few come first
// and are small, so a short read is tried before a longer one.
constexpr std::uint64_t shortHead = 16384, longHead = 4 * 65536;

bool isGainMapAt(std::FILE *file, std::uint64_t start, std::uint64_t fileSize)
{
    bool ranOut = false;
    const std::vector<unsigned char> head = pictureHead(file, start, fileSize, shortHead);
    if (marksGainMap(head.data(), head.size(), &ranOut))
        return true;
    if (!ranOut)
        return false;
    const std::vector<unsigned char> longer = pictureHead(file, start, fileSize, longHead);
    return marksGainMap(longer.data(), longer.size());
}

// Marks the entry that is the first picture's HDR gain map, if any.
void markGainMap(MPIndex &index, std::vector<MPOListedEntry> &entries)
{
    if (entries.size() < 2)
        return;
    const std::vector<unsigned char> first = pictureHead(index.input.get(), entries[0].start, index.fileSize, longHead);
    const int listed = listedGainMapItem(first.data(), first.size());
    for (std::size_t i = 1; i < entries.size(); ++i)
        entries[i].gainMap = int(i) == listed || isGainMapAt(index.input.get(), entries[i].start, index.fileSize);
}

// What lies behind a failed reading: an empty file is refused as any file
// without an MP index is, and named as such.
MPOCause causeOf(const MPIndex &index, int result)
{
    if (result == MPO_REFUSED && index.cause == MPOCause::None && index.fileSize == 0)
        return MPOCause::Empty;
    return index.cause;
}

}  // namespace

int isMPO(const char *name, const char *suffix)
{
    const std::size_t nameLength = std::strlen(name);
    const std::size_t suffixLength = std::strlen(suffix);
    if (nameLength < suffixLength)
        return -1;
    const char *tail = name + nameLength - suffixLength;
    for (std::size_t i = 0; i < suffixLength; ++i) {
        if (std::toupper(static_cast<unsigned char>(tail[i])) !=
            std::toupper(static_cast<unsigned char>(suffix[i])))
            return -1;
    }
    return 0;
}

int chkMPOandSaved(const char *path, int *outCount, int *outIndex, int mode, int selectNum,
                   unsigned char **outBuffer, int *outSize, const char *saveFolder,
                   MPOStatusCallback callback, void *context)
{
    return chkMPOandSavedExplained(path, outCount, outIndex, mode, selectNum, outBuffer, outSize, saveFolder,
                                   callback, context, nullptr);
}

int chkMPOandSavedExplained(const char *path, int *outCount, int *outIndex, int mode, int selectNum,
                            unsigned char **outBuffer, int *outSize, const char *saveFolder,
                            MPOStatusCallback callback, void *context, MPOCause *cause, MPOSplitReport *report)
{
    if (cause != nullptr)
        *cause = MPOCause::None;
    if (path == nullptr)
        return MPO_PATH_UNEXAMINED;
    // Holds the open file and the APP2 segment; both end with this call.
    MPIndex index;
    int result = readMPIndex(path, outCount, outIndex, mode, selectNum, saveFolder, index);
    if (result == MPO_DONE)
        result = outputPictures(index, mode, selectNum, outBuffer, outSize, saveFolder, callback, context, report);
    if (cause != nullptr && result != MPO_DONE)
        *cause = causeOf(index, result);
    return result;
}

int listMPOEntries(const char *path, std::vector<MPOListedEntry> &entries, int *outCount, int *outIndex,
                   bool *behindOtherSegments, MPOCause *cause)
{
    entries.clear();
    if (cause != nullptr)
        *cause = MPOCause::None;
    if (path == nullptr)
        return MPO_PATH_UNEXAMINED;
    MPIndex index;
    if (int result = readMPIndex(path, outCount, outIndex, MPO_LOAD_ONE, 0, nullptr, index); result != 0) {
        if (cause != nullptr)
            *cause = causeOf(index, result);
        return result;
    }
    if (behindOtherSegments != nullptr)
        *behindOtherSegments = index.foundBehindOtherSegments;
    int number = 0;
    for (int i = 0; i < index.entries.size(); ++i) {
        const MPEntry entry = index.entries.at(i);
        const bool numbered = !index.parentOnly || (entry.attribute & MP_DEPENDENT_PARENT);
        entries.push_back({entry, pictureStart(entry, index.baseOffset), numbered ? ++number : 0});
    }
    markGainMap(index, entries);
    return 0;
}
