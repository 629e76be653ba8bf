#include "new_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace stereo {

namespace {

int writeAll(int fd, const unsigned char *bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        bytes += written;
        size -= std::size_t(written);
    }
    return fsync(fd) == 0 ? 0 : errno;
}

std::string folderOf(const std::string &path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// An unnamed file in the folder (O_TMPFILE) that linkat names at the end.
int writeThroughUnnamedFile(const std::string &path, const unsigned char *bytes, std::size_t size)
{
    const int fd = open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    int result = writeAll(fd, bytes, size);
    if (result == 0) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0)
            result = errno;
    }
    close(fd);
    return result;
}

}  // namespace

int writeNewFileThroughHiddenFile(const std::string &path, const unsigned char *bytes, std::size_t size)
{
    const std::filesystem::path target(path);
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string hidden = (target.parent_path() / name).string();
    const int fd = mkstemp(hidden.data());
    if (fd < 0)
        return errno;
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    int result = writeAll(fd, bytes, size);
    close(fd);
    if (result == 0 && link(hidden.c_str(), path.c_str()) != 0)
        result = errno;
    unlink(hidden.c_str());
    return result;
}

int writeNewFile(const std::string &path, const unsigned char *bytes, std::size_t size)
{
    if (access(path.c_str(), F_OK) == 0)
        return EEXIST;  // said before anything is written; the link checks again
    const int result = writeThroughUnnamedFile(path, bytes, size);
    if (result == EOPNOTSUPP || result == EISDIR || result == EINVAL)
        return writeNewFileThroughHiddenFile(path, bytes, size);
    return result;
}

}  // namespace stereo
