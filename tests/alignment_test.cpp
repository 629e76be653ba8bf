// Automatic alignment: pairs made from one rendered scene, the right picture
// moved, turned, scaled and keystoned by known amounts (and shifted sideways,
// as depth would, with a near object over a far background in some), are
// recovered within half a pixel, 0.05° and 0.1 %, at half the size of the
// pictures; a pair of unrelated pictures is unsure.
#include <functional>

#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include "stereo/alignment.h"
#include "stereo/composition.h"

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

// How the right picture of a test pair is made from the left one.
struct Distortion {
    double dy = 0, degrees = 0, scalePercent = 0, sideways = 0;
    double keystoneX = 0;  // per pixel from the centre, as the correction takes it
    double nearSideways = 0;  // a near object in the middle, seen this far to the side; 0 for none
};

// The picture that the correction (about the centre) maps onto `left`,
// seen from `sideways` pixels further right.
cv::Mat rightFor(const cv::Mat &left, const Distortion &d, double sideways)
{
    const double turn = d.degrees * pi / 180, scale = 1 + d.scalePercent / 100;
    const double a = scale * std::cos(turn), b = scale * std::sin(turn);
    const double cx = sceneSize.width / 2.0, cy = sceneSize.height / 2.0;
    // right(p) = left(c + H(p - c) + (sideways, 0)), H the correction with its keystone
    const cv::Matx33d centred(a, -b, 0, b, a, d.dy, d.keystoneX, 0, 1);
    const cv::Matx33d correction = cv::Matx33d(1, 0, cx + sideways, 0, 1, cy, 0, 0, 1) * centred *
                                   cv::Matx33d(1, 0, -cx, 0, 1, -cy, 0, 0, 1);
    cv::Mat right;
    cv::warpPerspective(left, right, correction, sceneSize, cv::INTER_LINEAR | cv::WARP_INVERSE_MAP,
                        cv::BORDER_REFLECT);
    return right;
}

// A pair of the scene, with a near object (another scene in a rectangle in
// the middle) where asked: far and near points differ in their columns.
std::pair<cv::Mat, cv::Mat> pairFor(const Distortion &d)
{
    cv::Mat left = scene(7), right = rightFor(left, d, d.sideways);
    if (d.nearSideways == 0)
        return {left, right};
    const cv::Rect middle(300, 200, 600, 500);
    cv::Mat nearLeft = left.clone(), mask = cv::Mat::zeros(sceneSize, CV_8UC3);
    scene(9)(middle).copyTo(nearLeft(middle));
    mask(middle).setTo(cv::Scalar::all(255));
    nearLeft.copyTo(left);
    rightFor(nearLeft, d, d.nearSideways).copyTo(right, rightFor(mask, d, d.nearSideways));
    return {left, right};
}

imaging::RgbPicture pictureOf(const cv::Mat &bgr)
{
    imaging::RgbPicture out;
    out.size = {bgr.cols, bgr.rows};
    out.pixels.resize(std::size_t(bgr.cols) * std::size_t(bgr.rows));
    for (int y = 0; y < bgr.rows; ++y)
        for (int x = 0; x < bgr.cols; ++x) {
            const cv::Vec3b p = bgr.at<cv::Vec3b>(y, x);
            out.row(y)[x] = 0xFF000000u | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
        }
    return out;
}

stereo::Options viewed(stereo::View view, int dx = 0)
{
    stereo::Options options;
    options.view = view, options.dx = dx;
    return options;
}

// At half size, as the viewer decodes it.
imaging::RgbPicture halfSized(const cv::Mat &picture)
{
    cv::Mat half;
    cv::resize(picture, half, sceneSize / 2, 0, 0, cv::INTER_AREA);
    return pictureOf(half);
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

TEST(Alignment, RecoversKnownShiftsTurnsScalesAndKeystonesWhateverTheDepthAndIsUnsureOfUnrelatedPictures)
{
    const imaging::PixelSize full{sceneSize.width, sceneSize.height};
    const Distortion table[] = {
        {0, 0, 0, 0}, {20, 0, 0, 12}, {-7.5, 0.5, 0, 0}, {3, -2, 1.5, -20}, {12, 1.2, -3, 5}, {0, 0, 3, 0},
        {-20, 2, 3, 30}, {0.5, -0.3, -1, 0},
        {0, 0, 0, -15},                  // aligned already: only the stereo window moves
        {6, 0.8, 1, 0, 0, 40},           // a near object over a far background
        {-4, 0, 0, 10, 0, -30},          // ... behind a window
        {2, 0.3, 0, 0, 2e-5, 0},         // a keystone, as toed-in cameras make
        {-3, 0, 1, 0, -3e-5, 25},        // both
    };
    for (const Distortion &row : table) {
        SCOPED_TRACE(testing::Message() << "dy " << row.dy << ", " << row.degrees << "°, " << row.scalePercent
                                        << " %, keystone " << row.keystoneX << ", near " << row.nearSideways);
        const auto [left, right] = pairFor(row);
        const imaging::RgbPicture l = halfSized(left), r = halfSized(right);
        const stereo::Alignment found = stereo::estimateAlignment(l, r, full);
        ASSERT_TRUE(found.sure) << stereo::doubtText(found.doubt).text;
        EXPECT_NEAR(found.dy, row.dy, 0.5);
        EXPECT_NEAR(found.degrees, row.degrees, 0.05);
        EXPECT_NEAR((found.scale - 1) * 100, row.scalePercent, 0.1);
        EXPECT_NEAR(found.keystoneX, row.keystoneX, 0.3e-5);
        // Seen from further right, a point lies in front of the screen;
        // moving the right picture right by the nearest one's amount puts it there.
        const double nearest = std::max(row.sideways, row.nearSideways == 0 ? row.sideways : row.nearSideways);
        EXPECT_NEAR(found.windowDx, nearest, 3.0);  // columns are found less precisely than rows
        EXPECT_NEAR(found.disparityRange, std::abs(row.nearSideways == 0 ? 0 : row.nearSideways - row.sideways), 5.0);
        const bool distorted = row.dy != 0 || row.degrees != 0 || row.scalePercent != 0 || row.keystoneX != 0;
        EXPECT_EQ(found.needed(), distorted);

        // Applied by the composition, the correction lines the pictures up;
        // the stereo window moves whether or not a correction is needed.
        const stereo::Options options = stereo::withAlignment(viewed(stereo::View::Parallel), found);
        EXPECT_EQ(options.dx, std::lround(found.windowDx));
        EXPECT_EQ(options.corrects(), distorted);
        if (row.nearSideways != 0)
            continue;  // the halves of a scene in depth differ by their disparities
        imaging::RgbPicture before, after;
        stereo::compose(l, r, stereo::scaledOptions(viewed(stereo::View::Parallel, options.dx), 0.5), before);
        stereo::compose(l, r, stereo::scaledOptions(options, 0.5), after);
        EXPECT_LT(halvesDiffer(after), 5.0) << "what is left is the blur of resampling twice";
        if (distorted) {
            EXPECT_LT(halvesDiffer(after) * 2, halvesDiffer(before));
        }
    }
    const stereo::Alignment unrelated = stereo::estimateAlignment(halfSized(scene(7)), halfSized(scene(8)), full);
    EXPECT_FALSE(unrelated.sure);
    EXPECT_EQ(unrelated.doubt, stereo::Doubt::TooFewMatches);
    EXPECT_EQ(stereo::withAlignment(viewed(stereo::View::Parallel), unrelated).dx, 0);
}

TEST(Alignment, PairsWithoutEnoughToMatchAreUnsureAndSayWhy)
{
    const imaging::PixelSize full{sceneSize.width, sceneSize.height};
    // A soft corner in a gray field: ORB finds a single point in it.
    cv::Mat corner(sceneSize / 2, CV_8UC3, cv::Scalar::all(128));
    corner(cv::Rect(300, 225, 300, 225)).setTo(cv::Scalar::all(160));
    cv::GaussianBlur(corner, corner, cv::Size(), 2);
    cv::Mat smooth(sceneSize, CV_8UC3);
    for (int y = 0; y < sceneSize.height; ++y)
        for (int x = 0; x < sceneSize.width; ++x)
            smooth.at<cv::Vec3b>(y, x) = cv::Vec3b(x * 255 / sceneSize.width, y * 255 / sceneSize.height, 128);
    cv::Mat fog;
    cv::GaussianBlur(scene(3), fog, cv::Size(), 40);
    imaging::RgbPicture tiny;
    tiny.size = {8, 8};
    tiny.pixels.assign(64, 0xFF808080u);
    const struct {
        const char *what;
        imaging::RgbPicture left, right;
        stereo::Doubt doubt;
    } table[] = {
        {"uniform", halfSized(cv::Mat(sceneSize, CV_8UC3, cv::Scalar::all(128))),
         halfSized(cv::Mat(sceneSize, CV_8UC3, cv::Scalar::all(128))), stereo::Doubt::TooFewMatches},
        {"one point each", pictureOf(corner), pictureOf(corner), stereo::Doubt::TooFewMatches},
        {"one point against many", halfSized(scene(7)), pictureOf(corner), stereo::Doubt::TooFewMatches},
        {"a smooth gradient", halfSized(smooth), halfSized(smooth), stereo::Doubt::TooFewMatches},
        {"fog", halfSized(fog), halfSized(fog), stereo::Doubt::TooFewMatches},
        {"a few pixels", tiny, tiny, stereo::Doubt::TooSmall},
        {"two sizes", halfSized(scene(7)), tiny, stereo::Doubt::SizesDiffer},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.what);
        const stereo::Alignment found = stereo::estimateAlignment(row.left, row.right, full);
        EXPECT_FALSE(found.sure);
        EXPECT_EQ(found.doubt, row.doubt) << stereo::doubtText(found.doubt).text;
        EXPECT_EQ(stereo::describeAlignment(found), std::string("not aligned: ") + stereo::doubtText(row.doubt).text);
    }
}


namespace {

// The right picture with each channel through `change`, and a magenta
// object in a corner that the left picture does not show.
cv::Mat recoloured(const cv::Mat &bgr, const std::function<double(int channel, double value)> &change, bool object)
{
    cv::Mat out = bgr.clone();
    out.forEach<cv::Vec3b>([&](cv::Vec3b &p, const int *) {
        for (int c = 0; c < 3; ++c)  // BGR: channel 0 is red as the curves count them
            p[2 - c] = cv::saturate_cast<uchar>(change(c, p[2 - c]));
    });
    if (object)
        cv::rectangle(out, cv::Rect(40, 40, 220, 160), cv::Scalar(255, 0, 255), cv::FILLED);
    return out;
}

}  // namespace

TEST(Finish, ColoursThatDifferMeetHalfwayWhateverTheDifferenceAndAPairThatAgreesIsLeftAlone)
{
    const imaging::PixelSize full{sceneSize.width, sceneSize.height};
    const struct {
        const char *what;
        std::function<double(int, double)> change;
        const char *said;
    } table[] = {
        {"none", [](int, double v) { return v; }, "the pictures hardly differed"},
        {"gain", [](int, double v) { return v * 0.85; }, "15 % darker"},
        {"offset", [](int, double v) { return v + 15; }, "brighter"},
        {"gamma", [](int, double v) { return 255 * std::pow(v / 255, 0.8); }, "brighter"},
        {"cast", [](int c, double v) { return c == 0 ? v * 1.1 : c == 2 ? v * 0.9 : v; }, "warmer"},
    };
    for (const auto &row : table) {
        SCOPED_TRACE(row.what);
        const auto [left, right] = pairFor({1, 0.3, 0, 8});
        const bool changed = std::string(row.what) != "none";
        const stereo::Alignment found =
            stereo::estimateAlignment(halfSized(left), halfSized(recoloured(right, row.change, changed)), full);
        ASSERT_TRUE(found.sure);
        const stereo::ColourMatch &match = found.colours;
        ASSERT_TRUE(match.found);
        EXPECT_NE(stereo::describeColours(match).find(row.said), std::string::npos) << stereo::describeColours(match);
        for (int c = 0; c < 3; ++c)
            for (int v = 30; v <= 220; v += 10) {
                // A left value and the right value the same surface took meet,
                // between the two (highlights and shadows of both pressed alike
                // into the range); values near the ends do not flatten (clip).
                const int r = int(std::clamp(std::lround(row.change(c, v)), 0L, 255L));
                const int l2 = match.curves[0][c][v], r2 = match.curves[1][c][r];
                EXPECT_NEAR(l2, r2, 3) << "channel " << c << " value " << v;
                if (v > 48 && v < 208) {
                    EXPECT_GE(std::max(l2, r2), std::min(v, r) - 3);
                    EXPECT_LE(std::min(l2, r2), std::max(v, r) + 3);
                }
                if (!changed) {
                    EXPECT_NEAR(l2, v, 2);
                }
            }
        for (const auto &curves : match.curves)
            for (const auto &curve : curves)
                EXPECT_LT(curve[245], curve[255]);
    }
}

TEST(Finish, TheWindowGoesToTheNearestPointsAClickedPointOrTheCamerasAndAddsToTheHandOffsets)
{
    const imaging::PixelSize full{sceneSize.width, sceneSize.height};
    // The background seen 4 px further right, a near object in the middle 16 px.
    const auto [left, right] = pairFor({0, 0, 0, 4, 0, 16});
    const stereo::Alignment found = stereo::estimateAlignment(halfSized(left), halfSized(right), full);
    ASSERT_TRUE(found.sure);
    stereo::Options hand;
    hand.dx = 5;
    stereo::Choices choices;
    EXPECT_NEAR(stereo::withAlignment(hand, found, choices).dx, 5 + 16, 3);
    choices.window = stereo::WindowRule::AtPoint;
    choices.pointX = 150, choices.pointY = 100;  // the background
    EXPECT_NEAR(stereo::withAlignment(hand, found, choices).dx, 5 + 4, 2);
    choices.pointX = 600, choices.pointY = 450;  // the near object
    EXPECT_NEAR(stereo::withAlignment(hand, found, choices).dx, 5 + 16, 2);
    choices.window = stereo::WindowRule::AsCamera;
    choices.cameraWindow = -30;
    EXPECT_EQ(stereo::withAlignment(hand, found, choices).dx, 5 - 30);
    EXPECT_EQ(stereo::withAlignment(hand, stereo::Alignment{}, choices).dx, 5 - 30) << "needs no estimate";
    choices.cameraWindow.reset();
    EXPECT_NEAR(stereo::withAlignment(hand, found, choices).dx, 5 + 16, 3) << "nothing recorded: the nearest";
}
