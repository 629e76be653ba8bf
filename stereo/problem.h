// Why a pair cannot be shown or written, as the stereo library says it: the
// English text the command line prints, the id a translation is found by,
// and the values the text holds, which a translation takes as %1, %2 and on.
#pragma once

#include <string>
#include <vector>

namespace stereo {

struct Problem {
    const char *id = "";
    std::string text;  // empty when nothing is wrong
    std::vector<std::string> values;

    bool empty() const { return text.empty(); }
};

// A new file that could not be written at `path`: its name is taken
// (EEXIST), or the file system refused it with `error`.
Problem cannotWrite(const std::string &path, int error);

}  // namespace stereo
