#include "file_copy.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

// What copy_file_range says when these two files cannot be copied between
// in the kernel (other file systems, an old kernel, a special file).
bool refusedByKernel(int error)
{
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

int copyThroughMemory(int from, off_t at, std::uint64_t length, int to)
{
    std::vector<unsigned char> block(std::size_t(std::min<std::uint64_t>(length, std::uint64_t{1} << 18)));
    while (length > 0) {
        const ssize_t got = pread(from, block.data(), std::size_t(std::min<std::uint64_t>(length, block.size())), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? errno : EIO;
        if (int error = writeFully(to, block.data(), std::size_t(got)); error != 0)
            return error;
        at += got;
        length -= std::uint64_t(got);
    }
    return 0;
}

}  // namespace

int writeFully(int to, const unsigned char *bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(to, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        bytes += written;
        size -= std::size_t(written);
    }
    return 0;
}

int copyFileRange(int from, std::uint64_t offset, std::uint64_t length, int to)
{
    auto at = static_cast<off_t>(offset);
    while (length > 0) {
        const ssize_t copied = copy_file_range(from, &at, to, nullptr, length, 0);
        if (copied > 0) {
            length -= std::uint64_t(copied);
            continue;
        }
        if (copied < 0 && errno == EINTR)
            continue;
        // Some file systems copy nothing rather than refuse: the plain copy
        // tells that apart from a source that ended early.
        if (copied < 0 && !refusedByKernel(errno))
            return errno;
        return copyThroughMemory(from, at, length, to);
    }
    return 0;
}
