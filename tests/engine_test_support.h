// Runs the engine on files the tests build, in a scratch folder of their
// own, and catches what it prints.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mpo_builder.h"

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return path_; }
    std::string write(const std::string &name, const Bytes &bytes) const;
    std::vector<std::string> files(const std::string &subfolder = "") const;  // sorted names

private:
    std::string path_;
};

struct EngineRun {
    int result = 0;
    int count = -99;  // -99: not written by the engine
    int index = -99;
    std::string trace;        // standard output
    bool handedBack = false;  // run mode 0 handed a picture back
    Bytes picture;            // ... with these bytes
    std::vector<std::pair<int, int>> progress;  // (num, total) of each callback
    std::string lastLine() const;
};

// Called at each progress report, before the entry is examined.
using ProgressHook = std::function<void(int num, int total)>;

// Calls chkMPOandSaved on `path`; the save folder defaults to the file's own.
EngineRun runEngine(const std::string &path, int mode = 0, int selectNum = 0,
                    const std::string &saveFolder = "", const ProgressHook &hook = {});

// Writes `file` as `name` into a scratch folder and runs the engine on it.
EngineRun runEngineOn(const Bytes &file, int mode = 0, int selectNum = 0,
                      const std::string &name = "IMG_0001.MPO");

// What a split writes for picture `i` of `mpo`: its bytes up to the next
// picture, trimmed at the last EOI, without the first picture's APP2 segment.
Bytes expectedOutput(const BuiltMPO &mpo, std::size_t i);
// The bytes of picture `i` as they stand in the file.
Bytes pictureBytes(const BuiltMPO &mpo, std::size_t i);
Bytes readFile(const std::string &path);

std::vector<std::string> linesOf(const std::string &text);
int countLines(const std::string &text, const std::string &line);
