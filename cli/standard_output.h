// What every command-line program does around its work. Its output is lost
// where standard output cannot take it (a full disk, /dev/full, a closed
// pipe), and a program that says nothing of it would report success: the
// output is flushed, and a failure is said on standard error and makes the
// exit status non-zero. Nor does an exception end the program with an
// abort: it is said, and the exit status is 1.
#pragma once

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>

// The exit status `status`, or 1 where standard output could not be written.
inline int finishOutput(const char *program, int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    std::fprintf(stderr, "%s: standard output cannot be written: %s\n", program,
                 errno != 0 ? std::strerror(errno) : "a write failed");
    return status != 0 ? status : 1;
}

// Runs the program's `run` and returns its exit status, as said above.
inline int runProgram(const char *program, int (*run)(int, char **), int argc, char **argv)
{
    // A closed pipe ends the program with SIGPIPE before it can say so; with
    // the signal ignored, the write fails and is told.
    std::signal(SIGPIPE, SIG_IGN);
    int status = 1;
    try {
        status = run(argc, argv);
    } catch (const std::bad_alloc &) {
        std::fprintf(stderr, "%s: not enough memory\n", program);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: %s\n", program, error.what());
    }
    return finishOutput(program, status);
}
