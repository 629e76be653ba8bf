// The MP Attribute IFD of one picture: what a stereo or multi-angle camera
// records about where the picture was taken from. The first picture keeps it
// behind the MP Index IFD in its "MPF" APP2 segment; the other pictures'
// segments hold it alone. Read silently, for display.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

struct MPAttributes {
    std::optional<std::uint32_t> individualNumber;  // the picture's own number in the series
    std::optional<std::uint32_t> baseViewpoint;     // the number of the picture taken from the base viewpoint
    std::optional<double> convergenceAngle;         // degrees
    std::optional<double> baselineLength;           // metres

    bool any() const { return individualNumber || baseViewpoint || convergenceAngle || baselineLength; }
};

// The attributes in the first "MPF" APP2 segment of the JPEG picture in
// `jpeg`; none for a picture without one, or where the bytes do not hold it.
MPAttributes readMPAttributes(const unsigned char *jpeg, std::size_t size);
