// Rebuilds a multi-picture file's MP index from the pictures it holds.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file_window.h"
#include "gain_map.h"
#include "mpo_check.h"
#include "picture_walk.h"
#include "recorded_index.h"

namespace {

// The type the old index gave the pictures after the first, where it gave
// one a joined file can have; else a stereo pair's.
std::uint32_t typeOf(const RecordedIndex &index)
{
    for (std::size_t i = 1; i < index.entries.size(); ++i) {
        const std::uint32_t type = index.entries[i].attribute & 0x00FFFFFF;
        if (type == MP_TYPE_PANORAMA || type == MP_TYPE_DISPARITY || type == MP_TYPE_MULTI_ANGLE)
            return type;
    }
    return MP_TYPE_DISPARITY;
}

// The file is left alone: `reason` follows its name.
int refuse(MPOJoinProblem &problem, std::string reason)
{
    problem.input = -1;
    problem.reason = std::move(reason);
    return MPO_JOIN_INPUT_REFUSED;
}

struct OpenFile {
    int fd = -1;
    ~OpenFile()
    {
        if (fd >= 0)
            close(fd);
    }
};

}  // namespace

int repairMPO(const std::string &path, const std::string &output, MPOJoinProblem &problem, int &pictures)
{
    pictures = 0;
    OpenFile file{open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)  /* a pipe is refused, not waited on */};
    struct stat status {};
    if (file.fd < 0 || fstat(file.fd, &status) != 0)
        return refuse(problem, std::string("cannot be opened: ") + std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return refuse(problem, "is not a regular file");
    const std::uint64_t size = std::uint64_t(status.st_size);
    std::vector<WalkedPicture> found = findPictures(file.fd, size, MPO_JOIN_MOST_PICTURES);
    if (!found.empty() && found.back().whole())
        pictures = int(found.size());
    if (std::string obstacle = rebuildObstacle(found); !obstacle.empty())
        return refuse(problem, std::move(obstacle));
    std::vector<std::vector<unsigned char>> bytes(found.size());
    std::vector<std::span<const unsigned char>> spans;
    for (std::size_t i = 0; i < found.size(); ++i) {
        bytes[i].resize(std::size_t(found[i].end - found[i].start));
        if (!readExactly(file.fd, found[i].start, bytes[i].data(), bytes[i].size()))
            return refuse(problem, "cannot be read");
        if (i > 0 && marksGainMap(bytes[i].data(), bytes[i].size()))
            return refuse(problem, "holds an HDR gain map, whose index the repair does not rebuild");
        spans.emplace_back(bytes[i]);
    }
    const RecordedIndex index = readRecordedIndex(file.fd, size);
    MPOJoinSettings settings;
    settings.type = typeOf(index);
    settings.littleEndian = index.littleEndian;
    settings.firstOfMultiPicture = true;  // the pictures bring their old MP segments, which are left out
    return joinMPO(spans, output, settings, problem);
}
