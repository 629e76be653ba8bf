// mpojoin: joins JPEG pictures into one MPO file, losslessly.
#include <getopt.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "engine/mpo_joiner.h"

namespace {

const char *usageText =
    "usage: mpojoin [-t TYPE] [--little-endian] [--first] -o OUT FILE...\n"
    "Joins the JPEG pictures FILE... (2 to 1000, in the order given) into the MPO\n"
    "file OUT without re-encoding them. OUT is written whole or not at all, and an\n"
    "existing file is never replaced.\n"
    "  -t TYPE          disparity (the default: a stereo pair, left first, or a\n"
    "                   disparity series), multi-angle, or panorama\n"
    "  --little-endian  write the MP index little-endian (default: big-endian)\n"
    "  --first          take the first picture of an input that is itself an MPO file\n"
    "  -o OUT           the MPO file to write\n"
    "  --help           show this help\n"
    "  --version        show the version\n";

int usageError(const char *message)
{
    std::fprintf(stderr, "mpojoin: %s\n%s", message, usageText);
    return 2;
}

bool typeNamed(const char *name, std::uint32_t &type)
{
    const struct {
        const char *name;
        std::uint32_t type;
    } types[] = {{"disparity", MP_TYPE_DISPARITY}, {"multi-angle", MP_TYPE_MULTI_ANGLE}, {"panorama", MP_TYPE_PANORAMA}};
    for (const auto &known : types)
        if (std::strcmp(name, known.name) == 0) {
            type = known.type;
            return true;
        }
    return false;
}

}  // namespace

namespace {

int run(int argc, char **argv)
{
    enum { littleOption = 256, firstOption, helpOption, versionOption };
    static const option longOptions[] = {{"little-endian", no_argument, nullptr, littleOption},
                                         {"first", no_argument, nullptr, firstOption},
                                         {"help", no_argument, nullptr, helpOption},
                                         {"version", no_argument, nullptr, versionOption},
                                         {nullptr, 0, nullptr, 0}};
    MPOJoinSettings settings;
    std::string output;
    opterr = 0;
    for (int c; (c = getopt_long(argc, argv, "t:o:", longOptions, nullptr)) != -1;) {
        switch (c) {
        case 't':
            if (!typeNamed(optarg, settings.type))
                return usageError("-t takes disparity, multi-angle or panorama");
            break;
        case 'o': output = optarg; break;
        case littleOption: settings.littleEndian = true; break;
        case firstOption: settings.firstOfMultiPicture = true; break;
        case helpOption: std::printf("%s", usageText); return 0;
        case versionOption: std::printf("mpojoin %s\n", MPO_VERSION); return 0;
        default: return usageError("unknown option or missing value");
        }
    }
    const std::vector<std::string> inputs(argv + optind, argv + argc);
    if (output.empty())
        return usageError("no output named with -o");
    if (inputs.size() < 2 || inputs.size() > std::size_t(MPO_JOIN_MOST_PICTURES))
        return usageError("give 2 to 1000 pictures");
    MPOJoinProblem problem;
    if (const int result = joinMPO(inputs, output, settings, problem); result != MPO_JOIN_DONE) {
        // The joiner names the input and its fault; the code's text stands in where it did not.
        if (problem.reason.empty())
            problem.reason = mpoResultText(result).text;
        if (problem.input >= 0)
            std::fprintf(stderr, "mpojoin: %s %s; nothing was written\n", inputs[std::size_t(problem.input)].c_str(),
                         problem.reason.c_str());
        else
            std::fprintf(stderr, "mpojoin: %s; nothing was written\n", problem.reason.c_str());
        return 1;
    }
    // A pair or a series of views is looked at picture beside picture.
    const auto &sizes = problem.sizes;
    const bool views = settings.type == MP_TYPE_DISPARITY || settings.type == MP_TYPE_MULTI_ANGLE;
    for (std::size_t i = 1; views && i < sizes.size(); ++i)
        if (sizes[i] != sizes[0]) {
            std::fprintf(stderr,
                         "mpojoin: warning: %s is %d x %d pixels but %s is %d x %d; a stereo viewer cannot show "
                         "pictures of two sizes together (written as given)\n",
                         inputs[0].c_str(), sizes[0].first, sizes[0].second, inputs[i].c_str(), sizes[i].first,
                         sizes[i].second);
            break;
        }
    std::printf("%s\n", output.c_str());
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    return runProgram("mpojoin", run, argc, argv);
}
