// mpocheck: tells for each MPO file whether cameras and strict readers
// would take it, and rebuilds the MP index of one that they would not.
#include <getopt.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "engine/mpo_check.h"

namespace fs = std::filesystem;

namespace {

const char *usageText =
    "usage: mpocheck FILE...\n"
    "       mpocheck --repair -o OUT FILE\n"
    "Checks the MP index of each MPO FILE against the pictures it holds and prints\n"
    "\"ok\", or each problem (which makes cameras or strict readers refuse the file)\n"
    "and each note (which readers cope with).\n"
    "  --repair   write a new file OUT whose MP index is rebuilt from the pictures\n"
    "             found in FILE; each picture's bytes are kept as they are, up to the\n"
    "             EOI that ends it; FILE is left as it is\n"
    "  -o OUT     the repaired file (a folder: NAME_repaired.MPO in it); an existing\n"
    "             file is never replaced\n"
    "  --help     show this help\n"
    "  --version  show the version\n"
    "Exit status: 0 when no FILE has a problem (or the repair was written),\n"
    "1 when one has (or it could not be), 2 for a usage error.\n";

int usageError(const char *message)
{
    std::fprintf(stderr, "mpocheck: %s\n%s", message, usageText);
    return 2;
}

// Prints what the check found; returns whether the file has a problem.
bool report(const std::string &file, const MPOCheck &check)
{
    int problems = 0, notes = 0;
    for (const MPOFinding &finding : check.findings)
        ++(finding.kind == MPOFinding::Kind::Problem ? problems : notes);
    std::string summary = problems == 0 ? "ok" : std::to_string(problems) + (problems == 1 ? " problem" : " problems");
    if (notes > 0)
        summary += ", " + std::to_string(notes) + (notes == 1 ? " note" : " notes");
    std::printf("%s: %s\n", file.c_str(), summary.c_str());
    for (const MPOFinding &finding : check.findings)
        std::printf("  %s: %s\n", finding.kind == MPOFinding::Kind::Problem ? "problem" : "note",
                    finding.text.c_str());
    return problems > 0;
}

int repair(const std::string &file, std::string out)
{
    std::error_code error;
    if (fs::is_directory(out, error))
        out = (fs::path(out) / (fs::path(file).stem().string() + "_repaired.MPO")).string();
    MPOJoinProblem problem;
    int pictures = 0;
    const int result = repairMPO(file, out, problem, pictures);
    if (result != MPO_JOIN_DONE) {
        const std::string who = result == MPO_JOIN_WRITE_FAILED ? ""
                                : problem.input >= 0 ? "picture " + std::to_string(problem.input + 1) + " of " + file + " "
                                                     : file + " ";
        std::fprintf(stderr, "mpocheck: %s%s; nothing written\n", who.c_str(), problem.reason.c_str());
        return 1;
    }
    std::printf("%s: repaired as %s (%d pictures)\n", file.c_str(), out.c_str(), pictures);
    return report(out, checkMPO(out)) ? 1 : 0;
}

}  // namespace

namespace {

int run(int argc, char **argv)
{
    enum { repairOption = 256, helpOption, versionOption };
    static const option longOptions[] = {{"repair", no_argument, nullptr, repairOption},
                                         {"help", no_argument, nullptr, helpOption},
                                         {"version", no_argument, nullptr, versionOption},
                                         {nullptr, 0, nullptr, 0}};
    bool repairing = false;
    std::string out;
    opterr = 0;
    for (int c; (c = getopt_long(argc, argv, "o:", longOptions, nullptr)) != -1;) {
        switch (c) {
        case 'o': out = optarg; break;
        case repairOption: repairing = true; break;
        case helpOption: std::printf("%s", usageText); return 0;
        case versionOption: std::printf("mpocheck %s\n", MPO_VERSION); return 0;
        default: return usageError("unknown option or missing value");
        }
    }
    const std::vector<std::string> files(argv + optind, argv + argc);
    if (files.empty())
        return usageError("no FILE given");
    if (repairing && (out.empty() || files.size() != 1))
        return usageError("--repair takes one FILE and -o OUT");
    if (!repairing && !out.empty())
        return usageError("-o goes with --repair");
    if (repairing)
        return repair(files.front(), out);
    bool anyProblem = false;
    for (const std::string &file : files)
        anyProblem = report(file, checkMPO(file)) || anyProblem;
    return anyProblem ? 1 : 0;
}

}  // namespace

int main(int argc, char **argv)
{
    return runProgram("mpocheck", run, argc, argv);
}
