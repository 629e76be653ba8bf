// The file-system figures that the trace prints before any file is written.
#pragma once

struct statvfs;

// Prints `path` on a line of its own, then eight of the file system's figures.
void printFileSystemStats(const char *path, const struct statvfs &stats);
