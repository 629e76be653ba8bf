// Byte-order marks and swaps, and the marker table.
#include <gtest/gtest.h>

#include <set>

#include "mpo.h"

TEST(ByteOrder, MarksAreComparedOverAllFourBytesAndSwapsKeepTheSign)
{
    const unsigned char marks[][4] = {{0x4D, 0x4D, 0x00, 0x2A}, {0x49, 0x49, 0x2A, 0x00}, {0x4D, 0x4D, 0x2A, 0x00}};
    testing::internal::CaptureStdout();
    EXPECT_EQ(chkEndianInfo(marks[0]), 0);
    EXPECT_EQ(chkEndianInfo(marks[1]), 1);
    EXPECT_EQ(chkEndianInfo(marks[2]), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Big Endian Info.\nreturn 0\nLittle Endian Info.\nreturn 1\nUNKNOWN Endian Info.\n");
    EXPECT_EQ(convendian_s(0x1234), 0x3412);
    EXPECT_EQ(convendian_s(0x00FF), -256);
    EXPECT_EQ(convendian_l(0x12345678u), 0x78563412u);
}

TEST(MarkerTable, HoldsTheJpegMarkersOnceEach)
{
    std::set<int> seen;
    for (const unsigned char *marker : {SOI, APP1, APP2, DQT, DHT, DRI, SOF, SOS, EOI})
        seen.insert(marker[0] << 8 | marker[1]);
    EXPECT_EQ(seen, (std::set<int>{0xFFD8, 0xFFE1, 0xFFE2, 0xFFDB, 0xFFC4, 0xFFDD, 0xFFC0, 0xFFDA, 0xFFD9}));
}
