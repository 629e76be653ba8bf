// The selection and output phase of chkMPOandSaved: walks the corrected MP
// Entries, picks the pictures the run mode asks for, and hands one back in
// memory or writes each into the save folder under a name no file has.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <optional>

#include "new_file.h"
#include "picture_copy.h"
#include "picture_output.h"
#include "trace_output.h"

namespace {

constexpr int cannotReach = MPO_UNREACHABLE;
constexpr int cannotStore = MPO_NO_ROOM;
constexpr int writeFailed = MPO_WRITE_FAILED;

// Asks the kernel to back a large buffer with huge pages where it can: a
// fresh multi-megabyte buffer otherwise costs a page fault per 4 KiB as the
// read fills it, which is most of a split's time beyond the copying itself.
void preferHugePages(unsigned char *bytes, std::size_t size)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t hugePage = std::uintptr_t{2} << 20;
    const auto first = (reinterpret_cast<std::uintptr_t>(bytes) + hugePage - 1) & ~(hugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(bytes) + size) & ~(hugePage - 1);
    if (end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
#else
    (void)bytes;
    (void)size;
#endif
}

// One picture's bytes as read from the file; released unless handed over.
class PictureBuffer {
public:
    PictureBuffer() = default;
    PictureBuffer(const PictureBuffer &) = delete;
    PictureBuffer &operator=(const PictureBuffer &) = delete;
    ~PictureBuffer() { std::free(bytes_); }

    bool allocate(std::uint32_t size)
    {
        bytes_ = static_cast<unsigned char *>(std::malloc(size != 0 ? size : 1));
        if (bytes_ != nullptr)
            preferHugePages(bytes_, size);
        return bytes_ != nullptr;
    }
    unsigned char *get() const { return bytes_; }
    unsigned char *release()
    {
        unsigned char *bytes = bytes_;
        bytes_ = nullptr;
        return bytes;
    }

private:
    unsigned char *bytes_ = nullptr;
};

// "%s/%s_%03d.JPG" for suffix 0, else "%s/%s_%03d-%d.JPG"; false when the
// name does not fit.
bool composeName(char (&name)[MPO_NAME_CAPACITY], const char *folder, const char *baseName,
                 int number, int suffix)
{
    std::memset(name, 0, sizeof name);
    const int length = suffix == 0
                           ? std::snprintf(name, sizeof name, "%s/%s_%03d.JPG", folder, baseName, number)
                           : std::snprintf(name, sizeof name, "%s/%s_%03d-%d.JPG", folder, baseName,
                                           number, suffix);
    return length >= 0 && length < static_cast<int>(sizeof name);
}

// The file's own name in a name composed as "FOLDER/NAME".
const char *nameInFolder(const char *name, const OpenFolder &folder)
{
    return name + folder.path().size() + 1;
}

// Composes names from `suffix` on until one names no existing file.
bool findFreeName(char (&name)[MPO_NAME_CAPACITY], const OpenFolder &folder, const char *baseName,
                  int number, int &suffix)
{
    struct stat status {};
    for (;; ++suffix) {
        if (!composeName(name, folder.path().c_str(), baseName, number, suffix)) {
            traceLine("Output Name Too Long.");
            return false;
        }
        // A load only names the picture in its trace; its save folder may
        // not be there.
        const int looked = folder.isOpen() ? fstatat(folder.fd(), nameInFolder(name, folder), &status, AT_SYMLINK_NOFOLLOW)
                                           : stat(name, &status);
        if (looked != 0)
            return true;
        if (suffix == INT_MAX)
            return false;
    }
}

struct Walk {
    MPIndex &index;
    int mode;
    const OpenFolder *folder;  // open for a save, where one is given
    MPOStatusCallback callback;
    void *context;
    MPOSplitReport *told;  // hears what was written and passed over, where given

    void report(int num) const
    {
        if (callback != nullptr)
            callback(context, num, index.entries.size());
    }
    int fail(int result, MPOCause cause) const
    {
        index.cause = cause;
        return result;
    }
    int failedWrite(int error) const
    {
        if (error == ENAMETOOLONG)
            return fail(cannotStore, MPOCause::NameTooLong);
        return fail(writeFailed, error == ENOSPC || error == EDQUOT ? MPOCause::DiskFull : MPOCause::CopyFailed);
    }
};

// Moves `name` on to the next free suffix and traces it; false when there
// is none.
bool nextName(char (&name)[MPO_NAME_CAPACITY], const Walk &walk, int number, int &suffix)
{
    if (suffix == INT_MAX)
        return false;
    ++suffix;
    if (!findFreeName(name, *walk.folder, walk.index.baseName, number, suffix))
        return false;
    traceLine(name);
    return true;
}

// Writes the picture of `count` bytes at `start` of the MPO file without its
// APP2 segment. The bytes go to a file without a name, which is named only
// once every byte is written, never in place of another file: a name taken
// meanwhile moves on to the next suffix. A failed or killed split leaves no
// file under a picture's name. No flush to the disk: the MPO file still
// holds the picture.
int savePicture(const Walk &walk, std::uint64_t start, std::size_t count, char (&name)[MPO_NAME_CAPACITY],
                int number, int suffix)
{
    const OpenFolder &folder = *walk.folder;
    // An unknown free space is all bits set, which no picture reaches.
    if (static_cast<std::uint64_t>(count) >= getfreespace(folder.fd(), folder.path().c_str()))
        return walk.fail(cannotStore, MPOCause::NotEnoughRoom);
    std::optional<NewFile> out;
    const auto openOut = [&] { out.emplace(folder, nameInFolder(name, folder), NewFile::Way::Unnamed, NewFile::Flush::No); };
    for (openOut(); out->error() == EEXIST; openOut())
        if (!nextName(name, walk, number, suffix))
            return walk.fail(cannotStore, MPOCause::NoOutputFile);
    if (out->error() != 0)
        return walk.fail(cannotStore, out->error() == ENAMETOOLONG ? MPOCause::NameTooLong : MPOCause::NoOutputFile);
    const std::int64_t copied = copywoAPP2(fileno(walk.index.input.get()), start, count, out->fd());
    if (copied == COPY_NOT_A_PICTURE)
        return walk.fail(writeFailed, MPOCause::NotAPicture);
    if (copied == COPY_READ_FAILED)
        return walk.fail(writeFailed, MPOCause::ReadFailed);
    if (copied < 0)
        return walk.failedWrite(errno);
    int error = out->commit();
    while (error == EEXIST) {
        if (!nextName(name, walk, number, suffix))
            return walk.fail(cannotStore, MPOCause::NoOutputFile);
        error = out->commitAs(nameInFolder(name, folder));
    }
    if (error != 0)
        return walk.failedWrite(error);
    if (walk.told != nullptr)
        walk.told->written.push_back(name);
    return 0;
}

// The bytes of an entry the file holds now: a file cut short keeps only
// those that are there, as a read of the entry would.
std::size_t bytesThere(std::FILE *input, std::uint64_t start, std::uint32_t size)
{
    struct stat status {};
    if (fstat(fileno(input), &status) != 0 || std::uint64_t(status.st_size) <= start)
        return 0;
    return std::size_t(std::min<std::uint64_t>(size, std::uint64_t(status.st_size) - start));
}

// Hands the picture of one entry back (run mode 0) or saves it. Sets
// `handedBack` when run mode 0 has handed its picture to the caller.
int extract(const Walk &walk, const MPEntry &entry, int number, unsigned char **outBuffer,
            int *outSize, bool &handedBack)
{
    std::FILE *input = walk.index.input.get();
    const std::uint64_t start = pictureStart(entry, walk.index.baseOffset);
    if (fseeko(input, static_cast<off_t>(start), SEEK_SET) != 0) {
        traceLine("Not found data start offset.");
        return cannotReach;
    }
    // Saving copies from the file; only a picture handed back is read whole.
    const bool loading = walk.mode == MPO_LOAD_ONE;
    PictureBuffer picture;
    std::size_t got = 0;
    if (loading) {
        if (entry.Size > std::uint32_t(INT_MAX))
            return walk.fail(cannotReach, MPOCause::PictureTooLarge);
        if (!picture.allocate(entry.Size))
            return cannotReach;
        got = std::fread(picture.get(), 1, entry.Size, input);  // a short read keeps what came
    } else {
        got = bytesThere(input, start, entry.Size);
    }
    if (got == 0) {
        if (walk.told != nullptr)
            walk.told->missed.push_back({number, MPOCause::StartsPastEnd});
        return 0;
    }

    char name[MPO_NAME_CAPACITY];
    int suffix = 0;
    const bool named = walk.folder != nullptr && findFreeName(name, *walk.folder, walk.index.baseName, number, suffix);
    if (named)
        traceLine(name);
    if (loading) {
        if (outBuffer != nullptr && outSize != nullptr) {
            *outBuffer = picture.release();
            *outSize = static_cast<int>(got);
        }
        walk.report(walk.index.entries.size());
        handedBack = true;
        return 0;
    }
    if (!named)
        return walk.fail(cannotStore, walk.folder != nullptr ? MPOCause::NameTooLong : MPOCause::NoOutputFile);
    return savePicture(walk, start, got, name, number, suffix);
}

}  // namespace

int outputPictures(MPIndex &index, int mode, int selectNum, unsigned char **outBuffer, int *outSize,
                   const char *saveFolder, MPOStatusCallback callback, void *context, MPOSplitReport *report)
{
    // The save folder is opened once: a folder renamed or replaced by a
    // link while the split runs is not followed.
    // A load only names its picture in the trace: its folder is not opened.
    std::optional<OpenFolder> folder;
    if (saveFolder != nullptr)
        folder.emplace(saveFolder, mode != MPO_LOAD_ONE);
    if (mode != MPO_LOAD_ONE) {
        // The reading found the folder there; one that cannot be opened
        // (a file, say) can hold no file.
        if (!folder || !folder->isOpen()) {
            index.cause = MPOCause::NoOutputFile;
            return cannotStore;
        }
        removeLeftHiddenFiles(*folder);
    }
    const Walk walk{index, mode, folder ? &*folder : nullptr, callback, context, report};
    const int target = selectNum != 0 ? selectNum : index.representative;
    const bool knownMode = mode == MPO_LOAD_ONE || mode == MPO_SAVE_ONE || mode == MPO_SAVE_ALL;
    int number = 1;
    for (int k = 0; k < index.entries.size(); ++k) {
        walk.report(k + 1);
        const MPEntry entry = index.entries.at(k);
        if (!knownMode || (index.parentOnly && !(entry.attribute & MP_DEPENDENT_PARENT)))
            continue;
        if (mode != MPO_SAVE_ALL && number != target) {
            ++number;
            continue;
        }
        bool handedBack = false;
        if (int result = extract(walk, entry, number, outBuffer, outSize, handedBack); result != 0) {
            if (report != nullptr)
                report->stoppedAt = number;
            return result;
        }
        if (handedBack)
            return 0;
        ++number;
    }
    return 0;
}
