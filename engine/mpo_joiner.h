// Makes an MPO file from complete JPEG pictures, losslessly: each picture's
// segments and data are copied byte for byte, with the first picture's Exif
// APP1 followed by an APP2 MP segment that indexes them all, in the camera
// layout the strict reading accepts. The file is written whole or not at
// all, and never in place of another.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "mpo.h"

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
    int writeError = 0;  // the errno of a failed write of the output (EEXIST: its name is taken)
    // Each picture's width and height as its frame header gives them (0, 0
    // for none), also when the file was written: pictures of a pair that
    // differ in size are joined as given, but a viewer cannot show them as one.
    std::vector<std::pair<int, int>> sizes;
};

// Returns MPO_JOIN_DONE or a result code MPO_JOIN_... of engine/mpo.h.
int joinMPO(const std::vector<std::string> &inputs, const std::string &output, const MPOJoinSettings &settings,
            MPOJoinProblem &problem);
// The same for pictures held in memory, each a complete JPEG picture; no
// file is written but the output.
int joinMPO(const std::vector<std::span<const unsigned char>> &pictures, const std::string &output,
            const MPOJoinSettings &settings, MPOJoinProblem &problem);
