// Writes a new file whole or not at all, and never in place of another: the
// bytes go to an unnamed file in the target's folder (O_TMPFILE), or where
// the file system has none (FAT, NFS) to a hidden file beside the target;
// they are flushed to the disk (unless the writer asks not to), and only
// then does the file get its name, by a link, which fails if the name is
// taken. A full disk, a failed write, a signal or a racing creator leaves no
// file under the name and no file changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class NewFile {
public:
    enum class Way { Unnamed, Hidden };
    // A copy of bytes that stay on the disk elsewhere (a split picture)
    // need not wait for the disk; a file that is the only copy does.
    enum class Flush { ToDisk, No };

    // Opens the file that becomes `path`; `way` is for tests, which try both.
    explicit NewFile(const std::string &path, Way way = Way::Unnamed, Flush flush = Flush::ToDisk);
    ~NewFile();  // a file not given its name is removed
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // Each returns false once anything failed; error() tells what.
    bool write(const unsigned char *bytes, std::size_t size);
    // Copies `length` bytes from `offset` of the open file `from`, in the
    // kernel where the file systems allow it.
    bool copyFrom(int from, std::uint64_t offset, std::uint64_t length);
    // Flushes the file and gives it its name; returns 0 or an errno value
    // (EEXIST when the name is taken, ENOSPC when the disk is full).
    int commit();
    // The same under another name, after commit() found its name taken.
    int commitAs(const std::string &path);
    int error() const { return error_; }
    // The open file, for a writer that writes to it itself; a failed write
    // is that writer's to tell (nothing is named then).
    int fd() const { return fd_; }

private:
    bool fail(int error);
    void startWriteback();
    void openHidden();

    std::string path_;
    std::string hidden_;  // the hidden file's name, when one is used
    int fd_ = -1;
    int error_ = 0;
    bool flushed_ = false;  // done, or not asked for
};

// `size` bytes written as the new file `path`; 0 or an errno value.
int writeNewFile(const std::string &path, const unsigned char *bytes, std::size_t size,
                 NewFile::Way way = NewFile::Way::Unnamed);
