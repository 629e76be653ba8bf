// Layout of the hex dump and the MP Entry dump, the IFD names, and the
// free-space query.
#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "mpo.h"

namespace {

std::string hexDumpOf(const Bytes &bytes)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(dumphex(bytes.data(), int(bytes.size())), 0);
    return testing::internal::GetCapturedStdout();
}

Bytes countingBytes(int n, int from = 0x41)
{
    Bytes b;
    for (int i = 0; i < n; ++i)
        b.push_back(std::uint8_t(from + i));
    return b;
}

std::string entryDumpOf(std::uint32_t attribute)
{
    const MPEntry entry{attribute, 1234, 0x10, 2, 3};
    testing::internal::CaptureStdout();
    dumpMPEntry(&entry);
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(HexDump, ShortDumpIsOneUnpaddedLine)
{
    EXPECT_EQ(hexDumpOf({0xFF, 0xD8}), "0x00000000:ff d8   _ _\n");
}

TEST(HexDump, FullLinesAreNinetyTwoCharacters)
{
    const std::string line16 = "0x00000000:41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50  "
                               " A B C D E F G H I J K L M N O P\n";
    EXPECT_EQ(line16.size(), 93u);
    EXPECT_EQ(hexDumpOf(countingBytes(16)), line16);

    const std::string dump32 = hexDumpOf(countingBytes(32));
    ASSERT_EQ(linesOf(dump32).size(), 2u);
    EXPECT_EQ(linesOf(dump32)[1].substr(0, 14), "0x00000010:51 ");
    EXPECT_EQ(linesOf(dump32)[1].size(), 92u);
}

TEST(HexDump, ShortLastLineIsPaddedUnderTheFullLines)
{
    const auto lines17 = linesOf(hexDumpOf(countingBytes(17)));
    ASSERT_EQ(lines17.size(), 2u);
    EXPECT_EQ(lines17[1], "0x00000010:51 " + std::string(45, ' ') + "  Q");

    const auto lines20 = linesOf(hexDumpOf(countingBytes(20)));
    EXPECT_EQ(lines20[1], "0x00000010:51 52 53 54 " + std::string(36, ' ') + "  Q R S T");
    EXPECT_EQ(lines20[1].size(), lines20[0].size() - 2 * 12);
}

TEST(HexDump, OnlyPrintableAsciiShowsAsItself)
{
    EXPECT_EQ(hexDumpOf({0x1F, 0x20, 0x7E, 0x7F, 0x80, 0xFF}),
              "0x00000000:1f 20 7e 7f 80 ff   _   ~ _ _ _\n");
}

TEST(EntryDump, ShowsFlagsReservedBitsAndDataType)
{
    EXPECT_EQ(entryDumpOf(1u << 29), "|--r|Reserved=0x0 DataType=0x0\n"
                                     "      Size = 1234 (0x     4d2)\n"
                                     "DataOffset = 16 (0x      10)\n"
                                     "    Entry1 = 0x2\n"
                                     "    Entry2 = 0x3\n");
    EXPECT_EQ(linesOf(entryDumpOf(0xC0000000u))[0], "|pc-|Reserved=0x0 DataType=0x0");
    EXPECT_EQ(linesOf(entryDumpOf(1u << 27))[0], "|---|Reserved=0x1 DataType=0x0");
    EXPECT_EQ(linesOf(entryDumpOf(1u << 24))[0], "|---|Reserved=0x0 DataType=0x1");
    EXPECT_EQ(linesOf(entryDumpOf(1u << 23))[0], "|---|Reserved=0x0 DataType=0x0");
}

TEST(IfdNames, UnknownTagsAndTypesSayUnknown)
{
    EXPECT_STREQ(getEXIFTAGNAME(0xB001), "NumberOfImages");
    EXPECT_STREQ(getEXIFTAGNAME(0xB004), "TotalFrames");
    EXPECT_STREQ(getEXIFTAGNAME(0xB005), "UNKNOWN");
    EXPECT_STREQ(getEXIFTAGNAME(0xAFFF), "UNKNOWN");
    EXPECT_STREQ(getEXIFTYPENAME(10), "SRATIONAL");
    EXPECT_STREQ(getEXIFTYPENAME(7), "UNDEFINED");
    for (std::uint16_t type : {0, 6, 8, 11, 12, 16})
        EXPECT_STREQ(getEXIFTYPENAME(type), "UNKNOWN") << type;
}

TEST(FreeSpace, MissingFolderIsUnknownAndRealFolderIsCounted)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(getfreespace("/no/such/folder"), MPO_FREESPACE_UNKNOWN);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error = -1\n");

    ScratchFolder folder;
    testing::internal::CaptureStdout();
    const std::uint64_t space = getfreespace(folder.path().c_str());
    const auto lines = linesOf(testing::internal::GetCapturedStdout());
    EXPECT_GT(space, 0u);
    EXPECT_NE(space, MPO_FREESPACE_UNKNOWN);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], folder.path());
    EXPECT_EQ(lines[1].substr(0, 12), " f_bavail = ");
    EXPECT_EQ(lines[8].substr(0, 12), "f_namemax = ");
}
