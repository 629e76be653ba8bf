// Split and join benchmarks: the engine's split against a plain copy of the
// same bytes into as many files, mposplit against cp of the file, mposplit's
// peak memory, and mpojoin against cp of its inputs concatenated, with its
// peak memory.
// usage: bench_split INPUT_FOLDER MPOSPLIT MPOJOIN
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "bench_common.h"
#include "engine/mpo.h"

namespace fs = std::filesystem;

namespace {

void ignoreProgress(void *, int, int) {}

// Copies each picture's bytes into a file of its own, as a split would
// without looking inside them.
void plainCopy(const std::string &input, const std::vector<MPOListedEntry> &entries, const std::string &folder)
{
    std::FILE *in = std::fopen(input.c_str(), "rb");
    std::vector<char> buffer;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        buffer.resize(entries[i].entry.Size);
        std::fseek(in, long(entries[i].start), SEEK_SET);
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), in);
        std::FILE *out = std::fopen((folder + "/copy_" + std::to_string(i)).c_str(), "wb");
        std::fwrite(buffer.data(), 1, got, out);
        std::fclose(out);
    }
    std::fclose(in);
}

void emptyFolder(const std::string &folder)
{
    fs::remove_all(folder);
    fs::create_directories(folder);
}

// Runs a program to its end.
void runProgram(std::vector<std::string> args)
{
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char *> argv;
        for (std::string &arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (std::freopen("/dev/null", "w", stdout) == nullptr)
            _exit(126);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

// Peak resident memory of a program, in bytes. GNU time starts it: a child
// forked from this process would count this process's memory as its own.
long peakMemoryOf(std::vector<std::string> args, const std::string &scratch)
{
    const std::string report = scratch + "/peak";
    args.insert(args.begin(), {"/usr/bin/time", "-f", "%M", "-o", report});
    runProgram(args);
    std::ifstream in(report);
    long kilobytes = 0;
    in >> kilobytes;
    return kilobytes * 1024;
}

void benchSplit(const std::string &input, const std::string &name, const std::string &out, int rounds)
{
    std::vector<MPOListedEntry> entries;
    int count = 0, representative = 0;
    listMPOEntries(input.c_str(), entries, &count, &representative);
    const double megabytes = double(fs::file_size(input)) / 1e6;
    const auto [split, copy] = alternate(
        rounds,
        [&] {
            int c = 0, r = 0;
            chkMPOandSaved(input.c_str(), &c, &r, MPO_SAVE_ALL, 0, nullptr, nullptr, out.c_str(), ignoreProgress,
                           nullptr);
        },
        [&] { plainCopy(input, entries, out); }, [&] { emptyFolder(out); });
    report(("split all in process, " + name).c_str(), megabytes / split, "MB/s", megabytes / copy,
           "ratio >= 1.0");
}

// The pictures of an MPO file as JPEG files of their own (made once), and
// one file of them all, concatenated.
std::vector<std::string> picturesOf(const std::string &input, const std::string &folder, const std::string &together)
{
    if (!fs::exists(together)) {
        emptyFolder(folder);
        int count = 0, representative = 0;
        chkMPOandSaved(input.c_str(), &count, &representative, MPO_SAVE_ALL, 0, nullptr, nullptr, folder.c_str(),
                       ignoreProgress, nullptr);
    }
    std::vector<std::string> pictures;
    for (const auto &item : fs::directory_iterator(folder))
        pictures.push_back(item.path().string());
    std::sort(pictures.begin(), pictures.end());
    if (!fs::exists(together)) {
        std::ofstream out(together, std::ios::binary);
        for (const std::string &picture : pictures)
            out << std::ifstream(picture, std::ios::binary).rdbuf();
    }
    return pictures;
}

void benchJoin(const std::string &folder, const std::string &mpojoin, const std::string &name, const std::string &out)
{
    const std::string together = folder + "/" + name + ".together";
    const std::vector<std::string> pictures = picturesOf(folder + "/" + name + ".MPO", folder + "/" + name + "-pictures", together);
    std::vector<std::string> join = {mpojoin, "-o", out + "/joined.MPO"};
    join.insert(join.end(), pictures.begin(), pictures.end());
    const auto [tool, cp] = alternate(
        5, [&] { runProgram(join); }, [&] { runProgram({"cp", together, out}); }, [&] { emptyFolder(out); });
    report(("mpojoin process vs cp of the pictures, " + name).c_str(), tool * 1000, "ms", cp * 1000, "ratio <= 1.2");
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_split INPUT_FOLDER MPOSPLIT MPOJOIN\n");
        return 2;
    }
    silenceTrace();
    const std::string folder = argv[1], mposplit = argv[2], mpojoin = argv[3], out = folder + "/out";
    emptyFolder(out);
    benchSplit(folder + "/pair12mp.MPO", "12 MP pair", out, 7);
    benchSplit(folder + "/twelve6mp.MPO", "twelve 6 MP", out, 5);
    benchSplit(folder + "/sixty8mp.MPO", "sixty 8 MP", out, 3);

    for (const char *name : {"pair12mp", "twelve6mp", "sixty8mp"}) {
        const std::string input = folder + "/" + name + ".MPO";
        const auto [tool, cp] = alternate(
            9, [&] { runProgram({mposplit, "-o", out, input}); }, [&] { runProgram({"cp", input, out}); },
            [&] { emptyFolder(out); });
        report((std::string("mposplit process vs cp, ") + name).c_str(), tool * 1000, "ms", cp * 1000,
               "ratio <= 1.1");
    }

    // Peak memory of a split of a tiny file against one of the largest.
    const long empty = peakMemoryOf({mposplit, "-o", out, folder + "/tiny.MPO"}, folder);
    emptyFolder(out);
    const long peak = peakMemoryOf({mposplit, "-o", out, folder + "/sixty8mp.MPO"}, folder);
    emptyFolder(out);
    std::vector<MPOListedEntry> entries;
    int count = 0, representative = 0;
    listMPOEntries((folder + "/sixty8mp.MPO").c_str(), entries, &count, &representative);
    std::uint32_t largest = 0;
    for (const MPOListedEntry &e : entries)
        largest = std::max(largest, e.entry.Size);
    report("mposplit extra memory over a tiny file's, sixty 8 MP (MB)", double(peak - empty) / 1e6, "MB",
           double(1 << 20) / 1e6, "ratio <= 1: at most 1 MiB, whatever the pictures");

    for (const char *name : {"pair12mp", "sixty8mp"})
        benchJoin(folder, mpojoin, name, out);
    const auto joinMemory = [&](const char *name) {
        std::vector<std::string> join = {mpojoin, "-o", out + "/joined.MPO"};
        const auto pictures = picturesOf(folder + "/" + name + ".MPO", folder + "/" + name + "-pictures",
                                         folder + "/" + name + ".together");
        join.insert(join.end(), pictures.begin(), pictures.end());
        const long peak = peakMemoryOf(join, folder);
        emptyFolder(out);
        return peak;
    };
    const long pairPeak = joinMemory("tiny"), sixtyPeak = joinMemory("sixty8mp");
    report("mpojoin memory, sixty 8 MP over two tiny (MB)", double(sixtyPeak - pairPeak) / 1e6, "MB",
           double(largest) / 1e6, "does not grow with the pictures: well under one picture");
    fs::remove_all(out);
    return 0;
}
