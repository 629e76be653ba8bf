// Makes an MPO file from complete JPEG pictures, losslessly: each picture's
// segments and data are copied byte for byte, with the first picture's Exif
// APP1 followed by an APP2 MP segment that indexes them all, in the camera
// layout the strict reading accepts. The file is written whole or not at
// all, and never in place of another.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// MP types a joined file can have (the low 24 bits of an entry's attribute).
inline constexpr std::uint32_t MP_TYPE_PANORAMA = 0x020001;
inline constexpr std::uint32_t MP_TYPE_DISPARITY = 0x020002;
inline constexpr std::uint32_t MP_TYPE_MULTI_ANGLE = 0x020003;

inline constexpr int MPO_JOIN_MOST_PICTURES = 1000;

struct MPOJoinSettings {
    std::uint32_t type = MP_TYPE_DISPARITY;
    bool littleEndian = false;        // the MP index's byte order; big-endian by default
    bool firstOfMultiPicture = false;  // take the first picture of an input that is itself an MPO file
};

// What stopped a join: which input (from 0; -1 for none) and why, in words
// that follow the input's name.
struct MPOJoinProblem {
    int input = -1;
    std::string reason;
};

// Result codes of joinMPO.
enum : int {
    MPO_JOIN_DONE = 0,
    MPO_JOIN_INPUT_REFUSED = -30,  // an input cannot be read or is no complete JPEG picture
    MPO_JOIN_TOO_LARGE = -31,      // more than the MP index's 32-bit offsets reach, or too many pictures
    MPO_JOIN_WRITE_FAILED = -32,   // the output cannot be written (its name is taken, the disk is full...)
};

int joinMPO(const std::vector<std::string> &inputs, const std::string &output, const MPOJoinSettings &settings,
            MPOJoinProblem &problem);
