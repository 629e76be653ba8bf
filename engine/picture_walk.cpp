#include "picture_walk.h"

#include "file_window.h"
#include "jpeg_layout.h"
#include "segment_walk.h"

WalkedPicture walkPicture(int fd, std::uint64_t fileSize, std::uint64_t start)
{
    WalkedPicture picture;
    picture.start = start;
    if (start >= fileSize)
        return picture;
    FileWindow file(fd, start, fileSize - start);
    picture.beginsWithSoi = file.byteAt(0) == SOI[0] && file.byteAt(1) == SOI[1];
    if (!picture.beginsWithSoi)
        return picture;
    const WalkResult walk = walkSegments(
        file, file.size(),
        [&](const MarkerSegment &segment) {
            picture.hasMPSegment = picture.hasMPSegment || isMPSegment(file, segment);
            return false;
        },
        true);
    if (walk.end != WalkEnd::ScanData)
        return picture;
    if (const std::uint64_t end = scansEnd(file, walk.segment.at); end != 0)
        picture.end = start + end;
    return picture;
}

namespace {

// The position of the next FF D8 FF (an SOI and the marker behind it) at or
// after `from`, or `fileSize` when there is none.
std::uint64_t nextSoi(int fd, std::uint64_t fileSize, std::uint64_t from)
{
    FileWindow file(fd, 0, fileSize);
    for (std::uint64_t at = from; at + 3 <= fileSize; ++at)
        if (file.byteAt(at) == 0xFF && file.byteAt(at + 1) == SOI[1] && file.byteAt(at + 2) == 0xFF)
            return at;
    return fileSize;
}

}  // namespace

std::vector<WalkedPicture> findPictures(int fd, std::uint64_t fileSize, std::size_t mostPictures)
{
    std::vector<WalkedPicture> pictures;
    for (std::uint64_t start = 0; start < fileSize && pictures.size() < mostPictures;) {
        pictures.push_back(walkPicture(fd, fileSize, start));
        if (!pictures.back().whole())
            break;
        start = nextSoi(fd, fileSize, pictures.back().end);
    }
    return pictures;
}

std::string rebuildObstacle(const std::vector<WalkedPicture> &found)
{
    if (found.empty() || !found.front().whole())
        return "holds no picture that can be found (it does not begin with a whole JPEG picture)";
    if (!found.back().whole())
        return "has a picture " + std::to_string(found.size()) + " that is cut short or damaged (no EOI ends it)";
    if (found.size() < 2)
        return "holds one whole picture only, so there is no index to rebuild";
    return {};
}
