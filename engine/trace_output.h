// Where the engine's trace goes: standard output, except on a thread that
// has asked for quiet. A viewer reading pictures ahead in the background
// runs the engine there, and those runs must not mix their lines into the
// trace of the runs the user asked for.
#pragma once

#include <cstdarg>
#include <cstdio>

namespace trace_output {
inline thread_local bool quiet = false;
}

__attribute__((format(printf, 1, 2))) inline int tracef(const char *format, ...)
{
    if (trace_output::quiet)
        return 0;
    va_list arguments;
    va_start(arguments, format);
    const int printed = std::vprintf(format, arguments);
    va_end(arguments);
    return printed;
}

inline int traceLine(const char *text) { return trace_output::quiet ? 0 : std::puts(text); }
inline int traceChar(int c) { return trace_output::quiet ? c : std::putchar(c); }

// Keeps the engine runs of the calling thread quiet while it lives.
class QuietTrace {
public:
    QuietTrace() : was_(trace_output::quiet) { trace_output::quiet = true; }
    ~QuietTrace() { trace_output::quiet = was_; }
    QuietTrace(const QuietTrace &) = delete;
    QuietTrace &operator=(const QuietTrace &) = delete;

private:
    bool was_;
};
