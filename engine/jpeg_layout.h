// The layout of one JPEG picture in a file, as the joiner needs it: the
// header segments between SOI and the first SOS (held in memory, they are
// what gets rewritten), and where the picture data from that SOS ends. The
// data itself stays in the file and is never read whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class FileWindow;

struct JpegSegment {
    std::vector<unsigned char> bytes;  // the whole segment: FF, marker, length and payload

    unsigned char marker() const { return bytes[1]; }
    // Whether the payload starts with `id` (a signature such as "Exif\0\0").
    bool carries(const char *id, std::size_t length) const;
};

struct JpegLayout {
    std::vector<JpegSegment> header;  // the segments between SOI and SOS, in file order
    std::uint64_t dataAt = 0;         // file position of the first SOS
    std::uint64_t dataEnd = 0;        // just past the EOI that ends the picture
    bool multiPicture = false;        // a segment says the file holds several pictures (APP2 "MPF")
};

// Reads the layout of the JPEG picture in the open file `fd` of `size`
// bytes. The picture ends at the file's last EOI, or, in a multi-picture
// file with `firstPictureOnly`, at the EOI that ends the first picture's
// scans.
// Returns "" or why the file is no complete JPEG picture.
std::string readJpegLayout(int fd, std::uint64_t size, bool firstPictureOnly, JpegLayout &layout);

// Just past the EOI that ends the scans starting at the SOS at `sosAt`:
// marker segments are skipped by their lengths, and in the scan data FF is
// followed only by 00, a restart marker or fill. 0 if there is none.
std::uint64_t scansEnd(FileWindow &file, std::uint64_t sosAt);
