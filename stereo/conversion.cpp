#include "conversion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

#include "camera_parallax.h"
#include "console_pair.h"
#include "engine/gain_map.h"
#include "engine/mpo.h"
#include "engine/trace_output.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/work_pool.h"
#include "side_by_side.h"
#include "stereo_file.h"
#include "wiggle.h"

namespace fs = std::filesystem;

namespace stereo {

namespace {

using Note = std::function<void(const std::string &about, const std::string &what)>;

void ignoreProgress(void *, int, int) {}

Reason because(MPOText cause)
{
    return {{cause.id, cause.text, {}}};
}

// `cause` stopped the step whose text is `step`.
Reason stopped(const char *stepId, const char *step, Problem cause)
{
    return {std::move(cause), stepId, step};
}

// The bytes of picture `number` of `file`, or a reason why there are none.
Reason readPicture(const std::string &file, int number, int &count, std::vector<unsigned char> &bytes)
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
    if (result == MPO_DONE && buffer != nullptr)
        return {};
    if (result == MPO_DONE)
        return {{"NoPictureNumber", "has no picture " + std::to_string(number), {std::to_string(number)}}};
    if (result == MPO_REFUSED && cause == MPOCause::None)
        return {{"NoPairSingleJpeg", mpoResultText(result).text + std::string(" (a single JPEG picture holds no pair)"), {}}};
    return because(mpoProblemText(result, cause));
}

// The left and the right picture of `file`: pictures 1 and 2 of an MPO
// file, or the halves of a side-by-side file. `pictures` gets the number
// of pictures the file holds.
Reason readPair(const std::string &file, std::vector<unsigned char> &left, std::vector<unsigned char> &right,
                int &pictures)
{
    pictures = 2;
    std::error_code error;
    if (fs::is_regular_file(file, error) && fs::file_size(file, error) == 0)
        return because(mpoProblemText(MPO_REFUSED, MPOCause::Empty));
    if (const auto kind = sideBySideKindOf(file)) {
        SideBySidePair pair = readSideBySideFile(file, *kind);
        if (pair.fault != SideBySideFault::None)
            return because(faultText(pair.fault));
        if (pair.oddWidth)
            return {{"ReasonOddWidth", oddWidthText, {}}};
        left = std::move(pair.left);
        right = std::move(pair.right);
        return {};
    }
    if (Reason problem = readPicture(file, 1, pictures, left); !problem.empty())
        return problem;
    if (pictures < 2)
        return {{"NoPairOnePicture", "holds a single picture, no stereo pair", {}}};
    if (Reason problem = readPicture(file, 2, pictures, right); !problem.empty())
        return problem;
    if (isPhotoAndGainMap(left.data(), left.size(), right.data(), right.size(), 1))
        return {{"NoPairGainMap", "holds a photo and its HDR gain map (picture 2), not a stereo pair", {}}};
    return {};
}

// The name a file's output takes after its own name.
const char *outputEnding(Output output)
{
    switch (output) {
    case Output::View: break;
    case Output::Jps: return ".jps";
    case Output::Pns: return ".pns";
    case Output::WiggleGif: return "_wiggle.gif";
    case Output::WiggleWebp: return "_wiggle.webp";
    case Output::AdjustedPair: return "_aligned.MPO";
    case Output::Console: break;
    }
    return "_stereo.jpg";
}

bool isWiggle(Output output)
{
    return output == Output::WiggleGif || output == Output::WiggleWebp;
}

// Whether the pictures must be compared: to align them, match their
// colours or find the depth of a point.
bool comparesPictures(const Conversion &conversion)
{
    return conversion.align || conversion.output == Output::AdjustedPair || conversion.output == Output::Console ||
           conversion.choices.matchColours ||
           (conversion.windowGiven && conversion.choices.window != WindowRule::AsCamera);
}

// The adjustment of the pair that `conversion` asks for, said through
// `note`; empty when it is made, else why the file is not written.
Reason adjust(const std::string &about, std::span<const unsigned char> left, std::span<const unsigned char> right,
                   const Conversion &conversion, Options &view, const Note &note)
{
    view = conversion.view;
    Choices choices = conversion.choices;
    if (choices.window == WindowRule::AsCamera) {
        choices.cameraWindow = recordedWindow(left, imaging::readJpegHeader(left.data(), left.size()).fullSize);
        if (!choices.cameraWindow) {
            note(about, "records no stereo window of its camera: the nearest points are put at the screen");
            choices.window = WindowRule::Nearest;
        }
    }
    if (!comparesPictures(conversion)) {
        if (choices.cameraWindow)
            view.dx += int(std::lround(*choices.cameraWindow));
        return {};
    }
    Alignment alignment = estimatePairAlignment(left, right);
    // Pictures that are no pair are refused once, for that, by the writer.
    if (isPairFault(alignment.doubt))
        return {};
    const bool aligns = conversion.align || conversion.output == Output::AdjustedPair ||
                        conversion.output == Output::Console;
    if (estimateFailed(alignment.doubt) || (conversion.output == Output::AdjustedPair && !alignment.sure))
        return stopped("StepCannotAlign", "cannot be aligned: %1", because(doubtText(alignment.doubt)).cause);
    if (aligns) {
        note(about, describeAlignment(alignment, choices));
        view = withAlignment(view, alignment, choices);
        return {};
    }
    // Colours or the window only: the pictures are not corrected.
    alignment.dy = alignment.degrees = alignment.keystoneX = alignment.keystoneY = 0;
    alignment.scale = 1;
    if (!conversion.windowGiven)
        alignment.windowDx = 0, alignment.depths.clear();
    view = withAlignment(view, alignment, choices);
    if (conversion.windowGiven && alignment.sure)
        note(about, "the stereo window moved: the right picture " + std::to_string(view.dx - conversion.view.dx) + " px");
    if (choices.matchColours)
        note(about, describeColours(alignment.colours));
    return {};
}

// Writes the pair for the 3DS into its folder or as OUT.
Reason writeForConsole(const std::string &file, std::span<const unsigned char> left,
                            std::span<const unsigned char> right, const Conversion &conversion, const Options &view,
                            std::string &written)
{
    const std::string date = dateTakenOf(left, file);
    std::error_code error;
    Problem problem;
    if (!conversion.out.empty() && !fs::is_directory(conversion.out, error)) {
        written = conversion.out;
        problem = writeConsolePair(left, right, view, conversion.quality, date, written);
    } else {
        const fs::path folder = conversion.out.empty() ? fs::path(file).parent_path() : fs::path(conversion.out);
        problem = writeConsolePairInto(left, right, view, conversion.quality, date,
                                       folder.empty() ? "." : folder.string(), written);
    }
    return problem.empty() ? Reason{} : stopped("StepNotForConsole", "is not written for the 3DS: %1", problem);
}

// Writes the wiggle of the pair, or of every picture of a series, each
// placed against the first as `conversion` asks.
Reason writeWiggleOf(const std::string &file, std::vector<unsigned char> &left, std::vector<unsigned char> &right,
                          int pictures, const Conversion &conversion, const std::string &written, const Note &note)
{
    std::vector<std::vector<unsigned char>> more(std::size_t(std::max(0, pictures - 2)));
    for (int number = 3; number <= pictures; ++number) {
        int count = 0;
        if (Reason problem = readPicture(file, number, count, more[std::size_t(number - 3)]); !problem.empty())
            return problem;
    }
    std::vector<std::span<const unsigned char>> series{left, right};
    series.insert(series.end(), more.begin(), more.end());
    std::vector<Options> adjustments(series.size() - 1);
    for (std::size_t k = 1; k < series.size(); ++k) {
        const std::string about = series.size() > 2 ? file + " (picture " + std::to_string(k + 1) + ")" : file;
        if (Reason problem = adjust(about, series[0], series[k], conversion, adjustments[k - 1], note); !problem.empty())
            return problem;
    }
    const WiggleSettings settings{conversion.rate, conversion.view.fit,
                                  conversion.output == Output::WiggleWebp ? WiggleFormat::Webp : WiggleFormat::Gif};
    if (Problem problem = writeWiggle(series, adjustments, settings, written); !problem.empty())
        return stopped("StepNotAnimated", "is not animated: %1", problem);
    return {};
}

Reason convert(const std::string &file, const Conversion &conversion, std::string &written, const Note &note)
{
    std::vector<unsigned char> left, right;
    int pictures = 0;
    if (Reason problem = readPair(file, left, right, pictures); !problem.empty())
        return problem;
    if (isWiggle(conversion.output)) {
        written = outputFor(file, conversion);
        return writeWiggleOf(file, left, right, pictures, conversion, written, note);
    }
    Options view;
    if (Reason problem = adjust(file, left, right, conversion, view, note); !problem.empty())
        return problem;
    if (conversion.output == Output::Console)
        return writeForConsole(file, left, right, conversion, view, written);
    written = outputFor(file, conversion);
    Problem problem;
    switch (conversion.output) {
    case Output::Jps:
    case Output::Pns:
        problem = writeAdjustedPair(left, right, view, conversion.quality, written,
                                    conversion.output == Output::Jps ? PairFormat::Jps : PairFormat::Pns);
        break;
    case Output::AdjustedPair:
        note(file, "both pictures are encoded anew (quality " + std::to_string(conversion.quality) + ")");
        problem = writeAdjustedPair(left, right, view, conversion.quality, written, pairFormatOf(written));
        return problem.empty() ? Reason{} : stopped("StepNotAligned", "is not aligned: %1", problem);
    default: problem = writeStereoView(left, right, view, conversion.quality, written);
    }
    return problem.empty() ? Reason{} : stopped("StepNotShown", "is not shown in stereo: %1", problem);
}

}  // namespace

std::string outputFor(const std::string &file, const Conversion &conversion)
{
    const fs::path input(file);
    const std::string name =
        input.stem().string() + (conversion.ending != nullptr ? conversion.ending : outputEnding(conversion.output));
    if (conversion.out.empty())
        return (input.parent_path() / name).string();
    std::error_code error;
    return fs::is_directory(conversion.out, error) ? (fs::path(conversion.out) / name).string() : conversion.out;
}

std::string Reason::text() const
{
    if (step == nullptr)
        return cause.text;
    std::string whole = step;
    return whole.replace(whole.find("%1"), 2, cause.text);
}

Reason convertFile(const std::string &file, const Conversion &conversion, std::string &written, const Note &note)
{
    try {
        return convert(file, conversion, written, note);
    } catch (const std::bad_alloc &) {
        return {{"NotWrittenNoMemory", "is not written: not enough memory for its pictures", {}}};
    } catch (const std::exception &error) {
        return stopped("StepNotWritten", "is not written: %1", {"", error.what(), {}});
    }
}

std::size_t convertFiles(const std::vector<std::string> &files, const Conversion &conversion, int jobs,
                         const std::function<void(const Converted &)> &done, const Note &note,
                         const std::atomic<bool> *cancelled)
{
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const std::size_t workers = std::min<std::size_t>(files.size(), std::size_t(jobs > 0 ? jobs : cores));
    std::atomic<std::size_t> next{0};
    std::mutex doneLock;
    std::size_t written = 0;
    const auto work = [&] {
        for (std::size_t i; !(cancelled != nullptr && *cancelled) && (i = next++) < files.size();) {
            Converted converted{i, {}, {}};
            converted.problem = convertFile(files[i], conversion, converted.written, note);
            const std::lock_guard lock(doneLock);
            written += converted.problem.empty() ? 1 : 0;
            done(converted);
        }
    };
    imaging::WorkPool::shared().runAll(std::vector<std::function<void()>>(workers, work));
    return written;
}

}  // namespace stereo
