// Reads a range of an open file through a window of bytes held in memory, so
// that walking markers byte by byte costs one system call per window, in
// either direction, and never more memory than the window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Reads `count` bytes at file position `at`; false when fewer are there.
// `failed`, when given, is set when a read failed (rather than ended).
bool readExactly(int fd, std::uint64_t at, unsigned char *to, std::size_t count, bool *failed = nullptr);

class FileWindow {
public:
    // The `size` bytes of `fd` from file position `origin`; positions given
    // to the reads below count from `origin`.
    FileWindow(int fd, std::uint64_t origin, std::uint64_t size);

    std::uint64_t size() const { return size_; }
    // The byte at `at`, or -1 past the end or on a read error.
    int byteAt(std::uint64_t at)
    {
        if (at >= start_ && at - start_ < held_)
            return bytes_[std::size_t(at - start_)];
        return fill(at) ? bytes_[std::size_t(at - start_)] : -1;
    }
    // `count` bytes from `at`; false when they are not all there.
    bool read(std::uint64_t at, unsigned char *to, std::size_t count);
    // Whether a read failed for an error of the file system (an I/O error),
    // not for the end of the file.
    bool readFailed() const { return readFailed_; }

private:
    bool fill(std::uint64_t at);

    int fd_;
    std::uint64_t origin_;
    std::uint64_t size_;
    std::vector<unsigned char> bytes_;
    std::uint64_t start_ = 0;
    std::size_t held_ = 0;
    bool readFailed_ = false;
};
