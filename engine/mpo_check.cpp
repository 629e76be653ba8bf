#include "mpo_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <numeric>

#include "file_window.h"
#include "gain_map.h"
#include "picture_walk.h"
#include "recorded_index.h"

namespace {

constexpr std::uint32_t typeMask = 0x00FFFFFF;

class Findings {
public:
    void problem(std::string text) { problems_.push_back({MPOFinding::Kind::Problem, std::move(text)}); }
    void note(std::string text) { notes_.push_back({MPOFinding::Kind::Note, std::move(text)}); }
    MPOCheck result()
    {
        MPOCheck check{std::move(problems_), 0, {}};
        check.findings.insert(check.findings.end(), notes_.begin(), notes_.end());
        return check;
    }

private:
    std::vector<MPOFinding> problems_, notes_;
};

std::string numbersText(const std::vector<int> &numbers)
{
    std::string text = numbers.size() == 1 ? "picture " : "pictures ";
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i == 0 ? "" : i + 1 == numbers.size() ? " and " : ", ") + std::to_string(numbers[i]);
    return text;
}

std::string counted(std::uint64_t count, const char *one, const char *more)
{
    return std::to_string(count) + " " + (count == 1 ? one : more);
}

std::string pictures(std::uint64_t count)
{
    return counted(count, "picture", "pictures");
}

void checkIndexFields(const RecordedIndex &index, Findings &findings)
{
    if (!index.strictPlace)
        findings.note("the MP segment stands behind other header segments (strict readers look right behind Exif)");
    if (!index.hasNumber)
        return findings.problem("the MP index gives no number of pictures");
    const std::uint32_t count = index.numberOfImages;
    if (!index.hasEntryField)
        return findings.problem("the MP index has no MP Entry field for its " + pictures(count));
    if (index.entryFieldBytes != 16 * std::uint64_t(count))
        findings.problem("the MP index counts " + pictures(count) + ", but its MP Entry field holds " +
                         counted(index.entryFieldBytes / 16, "entry", "entries") +
                         (index.entryFieldBytes % 16 != 0 ? " and a part of one" : ""));
    else if (!index.entriesInSegment)
        findings.problem("the MP index counts " + pictures(count) +
                         ", but their entries run past the end of the MP segment");
    else if (index.entryFieldOffset != index.entriesFollowAt)
        findings.problem("the MP entries do not stand where the index says they do");
    else if (count < 2)
        findings.note("the MP index lists " + pictures(count));
}

// What each picture the index lists holds, walked by its markers.
std::vector<WalkedPicture> checkPictures(int fd, std::uint64_t size, const RecordedIndex &index, Findings &findings)
{
    std::vector<WalkedPicture> walked;
    std::vector<int> withoutSegment, undefined;
    // Entries that share a start are walked, and looked at for a gain map, once.
    std::map<std::uint64_t, WalkedPicture> walks;
    std::map<std::uint64_t, bool> gainMaps;
    for (std::size_t i = 0; i < index.entries.size(); ++i) {
        const MPEntry &entry = index.entries[i];
        const int number = int(i + 1);
        const std::string name = "picture " + std::to_string(number);
        const std::uint64_t start = index.startOf(entry);
        if (walks.count(start) == 0)
            walks[start] = walkPicture(fd, size, start);
        walked.push_back(walks[start]);
        const WalkedPicture &picture = walked.back();
        if (start >= size) {
            findings.problem(name + " starts outside the file (at byte " + std::to_string(start) + " of " +
                             std::to_string(size) + ")");
            continue;
        }
        if (start + entry.Size > size)
            findings.problem(name + "'s size runs past the end of the file (" + std::to_string(entry.Size) +
                             " bytes from byte " + std::to_string(start) + " of " + std::to_string(size) + ")");
        if ((entry.attribute & typeMask) == 0)
            undefined.push_back(number);
        if (!picture.beginsWithSoi) {
            findings.problem(name + " does not begin with SOI");
            continue;
        }
        if (picture.end == 0) {
            findings.problem(name + " does not end at an EOI (it is cut short or damaged)");
            continue;
        }
        if (i > 0 && !picture.hasMPSegment) {
            if (gainMaps.count(start) == 0) {
                std::vector<unsigned char> bytes(std::size_t(picture.end - start));
                gainMaps[start] =
                    readExactly(fd, start, bytes.data(), bytes.size()) && marksGainMap(bytes.data(), bytes.size());
            }
            if (gainMaps[start])
                findings.note(name + " is an HDR gain map of picture 1");
            else
                withoutSegment.push_back(number);
        }
    }
    if (!withoutSegment.empty())
        findings.problem(numbersText(withoutSegment) + (withoutSegment.size() == 1 ? " has" : " have") +
                         " no MP segment of " + (withoutSegment.size() == 1 ? "its" : "their") + " own");
    if (!undefined.empty())
        findings.note(numbersText(undefined) + (undefined.size() == 1 ? " is" : " are") + " typed \"undefined\"");
    return walked;
}

// Pictures listed out of file order, pictures that overlap, and sizes the
// reading corrects (one that ends before the picture's EOI, or reaches into
// the next picture).
void checkPlaces(std::uint64_t size, const RecordedIndex &index, const std::vector<WalkedPicture> &walked,
                 Findings &findings)
{
    for (std::size_t i = 1; i < walked.size(); ++i)
        if (walked[i].start < walked[i - 1].start)
            findings.problem("picture " + std::to_string(i + 1) + " starts before picture " + std::to_string(i) +
                             ", which the index lists first");
    std::vector<std::size_t> order(walked.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return walked[a].start < walked[b].start; });
    for (std::size_t k = 0; k < order.size(); ++k) {
        const WalkedPicture &picture = walked[order[k]];
        const std::uint64_t next = k + 1 < order.size() ? walked[order[k + 1]].start : size;
        const std::string name = "picture " + std::to_string(order[k] + 1);
        if (picture.start >= size)
            continue;
        if (k + 1 < order.size() && (next == picture.start || (picture.whole() && picture.end > next))) {
            findings.problem("pictures " + std::to_string(std::min(order[k], order[k + 1]) + 1) + " and " +
                             std::to_string(std::max(order[k], order[k + 1]) + 1) + " overlap");
            continue;
        }
        const std::uint32_t recorded = index.entries[order[k]].Size;
        if (picture.whole() && picture.start + recorded <= size &&
            (recorded < picture.end - picture.start || picture.start + recorded > next))
            findings.note(name + "'s recorded size is " + std::to_string(recorded) + " bytes, but its data takes " +
                          std::to_string(picture.end - picture.start) + " (the reading corrects it)");
    }
}

}  // namespace

MPOCheck checkMPO(const std::string &path)
{
    Findings findings;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)  /* a pipe is refused, not waited on */;
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        findings.problem(fd < 0 ? std::string("cannot be opened: ") + std::strerror(errno) : "is not a regular file");
        if (fd >= 0)
            close(fd);
        return findings.result();
    }
    const std::uint64_t size = std::uint64_t(status.st_size);
    const RecordedIndex index = readRecordedIndex(fd, size);
    if (size == 0)
        findings.problem("is empty");
    else if (!walkPicture(fd, size, 0).beginsWithSoi)
        findings.problem("is not a JPEG file (it does not begin with SOI)");
    else if (!index.hasSegment)
        findings.problem("has no MP index: a single JPEG picture, not a multi-picture file");
    else if (!index.damage.empty())
        findings.problem(index.damage);
    else {
        checkIndexFields(index, findings);
        checkPlaces(size, index, checkPictures(fd, size, index, findings), findings);
    }
    MPOCheck check = findings.result();
    if (check.hasProblem()) {
        const std::vector<WalkedPicture> found = findPictures(fd, size, MPO_JOIN_MOST_PICTURES);
        check.unrepairable = rebuildObstacle(found);
        if (check.unrepairable.empty())
            check.repairablePictures = int(found.size());
    }
    close(fd);
    return check;
}
