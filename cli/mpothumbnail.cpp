// mpothumbnail: the thumbnailer file managers run (through the freedesktop
// .thumbnailer file) for MPO, JPS and PNS files: a PNG of the left picture,
// upright and in sRGB, at most SIZE pixels on its long side.
#include <fcntl.h>
#include <getopt.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "imaging/png_encoder.h"
#include "stereo/thumbnail.h"

namespace {

const char *usageText =
    "usage: mpothumbnail -s SIZE INPUT OUTPUT\n"
    "Writes a PNG thumbnail of INPUT (an MPO, JPS or PNS file, or a JPEG picture) to\n"
    "OUTPUT: its left picture, upright and in sRGB, at most SIZE pixels on its long\n"
    "side, from an embedded thumbnail where one is that large. OUTPUT may be a file\n"
    "the caller made empty for it; a file that holds something is never replaced.\n"
    "The exit status is 0 when written, 1 when INPUT cannot be read or OUTPUT not\n"
    "written (nothing is left at OUTPUT), 2 for a usage error.\n"
    "  -s SIZE     the longest side, 1 to 4096 pixels (file managers ask 128 to 1024)\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

int usageError(const char *message)
{
    std::fprintf(stderr, "mpothumbnail: %s\n%s", message, usageText);
    return 2;
}

// Writes `bytes` into `path`: into the empty file the caller made for it,
// which must stay the same file (a thumbnail service reads it through the
// descriptor it holds), else into a new file. A file that holds something
// is not touched (EEXIST). On failure the caller's file is left empty, and
// a file made here is removed. Returns 0 or an errno value.
int writeThumbnail(const std::string &path, const std::vector<unsigned char> &bytes)
{
    bool made = false;
    int file = open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0 && errno == ENOENT) {
        file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        made = true;
    }
    if (file < 0)
        return errno;
    struct stat status;
    if (fstat(file, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size != 0) {
        close(file);
        return EEXIST;
    }
    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t wrote = write(file, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno != EINTR)
            error = errno;
        else if (wrote > 0)
            done += std::size_t(wrote);
    }
    if (error != 0 && !made && ftruncate(file, 0) != 0)
        error = errno;
    if (close(file) != 0 && error == 0)
        error = errno;
    if (error != 0 && made)
        unlink(path.c_str());
    return error;
}

int run(int argc, char **argv)
{
    enum { helpOption = 256, versionOption };
    static const option longOptions[] = {{"help", no_argument, nullptr, helpOption},
                                         {"version", no_argument, nullptr, versionOption},
                                         {nullptr, 0, nullptr, 0}};
    int size = 0;
    opterr = 0;
    for (int c; (c = getopt_long(argc, argv, "s:", longOptions, nullptr)) != -1;) {
        switch (c) {
        case 's': {
            char *end = nullptr;
            const long value = std::strtol(optarg, &end, 10);
            if (*optarg == '\0' || *end != '\0' || value < 1 || value > 4096)
                return usageError("-s takes a size from 1 to 4096");
            size = int(value);
            break;
        }
        case helpOption: std::printf("%s", usageText); return 0;
        case versionOption: std::printf("mpothumbnail %s\n", MPO_VERSION); return 0;
        default: return usageError("unknown option or missing value");
        }
    }
    if (size == 0)
        return usageError("no -s SIZE given");
    if (argc - optind != 2)
        return usageError("give INPUT and OUTPUT");
    const std::string input = argv[optind], output = argv[optind + 1];
    imaging::RgbPicture thumbnail;
    if (const stereo::Problem problem = stereo::makeThumbnail(input, size, thumbnail); !problem.empty()) {
        std::fprintf(stderr, "mpothumbnail: %s %s\n", input.c_str(), problem.text.c_str());
        return 1;
    }
    std::vector<unsigned char> png;
    if (!imaging::encodePng(thumbnail, png, true)) {
        std::fprintf(stderr, "mpothumbnail: %s: the thumbnail cannot be encoded\n", input.c_str());
        return 1;
    }
    if (const int error = writeThumbnail(output, png); error != 0) {
        std::fprintf(stderr, "mpothumbnail: %s: %s\n", output.c_str(),
                     error == EEXIST ? "holds something already; it is not replaced" : std::strerror(error));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    return runProgram("mpothumbnail", run, argc, argv);
}
