#include "new_file.h"

#include "file_copy.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <climits>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>

namespace {

// What a hidden file's name adds to the target's: ".NAME" + this + six
// random letters or digits.
constexpr const char *hiddenMark = ".unfinished-";
constexpr int hiddenLetters = 6;

std::string folderOf(const std::string &path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

bool isHiddenFileName(const char *name)
{
    const std::size_t length = std::strlen(name), mark = std::strlen(hiddenMark);
    if (name[0] != '.' || length < 2 + mark + hiddenLetters)
        return false;
    const char *letters = name + length - hiddenLetters;
    if (std::strncmp(letters - mark, hiddenMark, mark) != 0)
        return false;
    for (int i = 0; i < hiddenLetters; ++i)
        if (!std::isalnum(static_cast<unsigned char>(letters[i])))
            return false;
    return true;
}

// Errors by which a file system says it has no such way of naming a file.
bool lacksLinks(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}
bool lacksNoReplace(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

}  // namespace

OpenFolder::OpenFolder(const std::string &path, bool open) : path_(path.empty() ? "." : path)
{
    if (!open)
        return;
    fd_ = ::open(path_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        error_ = errno;
}

OpenFolder::~OpenFolder()
{
    if (fd_ >= 0)
        close(fd_);
}

NewFile::NewFile(const std::string &path, Way way, Flush flush)
    : name_(std::filesystem::path(path).filename().string()), flushed_(flush == Flush::No)
{
    ownFolder_ = std::make_unique<OpenFolder>(folderOf(path));
    folder_ = ownFolder_->fd();
    if (!ownFolder_->isOpen()) {
        fail(ownFolder_->error());
        return;
    }
    removeLeftHiddenFiles(*ownFolder_);
    open(way);
}

NewFile::NewFile(const OpenFolder &folder, const std::string &name, Way way, Flush flush)
    : folder_(folder.fd()), name_(name), flushed_(flush == Flush::No)
{
    if (!folder.isOpen()) {
        fail(folder.error() != 0 ? folder.error() : EBADF);
        return;
    }
    open(way);
}

void NewFile::open(Way way)
{
    way_ = way;
    // A taken name (a dangling link too) is said before anything is
    // written; the naming at the end checks again.
    struct stat taken;
    const int looked = fstatat(folder_, name_.c_str(), &taken, AT_SYMLINK_NOFOLLOW) == 0 ? EEXIST : errno;
    if (looked == EEXIST || looked == ENAMETOOLONG) {
        fail(looked);
        return;
    }
    if (way == Way::Unnamed) {
        fd_ = openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) {
            if (fd_ < 0)
                fail(errno);
            return;
        }
        way_ = Way::Hidden;
    }
    openHidden();
}

// mkostemp has no form relative to a folder; the hidden file is made under
// a fresh name of our own with O_EXCL instead.
void NewFile::openHidden()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<unsigned> made{0};
    std::minstd_rand random(unsigned(getpid()) * 2654435761u ^ unsigned(std::time(nullptr)) ^ made++ * 40503u);
    // A name near the longest one allowed is shortened in its hidden form.
    const std::size_t longest = NAME_MAX - 1 - std::strlen(hiddenMark) - hiddenLetters;
    const std::string stem = name_.substr(0, longest);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "." + stem + hiddenMark;
        for (int i = 0; i < hiddenLetters; ++i)
            name += letters[random() % (sizeof letters - 1)];
        fd_ = openat(folder_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd_ >= 0) {
            hidden_ = name;
            return;
        }
        if (errno != EEXIST) {
            fail(errno);
            return;
        }
    }
    fail(EEXIST);
}

NewFile::~NewFile()
{
    if (fd_ >= 0)
        close(fd_);
    if (!hidden_.empty())
        unlinkat(folder_, hidden_.c_str(), 0);
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
    if (error_ == 0)
        if (const int error = giveName(); error != 0)
            fail(error);
    return error_;
}

// Each way of naming in turn, from the one tried first, until one that the
// file system has answers.
int NewFile::giveName()
{
    if (way_ == Way::Unnamed || way_ == Way::Hidden) {
        const int error = linkName();
        if (error == 0 || way_ == Way::Unnamed || !lacksLinks(error))
            return error;
        way_ = Way::Renamed;
    }
    if (way_ == Way::Renamed) {
        const int error = renameOntoName(false);
        if (!lacksNoReplace(error))
            return error;
        way_ = Way::Claimed;
    }
    return renameOntoName(true);
}

int NewFile::linkName()
{
    const int linked =
        hidden_.empty()
            ? linkat(AT_FDCWD, ("/proc/self/fd/" + std::to_string(fd_)).c_str(), folder_, name_.c_str(),
                     AT_SYMLINK_FOLLOW)
            : linkat(folder_, hidden_.c_str(), folder_, name_.c_str(), 0);
    return linked == 0 ? 0 : errno;
}

// Renames the hidden file to the name, never over a file that was there:
// with RENAME_NOREPLACE, or over an empty file this call has just created
// exclusively under the name.
int NewFile::renameOntoName(bool claimFirst)
{
    if (claimFirst) {
        const int claim = openat(folder_, name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (claim < 0)
            return errno;
        close(claim);
    }
    const int renamed = renameat2(folder_, hidden_.c_str(), folder_, name_.c_str(), claimFirst ? 0 : RENAME_NOREPLACE);
    const int error = renamed == 0 ? 0 : errno;
    if (error == 0)
        hidden_.clear();
    else if (claimFirst)
        unlinkat(folder_, name_.c_str(), 0);
    return error;
}

int NewFile::commitAs(const std::string &name)
{
    if (error_ == EEXIST && fd_ >= 0)
        error_ = 0;  // the old name was taken; the file itself is whole
    name_ = name;
    return commit();
}

int writeNewFile(const std::string &path, const unsigned char *bytes, std::size_t size, NewFile::Way way)
{
    NewFile file(path, way);
    file.write(bytes, size);
    return file.commit();
}

int removeLeftHiddenFiles(const OpenFolder &folder)
{
    if (!folder.isOpen())
        return 0;
    const int listed = openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *entries = listed >= 0 ? fdopendir(listed) : nullptr;
    if (entries == nullptr) {
        if (listed >= 0)
            close(listed);
        return 0;
    }
    constexpr std::time_t day = 24 * 60 * 60;
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent *entry = readdir(entries)) {
        struct stat status;
        if (!isHiddenFileName(entry->d_name) ||
            fstatat(folder.fd(), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(status.st_mode) ||
            now - status.st_mtime < day)
            continue;
        removed += unlinkat(folder.fd(), entry->d_name, 0) == 0;
    }
    closedir(entries);
    return removed;
}
