// Writes a new file whole or not at all, and never in place of another.
// The bytes go to an unnamed file in the target's folder (O_TMPFILE), or
// where the file system has none (FAT, exFAT, NFS) to a hidden file beside
// the target; they are flushed to the disk (unless the writer asks not to),
// and only then does the file get its name, in the first way the file
// system offers:
//   - a hard link to the unnamed or hidden file, which fails if the name is
//     taken;
//   - renaming the hidden file with RENAME_NOREPLACE, which fails likewise;
//   - where neither exists (FAT and exFAT through FUSE), claiming the name
//     with an empty file created exclusively, then renaming the hidden file
//     over that claim. A kill between the two leaves the empty claim.
// A full disk, a failed write or a racing creator leaves no file under the
// name and no file changed; a signal leaves at most a hidden file, which a
// later writer in that folder removes once it is a day old
// (".NAME.unfinished-" and six letters or digits).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A folder opened once: every file made in it is made relative to it, so a
// folder renamed or replaced by a link meanwhile is not followed.
class OpenFolder {
public:
    // With `open` false only the path is kept, for a caller that only
    // composes names in the folder.
    explicit OpenFolder(const std::string &path, bool open = true);
    ~OpenFolder();
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int error() const { return error_; }  // why it did not open
    int fd() const { return fd_; }
    const std::string &path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
    int error_ = 0;
};

class NewFile {
public:
    // The first way of naming to try; each falls through to the next where
    // the file system lacks it. Tests start at each.
    enum class Way { Unnamed, Hidden, Renamed, Claimed };
    // A copy of bytes that stay on the disk elsewhere (a split picture)
    // need not wait for the disk; a file that is the only copy does.
    enum class Flush { ToDisk, No };

    // Opens the file that becomes `path`.
    explicit NewFile(const std::string &path, Way way = Way::Unnamed, Flush flush = Flush::ToDisk);
    // Opens the file that becomes `name` in `folder`, which must stay open
    // while this lives.
    NewFile(const OpenFolder &folder, const std::string &name, Way way = Way::Unnamed,
            Flush flush = Flush::ToDisk);
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
    // The same under another name in the same folder, after commit() found
    // its name taken.
    int commitAs(const std::string &name);
    int error() const { return error_; }
    // The open file, for a writer that writes to it itself; a failed write
    // is that writer's to tell (nothing is named then).
    int fd() const { return fd_; }

private:
    void open(Way way);
    bool fail(int error);
    void startWriteback();
    void openHidden();
    int giveName();
    int linkName();
    int renameOntoName(bool claimFirst);

    std::unique_ptr<OpenFolder> ownFolder_;  // the target's folder, when given a path
    int folder_ = -1;
    std::string name_;    // the target's name in the folder
    std::string hidden_;  // the hidden file's name in the folder, when one is used
    Way way_ = Way::Unnamed;
    int fd_ = -1;
    int error_ = 0;
    bool flushed_ = false;  // done, or not asked for
};

// `size` bytes written as the new file `path`; 0 or an errno value.
int writeNewFile(const std::string &path, const unsigned char *bytes, std::size_t size,
                 NewFile::Way way = NewFile::Way::Unnamed);

// Removes the hidden files that writers killed in `folder` left, once they
// are older than any write could take (a day); returns how many.
int removeLeftHiddenFiles(const OpenFolder &folder);
