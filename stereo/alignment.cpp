#include "alignment.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <vector>

#include <opencv2/features2d.hpp>
#include <opencv2/imgproc.hpp>

#include "correction.h"
#include "row_fit.h"
#include "imaging/work_pool.h"

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
    cv::Mat gray;
    std::vector<cv::KeyPoint> points;
    cv::Mat descriptors;
};

Features featuresOf(const imaging::RgbPicture &picture)
{
    Features found;
    found.gray = grayOf(picture);
    cv::Ptr<cv::ORB> orb = cv::ORB::create(1500);
    orb->detectAndCompute(found.gray, cv::noArray(), found.points, found.descriptors);
    return found;
}

// Pairs of points that match one way and the other, each clearly better
// than its second best. The distances of every pair of descriptors are
// worked out once, for both ways.
std::vector<Match> matchedPoints(const Features &left, const Features &right)
{
    std::vector<Match> matches;
    // The ratio test needs a second best on either side; a picture with
    // fewer points than a fit needs cannot be aligned anyway.
    if (left.descriptors.rows < fewestInliers || right.descriptors.rows < fewestInliers)
        return matches;
    // A row for each right point, a column for each left one; the two
    // halves of the rows at once.
    cv::Mat distances(right.descriptors.rows, left.descriptors.rows, CV_32S);
    const auto rowsOf = [&](int first, int last) {
        cv::Mat part = distances.rowRange(first, last);
        cv::batchDistance(right.descriptors.rowRange(first, last), left.descriptors, part, CV_32S, cv::noArray(),
                          cv::NORM_HAMMING);
    };
    const int half = distances.rows / 2;
    imaging::WorkPool::shared().runAll({[&] { rowsOf(0, half); }, [&] { rowsOf(half, distances.rows); }});
    std::vector<int> bestRightOf(std::size_t(distances.cols), -1), bestDistanceOf(std::size_t(distances.cols), INT_MAX);
    for (int r = 0; r < distances.rows; ++r) {
        const int *row = distances.ptr<int>(r);
        for (int l = 0; l < distances.cols; ++l)
            if (row[l] < bestDistanceOf[std::size_t(l)])
                bestDistanceOf[std::size_t(l)] = row[l], bestRightOf[std::size_t(l)] = r;
    }
    for (int r = 0; r < distances.rows; ++r) {
        const int *row = distances.ptr<int>(r);
        int best = -1, first = INT_MAX, second = INT_MAX;
        for (int l = 0; l < distances.cols; ++l) {
            if (row[l] < first)
                second = first, first = row[l], best = l;
            else if (row[l] < second)
                second = row[l];
        }
        if (best < 0 || second == INT_MAX || first > 0.8 * second || bestRightOf[std::size_t(best)] != r)
            continue;
        const cv::Point2f rp = right.points[std::size_t(r)].pt, lp = left.points[std::size_t(best)].pt;
        matches.push_back({lp.x, lp.y, rp.x, rp.y});
    }
    return matches;
}

// Features are found at whole pixels of their pyramid level. Each match is
// placed again to a fraction of a pixel: the patch about the left point is
// sought near the right point by normalised correlation, and the peak found
// between pixels by a parabola through its neighbours. A match whose patch
// is flat, or which correlates poorly or at the edge of the search, is left
// out.
std::vector<Match> refined(const std::vector<Match> &matches, const cv::Mat &left, const cv::Mat &right)
{
    constexpr int radius = 5, reach = 2;
    const auto peakOffset = [](float before, float at, float after) {
        const float curve = before - 2 * at + after;
        return curve < 0 ? 0.5 * (before - after) / curve : 0.0;
    };
    std::vector<Match> placed;
    cv::Mat scores;
    const cv::Rect leftInside(radius, radius, left.cols - 2 * radius, left.rows - 2 * radius);
    const cv::Rect rightInside(radius + reach, radius + reach, right.cols - 2 * (radius + reach),
                               right.rows - 2 * (radius + reach));
    for (const Match &m : matches) {
        const cv::Point l(int(std::lround(m.leftX)), int(std::lround(m.leftY)));
        const cv::Point r(int(std::lround(m.rightX)), int(std::lround(m.rightY)));
        if (!leftInside.contains(l) || !rightInside.contains(r))
            continue;
        const cv::Mat patch = left(cv::Rect(l.x - radius, l.y - radius, 2 * radius + 1, 2 * radius + 1));
        cv::Scalar mean, spread;
        cv::meanStdDev(patch, mean, spread);
        if (spread[0] < 2)
            continue;
        const int span = 2 * (radius + reach) + 1;
        cv::matchTemplate(right(cv::Rect(r.x - radius - reach, r.y - radius - reach, span, span)), patch, scores,
                          cv::TM_CCOEFF_NORMED);
        double best;
        cv::Point at;
        cv::minMaxLoc(scores, nullptr, &best, nullptr, &at);
        if (best < 0.8 || at.x == 0 || at.y == 0 || at.x == 2 * reach || at.y == 2 * reach)
            continue;
        const double dx = peakOffset(scores.at<float>(at.y, at.x - 1), float(best), scores.at<float>(at.y, at.x + 1));
        const double dy = peakOffset(scores.at<float>(at.y - 1, at.x), float(best), scores.at<float>(at.y + 1, at.x));
        placed.push_back({double(l.x), double(l.y), r.x - reach + at.x + dx, r.y - reach + at.y + dy});
    }
    return placed;
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

MPOText doubtText(Doubt doubt)
{
    switch (doubt) {
    case Doubt::None: break;
    case Doubt::SizesDiffer: return {"AlignSizesDiffer", "the pictures differ in size"};
    case Doubt::TooFewMatches:
        return {"AlignTooFewMatches", "too few points match (the pictures may show different scenes)"};
    case Doubt::TooSmall: return {"AlignTooSmall", "the pictures are too small to find points in"};
    case Doubt::NotDecoded: return {"AlignNotDecoded", "a picture of the pair cannot be decoded"};
    case Doubt::Grayscale: return {"AlignGrayscale", "the pictures of the pair are grayscale"};
    case Doubt::OutOfMemory: return {"AlignOutOfMemory", "not enough memory to align the pictures"};
    case Doubt::FeatureFailure: return {"AlignFeatureFailure", "the points of the pictures cannot be matched"};
    case Doubt::TooLarge: return {"AlignTooLarge", "a picture of the pair is too large"};
    }
    return {"", ""};
}

bool estimateFailed(Doubt doubt)
{
    return doubt == Doubt::OutOfMemory || doubt == Doubt::FeatureFailure;
}

bool isPairFault(Doubt doubt)
{
    return doubt == Doubt::SizesDiffer || doubt == Doubt::NotDecoded || doubt == Doubt::Grayscale ||
           doubt == Doubt::TooLarge;
}

std::string describeAlignment(const Alignment &alignment, const Choices &choices)
{
    if (!alignment.sure)
        return std::string("not aligned: ") + doubtText(alignment.doubt).text;
    std::vector<std::string> done;
    char text[128];
    if (alignment.needed()) {
        if (std::abs(alignment.dy) >= 0.5)
            std::snprintf(text, sizeof text, "%.0f px %s", std::abs(alignment.dy), alignment.dy < 0 ? "up" : "down"),
                done.push_back(text);
        if (std::abs(alignment.degrees) >= 0.05)
            std::snprintf(text, sizeof text, "%.1f° turned", std::abs(alignment.degrees)), done.push_back(text);
        if (std::abs(alignment.scale - 1) >= 0.001)
            std::snprintf(text, sizeof text, "%.1f %% %s", std::abs(alignment.scale - 1) * 100,
                          alignment.scale > 1 ? "larger" : "smaller"),
                done.push_back(text);
        if (alignment.keystoneRows() >= 0.5)
            done.push_back("keystone straightened");
    }
    std::string said = done.empty() ? "rows already level" : "aligned: ";
    for (std::size_t i = 0; i < done.size(); ++i)
        said += (i == 0 ? "" : ", ") + done[i];
    const long move = std::lround(windowMove(alignment, choices));
    const char *where = choices.window == WindowRule::AtPoint ? "the chosen point"
                        : choices.window == WindowRule::AsCamera && choices.cameraWindow ? "the camera's window"
                                                                                          : "the nearest points";
    std::snprintf(text, sizeof text, "; %s at the screen (the right picture %ld px %s)", where, std::abs(move),
                  move < 0 ? "left" : "right");
    said += text;
    if (alignment.exceedsDepthBudget)
        std::snprintf(text, sizeof text,
                      "; deeper than is comfortable (%ld px of disparity): crop to the nearer part, or put the "
                      "window at a point further back",
                      std::lround(alignment.disparityRange)),
            said += text;
    if (choices.matchColours)
        said += "; " + describeColours(alignment.colours);
    return said;
}

imaging::PixelSize analysisSize(imaging::PixelSize full)
{
    // Small pictures whole; larger ones at about 1000 pixels across (the
    // decoder takes the smallest eighth-scale that covers it: a quarter of a
    // 12 MP picture), enough to place rows within a fraction of a pixel.
    if (full.width <= 1600)
        return full;
    const double scale = 1000.0 / full.width;
    return {1000, std::max(1, int(full.height * scale))};
}

double windowMove(const Alignment &alignment, const Choices &choices)
{
    if (choices.window == WindowRule::AsCamera && choices.cameraWindow)
        return *choices.cameraWindow;
    if (choices.window != WindowRule::AtPoint || alignment.depths.empty())
        return alignment.windowDx;
    // The median disparity of the few matched points nearest the point.
    std::vector<std::pair<double, float>> byDistance;
    for (const Alignment::DepthPoint &p : alignment.depths)
        byDistance.emplace_back(std::hypot(p.x - choices.pointX, p.y - choices.pointY), p.disparity);
    const std::size_t nearest = std::min<std::size_t>(7, byDistance.size());
    std::partial_sort(byDistance.begin(), byDistance.begin() + long(nearest), byDistance.end());
    std::vector<double> disparities;
    for (std::size_t i = 0; i < nearest; ++i)
        disparities.push_back(byDistance[i].second);
    return -percentile(disparities, 0.5);
}

Options withAlignment(Options options, const Alignment &alignment, const Choices &choices)
{
    if (!alignment.sure) {
        if (choices.window == WindowRule::AsCamera && choices.cameraWindow)
            options.dx += int(std::lround(*choices.cameraWindow));
        return options;
    }
    options.dx += int(std::lround(windowMove(alignment, choices)));
    if (alignment.needed()) {
        options.degrees = alignment.degrees, options.scale = alignment.scale, options.shiftY = alignment.dy;
        options.keystoneX = alignment.keystoneX, options.keystoneY = alignment.keystoneY;
    }
    if (choices.matchColours && alignment.colours.found)
        options.colours = std::make_shared<const ColourMatch>(alignment.colours);
    return options;
}

double Alignment::keystoneRows() const
{
    const double halfW = fullSize.width / 2.0, halfH = fullSize.height / 2.0;
    return (std::abs(keystoneX) * halfW + std::abs(keystoneY) * halfH) * halfH;
}

bool Alignment::needed() const
{
    return sure && (std::abs(dy) >= 0.5 || std::abs(degrees) >= 0.05 || std::abs(scale - 1) >= 0.001 ||
                    keystoneRows() >= 0.5);
}

namespace {

// The colours matched on the pictures at the analysis size, the right one corrected.
ColourMatch coloursOf(const imaging::RgbPicture &left, const imaging::RgbPicture &right,
                      const Alignment &alignment, double toFull)
{
    const Options correction = scaledOptions(withAlignment({}, alignment), 1 / toFull);
    imaging::RgbPicture corrected;
    if (correction.corrects())
        correctPicture(right, correction, corrected);
    std::vector<double> disparities;
    for (const Alignment::DepthPoint &p : alignment.depths)
        disparities.push_back(p.disparity / toFull);
    return matchColours(left, correction.corrects() ? corrected : right,
                        int(std::floor(percentile(disparities, 0.01))) - 2,
                        int(std::ceil(percentile(disparities, 0.99))) + 2);
}

Alignment estimated(const imaging::RgbPicture &left, const imaging::RgbPicture &right, imaging::PixelSize fullSize)
{
    if (left.size != right.size)
        return unsure(Doubt::SizesDiffer);
    if (left.size.width < 16 || left.size.height < 16)
        return unsure(Doubt::TooSmall);
    Features leftFeatures, rightFound;
    imaging::WorkPool::shared().runAll({[&] { leftFeatures = featuresOf(left); },
                                        [&] { rightFound = featuresOf(right); }});
    const std::vector<Match> found = matchedPoints(leftFeatures, rightFound);
    // Placed finer in two halves at once.
    const std::size_t half = found.size() / 2;
    std::vector<Match> matches, placed;
    imaging::WorkPool::shared().runAll(
        {[&] { matches = refined({found.begin(), found.begin() + long(half)}, leftFeatures.gray, rightFound.gray); },
         [&] { placed = refined({found.begin() + long(half), found.end()}, leftFeatures.gray, rightFound.gray); }});
    matches.insert(matches.end(), placed.begin(), placed.end());
    if (int(matches.size()) < fewestInliers)
        matches = found;  // too little texture to place them finer
    if (int(matches.size()) < fewestInliers)
        return unsure(Doubt::TooFewMatches, int(matches.size()));

    const double cx = left.size.width / 2.0, cy = left.size.height / 2.0;
    const RowFit fit = fitRows(matches, cx, cy);
    const int inliers = int(fit.agreeing.size());
    if (!fit.found || inliers < fewestInliers || inliers * 4 < int(matches.size()))
        return unsure(Doubt::TooFewMatches, inliers);

    Alignment alignment;
    alignment.inliers = inliers;
    alignment.fullSize = fullSize;
    const double toFull = double(fullSize.width) / left.size.width;
    alignment.scale = std::hypot(fit.a, fit.b);
    alignment.degrees = std::atan2(fit.b, fit.a) * 180.0 / pi;
    alignment.dy = fit.t * toFull;
    alignment.keystoneX = fit.gx / toFull, alignment.keystoneY = fit.gy / toFull;

    // Horizontal disparities of the agreeing points once corrected (right
    // minus left: positive lies behind the screen); the nearest few and the
    // farthest few are left out as possible mismatches.
    std::vector<double> disparities;
    for (const std::size_t i : fit.agreeing) {
        disparities.push_back((fit.columnOf(matches[i], cx, cy) - matches[i].leftX) * toFull);
        alignment.depths.push_back({float(matches[i].leftX * toFull), float(matches[i].leftY * toFull),
                                    float(disparities.back())});
    }
    const double nearest = percentile(disparities, 0.01), farthest = percentile(disparities, 0.98);
    alignment.windowDx = -nearest;
    alignment.disparityRange = farthest - nearest;
    alignment.exceedsDepthBudget = alignment.disparityRange > fullSize.width / 30.0;
    alignment.sure = true;
    alignment.colours = coloursOf(left, right, alignment, toFull);
    return alignment;
}

}  // namespace

Alignment estimateAlignment(const imaging::RgbPicture &left, const imaging::RgbPicture &right,
                            imaging::PixelSize fullSize)
{
    // The feature library reports what it cannot do by exceptions; none
    // leaves here, and the pair stays as it is.
    try {
        return estimated(left, right, fullSize);
    } catch (const std::bad_alloc &) {
        return unsure(Doubt::OutOfMemory);
    } catch (const cv::Exception &error) {
        return unsure(error.code == cv::Error::StsNoMem ? Doubt::OutOfMemory : Doubt::FeatureFailure);
    } catch (const std::exception &) {
        return unsure(Doubt::FeatureFailure);
    }
}

const char *featureLibraryVersion()
{
    return CV_VERSION;
}

}  // namespace stereo
