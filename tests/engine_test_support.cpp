#include "engine_test_support.h"

#include <gtest/gtest.h>

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

EngineRun runEngine(const std::string &path, int mode, int selectNum, const std::string &saveFolder)
{
    const std::string folder =
        saveFolder.empty() ? std::filesystem::path(path).parent_path().string() : saveFolder;
    EngineRun run;
    unsigned char *buffer = nullptr;
    int size = 0;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    run.result = chkMPOandSaved(path.c_str(), &run.count, &run.index, mode, selectNum, &buffer,
                                &size, folder.c_str(), [](void *, int, int) {}, nullptr);
    run.errors = testing::internal::GetCapturedStderr();
    run.trace = testing::internal::GetCapturedStdout();
    std::free(buffer);
    return run;
}

EngineRun runEngineOn(const Bytes &file, int mode, int selectNum, const std::string &name)
{
    ScratchFolder folder;
    return runEngine(folder.write(name, file), mode, selectNum);
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
    int n = 0;
    for (const std::string &l : linesOf(text))
        n += l == line;
    return n;
}
