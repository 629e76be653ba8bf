#include "row_fit.h"

#include <algorithm>
#include <cmath>
#include <random>

#include <opencv2/core.hpp>

#include "alignment.h"

namespace stereo {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double agreement = 1.0;  // pixels a row may be off and still agree

double denominator(const RowFit &fit, double x, double y) { return 1 + fit.gx * x + fit.gy * y; }

double residual(const RowFit &fit, const Match &m, double cx, double cy)
{
    return std::abs(fit.rowOf(m, cx, cy) - m.leftY);
}

std::vector<std::size_t> agreeingWith(const RowFit &fit, const std::vector<Match> &matches, double cx, double cy)
{
    std::vector<std::size_t> agreeing;
    for (std::size_t i = 0; i < matches.size(); ++i)
        if (residual(fit, matches[i], cx, cy) < agreement)
            agreeing.push_back(i);
    return agreeing;
}

bool plausible(const RowFit &fit)
{
    const double scale = std::hypot(fit.a, fit.b);
    return std::abs(scale - 1) <= largestScaleChange &&
           std::abs(std::atan2(fit.b, fit.a)) * 180 / pi <= largestDegrees;
}

// Least squares over the matches `use`: the similarity's rows alone, or with
// the keystone terms (the equation multiplied out by the denominator, which
// stays near 1). Coordinates are taken in units of `unit` pixels, which keeps
// the equations well conditioned.
bool solveRows(const std::vector<Match> &matches, const std::vector<std::size_t> &use, double cx, double cy,
               bool keystone, RowFit &fit)
{
    const int unknowns = keystone ? 5 : 3;
    const double unit = std::max(cx, cy);
    cv::Mat normal = cv::Mat::zeros(unknowns, unknowns, CV_64F), right = cv::Mat::zeros(unknowns, 1, CV_64F);
    for (const std::size_t i : use) {
        const double x = (matches[i].rightX - cx) / unit, y = (matches[i].rightY - cy) / unit;
        const double row = (matches[i].leftY - cy) / unit;
        const double terms[5] = {x, y, 1, -row * x, -row * y};
        for (int r = 0; r < unknowns; ++r) {
            right.at<double>(r) += terms[r] * row;
            for (int c = 0; c < unknowns; ++c)
                normal.at<double>(r, c) += terms[r] * terms[c];
        }
    }
    cv::Mat solved;
    if (int(use.size()) < unknowns || !cv::solve(normal, right, solved, cv::DECOMP_CHOLESKY))
        return false;
    fit.b = solved.at<double>(0), fit.a = solved.at<double>(1), fit.t = solved.at<double>(2) * unit;
    fit.gx = keystone ? solved.at<double>(3) / unit : 0;
    fit.gy = keystone ? solved.at<double>(4) / unit : 0;
    return true;
}

// Least squares over the agreeing matches, and the agreeing matches anew, a few rounds.
bool refine(const std::vector<Match> &matches, double cx, double cy, bool keystone, RowFit &fit)
{
    for (int round = 0; round < 4; ++round) {
        RowFit next = fit;
        if (!solveRows(matches, fit.agreeing, cx, cy, keystone, next) || !plausible(next))
            return false;
        next.agreeing = agreeingWith(next, matches, cx, cy);
        fit = next;
    }
    return true;
}

double rms(const RowFit &fit, const std::vector<Match> &matches, const std::vector<std::size_t> &use, double cx,
           double cy)
{
    double sum = 0;
    for (const std::size_t i : use)
        sum += std::pow(residual(fit, matches[i], cx, cy), 2);
    return use.empty() ? 0 : std::sqrt(sum / double(use.size()));
}

// The best fit of three matches at a time.
RowFit sampled(const std::vector<Match> &matches, double cx, double cy)
{
    std::mt19937 random(20261208);  // a fixed seed: the same pair always gives the same estimate
    std::uniform_int_distribution<std::size_t> pick(0, matches.size() - 1);
    RowFit best;
    // Enough rounds to draw three agreeing matches at least once with a
    // chance of 99.9 %, given the share that agrees with the best fit so far.
    int rounds = 600;
    for (int round = 0; round < rounds; ++round) {
        const std::size_t i = pick(random), j = pick(random), k = pick(random);
        if (i == j || j == k || i == k)
            continue;
        RowFit trial;
        if (!solveRows(matches, {i, j, k}, cx, cy, false, trial) || !plausible(trial))
            continue;
        trial.agreeing = agreeingWith(trial, matches, cx, cy);
        if (trial.agreeing.size() <= best.agreeing.size())
            continue;
        best = std::move(trial), best.found = true;
        const double share = double(best.agreeing.size()) / double(matches.size());
        rounds = std::min(rounds, 20 + int(std::ceil(std::log(0.001) / std::log(1 - std::pow(share, 3)))));
    }
    return best;
}

}  // namespace

double RowFit::rowOf(const Match &m, double cx, double cy) const
{
    const double x = m.rightX - cx, y = m.rightY - cy;
    return cy + (b * x + a * y + t) / denominator(*this, x, y);
}

double RowFit::columnOf(const Match &m, double cx, double cy) const
{
    const double x = m.rightX - cx, y = m.rightY - cy;
    return cx + (a * x - b * y) / denominator(*this, x, y);
}

RowFit fitRows(const std::vector<Match> &matches, double cx, double cy)
{
    RowFit fit = sampled(matches, cx, cy);
    if (!fit.found || !refine(matches, cx, cy, false, fit))
        return {};
    // The keystone where it explains the rows clearly better, within a
    // plausible perspective.
    RowFit keystone = fit;
    // (cx, cy is half the picture: the denominator stays within 1 ± largestKeystone.)
    if (refine(matches, cx, cy, true, keystone) &&
        std::abs(keystone.gx) * cx + std::abs(keystone.gy) * cy <= largestKeystone &&
        rms(keystone, matches, fit.agreeing, cx, cy) < 0.95 * rms(fit, matches, fit.agreeing, cx, cy))
        fit = std::move(keystone);
    return fit;
}

}  // namespace stereo
