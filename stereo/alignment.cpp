#include "alignment.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <vector>

#include <opencv2/calib3d.hpp>
#include <opencv2/features2d.hpp>
#include <opencv2/imgproc.hpp>

namespace stereo {

namespace {

constexpr double pi = 3.14159265358979323846;

cv::Mat grayOf(const imaging::RgbPicture &picture)
{
    cv::Mat gray(picture.size.height, picture.size.width, CV_8UC1);
    for (int y = 0; y < picture.size.height; ++y) {
        const std::uint32_t *row = picture.row(y);
        unsigned char *out = gray.ptr<unsigned char>(y);
        for (int x = 0; x < picture.size.width; ++x) {
            const std::uint32_t p = row[x];
            out[x] = static_cast<unsigned char>(((p >> 16 & 0xFF) * 77 + (p >> 8 & 0xFF) * 150 + (p & 0xFF) * 29) >> 8);
        }
    }
    return gray;
}

struct Features {
    std::vector<cv::KeyPoint> points;
    cv::Mat descriptors;
};

Features featuresOf(const imaging::RgbPicture &picture)
{
    Features found;
    cv::Ptr<cv::ORB> orb = cv::ORB::create(1500);
    orb->detectAndCompute(grayOf(picture), cv::noArray(), found.points, found.descriptors);
    return found;
}

// Pairs of points that match one way and the other, each clearly better
// than its second best.
void matchedPoints(const Features &left, const Features &right, std::vector<cv::Point2f> &inLeft,
                   std::vector<cv::Point2f> &inRight, std::vector<bool> &finest)
{
    if (left.descriptors.empty() || right.descriptors.empty())
        return;
    cv::BFMatcher matcher(cv::NORM_HAMMING);
    std::vector<std::vector<cv::DMatch>> forth, back;
    matcher.knnMatch(right.descriptors, left.descriptors, forth, 2);
    matcher.knnMatch(left.descriptors, right.descriptors, back, 1);
    for (const std::vector<cv::DMatch> &best : forth) {
        if (best.size() < 2 || best[0].distance > 0.8f * best[1].distance)
            continue;
        const cv::DMatch &m = best[0];
        if (back[std::size_t(m.trainIdx)].empty() || back[std::size_t(m.trainIdx)][0].trainIdx != m.queryIdx)
            continue;
        const cv::KeyPoint &r = right.points[std::size_t(m.queryIdx)], &l = left.points[std::size_t(m.trainIdx)];
        inRight.push_back(r.pt);
        inLeft.push_back(l.pt);
        finest.push_back(r.octave == 0 && l.octave == 0);
    }
}

// A similarity without its horizontal move: left y = b x + a y + ty of the right point.
struct RowFit {
    double a = 1, b = 0, ty = 0;
    double rowOf(cv::Point2f p) const { return b * p.x + a * p.y + ty; }
    double columnOf(cv::Point2f p) const { return a * p.x - b * p.y; }
};

// Least squares over the rows of the points marked in `use`.
bool fitRows(const std::vector<cv::Point2f> &inLeft, const std::vector<cv::Point2f> &inRight,
             const std::vector<bool> &use, RowFit &fit)
{
    cv::Matx33d normal = cv::Matx33d::zeros();
    cv::Vec3d right = cv::Vec3d::all(0);
    int count = 0;
    for (std::size_t i = 0; i < inLeft.size(); ++i) {
        if (!use[i])
            continue;
        const cv::Vec3d row(inRight[i].x, inRight[i].y, 1.0);
        normal += row * row.t();
        right += row * double(inLeft[i].y);
        ++count;
    }
    cv::Vec3d solved;
    if (count < 3 || !cv::solve(normal, right, solved, cv::DECOMP_CHOLESKY))
        return false;
    fit = {solved[1], solved[0], solved[2]};
    return true;
}

double percentile(std::vector<double> values, double share)
{
    const auto at = values.begin() + long(std::lround(share * double(values.size() - 1)));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

Alignment unsure(Doubt why, int inliers = 0)
{
    Alignment alignment;
    alignment.doubt = why;
    alignment.inliers = inliers;
    return alignment;
}

}  // namespace

const char *doubtText(Doubt doubt)
{
    switch (doubt) {
    case Doubt::None: return "";
    case Doubt::SizesDiffer: return "the pictures differ in size";
    case Doubt::TooFewMatches: return "too few matching points";
    case Doubt::FitDisagrees: return "the fit disagrees with itself";
    case Doubt::TurnTooLarge: return "a turn of more than 5°";
    case Doubt::ScaleTooFar: return "a scale off by more than 10 %";
    }
    return "";
}

Options withAlignment(Options options, const Alignment &alignment)
{
    if (!alignment.needed())
        return options;
    options.dx += int(std::lround(alignment.windowDx));
    options.degrees = alignment.degrees, options.scale = alignment.scale, options.shiftY = alignment.dy;
    return options;
}

bool Alignment::needed() const
{
    return sure && (std::abs(dy) >= 0.5 || std::abs(degrees) >= 0.05 || std::abs(scale - 1) >= 0.001);
}

Alignment estimateAlignment(const imaging::RgbPicture &left, const imaging::RgbPicture &right,
                            imaging::PixelSize fullSize)
{
    if (left.size != right.size || left.size.width < 16 || left.size.height < 16)
        return unsure(Doubt::SizesDiffer);
    std::future<Features> rightFeatures = std::async(std::launch::async, featuresOf, std::cref(right));
    const Features leftFeatures = featuresOf(left);
    std::vector<cv::Point2f> inLeft, inRight;
    std::vector<bool> finest;  // both points found at the full scale of the pictures
    matchedPoints(leftFeatures, rightFeatures.get(), inLeft, inRight, finest);
    if (int(inLeft.size()) < fewestInliers)
        return unsure(Doubt::TooFewMatches, int(inLeft.size()));

    // A first robust fit of the whole similarity finds the points that agree.
    std::vector<unsigned char> agree;
    const cv::Mat similarity = cv::estimateAffinePartial2D(inRight, inLeft, agree, cv::RANSAC, 3.0, 4000, 0.999, 10);
    if (similarity.empty())
        return unsure(Doubt::TooFewMatches);
    std::vector<bool> use(agree.begin(), agree.end());
    RowFit fit{similarity.at<double>(0, 0), similarity.at<double>(1, 0), similarity.at<double>(1, 2)};
    // Then the rows alone: every point whose row the fit explains counts,
    // whatever its depth.
    for (int round = 0; round < 3; ++round) {
        for (std::size_t i = 0; i < inLeft.size(); ++i)
            use[i] = std::abs(fit.rowOf(inRight[i]) - inLeft[i].y) < 1.5;
        if (!fitRows(inLeft, inRight, use, fit))
            return unsure(Doubt::TooFewMatches);
    }
    const int inliers = int(std::count(use.begin(), use.end(), true));
    if (inliers < fewestInliers || inliers * 4 < int(inLeft.size()))
        return unsure(Doubt::TooFewMatches, inliers);

    Alignment alignment;
    alignment.inliers = inliers;
    alignment.scale = std::hypot(fit.a, fit.b);
    alignment.degrees = std::atan2(fit.b, fit.a) * 180.0 / pi;
    const double ransacScale = std::hypot(similarity.at<double>(0, 0), similarity.at<double>(1, 0));
    const double ransacDegrees = std::atan2(similarity.at<double>(1, 0), similarity.at<double>(0, 0)) * 180.0 / pi;
    if (std::abs(ransacDegrees - alignment.degrees) > 0.5 || std::abs(ransacScale / alignment.scale - 1) > 0.01)
        return unsure(Doubt::FitDisagrees, inliers);
    if (std::abs(alignment.degrees) > largestDegrees)
        return unsure(Doubt::TurnTooLarge, inliers);
    if (std::abs(alignment.scale - 1) > largestScaleChange)
        return unsure(Doubt::ScaleTooFar, inliers);

    // The move about the centre: the centre goes to the row b cx + a cy + ty.
    const double toFull = double(fullSize.width) / left.size.width;
    const cv::Point2f centre(float(left.size.width) / 2, float(left.size.height) / 2);
    alignment.dy = (fit.rowOf(centre) - centre.y) * toFull;

    // Horizontal disparities of the agreeing points once corrected (right
    // minus left: positive lies behind the screen); the nearest few and the
    // farthest few are left out as possible mismatches.
    // Points found at coarser scales place their columns less precisely:
    // they count only when too few were found at the finest.
    std::vector<double> disparities, finestDisparities;
    const double shiftX = centre.x - fit.columnOf(centre);  // the column move that keeps the centre
    for (std::size_t i = 0; i < inLeft.size(); ++i) {
        if (!use[i])
            continue;
        disparities.push_back((fit.columnOf(inRight[i]) + shiftX - inLeft[i].x) * toFull);
        if (finest[i])
            finestDisparities.push_back(disparities.back());
    }
    if (int(finestDisparities.size()) >= fewestInliers)
        disparities.swap(finestDisparities);
    const double nearest = percentile(disparities, 0.02), farthest = percentile(disparities, 0.98);
    alignment.windowDx = -nearest;
    alignment.disparityRange = farthest - nearest;
    alignment.exceedsDepthBudget = alignment.disparityRange > fullSize.width / 30.0;
    alignment.sure = true;
    return alignment;
}

}  // namespace stereo
