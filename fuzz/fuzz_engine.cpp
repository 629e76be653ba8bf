// Fuzz entry point: runs the engine on one input in run modes 0, 1 and 2,
// and checks what each run leaves: a known result code, a handed-back
// picture no larger than the file, nothing outside the save folder, and no
// empty or partial picture file in it. Also replays the damaged files of
// the test suite (fuzz_replay).
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mpo.h"

namespace {

// A scratch folder holding the input file and the save folder, made once;
// in memory where the system offers it, as the files change for every input.
struct Sandbox {
    std::string root, input, saveFolder;
    Sandbox()
    {
        char pattern[] = "/dev/shm/mpofuzz-XXXXXX", fallback[] = "/tmp/mpofuzz-XXXXXX";
        const char *made = mkdtemp(pattern);
        if (made == nullptr && (made = mkdtemp(fallback)) == nullptr)
            std::abort();
        root = made;
        input = root + "/input.MPO";
        saveFolder = root + "/out";
        mkdir(saveFolder.c_str(), 0700);
        // The trace is the engine's business; it only slows the fuzzer down.
        if (std::freopen("/dev/null", "w", stdout) == nullptr)
            std::abort();
    }
    ~Sandbox()
    {
        unlink(input.c_str());
        rmdir(saveFolder.c_str());
        rmdir(root.c_str());
    }
};

void fail(const char *what, const std::string &name)
{
    std::fprintf(stderr, "%s: %s\n", what, name.c_str());
    std::abort();
}

std::vector<std::string> namesIn(const std::string &folder)
{
    std::vector<std::string> names;
    DIR *dir = opendir(folder.c_str());
    if (dir == nullptr)
        fail("cannot list", folder);
    while (const dirent *entry = readdir(dir))
        if (entry->d_name != std::string(".") && entry->d_name != std::string(".."))
            names.push_back(entry->d_name);
    closedir(dir);
    return names;
}

// Every file a split leaves is a whole JPEG stream: SOI first, EOI last.
void checkAndEmptySaveFolder(const Sandbox &sandbox)
{
    for (const std::string &name : namesIn(sandbox.saveFolder)) {
        const std::string path = sandbox.saveFolder + "/" + name;
        std::vector<unsigned char> bytes;
        if (std::FILE *file = std::fopen(path.c_str(), "rb")) {
            for (int c; (c = std::fgetc(file)) != EOF;)
                bytes.push_back(static_cast<unsigned char>(c));
            std::fclose(file);
        }
        const std::size_t n = bytes.size();
        if (n < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[n - 2] != 0xFF || bytes[n - 1] != 0xD9)
            fail("partial or empty output file", name);
        unlink(path.c_str());
    }
    if (namesIn(sandbox.root).size() != 2)
        fail("a file was written outside the save folder", sandbox.root);
}

void ignoreProgress(void *, int, int) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const Sandbox sandbox;
    if (std::FILE *file = std::fopen(sandbox.input.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    for (int mode : {MPO_LOAD_ONE, MPO_SAVE_ONE, MPO_SAVE_ALL}) {
        int count = 0, representative = 0, pictureSize = -1;
        unsigned char *picture = nullptr;
        const int result = chkMPOandSaved(sandbox.input.c_str(), &count, &representative, mode,
                                          mode == MPO_SAVE_ONE ? 2 : 0, &picture, &pictureSize,
                                          sandbox.saveFolder.c_str(), ignoreProgress, nullptr);
        if (result != 0 && result != -12 && result != -13 && result != -14 && result != -15 && result != -20)
            fail("unknown result code", std::to_string(result));
        if (picture != nullptr && (result != 0 || pictureSize < 0 || std::size_t(pictureSize) > size))
            fail("a picture the file does not hold was handed back", std::to_string(pictureSize));
        std::free(picture);
        checkAndEmptySaveFolder(sandbox);
    }
    return 0;
}
