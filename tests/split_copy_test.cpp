// A split copies each picture from the MPO file into its own file without
// holding it in memory, in the kernel where the file systems allow it. What
// it writes is byte for byte what the in-memory writer makes of the same
// picture, whether the kernel copies, refuses the copy (as between two file
// systems) or copies nothing (as some file systems do).
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

#include "engine_test_support.h"

namespace {

enum class KernelCopy { Copies, Refuses, CopiesNothing };
KernelCopy kernelCopy = KernelCopy::Copies;
int bytesCopiedByKernel = 0;

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
    const auto copied = ssize_t(syscall(SYS_copy_file_range, from, fromAt, to, toAt, length, flags));
    bytesCopiedByKernel += int(std::max<ssize_t>(copied, 0));
    return copied;
}

namespace {

// The in-memory path: picture `number` handed back whole, then written by
// writewoAPP2.
Bytes writtenFromMemory(const std::string &path, int number)
{
    const Bytes picture = runEngine(path, MPO_LOAD_ONE, number).picture;
    std::FILE *out = std::tmpfile();
    testing::internal::CaptureStdout();
    EXPECT_GE(writewoAPP2(picture.data(), int(picture.size()), out), 0);
    testing::internal::GetCapturedStdout();
    Bytes written(std::size_t(std::ftell(out)));
    std::rewind(out);
    EXPECT_EQ(std::fread(written.data(), 1, written.size(), out), written.size());
    std::fclose(out);
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
