// HDR gain maps: phones store a photo and its gain map (a picture that tells
// an HDR display how much brighter each spot may be shown) as two pictures
// of one multi-picture file, in the same layout as a stereo pair. Such a
// file holds one photo, never a stereo pair.
#pragma once

#include <cstddef>

// Whether `picture`, a picture other than the first of a file, marks itself
// as an HDR gain map: an XMP packet in the Adobe/Google "hdrgm" namespace or
// Apple's gain map namespace or auxiliary type, or an ISO 21496-1 APP2
// segment. `ranOut`, when given, tells whether the picture's header
// segments go on past the `size` bytes given.
bool marksGainMap(const unsigned char *picture, std::size_t size, bool *ranOut = nullptr);

// The position among the file's pictures (0 for the first) of the gain map
// that the first picture's XMP container directory lists (an item whose
// semantic is "GainMap"), or -1 when it lists none.
int listedGainMapItem(const unsigned char *first, std::size_t size);

// Whether the pair `left`, `right` (pictures next to each other) is a photo
// and its gain map rather than a stereo pair. `rightPosition` is the right
// picture's position among the file's pictures, 0 for the first.
bool isPhotoAndGainMap(const unsigned char *left, std::size_t leftSize, const unsigned char *right,
                       std::size_t rightSize, int rightPosition);
