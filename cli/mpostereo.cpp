// mpostereo: writes a stereo view (side by side, anaglyph, interlaced...) of
// the pair of pictures in each MPO, JPS or PNS file as a JPEG file, the pair
// aligned as a new MPO file, or the pair as an MPO file for the Nintendo 3DS.
#include <getopt.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "engine/gain_map.h"
#include "engine/mpo.h"
#include "engine/trace_output.h"
#include "stereo/alignment.h"
#include "stereo/console_pair.h"
#include "stereo/side_by_side.h"
#include "stereo/stereo_file.h"

namespace fs = std::filesystem;

namespace {

const char *usageText =
    "usage: mpostereo [-m VIEW] [--swap] [--dx N] [--dy N] [--align] [-q QUALITY] [-o OUT] FILE...\n"
    "       mpostereo --align-only [-q QUALITY] [-o PAIR.MPO] FILE\n"
    "       mpostereo --3ds [--swap] [--dx N] [--dy N] [-q QUALITY] [-o OUT] FILE...\n"
    "Writes a stereo view of the pair of pictures in each FILE as a JPEG file, named\n"
    "NAME_stereo.jpg next to FILE; an existing file is never overwritten. FILE is an\n"
    "MPO file (pictures 1 and 2), or a JPS or PNS file (a JPEG or PNG picture with the\n"
    "pair side by side, the right eye's picture on the left half).\n"
    "  -m VIEW     parallel, cross, over-under, mirror, rows, columns,\n"
    "              anaglyph-dubois (the default), anaglyph-color, anaglyph-half,\n"
    "              anaglyph-gray, green-magenta-dubois, green-magenta-color,\n"
    "              green-magenta-half, green-magenta-gray, amber-blue-dubois,\n"
    "              amber-blue-color, amber-blue-half, amber-blue-gray\n"
    "  --swap      exchange the left and the right picture\n"
    "  --dx N      move the right picture N pixels right (the scene goes behind\n"
    "              the screen; negative: in front of it)\n"
    "  --dy N      move the right picture N pixels down\n"
    "  --align     align the pair first: the right picture moved up or down, turned,\n"
    "              scaled and its keystone straightened onto the left one, the\n"
    "              nearest points at the screen plane (--dx and --dy add to it);\n"
    "              pictures too unlike to match are left as they are\n"
    "  --align-only  write the pair aligned and cropped as a new MPO file,\n"
    "              NAME_aligned.MPO next to FILE or PAIR.MPO (both pictures are\n"
    "              encoded anew)\n"
    "  --3ds       write the pair as an MPO file the Nintendo 3DS shows: aligned,\n"
    "              cropped to 4:3, 640 x 480, named HNI_0001.MPO and on after the\n"
    "              highest number in the folder (next to FILE, or OUT)\n"
    "  -q QUALITY  JPEG quality, 1 to 100 (default 90)\n"
    "  -o OUT      the output file for one FILE, or a folder for one or more\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

struct Options {
    stereo::Options view;
    bool align = false;
    bool alignOnly = false;
    bool console = false;
    int quality = 90;
    std::string out;
    std::vector<std::string> files;
};

void ignoreProgress(void *, int, int) {}

// The bytes of picture `number` of `file`, or a reason why there are none.
std::string readPicture(const std::string &file, int number, int &count, std::vector<unsigned char> &bytes)
{
    int representative = 0;
    int size = 0;
    unsigned char *buffer = nullptr;
    MPOCause cause = MPOCause::None;
    int result;
    {
        const QuietTrace quiet;
        result = chkMPOandSavedExplained(file.c_str(), &count, &representative, MPO_LOAD_ONE, number, &buffer,
                                         &size, "", ignoreProgress, nullptr, &cause);
    }
    if (result == 0 && buffer != nullptr)
        bytes.assign(buffer, buffer + size);
    std::free(buffer);
    if (result == MPO_DONE)
        return buffer != nullptr ? "" : "has no picture " + std::to_string(number);
    if (result == MPO_REFUSED && cause == MPOCause::None)
        return mpoResultText(result).text + std::string(" (a single JPEG picture holds no pair)");
    return mpoProblemText(result, cause).text;
}

// The left and the right picture of `file`: pictures 1 and 2 of an MPO
// file, or the halves of a side-by-side file.
std::string readPair(const std::string &file, std::vector<unsigned char> &left, std::vector<unsigned char> &right)
{
    std::error_code error;
    if (fs::is_regular_file(file, error) && fs::file_size(file, error) == 0)
        return "is empty";
    if (const auto kind = stereo::sideBySideKindOf(file)) {
        stereo::SideBySidePair pair = stereo::readSideBySideFile(file, *kind);
        if (std::string problem = pair.problem(); !problem.empty())
            return problem;
        left = std::move(pair.left);
        right = std::move(pair.right);
        return "";
    }
    int count = 0;
    if (std::string problem = readPicture(file, 1, count, left); !problem.empty())
        return problem;
    if (count < 2)
        return "holds a single picture, no stereo pair";
    if (std::string problem = readPicture(file, 2, count, right); !problem.empty())
        return problem;
    if (isPhotoAndGainMap(left.data(), left.size(), right.data(), right.size(), 1))
        return "holds a photo and its HDR gain map (picture 2), not a stereo pair";
    return "";
}

std::string outputFor(const std::string &file, const Options &options)
{
    const fs::path input(file);
    const std::string name = input.stem().string() + (options.alignOnly ? "_aligned.MPO" : "_stereo.jpg");
    if (options.out.empty())
        return (input.parent_path() / name).string();
    std::error_code error;
    return fs::is_directory(options.out, error) ? (fs::path(options.out) / name).string() : options.out;
}

// Writes the pair for the 3DS, aligned where it can be.
std::string writeForConsole(const std::string &file, std::span<const unsigned char> left,
                            std::span<const unsigned char> right, const Options &options, std::string &written)
{
    const stereo::Alignment alignment = stereo::estimatePairAlignment(left, right);
    if (stereo::estimateFailed(alignment.doubt))
        return std::string("cannot be aligned: ") + stereo::doubtText(alignment.doubt);
    std::fprintf(stderr, "mpostereo: %s: %s\n", file.c_str(), stereo::describeAlignment(alignment).c_str());
    const stereo::Options view = stereo::withAlignment(options.view, alignment);
    const std::string date = stereo::dateTakenOf(left, file);
    std::error_code error;
    std::string problem;
    if (!options.out.empty() && !fs::is_directory(options.out, error)) {
        written = options.out;
        problem = stereo::writeConsolePair(left, right, view, options.quality, date, written);
    } else {
        const fs::path folder = options.out.empty() ? fs::path(file).parent_path() : fs::path(options.out);
        problem = stereo::writeConsolePairInto(left, right, view, options.quality, date,
                                               folder.empty() ? "." : folder.string(), written);
    }
    return problem.empty() ? "" : "is not written for the 3DS: " + problem;
}

// Makes the stereo view of one file; returns the reason it failed, or "".
std::string makeStereoView(const std::string &file, const Options &options, std::string &written)
{
    std::vector<unsigned char> leftBytes, rightBytes;
    if (std::string problem = readPair(file, leftBytes, rightBytes); !problem.empty())
        return problem;
    stereo::Options view = options.view;
    if (options.console)
        return writeForConsole(file, leftBytes, rightBytes, options, written);
    written = outputFor(file, options);
    if (options.align || options.alignOnly) {
        const stereo::Alignment alignment = stereo::estimatePairAlignment(leftBytes, rightBytes);
        if (!alignment.sure && (options.alignOnly || stereo::estimateFailed(alignment.doubt)))
            return std::string("cannot be aligned: ") + stereo::doubtText(alignment.doubt);
        std::fprintf(stderr, "mpostereo: %s: %s\n", file.c_str(), stereo::describeAlignment(alignment).c_str());
        if (options.alignOnly) {
            std::fprintf(stderr, "mpostereo: %s: both pictures are encoded anew (quality %d)\n", file.c_str(),
                         options.quality);
            if (std::string problem =
                    stereo::writeAlignedPair(leftBytes, rightBytes, alignment, options.quality, written);
                !problem.empty())
                return "is not aligned: " + problem;
            return "";
        }
        view = stereo::withAlignment(view, alignment);
    }
    if (std::string problem = stereo::writeStereoView(leftBytes, rightBytes, view, options.quality, written);
        !problem.empty())
        return "is not shown in stereo: " + problem;
    return "";
}

// makeStereoView, with what the libraries throw turned into a reason: a file
// that fails never ends the run for the files after it.
std::string guarded(const std::string &file, const Options &options, std::string &written)
{
    try {
        return makeStereoView(file, options, written);
    } catch (const std::bad_alloc &) {
        return "is not written: not enough memory for its pictures";
    } catch (const std::exception &error) {
        return std::string("is not written: ") + error.what();
    }
}

int usageError(const char *message)
{
    std::fprintf(stderr, "mpostereo: %s\n%s", message, usageText);
    return 2;
}

bool readNumber(const char *text, long low, long high, int &number)
{
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno != 0 || value < low || value > high)
        return false;
    number = int(value);
    return true;
}

}  // namespace

namespace {

int run(int argc, char **argv)
{
    enum {
        swapOption = 256, dxOption, dyOption, alignOption, alignOnlyOption, consoleOption, helpOption, versionOption
    };
    static const option longOptions[] = {{"swap", no_argument, nullptr, swapOption},
                                         {"align", no_argument, nullptr, alignOption},
                                         {"align-only", no_argument, nullptr, alignOnlyOption},
                                         {"3ds", no_argument, nullptr, consoleOption},
                                         {"dx", required_argument, nullptr, dxOption},
                                         {"dy", required_argument, nullptr, dyOption},
                                         {"help", no_argument, nullptr, helpOption},
                                         {"version", no_argument, nullptr, versionOption},
                                         {nullptr, 0, nullptr, 0}};
    Options options;
    opterr = 0;
    constexpr long largestOffset = 1000000;
    for (int c; (c = getopt_long(argc, argv, "m:q:o:", longOptions, nullptr)) != -1;) {
        switch (c) {
        case 'm': {
            const auto view = stereo::viewNamed(optarg);
            if (!view || *view == stereo::View::Wiggle)
                return usageError("-m takes a view name, such as parallel or anaglyph-dubois");
            options.view.view = *view;
            break;
        }
        case 'q':
            if (!readNumber(optarg, 1, 100, options.quality))
                return usageError("-q takes a quality from 1 to 100");
            break;
        case 'o': options.out = optarg; break;
        case swapOption: options.view.swap = true; break;
        case alignOption: options.align = true; break;
        case alignOnlyOption: options.alignOnly = true; break;
        case consoleOption: options.console = true; break;
        case dxOption:
            if (!readNumber(optarg, -largestOffset, largestOffset, options.view.dx))
                return usageError("--dx takes a number of pixels");
            break;
        case dyOption:
            if (!readNumber(optarg, -largestOffset, largestOffset, options.view.dy))
                return usageError("--dy takes a number of pixels");
            break;
        case helpOption: std::printf("%s", usageText); return 0;
        case versionOption: std::printf("mpostereo %s\n", MPO_VERSION); return 0;
        default: return usageError("unknown option or missing value");
        }
    }
    if (options.console && options.alignOnly)
        return usageError("--3ds and --align-only each write their own file; give one");
    options.files.assign(argv + optind, argv + argc);
    if (options.files.empty())
        return usageError("no FILE given");
    std::error_code error;
    if (options.files.size() > 1 && !options.out.empty() && !fs::is_directory(options.out, error))
        return usageError("-o must name a folder when several files are given");
    bool allDone = true;
    for (const std::string &file : options.files) {
        std::string written;
        if (const std::string problem = guarded(file, options, written); !problem.empty()) {
            std::fprintf(stderr, "mpostereo: %s %s\n", file.c_str(), problem.c_str());
            allDone = false;
        } else {
            std::printf("%s\n", written.c_str());
        }
    }
    return allDone ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    return runProgram("mpostereo", run, argc, argv);
}
