#include "console_pair.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <strings.h>

#include "imaging/exif.h"
#include "imaging/jpeg_encoder.h"
#include "imaging/resample.h"
#include "stereo_file.h"

namespace stereo {

namespace {

constexpr imaging::PixelSize thumbnailSize{160, 120};
constexpr int thumbnailQuality = 80;
constexpr int highestNumber = 9999;  // four digits

// The largest 4:3 part about the centre of a picture of `size`.
imaging::RgbPicture fourByThree(const imaging::RgbPicture &picture)
{
    const imaging::PixelSize size = picture.size;
    if (std::int64_t(size.width) * 3 > std::int64_t(size.height) * 4) {
        const int width = std::max(1, int(std::int64_t(size.height) * 4 / 3));
        return imaging::cropped(picture, (size.width - width) / 2, 0, {width, size.height});
    }
    const int height = std::max(1, int(std::int64_t(size.width) * 3 / 4));
    return imaging::cropped(picture, 0, (size.height - height) / 2, {size.width, height});
}

// One picture as the console's camera writes it.
bool encodeForConsole(const imaging::RgbPicture &picture, int quality, const std::string &dateTaken,
                      std::vector<unsigned char> &jpeg)
{
    imaging::CameraFacts facts{"Nintendo", "Nintendo 3DS", dateTaken, picture.size, {}};
    if (!imaging::encodeJpeg(imaging::resized(picture, thumbnailSize), {thumbnailQuality, {}, true, false},
                             facts.thumbnail))
        return false;
    const imaging::EncodeSettings settings{quality, imaging::cameraExif(facts), true, false};
    return !settings.exif.empty() && imaging::encodeJpeg(picture, settings, jpeg);
}

// The number of a name the console gives its pictures (HNI_0001.MPO or
// .JPG, in any case), or 0.
int consoleNumber(const std::string &name)
{
    if (name.size() != 12 || strncasecmp(name.c_str(), "HNI_", 4) != 0 ||
        (strcasecmp(name.c_str() + 8, ".MPO") != 0 && strcasecmp(name.c_str() + 8, ".JPG") != 0))
        return 0;
    int number = 0;
    for (std::size_t i = 4; i < 8; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return 0;
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

// The size to decode a picture of `full` size at: its 4:3 part at least the
// console's size, with room for what the alignment crops off.
imaging::PixelSize decodedForConsole(imaging::PixelSize full)
{
    constexpr double room = 1.25;
    const double needed = std::int64_t(full.width) * 3 > std::int64_t(full.height) * 4
                              ? double(consoleSize.height) / full.height
                              : double(consoleSize.width) / full.width;
    const double scale = std::min(1.0, needed * room);
    return {int(std::ceil(full.width * scale)), int(std::ceil(full.height * scale))};
}

Problem encodeConsolePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                              const Options &options, int quality, const std::string &dateTaken,
                              std::vector<unsigned char> (&jpegs)[2])
{
    PlacedPair placed;
    if (Problem problem = placePair(left, right, options, placed, decodedForConsole); !problem.empty())
        return problem;
    for (int side = 0; side < 2; ++side)
        if (!encodeForConsole(imaging::resized(fourByThree(placed.pictures[side]), consoleSize), quality, dateTaken,
                              jpegs[side]))
            return {"EncodePicturesNoMemory", "the pictures cannot be encoded (not enough memory)", {}};
    return {};
}

}  // namespace

Problem writeConsolePair(std::span<const unsigned char> left, std::span<const unsigned char> right,
                             const Options &options, int quality, const std::string &dateTaken,
                             const std::string &path)
{
    std::vector<unsigned char> jpegs[2];
    if (Problem problem = encodeConsolePair(left, right, options, quality, dateTaken, jpegs); !problem.empty())
        return problem;
    return writePair(jpegs, path);
}

Problem writeConsolePairInto(std::span<const unsigned char> left, std::span<const unsigned char> right,
                                 const Options &options, int quality, const std::string &dateTaken,
                                 const std::string &folder, std::string &written)
{
    namespace fs = std::filesystem;
    int highest = 0;
    std::error_code error;
    for (const auto &item : fs::directory_iterator(folder, error))
        highest = std::max(highest, consoleNumber(item.path().filename().string()));
    if (error)
        return {"ConsoleCannotList", "cannot list " + folder + ": " + error.message(), {folder, error.message()}};
    std::vector<unsigned char> jpegs[2];
    if (Problem problem = encodeConsolePair(left, right, options, quality, dateTaken, jpegs); !problem.empty())
        return problem;
    // A number another writer takes meanwhile passes to the next one.
    for (int number = highest + 1; number <= highestNumber; ++number) {
        char name[24];
        std::snprintf(name, sizeof name, "HNI_%04d.MPO", number);
        written = (fs::path(folder) / name).string();
        int writeError = 0;
        Problem problem = writePair(jpegs, written, &writeError);
        if (writeError != EEXIST)
            return problem;
    }
    return {"ConsoleNumbersUsed", folder + " holds HNI_9999 already, the console's last number", {folder}};
}

std::string dateTakenOf(std::span<const unsigned char> left, const std::string &path)
{
    const imaging::JpegHeader header = imaging::readJpegHeader(left.data(), left.size());
    if (std::string date = imaging::exifDateTaken(header.exif); !date.empty())
        return date;
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return "";
    std::tm local{};
    char date[20];
    localtime_r(&status.st_mtime, &local);
    return std::strftime(date, sizeof date, "%Y:%m:%d %H:%M:%S", &local) == 19 ? date : "";
}

}  // namespace stereo
