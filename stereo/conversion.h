// Converting stereo files, one or many at a time, as mpostereo and the
// viewer's Convert Pictures do: each file's pair (pictures 1 and 2 of an MPO
// file, the halves of a JPS or PNS file) read, adjusted as asked, and
// written as a new file next to it or into a folder, never replacing one.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "alignment.h"
#include "problem.h"
#include "stereo_view.h"

namespace stereo {

// What is written of each file.
enum class Output {
    View,          // NAME_stereo.jpg
    Jps,           // NAME.jps, crossed
    Pns,           // NAME.pns, crossed
    WiggleGif,     // NAME_wiggle.gif
    WiggleWebp,    // NAME_wiggle.webp
    AdjustedPair,  // NAME_aligned.MPO (or a .jps or .pns name given)
    Console,       // HNI_NNNN.MPO for the Nintendo 3DS
};

struct Conversion {
    Output output = Output::View;
    Options view;  // the view, hand offsets, swap, crop shape, level, frame
    Choices choices;  // colours and the window
    bool windowGiven = false;
    bool align = false;
    int quality = 90;
    double rate = 7;  // frames a second of a wiggle
    std::string out;  // the output file for one file, a folder, or "" for next to each file
    const char *ending = nullptr;  // what the output's name adds to the file's; by default the output's own
};

// Why a file was not written: the cause, and the step it stopped (its text
// holds %1 where the cause's goes; none when the cause says it all), each
// with the id a translation is found by.
struct Reason {
    Problem cause;
    const char *stepId = nullptr;
    const char *step = nullptr;

    bool empty() const { return cause.empty(); }
    // In English, as mpostereo prints it after the file's name.
    std::string text() const;
};

// The file written of `file` when `out` is empty or a folder.
std::string outputFor(const std::string &file, const Conversion &conversion);

// Converts `file`. `written` gets the file written; `note` hears what was
// done to the pair ("aligned: ...", "colors matched: ..."), prefixed by
// what it is about. Returns an empty reason when written, else why nothing
// was. Never throws: a lack of memory is a reason like any other.
Reason convertFile(const std::string &file, const Conversion &conversion, std::string &written,
                        const std::function<void(const std::string &about, const std::string &what)> &note);

// What became of one file of many.
struct Converted {
    std::size_t index = 0;  // in the list of files
    std::string written;
    Reason problem;  // empty when written
};

// Converts every file, `jobs` at a time (0: one for each core) on the
// shared pool; `done` hears each as it ends, one at a time. A file that
// fails never stops the others; once `cancelled` is set no further file is
// started, and those under way end whole. Returns how many were written.
std::size_t convertFiles(const std::vector<std::string> &files, const Conversion &conversion, int jobs,
                         const std::function<void(const Converted &)> &done,
                         const std::function<void(const std::string &about, const std::string &what)> &note,
                         const std::atomic<bool> *cancelled = nullptr);

}  // namespace stereo
