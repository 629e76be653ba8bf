// What every command-line program does last: its output is lost where
// standard output cannot take it (a full disk, /dev/full, a closed pipe), and
// a program that says nothing of it would report success. The output is
// flushed, and a failure is said on standard error and makes the exit status
// non-zero.
#pragma once

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

// The exit status `status`, or 1 where standard output could not be written.
inline int finishOutput(const char *program, int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    std::fprintf(stderr, "%s: standard output cannot be written: %s\n", program,
                 errno != 0 ? std::strerror(errno) : "a write failed");
    return status != 0 ? status : 1;
}

// A closed pipe ends the program with SIGPIPE before it can say so; with the
// signal ignored, the write fails and finishOutput tells.
inline void reportClosedPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}
