#include "file_window.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Holds the header segments of most pictures; a longer read goes straight
// to the file.
constexpr std::size_t windowSize = std::size_t{1} << 14;

}  // namespace

bool readExactly(int fd, std::uint64_t at, unsigned char *to, std::size_t count, bool *failed)
{
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = pread(fd, to + got, count - got, off_t(at + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && failed != nullptr)
            *failed = true;
        if (n <= 0)
            return false;
        got += std::size_t(n);
    }
    return true;
}

FileWindow::FileWindow(int fd, std::uint64_t origin, std::uint64_t size)
    : fd_(fd), origin_(origin), size_(size), bytes_(std::size_t(std::min<std::uint64_t>(size, windowSize)))
{
}

// Loads the window around `at`: starting there when reading forwards, and
// ending just after it when reading backwards (a position before the window
// held), so that a walk from the end costs one read per window too. A
// backward window keeps the byte after `at`, as a walk over pairs of bytes
// reads both.
bool FileWindow::fill(std::uint64_t at)
{
    held_ = 0;
    if (at >= size_)
        return false;
    const std::uint64_t length = bytes_.size();
    if (at >= start_)
        start_ = at;
    else
        start_ = at + 2 > length ? at + 2 - length : 0;
    const std::size_t want = std::size_t(std::min<std::uint64_t>(length, size_ - start_));
    held_ = readExactly(fd_, origin_ + start_, bytes_.data(), want, &readFailed_) ? want : 0;
    return held_ > 0;
}

bool FileWindow::read(std::uint64_t at, unsigned char *to, std::size_t count)
{
    if (count > size_ || at > size_ - count)
        return false;
    if (count == 0)
        return true;  // `to` may be null then
    if (at >= start_ && at - start_ + count <= held_) {
        std::memcpy(to, bytes_.data() + (at - start_), count);
        return true;
    }
    return readExactly(fd_, origin_ + at, to, count, &readFailed_);
}
