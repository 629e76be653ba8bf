// The split picture writer: where a picture ends, and what is written.
#include <gtest/gtest.h>

#include <cstdio>

#include "engine_test_support.h"
#include "mpo.h"

namespace {

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes segment(unsigned char code, std::size_t payload, unsigned char fill = 0x11)
{
    const std::size_t length = payload + 2;
    return Bytes{0xFF, code, std::uint8_t(length >> 8), std::uint8_t(length)} + Bytes(payload, fill);
}

const Bytes soi = {0xFF, 0xD8}, eoi = {0xFF, 0xD9};
const Bytes scan = Bytes{0xFF, 0xDA, 0x00, 0x04, 0x01, 0x02, 0x33, 0x44} + eoi;

struct Written {
    int result;
    Bytes bytes;
    std::string trace;
};

Written write(const Bytes &picture)
{
    Written w;
    std::FILE *out = std::tmpfile();
    testing::internal::CaptureStdout();
    w.result = writewoAPP2(picture.data(), int(picture.size()), out);
    w.trace = testing::internal::GetCapturedStdout();
    std::rewind(out);
    for (int c; (c = std::fgetc(out)) != EOF;)
        w.bytes.push_back(std::uint8_t(c));
    std::fclose(out);
    return w;
}

int endOf(const Bytes &picture, std::string *trace = nullptr)
{
    testing::internal::CaptureStdout();
    const int end = eoicheck(picture.data(), int(picture.size()));
    const std::string printed = testing::internal::GetCapturedStdout();
    if (trace != nullptr)
        *trace = printed;
    return end;
}

}  // namespace

TEST(EndSearch, FindsTheLastEoiWithoutSkippingAnyD9)
{
    std::string trace;
    EXPECT_EQ(endOf(soi + scan, &trace), 12);
    EXPECT_EQ(trace, " ffffffff ffffffd9\n");
    EXPECT_EQ(endOf(soi + scan + Bytes{0, 0, 0, 0}, &trace), 12);
    EXPECT_EQ(trace, " 0 0\n 0 0\n ffffffff ffffffd9\n");
    EXPECT_EQ(endOf(soi + scan + Bytes{0xD9}), 12);
    EXPECT_EQ(endOf(soi + scan + Bytes{0x05}), 12);
    EXPECT_EQ(endOf(soi + scan + Bytes{1, 2} + eoi + Bytes{7}), 16);
    EXPECT_EQ(endOf(Bytes{0xFF, 0xD8, 0xFF, 0xD9}), 4);
    EXPECT_EQ(endOf(Bytes{0xFF, 0xD9, 0x00}, &trace), -1);
    EXPECT_EQ(trace, "EOI Not Found.");
    EXPECT_EQ(endOf(soi + Bytes{1, 2, 3, 4}, &trace), -1);
    EXPECT_EQ(trace, " 3 4\n 1 2\nEOI Not Found.");
}

TEST(PictureWriter, LeavesOutTheFirstApp2AndTrailingBytes)
{
    const Bytes app1 = segment(0xE1, 20), app2 = segment(0xE2, 30), dqt = segment(0xDB, 5);
    const Bytes dht = segment(0xC4, 6), app0 = segment(0xE0, 7), com = segment(0xFE, 3);
    const Bytes laterApp2 = segment(0xE2, 4, 0x22);
    const struct {
        Bytes picture, expected;
    } cases[] = {
        {soi + app1 + app2 + dqt + scan, soi + app1 + dqt + scan},
        {soi + app2 + dqt + laterApp2 + scan, soi + dqt + laterApp2 + scan},
        {soi + app1 + dqt + dht + app2 + scan, soi + app1 + dqt + dht + scan},
        {soi + app0 + app1 + com + app2 + scan, soi + app0 + app1 + com + scan},
        {soi + app1 + app2 + scan + Bytes{0, 0, 0}, soi + app1 + scan},
        {soi + segment(0xE1, 0x8000) + scan, soi + segment(0xE1, 0x8000) + scan},
        {soi + segment(0xC0, 9) + dht + scan, soi + segment(0xC0, 9) + dht + scan},
        {Bytes{0xFF, 0xD8, 0xFF, 0xD9}, Bytes{0xFF, 0xD8, 0xFF, 0xD9}},
    };
    for (const auto &c : cases) {
        const Written w = write(c.picture);
        EXPECT_GE(w.result, 0);
        EXPECT_EQ(w.bytes, c.expected);
    }
    const Bytes withTrailing = soi + app1 + app2 + scan + Bytes{0, 0};
    EXPECT_EQ(write(withTrailing).result, int(scan.size()));
    EXPECT_EQ(linesOf(write(withTrailing).trace).back(),
              "Resize " + std::to_string(withTrailing.size()) + " -> " + std::to_string(withTrailing.size() - 2));
}

TEST(PictureWriter, RefusesWhatItCannotWalk)
{
    const Bytes refused[] = {
        Bytes{0x00, 0xD8} + scan,                          // no SOI
        soi + Bytes{1, 2, 3, 4},                           // no EOI
        Bytes{0xFF, 0xD8, 0xD9},                           // three bytes
        soi + Bytes{0x12, 0x34} + scan,                    // no marker
        soi + Bytes{0xFF, 0xE1, 0x01, 0x00, 1, 2} + eoi,   // segment longer than the picture
        soi + Bytes{0xFF, 0xE2, 0x00, 0x40, 1, 2} + eoi,   // APP2 longer than the picture
        soi + Bytes{0xFF, 0xE1, 0x00, 0x01} + scan,        // length below 2
        soi + Bytes{0xFF, 0xE1, 0x00, 0x06, 1, 2, 0xFF, 0xD9},  // ends inside its header
        soi + Bytes{0xFF, 0xE2, 0x00, 0x06, 1, 2, 0xFF, 0xD9},  // ends inside its APP2 segment
    };
    for (const Bytes &picture : refused) {
        const Written w = write(picture);
        EXPECT_EQ(w.result, -1);
        EXPECT_LE(w.bytes.size(), picture.size());
    }
}

TEST(PictureWriter, AFailedWriteIsAFailure)
{
    std::FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::setvbuf(full, nullptr, _IONBF, 0);
    const Bytes picture = soi + segment(0xE1, 4) + segment(0xE2, 8) + scan;
    testing::internal::CaptureStdout();
    EXPECT_EQ(writewoAPP2(picture.data(), int(picture.size()), full), -1);
    testing::internal::GetCapturedStdout();
    std::fclose(full);
}
