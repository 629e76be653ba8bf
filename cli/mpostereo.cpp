// mpostereo: writes a stereo view (side by side, anaglyph, interlaced...) of
// the pair of pictures in each MPO, JPS or PNS file as a JPEG file, a JPS or
// PNS file, a wiggle animation, the pair aligned as a new MPO file, or the
// pair as an MPO file for the Nintendo 3DS.
#include <getopt.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "engine/mpo.h"
#include "stereo/conversion.h"

namespace fs = std::filesystem;

namespace {

const char *usageText =
    "usage: mpostereo [-m VIEW] [--fit WxH] [--rate N] [ADJUSTMENTS] [--align] [-q QUALITY] [-j N] [-o OUT]\n"
    "                 FILE...\n"
    "       mpostereo --align-only [ADJUSTMENTS] [-q QUALITY] [-o PAIR.MPO] FILE\n"
    "       mpostereo --3ds [ADJUSTMENTS] [-q QUALITY] [-j N] [-o OUT] FILE...\n"
    "ADJUSTMENTS: [--swap] [--dx N] [--dy N] [--match-colors] [--window WHERE]\n"
    "             [--crop W:H] [--level DEGREES]\n"
    "Writes a stereo view of the pair of pictures in each FILE as a JPEG file, named\n"
    "NAME_stereo.jpg next to FILE; an existing file is never overwritten. FILE is an\n"
    "MPO file (pictures 1 and 2), or a JPS or PNS file (a JPEG or PNG picture with the\n"
    "pair side by side, the right eye's picture on the left half).\n"
    "  -m VIEW     parallel, cross, over-under, mirror, half-parallel,\n"
    "              half-over-under (each picture squeezed to half the frame, as\n"
    "              3D TVs and projectors take them), rows, columns,\n"
    "              anaglyph-dubois (the default), anaglyph-color, anaglyph-half,\n"
    "              anaglyph-gray, green-magenta-dubois, green-magenta-color,\n"
    "              green-magenta-half, green-magenta-gray, amber-blue-dubois,\n"
    "              amber-blue-color, amber-blue-half, amber-blue-gray;\n"
    "              jps or pns: the pair side by side, crossed, as NAME.jps (JPEG)\n"
    "              or NAME.pns (PNG) with the layout recorded for players;\n"
    "              wiggle-gif or wiggle-webp: the pictures shown in turn, looping,\n"
    "              as NAME_wiggle.gif or NAME_wiggle.webp for the web (every picture\n"
    "              of a multi-angle series, there and back; the long side 1080\n"
    "              pixels at most unless --fit gives the size)\n"
    "  --fit WxH   scale the view, undistorted, into exactly W x H pixels with\n"
    "              black bars (each picture of a half view into its half), such\n"
    "              as 1920x1080 for a 3D TV\n"
    "  --rate N    frames a second of a wiggle, 0.5 to 30 (default 7, as the\n"
    "              viewer's wiggle)\n"
    "  --swap      exchange the left and the right picture\n"
    "  --dx N      move the right picture N pixels right (the scene goes behind\n"
    "              the screen; negative: in front of it)\n"
    "  --dy N      move the right picture N pixels down\n"
    "  --align     align the pair first: the right picture moved up or down, turned,\n"
    "              scaled and its keystone straightened onto the left one, the\n"
    "              nearest points at the screen plane (--dx and --dy add to it);\n"
    "              pictures too unlike to match are left as they are\n"
    "  --match-colors  match the colors of the two pictures where both show the\n"
    "              same thing, each moved halfway towards the other\n"
    "  --window WHERE  where the stereo window goes: nearest (the nearest points at\n"
    "              the screen, the default with --align), camera (where the\n"
    "              Nintendo 3DS showed the pair, as it records), or X,Y (that\n"
    "              point of the left picture at the screen)\n"
    "  --crop W:H  crop both pictures alike to the shape W:H (such as 4:3 or 16:9);\n"
    "              by default the shape the pictures were taken at is kept\n"
    "  --level DEGREES  turn both pictures, clockwise, by up to 10 degrees\n"
    "  --align-only  write the pair adjusted at full size as a new MPO file,\n"
    "              NAME_aligned.MPO next to FILE or PAIR.MPO (both pictures are\n"
    "              encoded anew); PAIR.jps or PAIR.pns writes the pair side by\n"
    "              side, crossed, as a JPS or PNS file\n"
    "  --3ds       write the pair as an MPO file the Nintendo 3DS shows: aligned,\n"
    "              cropped to 4:3, 640 x 480, named HNI_0001.MPO and on after the\n"
    "              highest number in the folder (next to FILE, or OUT)\n"
    "  -q QUALITY  JPEG quality, 1 to 100 (default 90)\n"
    "  -o OUT      the output file for one FILE, or a folder for one or more\n"
    "  -j N        convert N files at a time (default: one for each core); each\n"
    "              file's line is printed as it ends\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

struct Options {
    stereo::Conversion conversion;
    int jobs = 0;  // files converted at a time; 0 for one for each core
    std::vector<std::string> files;
};

// Lines from files converted at the same time come out whole, one at a
// time, above the count of files done that a terminal shows last.
std::mutex outputLock;
std::string progressLine;  // the count to show last; empty for none
std::string progressShown;  // the count standard error shows now

// Prints `line` to `to` above the count (the caller holds outputLock).
void printLine(std::FILE *to, const std::string &line)
{
    if (!progressShown.empty())
        std::fputs("\r\033[K", stderr);
    std::fprintf(to, "%s\n", line.c_str());
    std::fflush(to);
    std::fputs(progressLine.c_str(), stderr);
    progressShown = progressLine;
}

void say(const std::string &file, const std::string &what)
{
    const std::lock_guard lock(outputLock);
    printLine(stderr, "mpostereo: " + file + ": " + what);
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

bool readDecimal(const char *text, double low, double high, double &number)
{
    char *end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (*text == '\0' || *end != '\0' || errno != 0 || !(value >= low && value <= high))
        return false;
    number = value;
    return true;
}

// Two numbers with a separator between them, each within its range.
bool readTwo(const char *text, char separator, double low, double high, double &first, double &second)
{
    const char *middle = std::strchr(text, separator);
    if (middle == nullptr)
        return false;
    const std::string head(text, middle);
    return readDecimal(head.c_str(), low, high, first) && readDecimal(middle + 1, low, high, second);
}

bool readWindow(const char *text, stereo::Choices &choices)
{
    if (std::strcmp(text, "nearest") == 0)
        choices.window = stereo::WindowRule::Nearest;
    else if (std::strcmp(text, "camera") == 0)
        choices.window = stereo::WindowRule::AsCamera;
    else if (readTwo(text, ',', 0, 1e6, choices.pointX, choices.pointY))
        choices.window = stereo::WindowRule::AtPoint;
    else
        return false;
    return true;
}

// A frame "WxH" of whole pixels, each side 1 to 16384.
bool readFrame(const char *text, imaging::PixelSize &frame)
{
    const char *middle = std::strchr(text, 'x');
    if (middle == nullptr)
        return false;
    const std::string width(text, middle);
    return readNumber(width.c_str(), 1, 16384, frame.width) && readNumber(middle + 1, 1, 16384, frame.height);
}

// The outputs -m names besides the views.
std::optional<stereo::Output> outputNamed(const char *name)
{
    using stereo::Output;
    static const std::pair<const char *, Output> outputs[] = {{"jps", Output::Jps},
                                                              {"pns", Output::Pns},
                                                              {"wiggle-gif", Output::WiggleGif},
                                                              {"wiggle-webp", Output::WiggleWebp}};
    for (const auto &[text, output] : outputs)
        if (std::strcmp(name, text) == 0)
            return output;
    return std::nullopt;
}

bool readAspect(const char *text, double &aspect)
{
    double width = 0, height = 0;
    if (!readTwo(text, ':', 0.01, 100, width, height))
        return false;
    aspect = width / height;
    return true;
}

}  // namespace

namespace {

// Converts every file, `options.jobs` at a time, and prints what each
// wrote, or why it wrote nothing, as it ends; while standard error is a
// terminal a line below says how many are done. A file that fails never
// stops the others. Returns whether every file was written.
bool convertAll(const Options &options)
{
    const std::size_t count = options.files.size();
    const bool showProgress = count > 1 && isatty(STDERR_FILENO);
    const bool console = options.conversion.output == stereo::Output::Console;
    std::size_t done = 0;
    const auto report = [&](const stereo::Converted &converted) {
        const std::string &file = options.files[converted.index];
        const std::lock_guard lock(outputLock);
        if (showProgress)
            progressLine = ++done < count ? "mpostereo: " + std::to_string(done) + " of " + std::to_string(count) +
                                                " files done"
                                          : "";
        if (!converted.problem.empty())
            printLine(stderr, "mpostereo: " + file + " " + converted.problem.text());
        else  // A console name, or a line among others, says nothing of its source.
            printLine(stdout, console || count > 1 ? file + " -> " + converted.written : converted.written);
    };
    return stereo::convertFiles(options.files, options.conversion, options.jobs, report, say) == count;
}

int run(int argc, char **argv)
{
    enum {
        swapOption = 256, dxOption, dyOption, alignOption, alignOnlyOption, consoleOption, helpOption, versionOption,
        coloursOption, windowOption, cropOption, levelOption, fitOption, rateOption
    };
    static const option longOptions[] = {{"swap", no_argument, nullptr, swapOption},
                                         {"align", no_argument, nullptr, alignOption},
                                         {"align-only", no_argument, nullptr, alignOnlyOption},
                                         {"3ds", no_argument, nullptr, consoleOption},
                                         {"match-colors", no_argument, nullptr, coloursOption},
                                         {"window", required_argument, nullptr, windowOption},
                                         {"crop", required_argument, nullptr, cropOption},
                                         {"level", required_argument, nullptr, levelOption},
                                         {"fit", required_argument, nullptr, fitOption},
                                         {"rate", required_argument, nullptr, rateOption},
                                         {"dx", required_argument, nullptr, dxOption},
                                         {"dy", required_argument, nullptr, dyOption},
                                         {"help", no_argument, nullptr, helpOption},
                                         {"version", no_argument, nullptr, versionOption},
                                         {nullptr, 0, nullptr, 0}};
    Options options;
    stereo::Conversion &conversion = options.conversion;
    bool alignOnly = false, console = false;
    opterr = 0;
    constexpr long largestOffset = 1000000;
    for (int c; (c = getopt_long(argc, argv, "m:q:o:j:", longOptions, nullptr)) != -1;) {
        switch (c) {
        case 'm': {
            if (const auto output = outputNamed(optarg)) {
                conversion.output = *output;
                conversion.view.view = stereo::View::Cross;
                break;
            }
            conversion.output = stereo::Output::View;
            const auto view = stereo::viewNamed(optarg);
            if (!view || *view == stereo::View::Wiggle)
                return usageError("-m takes a view name, such as parallel or anaglyph-dubois");
            conversion.view.view = *view;
            break;
        }
        case 'q':
            if (!readNumber(optarg, 1, 100, conversion.quality))
                return usageError("-q takes a quality from 1 to 100");
            break;
        case 'o': conversion.out = optarg; break;
        case 'j':
            if (!readNumber(optarg, 1, 256, options.jobs))
                return usageError("-j takes a number of files from 1 to 256");
            break;
        case swapOption: conversion.view.swap = true; break;
        case alignOption: conversion.align = true; break;
        case alignOnlyOption: alignOnly = true; break;
        case consoleOption: console = true; break;
        case coloursOption: conversion.choices.matchColours = true; break;
        case windowOption:
            if (!readWindow(optarg, conversion.choices))
                return usageError("--window takes nearest, camera or a point X,Y of the left picture");
            conversion.windowGiven = true;
            break;
        case cropOption:
            if (!readAspect(optarg, conversion.view.crop.aspect))
                return usageError("--crop takes a shape W:H, such as 4:3");
            break;
        case fitOption:
            if (!readFrame(optarg, conversion.view.fit))
                return usageError("--fit takes a frame WxH, such as 1920x1080");
            break;
        case rateOption:
            if (!readDecimal(optarg, 0.5, 30, conversion.rate))
                return usageError("--rate takes frames a second from 0.5 to 30");
            break;
        case levelOption:
            if (!readDecimal(optarg, -10, 10, conversion.view.level))
                return usageError("--level takes degrees from -10 to 10");
            break;
        case dxOption:
            if (!readNumber(optarg, -largestOffset, largestOffset, conversion.view.dx))
                return usageError("--dx takes a number of pixels");
            break;
        case dyOption:
            if (!readNumber(optarg, -largestOffset, largestOffset, conversion.view.dy))
                return usageError("--dy takes a number of pixels");
            break;
        case helpOption: std::printf("%s", usageText); return 0;
        case versionOption: std::printf("mpostereo %s\n", MPO_VERSION); return 0;
        default: return usageError("unknown option or missing value");
        }
    }
    // Scaling interlaced rows or columns would blend the two pictures.
    const stereo::View view = conversion.view.view;
    if (conversion.view.fit.width > 0 && (view == stereo::View::Rows || view == stereo::View::Columns))
        return usageError("--fit does not go with the interlaced views, whose rows or columns it would blend");
    if (console && alignOnly)
        return usageError("--3ds and --align-only each write their own file; give one");
    if ((console || alignOnly) && conversion.output != stereo::Output::View)
        return usageError("-m jps, pns and the wiggles write their own file, as --3ds and --align-only do; give one");
    if (alignOnly)
        conversion.output = stereo::Output::AdjustedPair;
    if (console)
        conversion.output = stereo::Output::Console;
    options.files.assign(argv + optind, argv + argc);
    if (options.files.empty())
        return usageError("no FILE given");
    std::error_code error;
    if (options.files.size() > 1 && !conversion.out.empty() && !fs::is_directory(conversion.out, error)) {
        std::fprintf(stderr, "mpostereo: %s: %s\n", conversion.out.c_str(),
                     fs::exists(conversion.out, error) ? "is not a folder (-o must name a folder for several files)"
                                                    : "no such folder");
        return 2;
    }
    return convertAll(options) ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    return runProgram("mpostereo", run, argc, argv);
}
