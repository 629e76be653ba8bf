// Damaged files made from a good one: cut at every length, and every byte
// of its MP index set to 00, FF, 7F and 80. Each runs in all three run
// modes and must end with a result code, write nothing outside its save
// folder, and leave no partial picture file.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "engine_test_support.h"
#include "mpo.h"

namespace fs = std::filesystem;

namespace {

bool isWholeJpeg(const Bytes &b)
{
    return b.size() >= 4 && b[0] == 0xFF && b[1] == 0xD8 && b[b.size() - 2] == 0xFF && b.back() == 0xD9;
}

std::vector<Bytes> damagedCopies(const BuiltMPO &mpo, std::size_t entryCount)
{
    std::vector<Bytes> copies;
    for (std::size_t length = 0; length < mpo.bytes.size(); ++length)
        copies.emplace_back(mpo.bytes.begin(), mpo.bytes.begin() + long(length));
    for (std::size_t at = mpo.baseOffset; at < mpo.entriesAt + 16 * entryCount; ++at) {
        for (std::uint8_t value : {0x00, 0xFF, 0x7F, 0x80}) {
            copies.push_back(mpo.bytes);
            copies.back()[at] = value;
        }
    }
    return copies;
}

}  // namespace

TEST(MalformedCorpus, EveryDamagedFileEndsCleanlyInEveryRunMode)
{
    MPOBuilder builder = stereoLike(3, ByteOrder::Little);
    builder.pictures[0].after = {0, 0};
    const BuiltMPO good = builder.build();
    const std::set<int> resultCodes = {0, -12, -13, -14, -15, -20};
    ScratchFolder scratch;
    const std::string out = scratch.path() + "/out";
    int runs = 0;
    for (const Bytes &damaged : damagedCopies(good, 3)) {
        const std::string input = scratch.write("in.MPO", damaged);
        for (int mode : {MPO_LOAD_ONE, MPO_SAVE_ONE, MPO_SAVE_ALL}) {
            fs::create_directory(out);
            const EngineRun run = runEngine(input, mode, 2, out);
            ++runs;
            ASSERT_TRUE(resultCodes.count(run.result)) << run.result;
            for (const auto &file : fs::directory_iterator(out))
                ASSERT_TRUE(isWholeJpeg(readFile(file.path().string()))) << file.path();
            fs::remove_all(out);
            ASSERT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 1);
        }
    }
    EXPECT_GT(runs, 2000);
}
