// The split picture writer: where a picture ends, and what is written.
#include "engine_test_support.h"

namespace {

Bytes segment(unsigned char code, std::size_t payload)
{
    return jpegSegment(code, Bytes(payload, code));
}

const Bytes soi = {0xFF, 0xD8}, eoi = {0xFF, 0xD9}, scan = Bytes{0xFF, 0xDA, 0x00, 0x04, 0x01, 0x02, 0x33, 0x44} + eoi;
const Bytes app1 = segment(0xE1, 20), dqt = segment(0xDB, 5), dht = segment(0xC4, 6);
const Bytes app2 = jpegSegment(0xE2, Bytes{'M', 'P', 'F', 0} + Bytes(26, 0xE2));  // the MP segment

}  // namespace

TEST(EndSearch, FindsTheLastEoiWithoutSkippingAnyD9)
{
    for (const auto &[picture, end, printed] : std::initializer_list<std::tuple<Bytes, int, const char *>>{
             {soi + scan, 12, " ffffffff ffffffd9\n"},  // each step prints the bytes it looked at, sign-extended
             {soi + scan + Bytes{0xD9}, 12, nullptr},
             {soi + scan + Bytes{0x05}, 12, nullptr},
             {soi + scan + Bytes{1, 2} + eoi + Bytes{7}, 16, nullptr},
             {soi + eoi, 4, nullptr},
             {Bytes{0xFF, 0xD9, 0x00}, -1, nullptr},
             {soi + Bytes{1, 2, 3, 4}, -1, " 3 4\n 1 2\nEOI Not Found."}}) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(eoicheck(picture.data(), int(picture.size())), end);
        const std::string trace = testing::internal::GetCapturedStdout();
        EXPECT_EQ(trace, printed ? printed : trace);
    }
}

TEST(PictureWriter, LeavesOutTheMPSegmentAndTrailingBytes)
{
    const Bytes laterApp2 = segment(0xE2, 4), bigApp1 = segment(0xE1, 0x8000), sof = segment(0xC0, 9);
    const Bytes icc = jpegSegment(0xE2, Bytes{'I', 'C', 'C', '_'} + Bytes(10, 1));
    const Bytes app0 = segment(0xE0, 7), com = segment(0xFE, 3);
    for (const auto &[picture, expected] : std::initializer_list<std::pair<Bytes, Bytes>>{
             {soi + app1 + app2 + dqt + scan, soi + app1 + dqt + scan},
             {soi + icc + app1 + laterApp2 + app2 + icc + scan, soi + icc + app1 + laterApp2 + icc + scan},
             {soi + icc + dqt + scan, soi + icc + dqt + scan},
             {soi + app2 + dqt + laterApp2 + scan, soi + dqt + laterApp2 + scan},
             {soi + app1 + dqt + dht + app2 + scan, soi + app1 + dqt + dht + scan},
             {soi + app0 + app1 + com + app2 + scan, soi + app0 + app1 + com + scan},
             {soi + app1 + app2 + scan + Bytes{0, 0, 0}, soi + app1 + scan},
             {soi + bigApp1 + scan, soi + bigApp1 + scan},
             {soi + sof + dht + scan, soi + sof + dht + scan},
             {soi + eoi, soi + eoi}}) {
        const auto [result, written] = writtenByWriter(picture);
        EXPECT_GE(result, 0);
        EXPECT_EQ(written, expected);
    }
    std::string trace;
    writtenByWriter(soi + app1 + app2 + scan + Bytes{0, 0}, std::tmpfile(), &trace);
    EXPECT_TRUE(hasLines(trace, {"Resize 72 -> 70"}));
}

TEST(PictureWriter, RefusesWhatItCannotWalkOrWrite)
{
    for (const Bytes &picture : {
             Bytes{0x00, 0xD8} + scan,                               // no SOI
             soi + Bytes{1, 2, 3, 4},                                // no EOI
             Bytes{0xFF, 0xD8, 0xD9},                                // three bytes
             soi + Bytes{0x12, 0x34} + scan,                         // no marker
             soi + Bytes{0xFF, 0xE1, 0x01, 0x00, 1, 2} + eoi,        // segment longer than the picture
             soi + Bytes{0xFF, 0xE2, 0x00, 0x40, 1, 2} + eoi,        // APP2 longer than the picture
             soi + Bytes{0xFF, 0xE1, 0x00, 0x01} + scan,             // length below 2
             soi + Bytes{0xFF, 0xE1, 0x00, 0x06, 1, 2, 0xFF, 0xD9},  // ends inside its header
             soi + Bytes{0xFF, 0xE2, 0x00, 0x06, 1, 2, 0xFF, 0xD9},  // ends inside its APP2 segment
         })
        EXPECT_EQ(writtenByWriter(picture).first, -1);
    std::FILE *full = std::fopen("/dev/full", "w");
    std::setvbuf(full, nullptr, _IONBF, 0);
    EXPECT_EQ(writtenByWriter(soi + app1 + app2 + scan, full).first, -1);  // a failed write is a failure
}
