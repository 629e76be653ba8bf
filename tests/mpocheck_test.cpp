// mpocheck end to end: what it finds in files with one fault each, and the
// repaired files, which read strictly and split into the original pictures.
#include "engine/mpo_check.h"
#include "program_run.h"

namespace {

struct Mpocheck : testing::Test {
    ScratchFolder scratch;
    ProgramRun mpocheck(const std::vector<std::string> &args) { return runProgram(scratch, MPOCHECK, args); }
};

Bytes little32(std::uint32_t v)
{
    return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

}  // namespace

TEST_F(Mpocheck, FindsEachFaultAndRepairsTheFilesWhosePicturesItFinds)
{
    for (const ByteOrder order : {ByteOrder::Big, ByteOrder::Little}) {
        const auto field = order == ByteOrder::Big ? big32 : little32;
        MPOBuilder builder = stereoLike(3, order);
        const BuiltMPO plain = builder.build();
        builder.ownSegments = true;
        const BuiltMPO sound = builder.build();
        const auto entryField = [&](int picture, std::size_t at) { return sound.entriesAt + 16 * (picture - 1) + at; };
        const std::uint32_t secondOffset = std::uint32_t(sound.starts[1] - sound.baseOffset);
        const struct {
            const char *fault;
            Bytes file;
            std::string problem;  // "" for a sound file
            bool repairable = true;
        } cases[] = {
            {"sound", sound.bytes, ""},
            {"count", patched(sound, sound.baseOffset + 30, field(4)),
             "the MP index counts 4 pictures, but its MP Entry field holds 3 entries"},
            {"offset", patched(sound, entryField(3, 8), field(0x7FFFFFF0)), "picture 3 starts outside the file"},
            {"size", patched(sound, entryField(3, 4), field(100000)), "picture 3's size runs past the end of the file"},
            {"soi", patched(sound, entryField(2, 8), field(secondOffset + 1)), "picture 2 does not begin with SOI"},
            {"overlap", patched(sound, entryField(3, 8), field(secondOffset)), "pictures 2 and 3 overlap"},
            {"own segments", plain.bytes, "pictures 2 and 3 have no MP segment of their own"},
            {"no eoi", patched(sound, sound.bytes.size() - 2, {0, 0}), "picture 3 does not end at an EOI (it is cut short or damaged)", false},
        };
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.fault) + (order == ByteOrder::Big ? ", big-endian" : ", little-endian"));
            const std::string name = std::string(c.fault) + (order == ByteOrder::Big ? "" : "_little");
            const std::string file = scratch.write(name + ".mpo", c.file);
            const ProgramRun check = mpocheck({file});
            if (c.problem.empty()) {
                EXPECT_EQ(check.status, 0);
                EXPECT_EQ(check.out, file + ": ok\n");
                continue;
            }
            EXPECT_EQ(check.status, 1);
            EXPECT_TRUE(check.out.starts_with(file + ": 1 problem\n  problem: " + c.problem)) << check.out;
            EXPECT_EQ(linesOf(check.out).size(), 2u);
            EXPECT_EQ(checkMPO(file).repairablePictures, c.repairable ? 3 : 0);  // what the viewer offers
            const std::string fixed = scratch.path() + "/" + name + "_fixed.MPO";
            const ProgramRun repair = mpocheck({"--repair", "-o", fixed, file});
            ASSERT_EQ(repair.status, c.repairable ? 0 : 1) << repair.err;
            EXPECT_EQ(std::filesystem::exists(fixed), c.repairable);
            if (!c.repairable)
                continue;
            EXPECT_TRUE(hasLines(repair.out, {file + ": repaired as " + fixed + " (3 pictures)", fixed + ": ok"}));
            EXPECT_EQ(mpocheck({"--repair", "-o", fixed, file}).status, 1);  // never in place of a file
            ScratchFolder split;
            const EngineRun run = runEngine(fixed, MPO_SAVE_ALL, 0, split.path());
            ASSERT_EQ(run.result, 0);
            EXPECT_EQ(run.count, 3);
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_EQ(readFile(split.path() + "/" + name + "_fixed_00" + std::to_string(i + 1) + ".JPG"),
                          expectedOutput(plain, i));
        }
    }
    // Several files: each is reported, and a bad one anywhere makes the status 1.
    const std::string good = scratch.path() + "/sound.mpo", bad = scratch.path() + "/count.mpo",
                      worse = scratch.path() + "/offset.mpo";
    const ProgramRun several = mpocheck({bad, good, worse});
    EXPECT_EQ(several.status, 1);
    EXPECT_TRUE(hasLines(several.out, {bad + ": 1 problem", good + ": ok", worse + ": 1 problem"})) << several.out;
    EXPECT_EQ(mpocheck({bad, good}).status, 1);
    for (const auto &[args, status] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{}, 2}, {{"--repair", "x.mpo"}, 2}, {{"-o", "y", "x.mpo"}, 2}, {{"--help"}, 0}, {{"--version"}, 0}})
        EXPECT_EQ(mpocheck(args).status, status);
}
