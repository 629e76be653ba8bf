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

// Runs `call` with standard output caught into `trace`.
template <typename Call>
auto printing(std::string &trace, Call call)
{
    testing::internal::CaptureStdout();
    const auto result = call();
    trace = testing::internal::GetCapturedStdout();
    return result;
}

// Writes `picture` to a scratch file and gives back the result code and the
// bytes written.
std::pair<int, Bytes> write(const Bytes &picture, std::string &trace)
{
    std::FILE *out = std::tmpfile();
    const int result = printing(trace, [&] { return writewoAPP2(picture.data(), int(picture.size()), out); });
    Bytes bytes;
    std::rewind(out);
    for (int c; (c = std::fgetc(out)) != EOF;)
        bytes.push_back(std::uint8_t(c));
    std::fclose(out);
    return {result, bytes};
}

}  // namespace

TEST(EndSearch, FindsTheLastEoiWithoutSkippingAnyD9)
{
    const struct {
        Bytes picture;
        int end;
        const char *trace;
    } cases[] = {
        {soi + scan, 12, " ffffffff ffffffd9\n"},
        {soi + scan + Bytes{0, 0, 0, 0}, 12, " 0 0\n 0 0\n ffffffff ffffffd9\n"},
        {soi + scan + Bytes{0xD9}, 12, nullptr},
        {soi + scan + Bytes{0x05}, 12, nullptr},
        {soi + scan + Bytes{1, 2} + eoi + Bytes{7}, 16, nullptr},
        {Bytes{0xFF, 0xD8, 0xFF, 0xD9}, 4, nullptr},
        {Bytes{0xFF, 0xD9, 0x00}, -1, "EOI Not Found."},
        {soi + Bytes{1, 2, 3, 4}, -1, " 3 4\n 1 2\nEOI Not Found."},
    };
    for (const auto &c : cases) {
        std::string trace;
        EXPECT_EQ(printing(trace, [&] { return eoicheck(c.picture.data(), int(c.picture.size())); }), c.end);
        if (c.trace) {
            EXPECT_EQ(trace, c.trace);
        }
    }
}

TEST(PictureWriter, LeavesOutTheFirstApp2AndTrailingBytes)
{
    const Bytes app1 = segment(0xE1, 20), app2 = segment(0xE2, 30), dqt = segment(0xDB, 5);
    const Bytes dht = segment(0xC4, 6), app0 = segment(0xE0, 7), com = segment(0xFE, 3);
    const Bytes laterApp2 = segment(0xE2, 4, 0x22), bigApp1 = segment(0xE1, 0x8000), sof = segment(0xC0, 9);
    const struct {
        Bytes picture, expected;
    } cases[] = {
        {soi + app1 + app2 + dqt + scan, soi + app1 + dqt + scan},
        {soi + app2 + dqt + laterApp2 + scan, soi + dqt + laterApp2 + scan},
        {soi + app1 + dqt + dht + app2 + scan, soi + app1 + dqt + dht + scan},
        {soi + app0 + app1 + com + app2 + scan, soi + app0 + app1 + com + scan},
        {soi + app1 + app2 + scan + Bytes{0, 0, 0}, soi + app1 + scan},
        {soi + bigApp1 + scan, soi + bigApp1 + scan},
        {soi + sof + dht + scan, soi + sof + dht + scan},
        {soi + eoi, soi + eoi},
    };
    std::string trace;
    for (const auto &c : cases) {
        const auto [result, bytes] = write(c.picture, trace);
        EXPECT_GE(result, 0);
        EXPECT_EQ(bytes, c.expected);
    }
    const Bytes withTrailing = soi + app1 + app2 + scan + Bytes{0, 0};
    EXPECT_EQ(write(withTrailing, trace).first, int(scan.size()));
    EXPECT_EQ(linesOf(trace).back(),
              "Resize " + std::to_string(withTrailing.size()) + " -> " + std::to_string(withTrailing.size() - 2));
}

TEST(PictureWriter, RefusesWhatItCannotWalkOrWrite)
{
    const Bytes refused[] = {
        Bytes{0x00, 0xD8} + scan,                               // no SOI
        soi + Bytes{1, 2, 3, 4},                                // no EOI
        Bytes{0xFF, 0xD8, 0xD9},                                // three bytes
        soi + Bytes{0x12, 0x34} + scan,                         // no marker
        soi + Bytes{0xFF, 0xE1, 0x01, 0x00, 1, 2} + eoi,        // segment longer than the picture
        soi + Bytes{0xFF, 0xE2, 0x00, 0x40, 1, 2} + eoi,        // APP2 longer than the picture
        soi + Bytes{0xFF, 0xE1, 0x00, 0x01} + scan,             // length below 2
        soi + Bytes{0xFF, 0xE1, 0x00, 0x06, 1, 2, 0xFF, 0xD9},  // ends inside its header
        soi + Bytes{0xFF, 0xE2, 0x00, 0x06, 1, 2, 0xFF, 0xD9},  // ends inside its APP2 segment
    };
    std::string trace;
    for (const Bytes &picture : refused) {
        const auto [result, bytes] = write(picture, trace);
        EXPECT_EQ(result, -1);
        EXPECT_LE(bytes.size(), picture.size());
    }
    std::FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::setvbuf(full, nullptr, _IONBF, 0);
    const Bytes picture = soi + segment(0xE1, 4) + segment(0xE2, 8) + scan;
    EXPECT_EQ(printing(trace, [&] { return writewoAPP2(picture.data(), int(picture.size()), full); }), -1);
    std::fclose(full);
}
