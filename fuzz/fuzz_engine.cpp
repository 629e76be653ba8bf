// Fuzz entry point: runs the engine on one input in run modes 0, 1 and 2,
// and checks what each run leaves: a known result code, a handed-back
// picture no larger than the file, nothing outside the save folder, and no
// empty or partial picture file in it; a picture saved (copied from the
// file) holds exactly what the in-memory writer makes of the picture handed
// back. Then joins the input with itself:
// either it is refused, or the joined file reads strictly as two pictures.
// Last it checks the input and repairs it: a repair is refused and leaves
// nothing, or its file reads strictly and has no problem.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/gain_map.h"
#include "engine/mp_attributes.h"
#include "engine/mpo.h"
#include "engine/mpo_check.h"
#include "engine/mpo_joiner.h"

namespace fs = std::filesystem;

namespace {

void fail(const std::string &what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

std::vector<unsigned char> bytesOf(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A scratch folder holding the input file and the save folder, made once;
// in memory where the system offers it, as the files change for every input.
struct Sandbox {
    fs::path root, input, saveFolder;
    Sandbox()
    {
        std::string pattern = (fs::exists("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string()) + "/mpofuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            fail("cannot make the sandbox");
        root = pattern, input = root / "input.MPO", saveFolder = root / "out";
        fs::create_directory(saveFolder);
        // The trace is the engine's business; it only slows the fuzzer down.
        if (std::freopen("/dev/null", "w", stdout) == nullptr)
            fail("cannot silence the trace");
    }
    ~Sandbox() { fs::remove_all(root); }
};

// Every file a split leaves is a whole JPEG stream: SOI first, EOI last.
void checkAndEmptySaveFolder(const Sandbox &sandbox)
{
    for (const fs::directory_entry &file : fs::directory_iterator(sandbox.saveFolder)) {
        const std::vector<unsigned char> b = bytesOf(file.path());
        const std::size_t n = b.size();
        if (n < 4 || b[0] != 0xFF || b[1] != 0xD8 || b[n - 2] != 0xFF || b[n - 1] != 0xD9)
            fail("partial or empty output file " + file.path().string());
        fs::remove(file.path());
    }
    if (std::distance(fs::directory_iterator(sandbox.root), fs::directory_iterator()) != 2)
        fail("a file was written outside the save folder");
}

// Picture 2 saved by run mode 1 against the same picture handed back by run
// mode 0 and written by writewoAPP2: one is there exactly when the other
// is, with the same bytes.
void checkSavedAgainstMemoryWriter(const Sandbox &sandbox)
{
    int count = 0, representative = 0, size = 0;
    unsigned char *picture = nullptr;
    chkMPOandSaved(sandbox.input.c_str(), &count, &representative, MPO_LOAD_ONE, 2, &picture, &size, nullptr, nullptr,
                   nullptr);
    char *written = nullptr;
    std::size_t writtenSize = 0;
    std::FILE *memory = open_memstream(&written, &writtenSize);
    const bool writes = picture != nullptr && writewoAPP2(picture, size, memory) >= 0;
    std::fclose(memory);
    std::vector<unsigned char> expected(written, written + writtenSize);
    std::free(written);
    std::free(picture);
    const fs::directory_iterator saved(sandbox.saveFolder);
    if (writes != (saved != fs::directory_iterator()))
        fail("the saved picture and the written one differ in being there");
    if (writes && bytesOf(saved->path()) != expected)
        fail("the saved picture differs from the written one");
}

void checkRepair(const Sandbox &sandbox)
{
    (void)checkMPO(sandbox.input.string());
    const std::string repaired = (sandbox.saveFolder / "repaired.MPO").string();
    MPOJoinProblem problem;
    int pictures = 0;
    if (repairMPO(sandbox.input.string(), repaired, problem, pictures) != MPO_JOIN_DONE) {
        if (fs::exists(repaired))
            fail("a refused repair left a file: " + problem.reason);
        return;
    }
    std::vector<MPOListedEntry> entries;
    int count = 0, representative = 0;
    if (listMPOEntries(repaired.c_str(), entries, &count, &representative) != 0 ||
        count != pictures)
        fail("a repaired file does not read strictly as the pictures found");
    const MPOCheck check = checkMPO(repaired);
    if (check.hasProblem())
        fail("a repaired file has a problem: " + check.findings.front().text);
    fs::remove(repaired);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const Sandbox sandbox;
    std::ofstream(sandbox.input, std::ios::binary).write(reinterpret_cast<const char *>(data), std::streamsize(size));
    // The sanitizers watch the reads of the header readers.
    (void)readMPAttributes(data, size);
    (void)isPhotoAndGainMap(data, size, data, size, 1);
    std::vector<MPOListedEntry> entries;  // the listing reads each entry's head for gain map marks
    int listedCount = 0, listedRepresentative = 0;
    if (listMPOEntries(sandbox.input.c_str(), entries, &listedCount, &listedRepresentative) == 0 &&
        !entries.empty() && entries[0].gainMap)
        fail("the first picture was taken for a gain map");
    for (int mode : {MPO_LOAD_ONE, MPO_SAVE_ONE, MPO_SAVE_ALL}) {
        int count = 0, representative = 0, pictureSize = -1;
        unsigned char *picture = nullptr;
        const int result = chkMPOandSaved(sandbox.input.c_str(), &count, &representative, mode, mode == MPO_SAVE_ONE ? 2 : 0,
                                          &picture, &pictureSize, sandbox.saveFolder.c_str(), nullptr, nullptr);
        if (result != 0 && result != -12 && result != -13 && result != -14 && result != -15 && result != -20)
            fail("unknown result code " + std::to_string(result));
        if (picture != nullptr && (result != 0 || pictureSize < 0 || std::size_t(pictureSize) > size))
            fail("a picture the file does not hold was handed back");
        std::free(picture);
        if (mode == MPO_SAVE_ONE && result == 0)
            checkSavedAgainstMemoryWriter(sandbox);
        checkAndEmptySaveFolder(sandbox);
    }
    const std::string joined = (sandbox.saveFolder / "joined.MPO").string();
    MPOJoinProblem problem;
    const std::uint32_t type = size % 3 == 0 ? MP_TYPE_DISPARITY : size % 3 == 1 ? MP_TYPE_MULTI_ANGLE : MP_TYPE_PANORAMA;
    const int result = joinMPO({sandbox.input.string(), sandbox.input.string()}, joined, {type, size % 2 == 1, true}, problem);
    if (result == MPO_JOIN_DONE) {
        int count = 0, representative = 0;
        unsigned char *picture = nullptr;
        int pictureSize = 0;
        if (chkMPOandSaved(joined.c_str(), &count, &representative, MPO_LOAD_ONE, 2, &picture, &pictureSize, "", nullptr,
                           nullptr) != 0 || count != 2)
            fail("a joined file does not read as two pictures");
        std::free(picture);
        fs::remove(joined);
    } else if (result != MPO_JOIN_INPUT_REFUSED || fs::exists(joined)) {
        fail("a join failed with result " + std::to_string(result) + " or left a file: " + problem.reason);
    }
    checkRepair(sandbox);
    return 0;
}
