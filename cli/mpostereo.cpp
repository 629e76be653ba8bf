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

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli/standard_output.h"
#include "engine/gain_map.h"
#include "engine/mpo.h"
#include "engine/trace_output.h"
#include "imaging/work_pool.h"
#include "stereo/alignment.h"
#include "stereo/camera_parallax.h"
#include "stereo/console_pair.h"
#include "stereo/side_by_side.h"
#include "stereo/stereo_file.h"
#include "stereo/wiggle.h"

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

// What is written of each file.
enum class Output { View, Jps, Pns, WiggleGif, WiggleWebp };

struct Options {
    Output output = Output::View;
    double rate = 7;  // frames a second of a wiggle
    stereo::Options view;
    stereo::Choices choices;  // colours and the window
    bool windowGiven = false;
    bool align = false;
    bool alignOnly = false;
    bool console = false;
    int quality = 90;
    int jobs = 0;  // files converted at a time; 0 for one for each core
    std::string out;
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
// file, or the halves of a side-by-side file. `pictures` gets the number
// of pictures the file holds.
std::string readPair(const std::string &file, std::vector<unsigned char> &left, std::vector<unsigned char> &right,
                     int &pictures)
{
    pictures = 2;
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
    int &count = pictures;
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

// The name a file's output takes after its own name.
const char *outputEnding(const Options &options)
{
    if (options.alignOnly)
        return "_aligned.MPO";
    switch (options.output) {
    case Output::View: break;
    case Output::Jps: return ".jps";
    case Output::Pns: return ".pns";
    case Output::WiggleGif: return "_wiggle.gif";
    case Output::WiggleWebp: return "_wiggle.webp";
    }
    return "_stereo.jpg";
}

std::string outputFor(const std::string &file, const Options &options)
{
    const fs::path input(file);
    const std::string name = input.stem().string() + outputEnding(options);
    if (options.out.empty())
        return (input.parent_path() / name).string();
    std::error_code error;
    return fs::is_directory(options.out, error) ? (fs::path(options.out) / name).string() : options.out;
}

// Whether the pictures must be compared: to align them, match their
// colours or find the depth of a point.
bool comparesPictures(const Options &options)
{
    return options.align || options.alignOnly || options.console || options.choices.matchColours ||
           (options.windowGiven && options.choices.window != stereo::WindowRule::AsCamera);
}

void say(const std::string &file, const std::string &what)
{
    const std::lock_guard lock(outputLock);
    printLine(stderr, "mpostereo: " + file + ": " + what);
}

// The adjustment of the pair that `options` ask for, said on standard
// error; "" when it is made, else why the file is not written.
std::string adjust(const std::string &file, std::span<const unsigned char> left, std::span<const unsigned char> right,
                   const Options &options, stereo::Options &view)
{
    view = options.view;
    stereo::Choices choices = options.choices;
    if (choices.window == stereo::WindowRule::AsCamera) {
        choices.cameraWindow = stereo::recordedWindow(left, imaging::readJpegHeader(left.data(), left.size()).fullSize);
        if (!choices.cameraWindow) {
            say(file, "records no stereo window of its camera: the nearest points are put at the screen");
            choices.window = stereo::WindowRule::Nearest;
        }
    }
    if (!comparesPictures(options)) {
        if (choices.cameraWindow)
            view.dx += int(std::lround(*choices.cameraWindow));
        return "";
    }
    stereo::Alignment alignment = stereo::estimatePairAlignment(left, right);
    // Pictures that are no pair are refused once, for that, by the writer.
    if (stereo::isPairFault(alignment.doubt))
        return "";
    if (stereo::estimateFailed(alignment.doubt) || (options.alignOnly && !alignment.sure))
        return std::string("cannot be aligned: ") + stereo::doubtText(alignment.doubt).text;
    if (options.align || options.alignOnly || options.console) {
        say(file, stereo::describeAlignment(alignment, choices));
        view = stereo::withAlignment(view, alignment, choices);
        return "";
    }
    // Colours or the window only: the pictures are not corrected.
    alignment.dy = alignment.degrees = alignment.keystoneX = alignment.keystoneY = 0;
    alignment.scale = 1;
    if (!options.windowGiven)
        alignment.windowDx = 0, alignment.depths.clear();
    view = stereo::withAlignment(view, alignment, choices);
    if (options.windowGiven && alignment.sure)
        say(file, "the stereo window moved: the right picture " + std::to_string(view.dx - options.view.dx) + " px");
    if (choices.matchColours)
        say(file, stereo::describeColours(alignment.colours));
    return "";
}

// Writes the pair for the 3DS into its folder or as OUT.
std::string writeForConsole(const std::string &file, std::span<const unsigned char> left,
                            std::span<const unsigned char> right, const Options &options,
                            const stereo::Options &view, std::string &written)
{
    const std::string date = stereo::dateTakenOf(left, file);
    std::error_code error;
    stereo::Problem problem;
    if (!options.out.empty() && !fs::is_directory(options.out, error)) {
        written = options.out;
        problem = stereo::writeConsolePair(left, right, view, options.quality, date, written);
    } else {
        const fs::path folder = options.out.empty() ? fs::path(file).parent_path() : fs::path(options.out);
        problem = stereo::writeConsolePairInto(left, right, view, options.quality, date,
                                               folder.empty() ? "." : folder.string(), written);
    }
    return problem.empty() ? "" : "is not written for the 3DS: " + problem.text;
}

// Writes the wiggle of the pair, or of every picture of a series, each
// placed against the first as `options` ask.
std::string writeWiggle(const std::string &file, std::vector<unsigned char> &left, std::vector<unsigned char> &right,
                        int pictures, const Options &options, const std::string &written)
{
    std::vector<std::vector<unsigned char>> more(std::size_t(std::max(0, pictures - 2)));
    for (int number = 3; number <= pictures; ++number) {
        int count = 0;
        if (std::string problem = readPicture(file, number, count, more[std::size_t(number - 3)]); !problem.empty())
            return problem;
    }
    std::vector<std::span<const unsigned char>> series{left, right};
    series.insert(series.end(), more.begin(), more.end());
    std::vector<stereo::Options> adjustments(series.size() - 1);
    for (std::size_t k = 1; k < series.size(); ++k) {
        const std::string label = series.size() > 2 ? file + " (picture " + std::to_string(k + 1) + ")" : file;
        if (std::string problem = adjust(label, series[0], series[k], options, adjustments[k - 1]); !problem.empty())
            return problem;
    }
    const stereo::WiggleSettings settings{options.rate, options.view.fit,
                                          options.output == Output::WiggleWebp ? stereo::WiggleFormat::Webp
                                                                               : stereo::WiggleFormat::Gif};
    if (stereo::Problem problem = stereo::writeWiggle(series, adjustments, settings, written); !problem.empty())
        return "is not animated: " + problem.text;
    return "";
}

// Makes the stereo view of one file; returns the reason it failed, or "".
std::string makeStereoView(const std::string &file, const Options &options, std::string &written)
{
    std::vector<unsigned char> leftBytes, rightBytes;
    int pictures = 0;
    if (std::string problem = readPair(file, leftBytes, rightBytes, pictures); !problem.empty())
        return problem;
    if (options.output == Output::WiggleGif || options.output == Output::WiggleWebp) {
        written = outputFor(file, options);
        return writeWiggle(file, leftBytes, rightBytes, pictures, options, written);
    }
    stereo::Options view;
    if (std::string problem = adjust(file, leftBytes, rightBytes, options, view); !problem.empty())
        return problem;
    if (options.console)
        return writeForConsole(file, leftBytes, rightBytes, options, view, written);
    written = outputFor(file, options);
    if (options.output == Output::Jps || options.output == Output::Pns) {
        if (stereo::Problem problem = stereo::writeAdjustedPair(
                leftBytes, rightBytes, view, options.quality, written,
                options.output == Output::Jps ? stereo::PairFormat::Jps : stereo::PairFormat::Pns);
            !problem.empty())
            return "is not shown in stereo: " + problem.text;
        return "";
    }
    if (options.alignOnly) {
        say(file, "both pictures are encoded anew (quality " + std::to_string(options.quality) + ")");
        if (stereo::Problem problem = stereo::writeAdjustedPair(leftBytes, rightBytes, view, options.quality,
                                                                written, stereo::pairFormatOf(written));
            !problem.empty())
            return "is not aligned: " + problem.text;
        return "";
    }
    if (stereo::Problem problem = stereo::writeStereoView(leftBytes, rightBytes, view, options.quality, written);
        !problem.empty())
        return "is not shown in stereo: " + problem.text;
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
std::optional<Output> outputNamed(const char *name)
{
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

// Converts every file, `options.jobs` at a time on the shared pool, and
// prints what each wrote, or why it wrote nothing, as it ends; while
// standard error is a terminal a line below says how many are done. A file
// that fails never stops the others. Returns whether every file was written.
bool convertAll(const Options &options)
{
    const std::size_t count = options.files.size();
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int jobs = int(std::min<std::size_t>(count, std::size_t(options.jobs > 0 ? options.jobs : cores)));
    const bool showProgress = count > 1 && isatty(STDERR_FILENO);
    std::atomic<std::size_t> next{0};
    std::size_t done = 0;
    bool allDone = true;
    const auto convert = [&] {
        for (std::size_t i; (i = next++) < count;) {
            const std::string &file = options.files[i];
            std::string written;
            const std::string problem = guarded(file, options, written);
            const std::lock_guard lock(outputLock);
            if (showProgress)
                progressLine = ++done < count ? "mpostereo: " + std::to_string(done) + " of " +
                                                    std::to_string(count) + " files done"
                                              : "";
            if (!problem.empty()) {
                printLine(stderr, "mpostereo: " + file + " " + problem);
                allDone = false;
            } else {
                // A console name, or a line among others, says nothing of its source.
                printLine(stdout, options.console || count > 1 ? file + " -> " + written : written);
            }
        }
    };
    imaging::WorkPool::shared().runAll(std::vector<std::function<void()>>(std::size_t(jobs), convert));
    return allDone;
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
    opterr = 0;
    constexpr long largestOffset = 1000000;
    for (int c; (c = getopt_long(argc, argv, "m:q:o:j:", longOptions, nullptr)) != -1;) {
        switch (c) {
        case 'm': {
            if (const auto output = outputNamed(optarg)) {
                options.output = *output;
                options.view.view = stereo::View::Cross;
                break;
            }
            options.output = Output::View;
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
        case 'j':
            if (!readNumber(optarg, 1, 256, options.jobs))
                return usageError("-j takes a number of files from 1 to 256");
            break;
        case swapOption: options.view.swap = true; break;
        case alignOption: options.align = true; break;
        case alignOnlyOption: options.alignOnly = true; break;
        case consoleOption: options.console = true; break;
        case coloursOption: options.choices.matchColours = true; break;
        case windowOption:
            if (!readWindow(optarg, options.choices))
                return usageError("--window takes nearest, camera or a point X,Y of the left picture");
            options.windowGiven = true;
            break;
        case cropOption:
            if (!readAspect(optarg, options.view.crop.aspect))
                return usageError("--crop takes a shape W:H, such as 4:3");
            break;
        case fitOption:
            if (!readFrame(optarg, options.view.fit))
                return usageError("--fit takes a frame WxH, such as 1920x1080");
            break;
        case rateOption:
            if (!readDecimal(optarg, 0.5, 30, options.rate))
                return usageError("--rate takes frames a second from 0.5 to 30");
            break;
        case levelOption:
            if (!readDecimal(optarg, -10, 10, options.view.level))
                return usageError("--level takes degrees from -10 to 10");
            break;
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
    // Scaling interlaced rows or columns would blend the two pictures.
    const stereo::View view = options.view.view;
    if (options.view.fit.width > 0 && (view == stereo::View::Rows || view == stereo::View::Columns))
        return usageError("--fit does not go with the interlaced views, whose rows or columns it would blend");
    if (options.console && options.alignOnly)
        return usageError("--3ds and --align-only each write their own file; give one");
    if ((options.console || options.alignOnly) && options.output != Output::View)
        return usageError("-m jps, pns and the wiggles write their own file, as --3ds and --align-only do; give one");
    options.files.assign(argv + optind, argv + argc);
    if (options.files.empty())
        return usageError("no FILE given");
    std::error_code error;
    if (options.files.size() > 1 && !options.out.empty() && !fs::is_directory(options.out, error)) {
        std::fprintf(stderr, "mpostereo: %s: %s\n", options.out.c_str(),
                     fs::exists(options.out, error) ? "is not a folder (-o must name a folder for several files)"
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
