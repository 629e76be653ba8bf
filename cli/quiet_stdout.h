// Sends standard output to /dev/null for as long as it lives, so that the
// engine's trace stays hidden unless asked for.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

class QuietStdout {
public:
    explicit QuietStdout(bool quiet)
    {
        if (!quiet)
            return;
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ < 0 || null < 0 || dup2(null, STDOUT_FILENO) < 0)
            restore();
        if (null >= 0)
            close(null);
    }
    ~QuietStdout() { restore(); }
    QuietStdout(const QuietStdout &) = delete;
    QuietStdout &operator=(const QuietStdout &) = delete;

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
        saved_ = -1;
    }
    int saved_ = -1;
};
