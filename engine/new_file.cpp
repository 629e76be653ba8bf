#include "new_file.h"

#include "file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace {

std::string folderOf(const std::string &path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

}  // namespace

NewFile::NewFile(const std::string &path, Way way, Flush flush) : path_(path), flushed_(flush == Flush::No)
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
    if (error_ != 0)
        return false;
    const int error = writeFully(fd_, bytes, size);
    return error == 0 || fail(error);
}

bool NewFile::copyFrom(int from, std::uint64_t offset, std::uint64_t length)
{
    startWriteback();
    if (error_ != 0)
        return false;
    const int error = copyFileRange(from, offset, length, fd_);
    return error == 0 || fail(error);
}

// Asks the kernel to start writing what is written so far to the disk, so
// that the flush at the end waits for little more than the last piece.
void NewFile::startWriteback()
{
    if (fd_ >= 0 && error_ == 0 && !flushed_)
        sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
}

int NewFile::commit()
{
    if (error_ == 0 && !flushed_ && fsync(fd_) != 0)
        fail(errno);
    flushed_ = true;
    if (error_ != 0)
        return error_;
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    const int linked = hidden_.empty() ? linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path_.c_str(), AT_SYMLINK_FOLLOW)
                                       : link(hidden_.c_str(), path_.c_str());
    if (linked != 0)
        fail(errno);
    return error_;
}

int NewFile::commitAs(const std::string &path)
{
    if (error_ == EEXIST && fd_ >= 0)
        error_ = 0;  // the old name was taken; the file itself is whole
    path_ = path;
    return commit();
}

int writeNewFile(const std::string &path, const unsigned char *bytes, std::size_t size, NewFile::Way way)
{
    NewFile file(path, way);
    file.write(bytes, size);
    return file.commit();
}
