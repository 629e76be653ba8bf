// How a JPS or PNS file lays out its pair, as its descriptor says: the JPS
// file's APP3 "_JPSJPS_" segment (VRex's stereoscopic descriptor) or the
// PNS file's sTER chunk (PNG's registered stereo chunk). A file without one
// is taken as both formats have it: side by side, crossed (the left eye's
// picture on the right half).
#pragma once

#include <cstddef>
#include <vector>

namespace stereo {

struct PairLayout {
    bool overUnder = false;  // one picture above the other, else side by side
    bool leftFirst = false;  // the left eye's picture on the left (or on top), else crossed
    bool squeezed = false;   // each picture at half its width side by side, half its height over/under

    bool operator==(const PairLayout &) const = default;
};

// The APP3 payload of a JPS file whose pair is laid out as `layout`.
std::vector<unsigned char> jpsDescriptor(const PairLayout &layout);
// Marks the PNG bytes of a PNS file as side by side, crossed (an sTER chunk).
void markCrossed(std::vector<unsigned char> &png);

// The layout a JPEG picture's JPS descriptor says, or a PNG picture's sTER
// chunk; crossed side by side without one, or with one that describes no
// stereo pair this program can cut (interleaved rows, an anaglyph, mono).
PairLayout jpsLayoutOf(const unsigned char *jpeg, std::size_t size);
PairLayout pnsLayoutOf(const unsigned char *png, std::size_t size);

}  // namespace stereo
