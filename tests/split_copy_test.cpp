// A split copies each picture from the MPO file into its own file without
// holding it in memory, in the kernel where the file systems allow it. What
// it writes is byte for byte what the in-memory writer makes of the same
// picture, whether the kernel copies, refuses the copy (as between two file
// systems) or copies nothing (as some file systems do).
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "engine/file_window.h"
#include "engine/picture_plan.h"
#include "engine_test_support.h"

namespace {

enum class KernelCopy { Copies, Refuses, CopiesNothing, HangsPastFirstPicture };
KernelCopy kernelCopy = KernelCopy::Copies;
int bytesCopiedByKernel = 0;
ino_t firstOutput = 0;  // for a hang: the file the first picture is copied into
int hangSaid = -1;     // where a hang says that it is hanging

}  // namespace

// Stands in for the C library's copy_file_range in this test program, so
// that a test can play each way a file system answers it.
extern "C" ssize_t copy_file_range(int from, off64_t *fromAt, int to, off64_t *toAt, size_t length, unsigned flags)
{
    if (kernelCopy == KernelCopy::Refuses) {
        errno = EXDEV;
        return -1;
    }
    if (kernelCopy == KernelCopy::CopiesNothing)
        return 0;
    struct stat output {};
    if (kernelCopy == KernelCopy::HangsPastFirstPicture && fstat(to, &output) == 0 && firstOutput == 0)
        firstOutput = output.st_ino;
    if (kernelCopy == KernelCopy::HangsPastFirstPicture && output.st_ino != firstOutput) {
        // Half of what is asked is copied, then the copy is held up until the process is killed.
        syscall(SYS_copy_file_range, from, fromAt, to, toAt, length / 2, flags);
        (void)!::write(hangSaid, "h", 1);
        for (;;)
            pause();
    }
    const auto copied = ssize_t(syscall(SYS_copy_file_range, from, fromAt, to, toAt, length, flags));
    bytesCopiedByKernel += int(std::max<ssize_t>(copied, 0));
    return copied;
}

namespace {

// The in-memory path: picture `number` handed back whole, then written by
// writewoAPP2.
Bytes writtenFromMemory(const std::string &path, int number)
{
    const auto [result, written] = writtenByWriter(runEngine(path, MPO_LOAD_ONE, number).picture);
    EXPECT_GE(result, 0);
    return written;
}

struct SplitCase {
    const char *name;
    MPOBuilder builder;
};

std::vector<SplitCase> splitCases()
{
    const Bytes icc = iccSegment(Bytes(3000, 0x11));
    SplitCase large{"pictures larger than the header window, little-endian", stereoLike(3, ByteOrder::Little)};
    for (int i = 0; i < 3; ++i)
        large.builder.pictures[std::size_t(i)].jpeg = fakeJpeg(i + 1, 300'000 + std::size_t(i) * 4097);
    SplitCase trailing{"bytes behind each EOI, counted in the sizes", stereoLike(2)};
    trailing.builder.pictures[0].jpeg = fakeJpeg(1, 200'000) + Bytes(5000, 0x20);
    trailing.builder.pictures[1].jpeg = fakeJpeg(2, 10) + Bytes{0xD9, 0x00, 0xFF};
    SplitCase iccBehind{"an ICC profile behind the MP segment, and in picture 2", stereoLike(2)};
    iccBehind.builder.behindMP = {icc};
    iccBehind.builder.pictures[1].jpeg = withSegments(fakeJpeg(2, 150'000), {exifSegment, icc});
    SplitCase cutShort{"the last picture cut short by the end of the file", stereoLike(2)};
    cutShort.builder.pictures[1].jpeg = fakeJpeg(2, 140'000);
    cutShort.builder.pictures[1].recordedSize = 200'000;
    return {large, trailing, iccBehind, cutShort};
}

}  // namespace

TEST(SplitCopy, WritesWhatTheInMemoryWriterWritesHoweverTheKernelAnswers)
{
    for (const SplitCase &split : splitCases()) {
        SCOPED_TRACE(split.name);
        ScratchFolder folder;
        const std::string path = folder.write("IMG_0001.MPO", split.builder.build().bytes);
        const int count = runEngine(path).count;
        std::vector<Bytes> expected;
        for (int number = 1; number <= count; ++number)
            expected.push_back(writtenFromMemory(path, number));
        for (KernelCopy way : {KernelCopy::Copies, KernelCopy::Refuses, KernelCopy::CopiesNothing}) {
            kernelCopy = way;
            bytesCopiedByKernel = 0;
            const std::string out = folder.path() + "/out" + std::to_string(int(way));
            std::filesystem::create_directory(out);
            const EngineRun run = runEngine(path, MPO_SAVE_ALL, 0, out);
            kernelCopy = KernelCopy::Copies;
            EXPECT_EQ(run.result, 0);
            ASSERT_EQ(folder.files(out.substr(folder.path().size() + 1)).size(), expected.size());
            for (int number = 1; number <= count; ++number) {
                char name[32];
                std::snprintf(name, sizeof name, "/IMG_0001_%03d.JPG", number);
                EXPECT_EQ(readFile(out + name), expected[std::size_t(number - 1)]) << name << " way " << int(way);
            }
            // Scan data past the header window goes through the kernel when it copies.
            EXPECT_EQ(bytesCopiedByKernel > 100'000, way == KernelCopy::Copies);
        }
    }
}

TEST(SplitCopy, AKilledSplitLeavesNoPictureUnderItsNameAndTheEarlierOnesWhole)
{
    const SplitCase large = splitCases()[0];
    ScratchFolder folder;
    const std::string path = folder.write("IMG_0001.MPO", large.builder.build().bytes);
    const Bytes first = writtenFromMemory(path, 1);
    int said[2];
    ASSERT_EQ(pipe(said), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {  // splits until the copy of picture 2 is held up
        kernelCopy = KernelCopy::HangsPastFirstPicture;
        hangSaid = said[1];
        std::freopen("/dev/null", "w", stdout);
        runEngine(path, MPO_SAVE_ALL);
        _exit(0);
    }
    const bool reached = readByteWithin(said[0], 60);
    kill(child, SIGKILL);
    int status = 0;
    waitWithin(child, 60, &status);
    ASSERT_TRUE(reached) << "the split never reached picture 2";
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readFile(folder.path() + "/IMG_0001_001.JPG"), first);
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"IMG_0001.MPO", "IMG_0001_001.JPG"}))
        << "no file, hidden or not, for the picture whose copy was cut";
}

TEST(SplitCopy, AnEntryOf2GiBOrMoreIsPlannedWholeAndNotHandedBackInMemory)
{
    // Picture 2 holds 2.5 GiB of scan data, nearly all of it a hole of the
    // file: its recorded size is corrected to the end of the file.
    ScratchFolder folder;
    Bytes opening = fakeJpeg(2, 64);
    opening.resize(opening.size() - 2);  // its EOI comes at the end of the file
    MPOBuilder builder = stereoLike(2);
    builder.pictures[1].jpeg = opening;
    const BuiltMPO mpo = builder.build();
    const std::string path = folder.write("IMG_0001.MPO", mpo.bytes);
    constexpr std::uint64_t largeSize = (std::uint64_t{5} << 29);  // 2.5 GiB
    const std::uint64_t end = mpo.starts[1] + largeSize;
    {
        const int fd = open(path.c_str(), O_WRONLY);
        ASSERT_EQ(pwrite(fd, "\xFF\xD9", 2, off_t(end - 2)), 2);
        close(fd);
    }
    std::vector<MPOListedEntry> entries;
    int count = 0, representative = 0;
    ASSERT_EQ(listMPOEntries(path.c_str(), entries, &count, &representative), 0);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].entry.Size, largeSize);

    // The copy is planned over the whole entry (copying 2.5 GiB is left out).
    const int in = open(path.c_str(), O_RDONLY);
    FileWindow picture(in, entries[1].start, largeSize);
    const std::int64_t pictureEnd = findLastEOI(picture, std::int64_t(largeSize));
    std::vector<PicturePiece> pieces;
    EXPECT_EQ(pictureEnd, std::int64_t(largeSize));
    EXPECT_TRUE(planWithoutMPSegment(picture, pictureEnd, pieces));
    EXPECT_EQ(pieces.back().count, std::int64_t(largeSize) - 9);  // from SOS to the end
    close(in);
    const EngineRun handed = runEngine(path, MPO_LOAD_ONE, 2);
    EXPECT_EQ(handed.result, MPO_UNREACHABLE);
    EXPECT_EQ(handed.cause, MPOCause::PictureTooLarge);
}

