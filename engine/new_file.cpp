#include "new_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

std::string folderOf(const std::string &path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

}  // namespace

NewFile::NewFile(const std::string &path, Way way) : path_(path)
{
    // A taken name (a dangling link too) is said before anything is
    // written; the link at the end checks again.
    struct stat taken;
    if (lstat(path.c_str(), &taken) == 0) {
        fail(EEXIST);
        return;
    }
    if (way == Way::Unnamed) {
        fd_ = open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            if (fd_ < 0)
                fail(errno);
            return;
        }
    }
    openHidden();
}

void NewFile::openHidden()
{
    const std::filesystem::path target(path_);
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    hidden_ = (target.parent_path() / name).string();
    fd_ = mkostemp(hidden_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        hidden_.clear();
        fail(errno);
        return;
    }
    const mode_t mask = umask(0);  // a new file gets the usual mode, not mkstemp's private one
    umask(mask);
    fchmod(fd_, 0666 & ~mask);
}

NewFile::~NewFile()
{
    if (fd_ >= 0)
        close(fd_);
    if (!hidden_.empty())
        unlink(hidden_.c_str());
}

bool NewFile::fail(int error)
{
    if (error_ == 0)
        error_ = error != 0 ? error : EIO;
    return false;
}

bool NewFile::write(const unsigned char *bytes, std::size_t size)
{
    while (error_ == 0 && size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(written < 0 ? errno : ENOSPC);
        bytes += written;
        size -= std::size_t(written);
    }
    return error_ == 0;
}

bool NewFile::copyFrom(int from, std::uint64_t offset, std::uint64_t length)
{
    startWriteback();
    auto at = static_cast<off_t>(offset);
    while (error_ == 0 && length > 0) {
        const ssize_t copied = copy_file_range(from, &at, fd_, nullptr, length, 0);
        if (copied > 0) {
            length -= std::uint64_t(copied);
            continue;
        }
        if (copied == 0)
            return fail(EIO);  // the source ended early
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return fail(errno);
        // The file systems cannot copy between them: through memory, a block at a time.
        std::vector<unsigned char> block(std::size_t(std::min<std::uint64_t>(length, 1 << 20)));
        while (error_ == 0 && length > 0) {
            const ssize_t got = pread(from, block.data(), std::size_t(std::min<std::uint64_t>(length, block.size())), at);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return fail(got < 0 ? errno : EIO);
            write(block.data(), std::size_t(got));
            at += got;
            length -= std::uint64_t(got);
        }
    }
    return error_ == 0;
}

// Asks the kernel to start writing what is written so far to the disk, so
// that the flush at the end waits for little more than the last piece.
void NewFile::startWriteback()
{
    if (fd_ >= 0 && error_ == 0)
        sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
}

int NewFile::commit()
{
    if (error_ == 0 && fsync(fd_) != 0)
        fail(errno);
    if (error_ != 0)
        return error_;
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    const int linked = hidden_.empty() ? linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path_.c_str(), AT_SYMLINK_FOLLOW)
                                       : link(hidden_.c_str(), path_.c_str());
    if (linked != 0)
        fail(errno);
    return error_;
}

int writeNewFile(const std::string &path, const unsigned char *bytes, std::size_t size, NewFile::Way way)
{
    NewFile file(path, way);
    file.write(bytes, size);
    return file.commit();
}
