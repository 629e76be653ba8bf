// JPS and PNS files: one picture (JPEG or PNG) that holds a stereo pair side
// by side, by the format's convention for crossed eyes: the right eye's
// picture on the left half, the left eye's on the right. The halves are cut
// apart once and held as JPEG pictures of quality 100 without chroma
// subsampling, each with the file's Exif, so that everything that takes the
// pictures of an MPO pair takes them too.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/mpo.h"

namespace stereo {

enum class SideBySideKind { Jps, Pns };

// The kind a file's name says (.jps or .pns, in any case), if any.
std::optional<SideBySideKind> sideBySideKindOf(const std::string &path);

// Why a side-by-side file cannot be shown at all.
enum class SideBySideFault { None, CannotOpen, NotAFile, Empty, NotJpeg, NotPng, TooLarge, TooNarrow };
// In words that follow the file's name ("is empty"), and the id a
// translation is found by; "" for None.
MPOText faultText(SideBySideFault fault);

inline constexpr const char *oddWidthText = "has an odd width, so its halves cannot be a pair";

struct SideBySidePair {
    SideBySideFault fault = SideBySideFault::None;
    bool oddWidth = false;  // its picture is no pair, and is shown flat
    std::vector<unsigned char> left, right;  // the pair, when it is one
    std::vector<unsigned char> whole;        // the whole picture as JPEG, when it is none

    // Why it is no pair, in words that follow the file's name; "" for a pair.
    std::string problem() const
    {
        return fault != SideBySideFault::None ? faultText(fault).text : oddWidth ? oddWidthText : "";
    }
};

// Cuts the picture in `bytes` (the file's contents) into its pair.
SideBySidePair readSideBySide(const unsigned char *bytes, std::size_t size, SideBySideKind kind);

// The bytes of the file at `path`, which must be a regular file.
SideBySideFault readPictureFile(const std::string &path, std::vector<unsigned char> &bytes);

// Reads the file at `path` and cuts it.
SideBySidePair readSideBySideFile(const std::string &path, SideBySideKind kind);

}  // namespace stereo
