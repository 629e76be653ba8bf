// Byte-order marks, byte swaps, the marker table and the name test.
#include <gtest/gtest.h>

#include <set>

#include "mpo.h"

TEST(ByteOrder, MarksAreComparedOverAllFourBytes)
{
    const unsigned char big[] = {0x4D, 0x4D, 0x00, 0x2A};
    const unsigned char little[] = {0x49, 0x49, 0x2A, 0x00};
    const unsigned char swapped[] = {0x4D, 0x4D, 0x2A, 0x00};
    testing::internal::CaptureStdout();
    EXPECT_EQ(chkEndianInfo(big), 0);
    EXPECT_EQ(chkEndianInfo(little), 1);
    EXPECT_EQ(chkEndianInfo(swapped), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Big Endian Info.\nreturn 0\nLittle Endian Info.\nreturn 1\nUNKNOWN Endian Info.\n");
}

TEST(ByteOrder, SwapsExchangeBytesAndKeepTheSign)
{
    EXPECT_EQ(convendian_s(0x1234), 0x3412);
    EXPECT_EQ(convendian_s(0x00FF), -256);
    EXPECT_EQ(convendian_s(-256), 0x00FF);
    EXPECT_EQ(convendian_l(0x12345678u), 0x78563412u);
    EXPECT_EQ(convendian_l(0xFF000001u), 0x010000FFu);
}

TEST(MarkerTable, HoldsTheJpegMarkersOnceEach)
{
    std::set<int> seen;
    for (const unsigned char *marker : {SOI, APP1, APP2, DQT, DHT, DRI, SOF, SOS, EOI}) {
        EXPECT_EQ(marker[0], 0xFF);
        seen.insert(marker[1]);
    }
    EXPECT_EQ(seen, (std::set<int>{0xD8, 0xE1, 0xE2, 0xDB, 0xC4, 0xDD, 0xC0, 0xDA, 0xD9}));
}

TEST(NameTest, MatchesTheSuffixInAnyCase)
{
    EXPECT_EQ(isMPO("IMG_0001.MPO", "MPO"), 0);
    EXPECT_EQ(isMPO("photo.mPo", "MPO"), 0);
    EXPECT_EQ(isMPO("photoMPO", "MPO"), 0);
    EXPECT_EQ(isMPO("MPO", "MPO"), 0);
    EXPECT_EQ(isMPO("PO", "MPO"), -1);
    EXPECT_EQ(isMPO("photo.jpg", "MPO"), -1);
    EXPECT_EQ(isMPO("photo.mpo.jpg", "MPO"), -1);
}
