// The MPO engine: reads a Multi-Picture Format file (several JPEG pictures
// stored back to back, indexed by the first picture's APP2 "MPF" segment)
// and hands one picture back in memory or splits the file into JPEG files.
//
// Plain C++ over the C library and POSIX. Every routine reports failure by
// its return value and prints a running trace to standard output.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Progress report: called once per MP Entry with its position (from 1) and
// the number of entries.
typedef void (*MPOStatusCallback)(void *context, int num, int total);

// Result codes of chkMPOandSaved and listMPOEntries, and of joinMPO
// (engine/mpo_joiner.h). The values are part of the interface.
enum : int {
    MPO_DONE = 0,
    MPO_PATH_UNEXAMINED = -10,    // the path cannot be examined
    MPO_CANNOT_OPEN = -11,        // the file cannot be opened
    MPO_REFUSED = -12,            // the file's structure is refused
    MPO_NO_SUCH_PICTURE = -13,    // `selectNum` beyond the pictures in run mode 1
    MPO_WRITE_FAILED = -14,       // the save folder cannot be queried, or a write failed
    MPO_NO_ROOM = -15,            // not enough free space, or no output file
    MPO_UNREACHABLE = -20,        // a picture cannot be reached or held in memory
    MPO_JOIN_DONE = 0,
    MPO_JOIN_INPUT_REFUSED = -30,  // an input cannot be read or is no complete JPEG picture
    MPO_JOIN_TOO_LARGE = -31,      // more than the MP index's 32-bit offsets reach, or too many pictures
    MPO_JOIN_WRITE_FAILED = -32,   // the output cannot be written (its name is taken, the disk is full...)
};

// What lies behind a result code that covers several causes, for a message
// that names the right one; None where the code says it all.
enum class MPOCause : int {
    None,
    IndexOutsideFile,  // -12: an entry starts beyond the file's end, or before the one listed before it
    FolderUnusable,    // -14: the save folder does not exist or cannot be queried
    NotAPicture,       // -14: an entry's data does not begin a JPEG picture, or has no end
    CopyFailed,        // -14: reading the picture or writing its file failed
    DiskFull,          // -14: the disk filled up while a picture was written
    NotEnoughRoom,     // -15: the free space is less than the picture
    NoOutputFile,      // -15: no file can be created in the save folder
    StartsPastEnd,     // a split passes over a picture that starts where the file ends, or beyond
    PathTooLong,       // -11: the path is longer than the engine composes names in
    NameTooShort,      // -11: the file's name has fewer than four characters to take an extension off
    NotAFile,          // -11: the path names a folder, a device, a pipe or a socket
    ReadFailed,        // -11 or -14: the file system failed to read the file (an I/O error)
    NameTooLong,       // -15: a picture's name would be longer than the file system allows
    PictureTooLarge,   // -20: a picture to hand back in memory is 2 GiB or more (its size is an int)
    Empty,             // -12: the file holds no byte
    // (the last: the tests walk every cause up to it)
};

// Why `path` cannot be read as an input file, before anything opens it (a
// pipe would wait for a writer): PathTooLong, NotAFile, or None. A path
// that does not exist is None: opening it says so.
MPOCause inputFileCause(const char *path);

// Checks the file at `path`, reads its MP index and corrects the entries'
// sizes; then, by `mode`, hands one picture back (0), saves one picture (1)
// or saves every picture (2) into `saveFolder`. Returns MPO_DONE or one of
// the result codes above, from -10 to -20.
int chkMPOandSaved(const char *path, int *outCount, int *outIndex, int mode, int selectNum,
                   unsigned char **outBuffer, int *outSize, const char *saveFolder,
                   MPOStatusCallback callback, void *context);

// What a split wrote, and which pictures of the index it passed over.
struct MPOSplitReport {
    std::vector<std::string> written;  // the files this call wrote, as "FOLDER/NAME"
    struct Missed {
        int number;    // the picture's number
        MPOCause why;  // its text follows the file's name
    };
    std::vector<Missed> missed;
    int stoppedAt = 0;  // the picture whose failure ended the split, which none after it follows; 0 for none
};

// The same, and `cause` (when given) gets what lies behind a failure, and
// `report` (when given) what a split wrote and passed over.
int chkMPOandSavedExplained(const char *path, int *outCount, int *outIndex, int mode, int selectNum,
                            unsigned char **outBuffer, int *outSize, const char *saveFolder,
                            MPOStatusCallback callback, void *context, MPOCause *cause,
                            MPOSplitReport *report = nullptr);

// A short English text that follows a file's name and says what is wrong
// ("cannot be opened"), and the id the viewer translates it by.
struct MPOText {
    const char *id;
    const char *text;
};
// For a result code (an unknown one gets a general text).
MPOText mpoResultText(int result);
// For a cause; the result code's text for MPOCause::None.
MPOText mpoProblemText(int result, MPOCause cause);

// Run modes of chkMPOandSaved.
enum : int { MPO_LOAD_ONE = 0, MPO_SAVE_ONE = 1, MPO_SAVE_ALL = 2 };

// Longest path, and longest output name, the engine composes (terminator
// included).
inline constexpr int MPO_NAME_CAPACITY = 1024;

// ---- Marker and identifier table, compared byte for byte ----
inline constexpr unsigned char SOI[2] = {0xFF, 0xD8};
inline constexpr unsigned char APP0[2] = {0xFF, 0xE0};
inline constexpr unsigned char APP1[2] = {0xFF, 0xE1};
inline constexpr unsigned char APP2[2] = {0xFF, 0xE2};
inline constexpr unsigned char DQT[2] = {0xFF, 0xDB};
inline constexpr unsigned char DHT[2] = {0xFF, 0xC4};
inline constexpr unsigned char DRI[2] = {0xFF, 0xDD};
inline constexpr unsigned char SOF[2] = {0xFF, 0xC0};
inline constexpr unsigned char SOS[2] = {0xFF, 0xDA};
inline constexpr unsigned char EOI[2] = {0xFF, 0xD9};
inline constexpr unsigned char LittleEndian[4] = {0x49, 0x49, 0x2A, 0x00};  // "II*\0"
inline constexpr unsigned char BigEndian[4] = {0x4D, 0x4D, 0x00, 0x2A};     // "MM\0*"
inline constexpr unsigned char MPOIdCode[4] = {0x4D, 0x50, 0x46, 0x00};     // "MPF\0"

// ---- MP Index IFD ----
inline constexpr std::uint16_t MP_TAG_NUMBER_OF_IMAGES = 0xB001;

// One picture's record in the MP Index IFD, in host byte order once read.
struct MPEntry {
    std::uint32_t attribute;   // flags and picture type
    std::uint32_t Size;        // bytes of the picture
    std::uint32_t DataOffset;  // from the MP header; 0 means file position 0
    std::uint16_t Entry1;      // dependent image entry numbers
    std::uint16_t Entry2;
};
static_assert(sizeof(MPEntry) == 16, "an MP Entry is 16 bytes in the file");

// Attribute word flags (bit 31 is the most significant).
inline constexpr std::uint32_t MP_DEPENDENT_PARENT = 1u << 31;
inline constexpr std::uint32_t MP_DEPENDENT_CHILD = 1u << 30;
inline constexpr std::uint32_t MP_REPRESENTATIVE = 1u << 29;

// One MP Entry after the size corrections, as a listing shows it.
struct MPOListedEntry {
    MPEntry entry;
    std::uint64_t start;  // file position of the picture's first byte
    int pictureNumber;    // as pictures are numbered for selection; 0 when not numbered
    bool gainMap = false; // the entry is the first picture's HDR gain map
};

// Reads the MP index of `path` (printing the trace) and lists its entries.
// Returns 0 or a result code of chkMPOandSaved; `outCount` and `outIndex`
// get the picture count and the representative picture number.
// `behindOtherSegments`, when given, tells whether the MP segment was found
// behind other header segments rather than right behind APP1.
// `cause`, when given, gets what lies behind a failure.
int listMPOEntries(const char *path, std::vector<MPOListedEntry> &entries, int *outCount, int *outIndex,
                   bool *behindOtherSegments = nullptr, MPOCause *cause = nullptr);

// The MP type code of an entry's attribute (its low 24 bits) in words, such
// as "disparity"; "type 0x%06x" for a code the format does not define.
std::string mpTypeName(std::uint32_t attribute);

// ---- Byte order ----
// 0 for a big-endian mark "MM\0*", 1 for a little-endian mark "II*\0", -1 for
// anything else; prints what it found.
int chkEndianInfo(const unsigned char *mark);
std::int16_t convendian_s(std::int16_t value);
std::uint32_t convendian_l(std::uint32_t value);

// 0 when `name` ends in `suffix` (compared without regard to case), else -1.
int isMPO(const char *name, const char *suffix);

// ---- Split picture writer ----
// Offset just past the last FF D9 pair (at index 3 or later), or -1.
int eoicheck(const unsigned char *picture, int size);
// Writes the picture trimmed at its last EOI and without its first APP2
// segment holding "MPF\0" (other APP2 segments are kept); returns the count of its last write, or -1 when the picture is
// not a JPEG stream it can walk or a write fell short.
int writewoAPP2(const unsigned char *picture, int size, std::FILE *out);

// ---- Trace routines ----
int dumphex(const unsigned char *bytes, int length);
int dumpMPEntry(const MPEntry *entry);
const char *getEXIFTAGNAME(std::uint16_t tag);
const char *getEXIFTYPENAME(std::uint16_t type);

// Free bytes of the file system holding `path` (blocks reserved for the
// superuser included); prints the file system's figures. All bits set means
// the file system could not be queried.
std::uint64_t getfreespace(const char *path);
// The same for the open folder `folder`, whose path `path` is traced.
std::uint64_t getfreespace(int folder, const char *path);
inline constexpr std::uint64_t MPO_FREESPACE_UNKNOWN = ~std::uint64_t{0};
