// The stereo views: how a left and a right picture are put together so that
// a viewer sees them in depth, and the settings every view takes.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "imaging/picture.h"

namespace stereo {

enum class View {
    Parallel,   // left | right, for parallel (wall-eyed) viewing
    Cross,      // right | left, for cross-eyed viewing
    OverUnder,  // left on top
    Mirror,     // left | right flipped, for mirror viewers
    Rows,       // interlaced rows, left on even rows (passive 3D monitors)
    Columns,    // interlaced columns, left on even columns
    RedCyanDubois, RedCyanColour, RedCyanHalf, RedCyanGray,
    GreenMagentaDubois, GreenMagentaColour, GreenMagentaHalf, GreenMagentaGray,
    AmberBlueDubois, AmberBlueColour, AmberBlueHalf, AmberBlueGray,
    HalfParallel,   // left | right, each squeezed to half the width (3D TVs, projectors)
    HalfOverUnder,  // left on top, each squeezed to half the height
    Wiggle,  // the two pictures in turn (the viewer only)
};

struct ViewDescription {
    View view;
    const char *name;   // as the command line and the settings spell it
    const char *textId;  // the viewer's text for it, looked up by this id
};

// Every view, in menu order.
std::span<const ViewDescription> allViews();
const ViewDescription &describe(View view);
std::optional<View> viewNamed(std::string_view name);

bool isAnaglyph(View view);

struct ColourMatch;

// What is kept of the pictures once they are placed: a shape and a part.
struct Crop {
    // Width over height; 0 keeps the shape the pictures were taken at, and a
    // value below 0 keeps whatever the offsets and the correction leave.
    double aspect = 0;
    // The part kept, as shares of what both pictures cover (the whole by default).
    double left = 0, top = 0, right = 1, bottom = 1;
    bool whole() const { return left == 0 && top == 0 && right == 1 && bottom == 1; }
};

// Everything done to a pair before it is shown or written: the view, the
// swap, the hand offsets (with the stereo window an alignment adds), the
// alignment's correction of the right picture, both pictures turned level,
// their colours matched, and the crop.
struct Options {
    View view = View::RedCyanDubois;
    bool swap = false;  // exchange left and right first
    int dx = 0;         // pixels the right picture moves right: the scene goes behind the screen
    int dy = 0;         // pixels the right picture moves down
    // A correction of the right picture applied first (an alignment): turned
    // by `degrees` (clockwise as seen) and scaled by `scale` about its
    // centre, then moved `shiftY` pixels down; with a keystone, a point x, y
    // pixels from the centre is then divided by 1 + keystoneX x + keystoneY y
    // (a perspective that straightens pictures of toed-in cameras). What the
    // correction leaves uncovered is cropped from both pictures alike.
    double degrees = 0, scale = 1, shiftY = 0;
    double keystoneX = 0, keystoneY = 0;
    bool corrects() const { return degrees != 0 || scale != 1 || shiftY != 0 || keystoneX != 0 || keystoneY != 0; }
    // Both pictures turned by this many degrees (clockwise as seen) about
    // their centres, after the correction: a horizon made level.
    double level = 0;
    // Tone curves for both pictures, applied before anything else; none when empty.
    std::shared_ptr<const ColourMatch> colours;
    Crop crop;
    // A written view is scaled, undistorted, into a frame of exactly this
    // size, with black bars (each picture of a half view into its half);
    // none when 0. What is shown on screen is not.
    imaging::PixelSize fit{};
};

// The same settings for pictures `factor` times the size they are given for.
Options scaledOptions(Options options, double factor);

// How a view lays out two pictures: the composed picture is `across` times
// as wide and `down` times as high as one (cropped) picture.
struct Layout {
    int across = 1;
    int down = 1;
};
Layout layoutOf(View view);

// The part of each picture that both cover once the right one is moved by
// (dx, dy); offsets beyond the picture are clamped, leaving one pixel.
struct Overlap {
    int leftX = 0, leftY = 0, rightX = 0, rightY = 0;
    imaging::PixelSize size;
};
// `insetX` and `insetY` leave out as many columns and rows on each side of
// the right picture (what a correction does not cover), and of the left
// one too when `insetLeft`.
Overlap overlapOf(imaging::PixelSize picture, int dx, int dy, int insetX = 0, int insetY = 0, bool insetLeft = false);

}  // namespace stereo
