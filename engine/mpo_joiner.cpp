#include "mpo_joiner.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include "joined_header.h"
#include "jpeg_layout.h"
#include "new_file.h"

namespace {

// An input opened and its layout read; the file stays open while it lives.
struct OpenInput {
    int fd = -1;
    struct stat status {};
    JpegLayout layout;
    ~OpenInput()
    {
        if (fd >= 0)
            close(fd);
    }
};

// Examines the input open in `input.fd` and reads its layout.
std::string examineInput(const MPOJoinSettings &settings, OpenInput &input)
{
    if (fstat(input.fd, &input.status) != 0)
        return std::string("cannot be examined: ") + std::strerror(errno);
    if (S_ISDIR(input.status.st_mode))
        return "is a folder";
    if (!S_ISREG(input.status.st_mode))
        return "is not a regular file";
    const std::uint64_t size = std::uint64_t(input.status.st_size);
    if (std::string problem = readJpegLayout(input.fd, size, settings.firstOfMultiPicture, input.layout); !problem.empty())
        return problem;
    if (input.layout.multiPicture && !settings.firstOfMultiPicture)
        return "is itself a multi-picture file (ask for its first picture with --first)";
    return "";
}

std::string openInput(const std::string &path, const MPOJoinSettings &settings, OpenInput &input)
{
    input.fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)  /* a pipe is refused, not waited on */;
    if (input.fd < 0)
        return errno == ENOENT ? "cannot be found" : std::string("cannot be opened: ") + std::strerror(errno);
    return examineInput(settings, input);
}

// Opens input `i` (from 0) into `input`; returns "" or why it cannot be joined.
using InputOpener = std::function<std::string(std::size_t i, OpenInput &input)>;

// Files in memory that read as files do, for pictures held in memory.
struct MemoryFiles {
    std::vector<int> fds;
    ~MemoryFiles()
    {
        for (int fd : fds)
            close(fd);
    }
    // Returns 0, or the error that kept a picture from its file.
    int add(std::span<const unsigned char> bytes)
    {
        const int fd = memfd_create("mpo-join-input", MFD_CLOEXEC);
        if (fd < 0)
            return errno;
        fds.push_back(fd);
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
            if (written < 0 && errno != EINTR)
                return errno;
            done += written > 0 ? std::size_t(written) : 0;
        }
        return 0;
    }
};

// What the first pass learns of a picture: its size in the joined file.
struct PlannedPicture {
    std::uint64_t headerBytes = 0, dataBytes = 0;
    struct stat status {};
};

// The width and height in the picture's frame header (SOFn), or 0, 0.
std::pair<int, int> frameSize(const JpegLayout &layout)
{
    for (const JpegSegment &segment : layout.header) {
        const int marker = segment.marker();
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && segment.bytes.size() >= 9)
            return {segment.bytes[7] << 8 | segment.bytes[8], segment.bytes[5] << 8 | segment.bytes[6]};
    }
    return {0, 0};
}

int refuse(MPOJoinProblem &problem, int input, std::string reason, int code = MPO_JOIN_INPUT_REFUSED)
{
    problem.input = input;
    problem.reason = std::move(reason);
    return code;
}

int joinInputs(std::size_t count, const InputOpener &openInput, const std::string &output,
               const MPOJoinSettings &settings, MPOJoinProblem &problem)
{
    if (count < 2 || count > std::size_t(MPO_JOIN_MOST_PICTURES))
        return refuse(problem, -1, "an MPO file holds 2 to 1000 pictures", MPO_JOIN_TOO_LARGE);
    // First pass: every input is read and checked, and its size in the
    // joined file known, before anything is written. Only sizes are kept,
    // so memory does not grow with the pictures.
    const std::vector<std::uint32_t> zeros(count, 0);
    std::vector<PlannedPicture> planned(count);
    std::uint64_t mpBase = 0, total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        OpenInput input;
        if (std::string reason = openInput(i, input); !reason.empty())
            return refuse(problem, int(i), reason);
        const std::vector<unsigned char> app2 = i == 0 ? indexPayload(zeros, zeros, settings)
                                                       : attributePayload(int(i + 1), settings);
        planned[i] = {rewrittenHeader(input.layout, i == 0, app2, settings.littleEndian).size(),
                      input.layout.dataEnd - input.layout.dataAt, input.status};
        problem.sizes.push_back(frameSize(input.layout));
        if (i == 0) {
            const JpegSegment *exif = exifOf(input.layout);
            mpBase = 2 + (exif ? exif->bytes.size() : minimalExifSegment(settings.littleEndian).size()) + 4 + 4;
        }
        total += planned[i].headerBytes + planned[i].dataBytes;
    }
    if (total - mpBase > 0xFFFFFFFFu)
        return refuse(problem, -1, "the pictures are larger than an MPO file's 32-bit offsets reach (4 GiB)",
                      MPO_JOIN_TOO_LARGE);
    std::vector<std::uint32_t> sizes(count), offsets(count);
    for (std::uint64_t i = 0, start = 0; i < count; ++i) {
        sizes[i] = std::uint32_t(planned[i].headerBytes + planned[i].dataBytes);
        offsets[i] = i == 0 ? 0 : std::uint32_t(start - mpBase);
        start += sizes[i];
    }
    // Second pass: each picture's header rewritten and its data copied.
    NewFile file(output);
    for (std::size_t i = 0; i < count && file.error() == 0; ++i) {
        OpenInput input;
        if (std::string reason = openInput(i, input); !reason.empty())
            return refuse(problem, int(i), reason);
        const std::vector<unsigned char> app2 = i == 0 ? indexPayload(sizes, offsets, settings)
                                                       : attributePayload(int(i + 1), settings);
        const std::vector<unsigned char> header = rewrittenHeader(input.layout, i == 0, app2, settings.littleEndian);
        if (header.size() != planned[i].headerBytes || input.layout.dataEnd - input.layout.dataAt != planned[i].dataBytes ||
            input.status.st_mtim.tv_sec != planned[i].status.st_mtim.tv_sec ||
            input.status.st_mtim.tv_nsec != planned[i].status.st_mtim.tv_nsec)
            return refuse(problem, int(i), "changed while the pictures were joined");
        file.write(header.data(), header.size());
        file.copyFrom(input.fd, input.layout.dataAt, input.layout.dataEnd - input.layout.dataAt);
    }
    if (const int error = file.commit(); error != 0)
        return problem.writeError = error, refuse(problem, -1,
                      error == EEXIST ? output + " exists, and an existing file is never replaced"
                                      : "cannot write " + output + ": " + std::strerror(error),
                      MPO_JOIN_WRITE_FAILED);
    return MPO_JOIN_DONE;
}

}  // namespace

int joinMPO(const std::vector<std::string> &inputs, const std::string &output, const MPOJoinSettings &settings,
            MPOJoinProblem &problem)
{
    return joinInputs(
        inputs.size(), [&](std::size_t i, OpenInput &input) { return openInput(inputs[i], settings, input); }, output,
        settings, problem);
}

int joinMPO(const std::vector<std::span<const unsigned char>> &pictures, const std::string &output,
            const MPOJoinSettings &settings, MPOJoinProblem &problem)
{
    MemoryFiles files;
    for (std::size_t i = 0; i < pictures.size() && i < std::size_t(MPO_JOIN_MOST_PICTURES); ++i)
        if (const int error = files.add(pictures[i]); error != 0)
            return refuse(problem, int(i), std::string("cannot be held for the join: ") + std::strerror(error));
    return joinInputs(
        pictures.size(),
        [&](std::size_t i, OpenInput &input) {
            input.fd = dup(files.fds[i]);
            return input.fd < 0 ? std::string("cannot be read: ") + std::strerror(errno) : examineInput(settings, input);
        },
        output, settings, problem);
}
