// Layout of the hex dump and the MP Entry dump, and the free-space query.
#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "mpo.h"

namespace {

template <typename Print>
std::string printed(Print print)
{
    testing::internal::CaptureStdout();
    print();
    return testing::internal::GetCapturedStdout();
}

std::string hexDumpOf(const Bytes &bytes)
{
    return printed([&] { dumphex(bytes.data(), int(bytes.size())); });
}

Bytes letters(int n)
{
    Bytes bytes;
    for (int i = 0; i < n; ++i)
        bytes.push_back(std::uint8_t('A' + i));
    return bytes;
}

}  // namespace

TEST(HexDump, LinesOfSixteenWithTheLastPaddedUnderTheOthers)
{
    const std::string full = "0x00000000:41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50   A B C D E F G H I J K L M N O P";
    EXPECT_EQ(hexDumpOf(letters(16)), full + "\n");
    EXPECT_EQ(hexDumpOf(letters(17)), full + "\n0x00000010:51 " + std::string(45, ' ') + "  Q\n");
    EXPECT_EQ(linesOf(hexDumpOf(letters(20)))[1], "0x00000010:51 52 53 54 " + std::string(36, ' ') + "  Q R S T");
    // Only printable ASCII shows as itself, and a short dump is not padded.
    EXPECT_EQ(hexDumpOf({0x1F, 0x20, 0x7E, 0x7F, 0x80, 0xFF}), "0x00000000:1f 20 7e 7f 80 ff   _   ~ _ _ _\n");
}

TEST(EntryDump, ShowsFlagsReservedBitsAndDataType)
{
    const auto dump = [](std::uint32_t attribute) {
        const MPEntry entry{attribute, 1234, 0x10, 2, 3};
        return printed([&] { dumpMPEntry(&entry); });
    };
    EXPECT_EQ(dump(representativeFlag), "|--r|Reserved=0x0 DataType=0x0\n"
                                        "      Size = 1234 (0x     4d2)\n"
                                        "DataOffset = 16 (0x      10)\n"
                                        "    Entry1 = 0x2\n"
                                        "    Entry2 = 0x3\n");
    EXPECT_EQ(linesOf(dump(parentFlag | childFlag))[0], "|pc-|Reserved=0x0 DataType=0x0");
    EXPECT_EQ(linesOf(dump(1u << 27))[0], "|---|Reserved=0x1 DataType=0x0");
    EXPECT_EQ(linesOf(dump(1u << 24))[0], "|---|Reserved=0x0 DataType=0x1");
    EXPECT_EQ(linesOf(dump(1u << 23))[0], "|---|Reserved=0x0 DataType=0x0");
}

TEST(FreeSpace, MissingFolderIsUnknownAndRealFolderIsCounted)
{
    std::uint64_t space = 0;
    EXPECT_EQ(printed([&] { space = getfreespace("/no/such/folder"); }), "Error = -1\n");
    EXPECT_EQ(space, MPO_FREESPACE_UNKNOWN);
    ScratchFolder folder;
    const auto lines = linesOf(printed([&] { space = getfreespace(folder.path().c_str()); }));
    EXPECT_TRUE(space > 0 && space != MPO_FREESPACE_UNKNOWN);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], folder.path());
}
