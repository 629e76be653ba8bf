#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "mpo.h"

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "mpotest-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        ADD_FAILURE() << "cannot make a scratch folder";
    path_ = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::write(const std::string &name, const Bytes &bytes) const
{
    const std::string file = path_ + "/" + name;
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()),
                                                std::streamsize(bytes.size()));
    return file;
}

std::vector<std::string> ScratchFolder::files(const std::string &subfolder) const
{
    std::vector<std::string> names;
    for (const auto &item : std::filesystem::directory_iterator(path_ + "/" + subfolder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string EngineRun::lastLine() const
{
    const auto lines = linesOf(trace);
    return lines.empty() ? "" : lines.back();
}

EngineRun runEngine(const std::string &path, int mode, int selectNum, const std::string &saveFolder,
                    const ProgressHook &hook)
{
    EngineRun run;
    std::pair<EngineRun *, const ProgressHook *> context{&run, &hook};
    const auto record = [](void *context, int num, int total) {
        auto [run, hook] = *static_cast<std::pair<EngineRun *, const ProgressHook *> *>(context);
        run->progress.emplace_back(num, total);
        if (*hook)
            (*hook)(num, total);
    };
    const std::string folder = saveFolder.empty() ? std::filesystem::path(path).parent_path().string() : saveFolder;
    unsigned char *buffer = nullptr;
    int size = -1;
    testing::internal::CaptureStdout();
    run.result = chkMPOandSaved(path.c_str(), &run.count, &run.index, mode, selectNum, &buffer, &size,
                                folder.c_str(), record, &context);
    run.trace = testing::internal::GetCapturedStdout();
    run.handedBack = buffer != nullptr;
    if (buffer != nullptr)
        run.picture.assign(buffer, buffer + size);
    std::free(buffer);
    return run;
}

EngineRun runEngineOn(const Bytes &file, int mode, int selectNum, const std::string &name)
{
    ScratchFolder folder;
    return runEngine(folder.write(name, file), mode, selectNum);
}

Bytes pictureBytes(const BuiltMPO &mpo, std::size_t i)
{
    const std::size_t end = i + 1 < mpo.starts.size() ? mpo.starts[i + 1] : mpo.bytes.size();
    return Bytes(mpo.bytes.begin() + long(mpo.starts[i]), mpo.bytes.begin() + long(end));
}

Bytes expectedOutput(const BuiltMPO &mpo, std::size_t i)
{
    Bytes picture = pictureBytes(mpo, i);
    if (i == 0) {
        const std::size_t app2Size = std::size_t(picture[mpo.app2At + 2] << 8 | picture[mpo.app2At + 3]) + 2;
        picture.erase(picture.begin() + long(mpo.app2At), picture.begin() + long(mpo.app2At + app2Size));
    }
    while (picture.size() >= 2 && !(picture[picture.size() - 2] == 0xFF && picture.back() == 0xD9))
        picture.pop_back();
    return picture;
}

Bytes readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int countLines(const std::string &text, const std::string &line)
{
    const auto lines = linesOf(text);
    return int(std::count(lines.begin(), lines.end(), line));
}
