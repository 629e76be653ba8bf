// The header a picture gets in a joined MPO file: SOI, the Exif APP1 (for
// the first picture a minimal one if it has none), the APP2 MP segment,
// then the picture's other header segments as they were; and the MP
// segment's payloads, the MP Index IFD of the first picture and the MP
// Attribute IFD of each.
#pragma once

#include <cstdint>
#include <vector>

#include "jpeg_layout.h"
#include "mpo_joiner.h"

// The APP2 payload of picture 1: the MP Index IFD with an entry for each
// picture, then picture 1's MP Attribute IFD.
std::vector<unsigned char> indexPayload(const std::vector<std::uint32_t> &sizes,
                                        const std::vector<std::uint32_t> &offsets, const MPOJoinSettings &settings);
// The APP2 payload of picture `number` (from 2): its MP Attribute IFD.
std::vector<unsigned char> attributePayload(int number, const MPOJoinSettings &settings);
// An Exif block with an empty IFD0, for a first picture that has none: the
// MP segment must follow an Exif APP1.
std::vector<unsigned char> minimalExifSegment(bool littleEndian);
// The picture's Exif APP1 segment, or null.
const JpegSegment *exifOf(const JpegLayout &layout);
// The header the picture of `layout` gets, with `app2` as its MP segment's
// payload; picture 1 loses a JFIF APP0, which would stand between SOI and
// APP1, and every picture its old MP segment.
std::vector<unsigned char> rewrittenHeader(const JpegLayout &layout, bool first, const std::vector<unsigned char> &app2,
                                           bool littleEndian);
