// Checks a multi-picture file against the pictures it actually holds, as a
// strict reader (a camera, a console, another program) would look at it,
// and rebuilds its MP index from the pictures found. Nothing here prints
// the engine's trace.
#pragma once

#include <string>
#include <vector>

#include "mpo_joiner.h"

struct MPOFinding {
    enum class Kind {
        Problem,  // makes cameras or strict readers refuse the file
        Note,     // readers cope with it
    } kind;
    std::string text;
};

struct MPOCheck {
    std::vector<MPOFinding> findings;  // problems first, then notes; none for a sound file
    // For a file with a problem: how many whole pictures a repair would find
    // and join anew (repairMPO), or 0 and why not, in words that follow the
    // file's name, when it cannot rebuild the file.
    int repairablePictures = 0;
    std::string unrepairable;
    bool hasProblem() const
    {
        return !findings.empty() && findings.front().kind == MPOFinding::Kind::Problem;
    }
};

MPOCheck checkMPO(const std::string &path);

// Writes the new file `output` (never in place of another, whole or not at
// all) from the pictures found in `path` by walking their markers, each
// picture's bytes as they are up to the EOI that ends it, with an MP index
// made anew as the joiner makes it. `pictures` gets how many were found.
// Returns MPO_JOIN_DONE or a result code MPO_JOIN_...; `problem` says why:
// for MPO_JOIN_INPUT_REFUSED, what is wrong with picture `problem.input`
// (from 0), or, for -1, with the file; otherwise what kept the output from
// being written.
int repairMPO(const std::string &path, const std::string &output, MPOJoinProblem &problem, int &pictures);
