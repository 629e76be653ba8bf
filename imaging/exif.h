// The Exif block of a JPEG picture (its APP1 payload: "Exif\0\0" and the
// TIFF data behind it), read and rewritten with Exiv2; nothing here parses
// Exif by hand.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "picture.h"

namespace imaging {

// Whether an APP1 payload starts as an Exif block does.
bool isExifPayload(const unsigned char *app1Payload, std::size_t size);

// The Exif Orientation tag (1 to 8); 1 (as stored) when the block is no
// Exif, is damaged or has no valid orientation.
int exifOrientation(const unsigned char *app1Payload, std::size_t size);

// The block rewritten for a new picture of `size` made from this one's
// upright pixels: orientation 1 and the new pixel size. Empty when the
// block cannot be read or would not fit in one APP1 segment.
std::vector<unsigned char> exifForNewPicture(const std::vector<unsigned char> &app1Payload, PixelSize size);

// The date the picture was taken as Exif writes it ("2014:03:02 13:30:00"):
// DateTimeOriginal, else DateTime; "" when the block gives none.
std::string exifDateTaken(const std::vector<unsigned char> &app1Payload);

// The JPEG thumbnail the block holds (IFD1, as cameras write a 160 x 120
// one); empty when it holds none or cannot be read.
std::vector<unsigned char> exifThumbnail(const std::vector<unsigned char> &app1Payload);

// What a camera writes of itself and of a picture it took.
struct CameraFacts {
    std::string make, model;
    std::string dateTaken;  // as Exif writes it; none when empty
    PixelSize size;
    std::vector<unsigned char> thumbnail;  // a small JPEG picture; none when empty
};
// A new big-endian Exif block (an APP1 payload) as cameras write one: make,
// model, resolution, dates, Exif version, colour space sRGB, pixel size, and
// the thumbnail. Empty when it would not fit in one APP1 segment.
std::vector<unsigned char> cameraExif(const CameraFacts &facts);

// The Exif facts a viewer shows of a picture, as Exiv2 prints them ("1/250 s",
// "F2.8"), each under its Exiv2 key (such as "Exif.Photo.ExposureTime").
struct ExifBasics {
    enum class State { Absent, Damaged, Read } state = State::Absent;
    std::vector<std::pair<std::string, std::string>> facts;  // in the order of exifBasicKeys
};
inline constexpr const char *exifBasicKeys[] = {
    "Exif.Image.Make",        "Exif.Image.Model",          "Exif.Photo.DateTimeOriginal",
    "Exif.Photo.ExposureTime", "Exif.Photo.FNumber",       "Exif.Photo.ISOSpeedRatings",
    "Exif.Photo.FocalLength", "Exif.Image.Orientation",
};
ExifBasics exifBasics(const unsigned char *app1Payload, std::size_t size);

}  // namespace imaging
