// Fuzz entry point: runs the engine on one input in run modes 0, 1 and 2,
// and checks what each run leaves behind: nothing outside its save folder,
// and no empty or partial picture file in it.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "mpo.h"

namespace {

// A scratch folder holding the input file and the save folder, made once.
struct Sandbox {
    std::string root, input, saveFolder;
    Sandbox()
    {
        // In memory when the system offers it: the files are rewritten for every input.
        char pattern[] = "/dev/shm/mpofuzz-XXXXXX";
        char fallback[] = "/tmp/mpofuzz-XXXXXX";
        char *made = mkdtemp(pattern);
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

std::vector<std::string> namesIn(const std::string &folder)
{
    std::vector<std::string> names;
    DIR *dir = opendir(folder.c_str());
    if (dir == nullptr)
        std::abort();
    while (const dirent *entry = readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.push_back(entry->d_name);
    closedir(dir);
    return names;
}

std::vector<unsigned char> contentsOf(const std::string &path)
{
    std::vector<unsigned char> bytes;
    if (std::FILE *file = std::fopen(path.c_str(), "rb")) {
        for (int c; (c = std::fgetc(file)) != EOF;)
            bytes.push_back(static_cast<unsigned char>(c));
        std::fclose(file);
    }
    return bytes;
}

// Every file a split leaves is a whole JPEG stream: SOI first, EOI last.
void checkAndEmptySaveFolder(const Sandbox &sandbox)
{
    for (const std::string &name : namesIn(sandbox.saveFolder)) {
        const std::string path = sandbox.saveFolder + "/" + name;
        const std::vector<unsigned char> bytes = contentsOf(path);
        const std::size_t n = bytes.size();
        if (n < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[n - 2] != 0xFF || bytes[n - 1] != 0xD9) {
            std::fprintf(stderr, "partial or empty output file %s (%zu bytes)\n", name.c_str(), n);
            std::abort();
        }
        unlink(path.c_str());
    }
    if (namesIn(sandbox.root).size() != 2) {
        std::fprintf(stderr, "a file was written outside the save folder\n");
        std::abort();
    }
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
        int count = 0;
        int representative = 0;
        unsigned char *picture = nullptr;
        int pictureSize = -1;
        const int result = chkMPOandSaved(sandbox.input.c_str(), &count, &representative, mode,
                                          mode == MPO_SAVE_ONE ? 2 : 0, &picture, &pictureSize,
                                          sandbox.saveFolder.c_str(), ignoreProgress, nullptr);
        if (picture != nullptr && (result != 0 || pictureSize < 0 || std::size_t(pictureSize) > size))
            std::abort();  // a picture handed back must be one the file holds
        std::free(picture);
        checkAndEmptySaveFolder(sandbox);
    }
    return 0;
}
