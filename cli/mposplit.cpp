// mposplit: reads the MP index of each MPO file named on the command line
// and tells how many pictures it holds.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "mpo.h"

namespace {

const char *usage = "usage: mposplit [--trace] FILE...\n";

// What a result code means, in the words the viewer's alerts use.
const char *describe(int result)
{
    switch (result) {
    case -10: return "the file does not exist or cannot be examined";
    case -11: return "the file cannot be opened";
    case -12: return "the file is not an MPO file this program can read";
    case -13: return "the file has no picture with that number";
    case -14: return "the save folder cannot be used, or writing a picture failed";
    case -15: return "there is not enough room for a picture, or its file cannot be created";
    case -20: return "a picture cannot be read";
    default: return "unexpected failure";
    }
}

// The engine traces to standard output; without --trace that goes nowhere.
class QuietStdout {
public:
    explicit QuietStdout(bool quiet)
    {
        if (!quiet)
            return;
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        if (saved_ < 0 || null < 0 || dup2(null, STDOUT_FILENO) < 0)
            restore();
        if (null >= 0)
            close(null);
    }
    ~QuietStdout() { restore(); }

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

void ignoreProgress(void *, int, int) {}

bool inspect(const std::string &file, bool trace)
{
    int count = 0;
    int representative = 0;
    unsigned char *picture = nullptr;
    int size = 0;
    int result;
    {
        QuietStdout quiet(!trace);
        // Picture number -1 selects no picture: only the index is read.
        result = chkMPOandSaved(file.c_str(), &count, &representative, MPO_LOAD_ONE, -1, &picture,
                                &size, ".", ignoreProgress, nullptr);
    }
    std::free(picture);
    if (result != 0) {
        std::fprintf(stderr, "mposplit: %s: %s\n", file.c_str(), describe(result));
        return false;
    }
    std::printf("%s: %d picture%s", file.c_str(), count, count == 1 ? "" : "s");
    if (representative > 0)
        std::printf(", representative picture %d", representative);
    std::printf("\n");
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    bool trace = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            std::printf("%s", usage);
            return 0;
        }
        if (arg == "--version") {
            std::printf("mposplit 0.1.0\n");
            return 0;
        }
        if (arg == "--trace")
            trace = true;
        else if (arg == "--")
            files.insert(files.end(), argv + i + 1, argv + argc), i = argc;
        else if (arg.size() > 1 && arg[0] == '-')
            return std::fprintf(stderr, "mposplit: unknown option %s\n%s", arg.c_str(), usage), 2;
        else
            files.push_back(arg);
    }
    if (files.empty())
        return std::fprintf(stderr, "%s", usage), 2;
    bool allRead = true;
    for (const std::string &file : files)
        allRead = inspect(file, trace) && allRead;
    return allRead ? 0 : 1;
}
