// A second process creates the same output names while splits run: every
// name ends up with exactly one writer, and nothing is overwritten.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "engine_test_support.h"
#include "mpo.h"

namespace {

// Claims free names x_00N.JPG, x_00N-1.JPG, ... the way a rival program
// would, writing "rival" into each, until `stop` appears.
[[noreturn]] void claimNamesUntil(const std::string &folder, const std::string &stop)
{
    for (int round = 0; access(stop.c_str(), F_OK) != 0 && round < 100000; ++round) {
        for (int number = 1; number <= 3; ++number) {
            for (int suffix = 0;; ++suffix) {
                char name[512];
                if (suffix == 0)
                    std::snprintf(name, sizeof name, "%s/x_%03d.JPG", folder.c_str(), number);
                else
                    std::snprintf(name, sizeof name, "%s/x_%03d-%d.JPG", folder.c_str(), number, suffix);
                const int fd = open(name, O_WRONLY | O_CREAT | O_EXCL, 0644);
                if (fd >= 0) {
                    (void)!write(fd, "rival", 5);
                    close(fd);
                    break;
                }
            }
        }
        usleep(200);
    }
    _exit(0);
}

}  // namespace

TEST(OutputRace, ARivalCreatingTheSameNamesClobbersNothing)
{
    const BuiltMPO mpo = stereoLike(3).build();
    ScratchFolder scratch;
    const std::string input = scratch.write("x.MPO", mpo.bytes);
    const std::string out = scratch.path() + "/out", stop = scratch.path() + "/stop";
    std::filesystem::create_directory(out);

    const pid_t rival = fork();
    ASSERT_GE(rival, 0);
    if (rival == 0)
        claimNamesUntil(out, stop);
    constexpr int splits = 40;
    int namesPrinted = 0;
    for (int i = 0; i < splits; ++i) {
        const EngineRun run = runEngine(input, MPO_SAVE_ALL, 0, out);
        ASSERT_EQ(run.result, 0);
        for (const std::string &line : linesOf(run.trace))
            namesPrinted += line.size() > 4 && line.compare(line.size() - 4, 4, ".JPG") == 0;
    }
    scratch.write("stop", {});
    int status = 0;
    waitpid(rival, &status, 0);

    int ours[3] = {0, 0, 0}, rivals = 0;
    for (const auto &file : std::filesystem::directory_iterator(out)) {
        const Bytes bytes = readFile(file.path().string());
        const int number = std::stoi(file.path().filename().string().substr(2, 3));
        if (bytes == Bytes{'r', 'i', 'v', 'a', 'l'})
            ++rivals;
        else
            ours[number - 1] += bytes == expectedOutput(mpo, std::size_t(number - 1));
    }
    EXPECT_EQ(ours[0], splits);
    EXPECT_EQ(ours[1], splits);
    EXPECT_EQ(ours[2], splits);
    EXPECT_GT(rivals, 0);
    std::printf("rival files %d; names taken between probe and open %d\n", rivals, namesPrinted - 3 * splits);
}
