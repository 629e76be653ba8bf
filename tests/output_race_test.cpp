// A second process creates the same output names while splits run: every
// name ends up with exactly one writer, and nothing is overwritten.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "engine_test_support.h"

TEST(OutputRace, ARivalCreatingTheSameNamesClobbersNothing)
{
    const BuiltMPO mpo = stereoLike(3).build();
    ScratchFolder scratch;
    const std::string input = scratch.write("x.MPO", mpo.bytes), out = scratch.path() + "/out";
    const std::string stop = scratch.path() + "/stop";
    std::filesystem::create_directory(out);
    const pid_t rival = fork();
    ASSERT_GE(rival, 0);
    if (rival == 0) {
        // Claims free names x_00N.JPG, x_00N-1.JPG, ... the way another
        // program would, writing "rival" into each, and counts them.
        std::size_t claimed = 0;
        for (int round = 0; access(stop.c_str(), F_OK) != 0 && round < 100000; ++round, usleep(200))
            for (int number = 1; number <= 3; ++number)
                for (int suffix = 0;; ++suffix) {
                    const std::string name = out + "/x_00" + std::to_string(number) +
                                             (suffix ? "-" + std::to_string(suffix) : "") + ".JPG";
                    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                    if (fd >= 0) {
                        claimed += write(fd, "rival", 5) == 5;
                        close(fd);
                        break;
                    }
                }
        scratch.write("claimed", Bytes(claimed, 0));
        _exit(0);
    }
    constexpr int splits = 40;
    for (int i = 0; i < splits; ++i)
        ASSERT_EQ(runEngine(input, MPO_SAVE_ALL, 0, out).result, 0);
    scratch.write("stop", {});
    waitpid(rival, nullptr, 0);

    std::vector<int> ours(3, 0);  // whole copies of each picture
    int rivals = 0;
    for (const std::string &name : scratch.files("out")) {
        const Bytes bytes = readFile(out + "/" + name);
        const std::size_t picture = std::size_t(name[4] - '1');
        rivals += bytes == Bytes{'r', 'i', 'v', 'a', 'l'};
        ours[picture] += bytes == expectedOutput(mpo, picture);
    }
    EXPECT_EQ(ours, std::vector<int>(3, splits));
    EXPECT_GT(rivals, 0);
    EXPECT_EQ(rivals, int(readFile(scratch.path() + "/claimed").size()));  // none of the rival's was replaced
}
