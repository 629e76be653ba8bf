#include "exif.h"

#include <cstring>
#include <mutex>

#include <exiv2/exiv2.hpp>

namespace imaging {

namespace {

constexpr char exifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr std::size_t largestApp1Payload = 65533;

// Exiv2 logs a warning for every odd block; the pictures are the user's
// own and the viewer shows them anyway.
void muteExiv2()
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
}

}  // namespace

bool isExifPayload(const unsigned char *app1Payload, std::size_t size)
{
    return size > sizeof exifHeader && std::memcmp(app1Payload, exifHeader, sizeof exifHeader) == 0;
}

int exifOrientation(const unsigned char *app1Payload, std::size_t size)
{
    if (!isExifPayload(app1Payload, size))
        return 1;
    muteExiv2();
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, app1Payload + sizeof exifHeader,
                                  static_cast<uint32_t>(size - sizeof exifHeader));
        const auto tag = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
        if (tag == exif.end() || tag->count() == 0)
            return 1;
        const long value = tag->toLong();
        return value >= 1 && value <= 8 ? int(value) : 1;
    } catch (...) {  // Exiv2 throws on blocks it cannot read: show the picture as stored
        return 1;
    }
}

std::vector<unsigned char> exifForNewPicture(const std::vector<unsigned char> &app1Payload, PixelSize size)
{
    if (!isExifPayload(app1Payload.data(), app1Payload.size()))
        return {};
    muteExiv2();
    try {
        Exiv2::ExifData exif;
        const Exiv2::ByteOrder order = Exiv2::ExifParser::decode(
            exif, app1Payload.data() + sizeof exifHeader, static_cast<uint32_t>(app1Payload.size() - sizeof exifHeader));
        exif["Exif.Image.Orientation"] = uint16_t(1);
        for (const char *key : {"Exif.Photo.PixelXDimension", "Exif.Photo.PixelYDimension"})
            if (exif.findKey(Exiv2::ExifKey(key)) != exif.end())
                exif[key] = uint32_t(std::strcmp(key, "Exif.Photo.PixelXDimension") == 0 ? size.width : size.height);
        Exiv2::Blob blob;
        Exiv2::ExifParser::encode(blob, order, exif);
        if (blob.empty() || blob.size() + sizeof exifHeader > largestApp1Payload)
            return {};
        std::vector<unsigned char> payload(exifHeader, exifHeader + sizeof exifHeader);
        payload.insert(payload.end(), blob.begin(), blob.end());
        return payload;
    } catch (...) {  // a block Exiv2 cannot read is left out rather than copied damaged
        return {};
    }
}

std::string exifDateTaken(const std::vector<unsigned char> &app1Payload)
{
    if (!isExifPayload(app1Payload.data(), app1Payload.size()))
        return "";
    muteExiv2();
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, app1Payload.data() + sizeof exifHeader,
                                  static_cast<uint32_t>(app1Payload.size() - sizeof exifHeader));
        for (const char *key : {"Exif.Photo.DateTimeOriginal", "Exif.Image.DateTime"}) {
            const auto tag = exif.findKey(Exiv2::ExifKey(key));
            if (tag != exif.end() && tag->count() > 0 && tag->toString().size() >= 19)
                return tag->toString().substr(0, 19);
        }
    } catch (...) {  // a block Exiv2 cannot read gives no date
    }
    return "";
}

std::vector<unsigned char> exifThumbnail(const std::vector<unsigned char> &app1Payload)
{
    if (!isExifPayload(app1Payload.data(), app1Payload.size()))
        return {};
    muteExiv2();
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, app1Payload.data() + sizeof exifHeader,
                                  static_cast<uint32_t>(app1Payload.size() - sizeof exifHeader));
        const Exiv2::DataBuf thumbnail = Exiv2::ExifThumbC(exif).copy();
        if (thumbnail.pData_ != nullptr && thumbnail.size_ > 0)
            return {thumbnail.pData_, thumbnail.pData_ + thumbnail.size_};
    } catch (...) {  // a block Exiv2 cannot read gives no thumbnail
    }
    return {};
}

std::vector<unsigned char> cameraExif(const CameraFacts &facts)
{
    muteExiv2();
    try {
        Exiv2::ExifData exif;
        exif["Exif.Image.Make"] = facts.make;
        exif["Exif.Image.Model"] = facts.model;
        exif["Exif.Image.XResolution"] = Exiv2::URational(72, 1);
        exif["Exif.Image.YResolution"] = Exiv2::URational(72, 1);
        exif["Exif.Image.ResolutionUnit"] = uint16_t(2);  // inches
        exif["Exif.Image.YCbCrPositioning"] = uint16_t(2);  // co-sited
        if (!facts.dateTaken.empty()) {
            exif["Exif.Image.DateTime"] = facts.dateTaken;
            exif["Exif.Photo.DateTimeOriginal"] = facts.dateTaken;
            exif["Exif.Photo.DateTimeDigitized"] = facts.dateTaken;
        }
        Exiv2::DataValue version(Exiv2::undefined);
        version.read(reinterpret_cast<const Exiv2::byte *>("0220"), 4);
        exif["Exif.Photo.ExifVersion"] = version;
        exif["Exif.Photo.ColorSpace"] = uint16_t(1);  // sRGB
        exif["Exif.Photo.PixelXDimension"] = uint32_t(facts.size.width);
        exif["Exif.Photo.PixelYDimension"] = uint32_t(facts.size.height);
        if (!facts.thumbnail.empty()) {
            Exiv2::ExifThumb thumb(exif);
            thumb.setJpegThumbnail(facts.thumbnail.data(), facts.thumbnail.size(), Exiv2::URational(72, 1),
                                   Exiv2::URational(72, 1), 2);
        }
        Exiv2::Blob blob;
        Exiv2::ExifParser::encode(blob, Exiv2::bigEndian, exif);
        if (blob.empty() || blob.size() + sizeof exifHeader > largestApp1Payload)
            return {};
        std::vector<unsigned char> payload(exifHeader, exifHeader + sizeof exifHeader);
        payload.insert(payload.end(), blob.begin(), blob.end());
        return payload;
    } catch (...) {
        return {};
    }
}

ExifBasics exifBasics(const unsigned char *app1Payload, std::size_t size)
{
    ExifBasics basics;
    if (!isExifPayload(app1Payload, size))
        return basics;
    muteExiv2();
    basics.state = ExifBasics::State::Damaged;
    try {
        Exiv2::ExifData exif;
        if (Exiv2::ExifParser::decode(exif, app1Payload + sizeof exifHeader,
                                      static_cast<uint32_t>(size - sizeof exifHeader)) == Exiv2::invalidByteOrder)
            return basics;
        for (const char *key : exifBasicKeys) {
            const auto tag = exif.findKey(Exiv2::ExifKey(key));
            if (tag != exif.end() && tag->count() > 0)
                basics.facts.emplace_back(key, tag->print(&exif));
        }
        basics.state = ExifBasics::State::Read;
    } catch (...) {  // Exiv2 throws on blocks it cannot read
        basics.facts.clear();
    }
    return basics;
}

}  // namespace imaging
