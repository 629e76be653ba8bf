// chkMPOandSaved, the engine's one entry point, and the name test it uses.
#include <cctype>
#include <cstring>

#include "picture_output.h"

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
    if (path == nullptr)
        return -10;
    // Holds the open file and the APP2 segment; both end with this call.
    MPIndex index;
    if (int result = readMPIndex(path, outCount, outIndex, mode, selectNum, saveFolder, index); result != 0)
        return result;
    return outputPictures(index, mode, selectNum, outBuffer, outSize, saveFolder, callback, context);
}

int listMPOEntries(const char *path, std::vector<MPOListedEntry> &entries, int *outCount, int *outIndex,
                   bool *behindOtherSegments)
{
    entries.clear();
    if (path == nullptr)
        return -10;
    MPIndex index;
    if (int result = readMPIndex(path, outCount, outIndex, MPO_LOAD_ONE, 0, nullptr, index); result != 0)
        return result;
    if (behindOtherSegments != nullptr)
        *behindOtherSegments = index.foundBehindOtherSegments;
    int number = 0;
    for (int i = 0; i < index.entries.size(); ++i) {
        const MPEntry entry = index.entries.at(i);
        const bool numbered = !index.parentOnly || (entry.attribute & MP_DEPENDENT_PARENT);
        entries.push_back({entry, pictureStart(entry, index.baseOffset), numbered ? ++number : 0});
    }
    return 0;
}
