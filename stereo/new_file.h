// Writes a new file whole or not at all, and never in place of another: the
// bytes go to an unnamed (or hidden) file in the target's folder, are
// flushed to the disk, and only then get the name, which fails if the name
// is taken. A full disk, a failed write or a racing creator leaves no file
// behind and no file changed.
#pragma once

#include <cstddef>
#include <string>

namespace stereo {

// 0 when written; else an errno value: EEXIST when the name is taken,
// ENOSPC when the disk is full, and so on.
int writeNewFile(const std::string &path, const unsigned char *bytes, std::size_t size);

// What writeNewFile does where the file system has no unnamed files (FAT,
// NFS): the bytes go to a hidden file beside the target, which is linked to
// the name (a link never replaces a file) and then removed.
int writeNewFileThroughHiddenFile(const std::string &path, const unsigned char *bytes, std::size_t size);

}  // namespace stereo
