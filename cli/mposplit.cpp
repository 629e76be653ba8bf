// mposplit: splits MPO files into one JPEG file per picture, exactly as the
// viewer does, or lists their MP entries.
#include <getopt.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "engine/mpo.h"
#include "engine/trace_output.h"

namespace fs = std::filesystem;

namespace {

const char *usageText =
    "usage: mposplit [-o DIR] [-p N] [--list] [--trace] FILE...\n"
    "Splits each MPO FILE into one JPEG file per picture, named after FILE without\n"
    "its last four characters (its extension) and the picture's number:\n"
    "IMG_0001.MPO gives IMG_0001_001.JPG, IMG_0001_002.JPG and so on. A name that is\n"
    "taken gets -1, -2... (IMG_0001_001-1.JPG): an existing file is never overwritten.\n"
    "  -o DIR     write into DIR (default: the folder holding FILE)\n"
    "  -p N       write only picture N (0: the representative picture)\n"
    "  --list     list each file's MP entries; write nothing. Each line gives the\n"
    "             picture's number (\"(not numbered)\" for an entry that is not), three\n"
    "             flags (p: a dependent parent, c: a dependent child, r: the\n"
    "             representative picture; - where not), the MP type, the size in\n"
    "             bytes as the reading corrects it, the offset the index records\n"
    "             (from the MP header) and the file position it stands for\n"
    "  --trace    show the engine's trace on standard output\n"
    "  --help     show this help\n"
    "  --version  show the version\n";

struct Options {
    std::string folder;
    int picture = -1;  // -1: every picture
    bool list = false;
    bool trace = false;
    std::vector<std::string> files;
};

std::string describe(int result, MPOCause cause, const Options &options, const std::string &folder)
{
    if (result == MPO_NO_SUCH_PICTURE)
        return options.picture == 0 ? "has no representative picture"
                                    : "has no picture " + std::to_string(options.picture);
    std::string text = mpoProblemText(result, cause).text;
    const bool aboutTheFolder = (result == MPO_WRITE_FAILED || result == MPO_NO_ROOM) && cause != MPOCause::NotAPicture;
    if (aboutTheFolder)
        text += " (" + folder + ")";
    return text;
}

void ignoreProgress(void *, int, int) {}

// The folder the pictures of `file` go to: -o, else the file's own folder.
std::string saveFolderFor(const std::string &file, const Options &options)
{
    if (!options.folder.empty())
        return options.folder;
    const std::string parent = fs::path(file).parent_path().string();
    return parent.empty() ? std::string(".") : parent;
}

bool split(const std::string &file, const Options &options)
{
    const std::string folder = saveFolderFor(file, options);
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        std::fprintf(stderr, "mposplit: %s cannot be split: %s %s\n", file.c_str(), folder.c_str(),
                     fs::exists(folder, error) ? "is not a folder" : "does not exist");
        return false;
    }
    const bool one = options.picture >= 0;
    int count = 0;
    int representative = 0;
    int result;
    MPOCause cause = MPOCause::None;
    MPOSplitReport report;
    {
        std::optional<QuietTrace> quiet;
        if (!options.trace)
            quiet.emplace();
        result = chkMPOandSavedExplained(file.c_str(), &count, &representative, one ? MPO_SAVE_ONE : MPO_SAVE_ALL,
                                         one ? options.picture : 0, nullptr, nullptr, folder.c_str(),
                                         ignoreProgress, nullptr, &cause, &report);
    }
    if (!options.trace)
        for (const std::string &name : report.written)
            std::printf("%s\n", name.c_str());
    if (result == 0 && one && report.written.empty() && report.missed.empty())
        result = MPO_NO_SUCH_PICTURE;  // no picture had the number asked for
    if (result != 0) {
        std::string which;
        if (report.stoppedAt > 0 && !one)
            which = report.stoppedAt < count ? " (pictures " + std::to_string(report.stoppedAt) + " to " +
                                                   std::to_string(count) + " are not written)"
                                             : " (picture " + std::to_string(report.stoppedAt) + " is not written)";
        std::fprintf(stderr, "mposplit: %s %s%s\n", file.c_str(), describe(result, cause, options, folder).c_str(),
                     which.c_str());
        return false;
    }
    for (const MPOSplitReport::Missed &missed : report.missed)
        std::fprintf(stderr, "mposplit: %s %s: picture %d is not written\n", file.c_str(),
                     mpoProblemText(0, missed.why).text, missed.number);
    if (report.written.empty() && report.missed.empty())
        std::fprintf(stderr, "mposplit: %s holds no picture that can be written (its MP index lists %d)\n",
                     file.c_str(), count);
    return !report.written.empty() && report.missed.empty();
}

bool list(const std::string &file, const Options &options)
{
    std::vector<MPOListedEntry> entries;
    int count = 0;
    int representative = 0;
    bool behindOtherSegments = false;
    MPOCause cause = MPOCause::None;
    int result;
    {
        std::optional<QuietTrace> quiet;
        if (!options.trace)
            quiet.emplace();
        result = listMPOEntries(file.c_str(), entries, &count, &representative, &behindOtherSegments, &cause);
    }
    if (result != 0) {
        std::fprintf(stderr, "mposplit: %s %s\n", file.c_str(), describe(result, cause, options, "").c_str());
        return false;
    }
    std::printf("%s: %d picture%s, representative picture %d\n", file.c_str(), count,
                count == 1 ? "" : "s", representative);
    if (behindOtherSegments)
        std::printf("  MP index found behind other header segments\n");
    for (const MPOListedEntry &listed : entries) {
        const std::uint32_t attribute = listed.entry.attribute;
        std::printf("  %s  %c%c%c  %s  size %u  offset %u (file position %llu)\n",
                    listed.pictureNumber > 0 ? ("picture " + std::to_string(listed.pictureNumber)).c_str()
                                             : "(not numbered)",
                    attribute & MP_DEPENDENT_PARENT ? 'p' : '-', attribute & MP_DEPENDENT_CHILD ? 'c' : '-',
                    attribute & MP_REPRESENTATIVE ? 'r' : '-',
                    (mpTypeName(attribute) + (listed.gainMap ? ", gain map" : "")).c_str(), listed.entry.Size,
                    listed.entry.DataOffset, static_cast<unsigned long long>(listed.start));
    }
    return true;
}

int usageError(const char *message)
{
    std::fprintf(stderr, "mposplit: %s\n%s", message, usageText);
    return 2;
}

}  // namespace

namespace {

int run(int argc, char **argv)
{
    // Pictures of several megabytes are read one after another: keeping large
    // blocks in the heap lets each reuse the memory of the one before instead
    // of faulting in fresh pages.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    enum { listOption = 256, traceOption, helpOption, versionOption };
    static const option longOptions[] = {{"list", no_argument, nullptr, listOption},
                                         {"trace", no_argument, nullptr, traceOption},
                                         {"help", no_argument, nullptr, helpOption},
                                         {"version", no_argument, nullptr, versionOption},
                                         {nullptr, 0, nullptr, 0}};
    Options options;
    opterr = 0;
    for (int c; (c = getopt_long(argc, argv, "o:p:", longOptions, nullptr)) != -1;) {
        switch (c) {
        case 'o': options.folder = optarg; break;
        case 'p': {
            char *end = nullptr;
            const long n = std::strtol(optarg, &end, 10);
            if (*optarg == '\0' || *end != '\0' || n < 0 || n > 999999)
                return usageError("-p takes a picture number, 0 or more");
            options.picture = static_cast<int>(n);
            break;
        }
        case listOption: options.list = true; break;
        case traceOption: options.trace = true; break;
        case helpOption: std::printf("%s", usageText); return 0;
        case versionOption: std::printf("mposplit %s\n", MPO_VERSION); return 0;
        default: return usageError("unknown option or missing value");
        }
    }
    options.files.assign(argv + optind, argv + argc);
    if (options.files.empty())
        return usageError("no FILE given");
    bool allDone = true;
    for (const std::string &file : options.files)
        allDone = (options.list ? list(file, options) : split(file, options)) && allDone;
    return allDone ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    return runProgram("mposplit", run, argc, argv);
}
