// Runs the engine on files the tests build, in a scratch folder of their
// own, catches what it prints, and tells what a split should write.
#pragma once

#include <unistd.h>

#include <sys/wait.h>

#include <signal.h>

#include <poll.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/mpo.h"
#include "mpo_builder.h"

inline Bytes readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Whether every one of `lines` stands in `text`, in this order.
inline testing::AssertionResult hasLines(const std::string &text, const std::vector<std::string> &lines)
{
    const auto all = linesOf(text);
    auto at = all.begin();
    for (const std::string &line : lines)
        if ((at = std::find(at, all.end(), line)) == all.end())
            return testing::AssertionFailure() << "no line \"" << line << "\" in order in\n" << text;
    return testing::AssertionSuccess();
}

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        path_ = (std::filesystem::temp_directory_path() / "mpotest-XXXXXX").string();
        if (mkdtemp(path_.data()) == nullptr)
            ADD_FAILURE() << "cannot make a scratch folder";
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return path_; }
    std::string write(const std::string &name, const Bytes &bytes) const
    {
        std::ofstream(path_ + "/" + name, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
        return path_ + "/" + name;
    }
    std::vector<std::string> files(const std::string &subfolder = "") const  // sorted names
    {
        std::vector<std::string> names;
        for (const auto &item : std::filesystem::directory_iterator(path_ + "/" + subfolder))
            names.push_back(item.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

struct EngineRun {
    int result = 0, count = -99, index = -99;  // -99: not written by the engine
    MPOCause cause = MPOCause::None;            // what lies behind a failure
    std::string trace;                          // standard output
    bool handedBack = false;                    // run mode 0 handed a picture back ...
    Bytes picture;                              // ... with these bytes
    std::vector<std::pair<int, int>> progress;  // (num, total) of each report
    std::function<void(int num)> onReport;      // runs at each report, before the entry is read

    std::string lastLine() const
    {
        const auto lines = linesOf(trace);
        return lines.empty() ? "" : lines.back();
    }
};

// Calls the engine on `path`; the save folder defaults to the file's own.
inline EngineRun runEngine(const std::string &path, int mode = MPO_LOAD_ONE, int selectNum = 0,
                           const std::string &saveFolder = "", std::function<void(int)> onReport = {})
{
    EngineRun run;
    run.onReport = std::move(onReport);
    const auto report = [](void *context, int num, int total) {
        auto *run = static_cast<EngineRun *>(context);
        run->progress.emplace_back(num, total);
        if (run->onReport)
            run->onReport(num);
    };
    const std::string folder = saveFolder.empty() ? std::filesystem::path(path).parent_path().string() : saveFolder;
    unsigned char *buffer = nullptr;
    int size = -1;
    testing::internal::CaptureStdout();
    run.result = chkMPOandSavedExplained(path.c_str(), &run.count, &run.index, mode, selectNum, &buffer, &size,
                                         folder.c_str(), report, &run, &run.cause);
    run.trace = testing::internal::GetCapturedStdout();
    run.handedBack = buffer != nullptr;
    if (buffer != nullptr)
        run.picture.assign(buffer, buffer + size);
    std::free(buffer);
    return run;
}

// Writes `file` as `name` into a scratch folder and runs the engine on it.
inline EngineRun runEngineOn(const Bytes &file, int mode = MPO_LOAD_ONE, int selectNum = 0,
                             const std::string &name = "IMG_0001.MPO")
{
    ScratchFolder folder;
    return runEngine(folder.write(name, file), mode, selectNum);
}

// The MP entries listMPOEntries gives for `path`, its trace left out.
inline std::vector<MPOListedEntry> listedEntries(const std::string &path)
{
    std::vector<MPOListedEntry> entries;
    int count = 0, representative = 0;
    testing::internal::CaptureStdout();
    listMPOEntries(path.c_str(), entries, &count, &representative);
    testing::internal::GetCapturedStdout();
    return entries;
}

// Writes `picture` with writewoAPP2 to `out` (a scratch file by default)
// and gives back the result code, and the bytes written when `out` is the
// scratch file; `trace` gets what the writer printed.
inline std::pair<int, Bytes> writtenByWriter(const Bytes &picture, std::FILE *out = std::tmpfile(),
                                             std::string *trace = nullptr)
{
    testing::internal::CaptureStdout();
    std::pair<int, Bytes> written{writewoAPP2(picture.data(), int(picture.size()), out), {}};
    const std::string printed = testing::internal::GetCapturedStdout();
    if (trace != nullptr)
        *trace = printed;
    std::rewind(out);
    for (int c; written.first >= 0 && (c = std::fgetc(out)) != EOF;)
        written.second.push_back(std::uint8_t(c));
    std::fclose(out);
    return written;
}

// A 32-bit number in big-endian bytes, to patch a field.
inline Bytes big32(std::uint32_t v)
{
    return {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
}

// `mpo` with `with` written over its bytes at `at`.
inline Bytes patched(const BuiltMPO &mpo, std::size_t at, const Bytes &with)
{
    Bytes bytes = mpo.bytes;
    std::copy(with.begin(), with.end(), bytes.begin() + long(at));
    return bytes;
}

// The bytes of picture `i` as they stand in the file.
inline Bytes pictureBytes(const BuiltMPO &mpo, std::size_t i)
{
    const std::size_t end = i + 1 < mpo.starts.size() ? mpo.starts[i + 1] : mpo.bytes.size();
    return Bytes(mpo.bytes.begin() + long(mpo.starts[i]), mpo.bytes.begin() + long(end));
}

// What a split writes for picture `i`: its bytes up to the next picture,
// trimmed at the last EOI, without the first picture's MP segment.
inline Bytes expectedOutput(const BuiltMPO &mpo, std::size_t i)
{
    Bytes picture = pictureBytes(mpo, i);
    if (i == 0) {
        const std::size_t app2End = mpo.app2At + 2 + std::size_t(picture[mpo.app2At + 2] << 8 | picture[mpo.app2At + 3]);
        picture.erase(picture.begin() + long(mpo.app2At), picture.begin() + long(app2End));
    }
    while (picture.size() >= 2 && !(picture[picture.size() - 2] == 0xFF && picture.back() == 0xD9))
        picture.pop_back();
    return picture;
}

// Waits for the child `pid` for at most `seconds`; a child still running
// then is killed. Returns whether it ended by itself (its status in `status`).
inline bool waitWithin(pid_t pid, int seconds, int *status = nullptr)
{
    int got = 0;
    for (int tenths = 0; tenths < seconds * 10; ++tenths, usleep(100000))
        if (waitpid(pid, &got, WNOHANG) == pid) {
            if (status != nullptr)
                *status = got;
            return true;
        }
    kill(pid, SIGKILL);
    waitpid(pid, &got, 0);
    if (status != nullptr)
        *status = got;
    return false;
}

// Reads one byte from `fd` if one comes within `seconds`.
inline bool readByteWithin(int fd, int seconds)
{
    pollfd ready{fd, POLLIN, 0};
    char byte = 0;
    return poll(&ready, 1, seconds * 1000) == 1 && read(fd, &byte, 1) == 1;
}

