#include "picture_copy.h"

#include <fcntl.h>

#include <cstdio>
#include <vector>

#include "file_copy.h"
#include "file_window.h"
#include "picture_plan.h"
#include "trace_output.h"

namespace {

// Pieces up to this size (any header segment) are gathered and written
// together; larger ones (the scan data) are copied file to file.
constexpr int gatheredPieceLimit = 1 << 17;

// Header pieces waiting to be written in one go.
class GatheredBytes {
public:
    explicit GatheredBytes(int out) : out_(out) {}

    bool add(FileWindow &picture, const PicturePiece &piece)
    {
        if (bytes_.size() + std::size_t(piece.count) > limit && !flush())
            return false;
        const std::size_t at = bytes_.size();
        bytes_.resize(at + std::size_t(piece.count));
        return picture.read(std::uint64_t(piece.offset), bytes_.data() + at, std::size_t(piece.count));
    }
    bool flush()
    {
        const bool written = writeFully(out_, bytes_.data(), bytes_.size()) == 0;
        bytes_.clear();
        return written;
    }

private:
    static constexpr std::size_t limit = std::size_t{1} << 18;
    int out_;
    std::vector<unsigned char> bytes_;
};

// Asks the file system for the picture's blocks at once, which spares it
// finding room piece by piece as the copy grows the file; where it cannot,
// the copy goes on without.
void reserveRoom(int out, const std::vector<PicturePiece> &pieces)
{
    off_t total = 0;
    for (const PicturePiece &piece : pieces)
        total += piece.count;
    fallocate(out, FALLOC_FL_KEEP_SIZE, 0, total);
}

}  // namespace

std::int64_t copywoAPP2(int in, std::uint64_t start, std::uint64_t size, int out)
{
    FileWindow picture(in, start, size);
    const std::int64_t end = findLastEOI(picture, std::int64_t(size));
    if (end < 0)
        return picture.readFailed() ? COPY_READ_FAILED : COPY_NOT_A_PICTURE;
    if (std::uint64_t(end) != size)
        tracef("Resize %lld -> %lld\n", static_cast<long long>(size), static_cast<long long>(end));
    std::vector<PicturePiece> pieces;
    if (!planWithoutMPSegment(picture, end, pieces))
        return picture.readFailed() ? COPY_READ_FAILED : COPY_NOT_A_PICTURE;
    reserveRoom(out, pieces);
    GatheredBytes gathered(out);
    for (const PicturePiece &piece : pieces) {
        if (piece.count <= gatheredPieceLimit) {
            if (!gathered.add(picture, piece))
                return picture.readFailed() ? COPY_READ_FAILED : COPY_FAILED;
            continue;
        }
        if (!gathered.flush() || copyFileRange(in, start + std::uint64_t(piece.offset), std::uint64_t(piece.count), out) != 0)
            return COPY_FAILED;
    }
    return gathered.flush() ? pieces.back().count : COPY_FAILED;
}
