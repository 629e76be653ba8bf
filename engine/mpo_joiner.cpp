#include "mpo_joiner.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include "jpeg_layout.h"
#include "new_file.h"

namespace {

constexpr std::uint16_t typeLong = 4, typeUndefined = 7;
constexpr std::uint32_t representativeFlag = 1u << 29;
constexpr std::size_t mpHeaderBytes = 8;  // byte-order mark, 42, offset of the first IFD

// Bytes of a TIFF-style structure in the MP index's byte order.
class IfdBytes {
public:
    explicit IfdBytes(bool littleEndian) : little_(littleEndian) {}

    std::vector<unsigned char> bytes;

    void text(const char *characters, std::size_t count) { bytes.insert(bytes.end(), characters, characters + count); }
    void u16(std::uint32_t value) { put(value, 2); }
    void u32(std::uint32_t value) { put(value, 4); }
    // The mark, 42 and the offset of the first IFD (right behind).
    void header()
    {
        text(little_ ? "II" : "MM", 2);
        u16(42);
        u32(mpHeaderBytes);
    }
    // A 12-byte IFD entry whose value fits in place.
    void entry(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value)
    {
        u16(tag), u16(type), u32(count), u32(value);
    }
    void versionEntry()  // MP Format Version "0100"
    {
        u16(0xB000), u16(typeUndefined), u32(4), text("0100", 4);
    }
    // The MP Attribute IFD of picture `number` (from 1), ending the IFD chain.
    void attributeIfd(int number, std::uint32_t type)
    {
        const bool viewpoints = type == MP_TYPE_DISPARITY || type == MP_TYPE_MULTI_ANGLE;
        u16(viewpoints ? 3 : 2);
        versionEntry();
        entry(0xB101, typeLong, 1, std::uint32_t(number));  // MP Individual Image Number
        if (viewpoints)
            entry(0xB204, typeLong, 1, 1);  // Base Viewpoint Number: the first picture
        u32(0);
    }

private:
    void put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bytes.push_back(static_cast<unsigned char>(value >> 8 * (little_ ? i : count - 1 - i)));
    }
    bool little_;
};

std::vector<unsigned char> segmentOf(unsigned char marker, const std::vector<unsigned char> &payload)
{
    const std::size_t length = payload.size() + 2;
    std::vector<unsigned char> segment(2 + length);
    segment[0] = 0xFF, segment[1] = marker;
    segment[2] = static_cast<unsigned char>(length >> 8), segment[3] = static_cast<unsigned char>(length);
    std::copy(payload.begin(), payload.end(), segment.begin() + 4);
    return segment;
}

// The APP2 payload of picture 1: the MP Index IFD with an entry for each
// picture, then picture 1's MP Attribute IFD.
std::vector<unsigned char> indexPayload(const std::vector<std::uint32_t> &sizes,
                                        const std::vector<std::uint32_t> &offsets, const MPOJoinSettings &settings)
{
    const std::uint32_t count = std::uint32_t(sizes.size());
    constexpr std::uint32_t indexIfdBytes = 2 + 3 * 12 + 4;
    const std::uint32_t entriesAt = mpHeaderBytes + indexIfdBytes;
    IfdBytes ifd(settings.littleEndian);
    ifd.text("MPF", 4);  // with its terminating zero
    ifd.header();
    ifd.u16(3);
    ifd.versionEntry();
    ifd.entry(0xB001, typeLong, 1, count);                      // Number of Images
    ifd.entry(0xB002, typeUndefined, 16 * count, entriesAt);    // MP Entry
    ifd.u32(entriesAt + 16 * count);                            // the MP Attribute IFD follows the entries
    for (std::uint32_t i = 0; i < count; ++i) {
        ifd.u32(settings.type | (i == 0 ? representativeFlag : 0));
        ifd.u32(sizes[i]);
        ifd.u32(offsets[i]);
        ifd.u16(0), ifd.u16(0);  // no dependent pictures
    }
    ifd.attributeIfd(1, settings.type);
    return ifd.bytes;
}

std::vector<unsigned char> attributePayload(int number, const MPOJoinSettings &settings)
{
    IfdBytes ifd(settings.littleEndian);
    ifd.text("MPF", 4);
    ifd.header();
    ifd.attributeIfd(number, settings.type);
    return ifd.bytes;
}

// An Exif block with an empty IFD0, for a first picture that has none: the
// MP segment must follow an Exif APP1.
std::vector<unsigned char> minimalExifSegment(bool littleEndian)
{
    IfdBytes exif(littleEndian);
    exif.text("Exif\0", 6);
    exif.header();
    exif.u16(0);  // no tags
    exif.u32(0);  // no further IFD
    return segmentOf(APP1[1], exif.bytes);
}

const JpegSegment *exifOf(const JpegLayout &layout)
{
    for (const JpegSegment &segment : layout.header)
        if (segment.marker() == APP1[1] && segment.carries("Exif\0", 6))
            return &segment;
    return nullptr;
}

// SOI, the Exif APP1 (for picture 1, a minimal one if it has none), the MP
// APP2, then every other header segment as it was; picture 1 loses a JFIF
// APP0, which would stand between SOI and APP1, and every picture its old
// MP segment.
std::vector<unsigned char> rewrittenHeader(const JpegLayout &layout, bool first, const std::vector<unsigned char> &app2,
                                           bool littleEndian)
{
    std::vector<unsigned char> header = {SOI[0], SOI[1]};
    const JpegSegment *exif = exifOf(layout);
    const std::vector<unsigned char> exifBytes = exif ? exif->bytes : first ? minimalExifSegment(littleEndian)
                                                                          : std::vector<unsigned char>();
    header.insert(header.end(), exifBytes.begin(), exifBytes.end());
    const std::vector<unsigned char> mp = segmentOf(APP2[1], app2);
    header.insert(header.end(), mp.begin(), mp.end());
    for (const JpegSegment &segment : layout.header) {
        const bool left = &segment == exif || (segment.marker() == APP2[1] && segment.carries("MPF\0", 4)) ||
                          (first && segment.marker() == APP0[1] && segment.carries("JFIF\0", 5));
        if (!left)
            header.insert(header.end(), segment.bytes.begin(), segment.bytes.end());
    }
    return header;
}

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
    input.fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
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
        return refuse(problem, -1,
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
