// Automatic alignment: pairs made from one rendered scene, the right picture
// moved, turned and scaled by known amounts (and shifted sideways, as depth
// would), are recovered within half a pixel, 0.05° and 0.1 %, at half the
// size of the pictures; a pair of unrelated pictures is unsure.
#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include "alignment.h"
#include "composition.h"

namespace {

constexpr double pi = 3.14159265358979323846;
const cv::Size sceneSize(1200, 900);

// Shapes of many sizes and colours: corners and edges everywhere.
cv::Mat scene(unsigned seed)
{
    cv::RNG random(seed);
    cv::Mat picture(sceneSize, CV_8UC3, cv::Scalar(90, 120, 150));
    for (int i = 0; i < 600; ++i) {
        const cv::Point at(random.uniform(0, sceneSize.width), random.uniform(0, sceneSize.height));
        const int size = random.uniform(4, 60);
        const cv::Scalar colour(random.uniform(0, 256), random.uniform(0, 256), random.uniform(0, 256));
        if (i % 3 == 0)
            cv::circle(picture, at, size / 2, colour, cv::FILLED, cv::LINE_AA);
        else
            cv::rectangle(picture, cv::Rect(at, cv::Size(size, random.uniform(4, 60))), colour, cv::FILLED);
    }
    return picture;
}

// The picture that the correction (about the centre) maps onto `left`,
// seen from `sideways` pixels further right.
cv::Mat rightFor(const cv::Mat &left, double dy, double degrees, double scale, double sideways)
{
    const double turn = degrees * pi / 180;
    const double a = scale * std::cos(turn), b = scale * std::sin(turn);
    const double cx = sceneSize.width / 2.0, cy = sceneSize.height / 2.0;
    // right(p) = left(correction(p)), correction(p) = c + sR(p - c) + (sideways, dy)
    const cv::Matx23d correction(a, -b, cx - a * cx + b * cy + sideways, b, a, cy - b * cx - a * cy + dy);
    cv::Mat right;
    cv::warpAffine(left, right, correction, sceneSize, cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_REFLECT);
    return right;
}

// At half size, as the viewer decodes it.
imaging::RgbPicture halfSized(const cv::Mat &picture)
{
    cv::Mat half;
    cv::resize(picture, half, sceneSize / 2, 0, 0, cv::INTER_AREA);
    imaging::RgbPicture out;
    out.size = {half.cols, half.rows};
    out.pixels.resize(std::size_t(half.cols) * std::size_t(half.rows));
    for (int y = 0; y < half.rows; ++y)
        for (int x = 0; x < half.cols; ++x) {
            const cv::Vec3b bgr = half.at<cv::Vec3b>(y, x);
            out.row(y)[x] = 0xFF000000u | std::uint32_t(bgr[2]) << 16 | std::uint32_t(bgr[1]) << 8 | bgr[0];
        }
    return out;
}

// Mean difference per channel between the two halves of a side-by-side view.
double halvesDiffer(const imaging::RgbPicture &parallel)
{
    const int width = parallel.size.width / 2;
    double sum = 0;
    for (int y = 0; y < parallel.size.height; ++y)
        for (int x = 0; x < width; ++x)
            for (int shift : {0, 8, 16})
                sum += std::abs(int(parallel.row(y)[x] >> shift & 0xFF) - int(parallel.row(y)[x + width] >> shift & 0xFF));
    return sum / (3.0 * width * parallel.size.height);
}

}  // namespace

TEST(Alignment, RecoversKnownShiftsTurnsAndScalesAndIsUnsureOfUnrelatedPictures)
{
    const cv::Mat left = scene(7);
    const imaging::PixelSize full{sceneSize.width, sceneSize.height};
    const struct {
        double dy, degrees, scalePercent, sideways;
    } table[] = {
        {0, 0, 0, 0}, {20, 0, 0, 12}, {-7.5, 0.5, 0, 0}, {3, -2, 1.5, -20}, {12, 1.2, -3, 5}, {0, 0, 3, 0},
        {-20, 2, 3, 30}, {0.5, -0.3, -1, 0},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(testing::Message() << "dy " << row.dy << ", " << row.degrees << "°, " << row.scalePercent << " %");
        const cv::Mat right = rightFor(left, row.dy, row.degrees, 1 + row.scalePercent / 100, row.sideways);
        const stereo::Alignment found = stereo::estimateAlignment(halfSized(left), halfSized(right), full);
        ASSERT_TRUE(found.sure) << stereo::doubtText(found.doubt);
        EXPECT_NEAR(found.dy, row.dy, 0.5);
        EXPECT_NEAR(found.degrees, row.degrees, 0.05);
        EXPECT_NEAR((found.scale - 1) * 100, row.scalePercent, 0.1);
        // A flat scene lies at one depth: seen from further right it lies in
        // front of the screen, and moving the right picture right puts it there.
        EXPECT_NEAR(found.windowDx, row.sideways, 3.0);  // columns are found less precisely than rows
        EXPECT_LT(found.disparityRange, 5.0);
        EXPECT_EQ(found.needed(), row.dy != 0 || row.degrees != 0 || row.scalePercent != 0);

        // The correction applied by the composition lines the pictures up.
        const imaging::RgbPicture l = halfSized(left), r = halfSized(right);
        stereo::Options options{stereo::View::Parallel, false, int(std::lround(found.windowDx / 2)), 0};
        imaging::RgbPicture before, after;
        stereo::compose(l, r, options, before);
        options.degrees = found.degrees, options.scale = found.scale, options.shiftY = found.dy / 2;
        stereo::compose(l, r, options, after);
        EXPECT_LT(halvesDiffer(after), 5.0) << "what is left is the blur of resampling twice";
        if (found.needed())
            EXPECT_LT(halvesDiffer(after) * 2, halvesDiffer(before));
    }
    const stereo::Alignment unrelated = stereo::estimateAlignment(halfSized(left), halfSized(scene(8)), full);
    EXPECT_FALSE(unrelated.sure);
    EXPECT_EQ(unrelated.doubt, stereo::Doubt::TooFewMatches);
}
