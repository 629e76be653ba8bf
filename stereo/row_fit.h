// The robust fit of the rows of a stereo pair: which row of the left picture
// each point of the right picture lies on, as one projective function of
// the point. Only rows are fitted: in a pair the columns differ with the
// depth of each point, the rows do not.
#pragma once

#include <cstddef>
#include <vector>

namespace stereo {

// A point of the left picture and the matching point of the right one.
struct Match {
    double leftX, leftY, rightX, rightY;
};

// With x, y the right point measured from the centre (cx, cy), its left row
// is cy + (b x + a y + t) / (1 + gx x + gy y). Its corrected column, the
// centre staying in place, is cx + (a x - b y) / (1 + gx x + gy y).
struct RowFit {
    bool found = false;
    double a = 1, b = 0, t = 0, gx = 0, gy = 0;
    std::vector<std::size_t> agreeing;  // the matches whose row it explains

    double rowOf(const Match &m, double cx, double cy) const;
    double columnOf(const Match &m, double cx, double cy) const;
};

// Fits the rows by random samples of three matches (turns within 5°, scales
// within 10 %), keeping the fit most matches agree with (within a pixel),
// refined by least squares over them; the keystone terms are added only
// where they lower the rows' residual clearly. The same matches always give
// the same fit.
RowFit fitRows(const std::vector<Match> &matches, double cx, double cy);

}  // namespace stereo
