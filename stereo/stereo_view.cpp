#include "stereo_view.h"

#include <algorithm>
#include <cmath>
#include <array>
#include <cstdlib>

namespace stereo {

namespace {

constexpr std::array<ViewDescription, 21> views = {{
    {View::Parallel, "parallel", "ViewParallel"},
    {View::Cross, "cross", "ViewCross"},
    {View::OverUnder, "over-under", "ViewOverUnder"},
    {View::Mirror, "mirror", "ViewMirror"},
    {View::HalfParallel, "half-parallel", "ViewHalfParallel"},
    {View::HalfOverUnder, "half-over-under", "ViewHalfOverUnder"},
    {View::Rows, "rows", "ViewRows"},
    {View::Columns, "columns", "ViewColumns"},
    {View::RedCyanDubois, "anaglyph-dubois", "ViewRedCyanDubois"},
    {View::RedCyanColour, "anaglyph-color", "ViewRedCyanColor"},
    {View::RedCyanHalf, "anaglyph-half", "ViewRedCyanHalf"},
    {View::RedCyanGray, "anaglyph-gray", "ViewRedCyanGray"},
    {View::GreenMagentaDubois, "green-magenta-dubois", "ViewGreenMagentaDubois"},
    {View::GreenMagentaColour, "green-magenta-color", "ViewGreenMagentaColor"},
    {View::GreenMagentaHalf, "green-magenta-half", "ViewGreenMagentaHalf"},
    {View::GreenMagentaGray, "green-magenta-gray", "ViewGreenMagentaGray"},
    {View::AmberBlueDubois, "amber-blue-dubois", "ViewAmberBlueDubois"},
    {View::AmberBlueColour, "amber-blue-color", "ViewAmberBlueColor"},
    {View::AmberBlueHalf, "amber-blue-half", "ViewAmberBlueHalf"},
    {View::AmberBlueGray, "amber-blue-gray", "ViewAmberBlueGray"},
    {View::Wiggle, "wiggle", "ViewWiggle"},
}};

}  // namespace

std::span<const ViewDescription> allViews() { return views; }

const ViewDescription &describe(View view)
{
    return *std::find_if(views.begin(), views.end(), [view](const ViewDescription &d) { return d.view == view; });
}

std::optional<View> viewNamed(std::string_view name)
{
    for (const ViewDescription &d : views)
        if (name == d.name)
            return d.view;
    return std::nullopt;
}

bool isAnaglyph(View view) { return view >= View::RedCyanDubois && view <= View::AmberBlueGray; }

Layout layoutOf(View view)
{
    switch (view) {
    case View::Parallel:
    case View::Cross:
    case View::Mirror: return {2, 1};
    case View::OverUnder: return {1, 2};
    default: return {1, 1};
    }
}

Overlap overlapOf(imaging::PixelSize picture, int dx, int dy, int insetX, int insetY, bool insetLeft)
{
    dx = std::clamp(dx, std::min(0, 1 - picture.width), std::max(0, picture.width - 1));
    dy = std::clamp(dy, std::min(0, 1 - picture.height), std::max(0, picture.height - 1));
    // In the left picture's columns: what the right one covers, inside its
    // insets, and inside the left one's own where it is corrected too.
    const int leftX = insetLeft ? insetX : 0, leftY = insetLeft ? insetY : 0;
    const int x0 = std::max(leftX, insetX + dx), x1 = std::min(picture.width - leftX, picture.width - insetX + dx);
    const int y0 = std::max(leftY, insetY + dy), y1 = std::min(picture.height - leftY, picture.height - insetY + dy);
    if ((insetX != 0 || insetY != 0) && (x1 <= x0 || y1 <= y0))
        return overlapOf(picture, dx, dy);  // insets beyond what the offsets leave: keep one pixel at least
    return {x0, y0, x0 - dx, y0 - dy, {x1 - x0, y1 - y0}};
}

Options scaledOptions(Options options, double factor)
{
    options.dx = int(std::lround(options.dx * factor));
    options.dy = int(std::lround(options.dy * factor));
    options.shiftY *= factor;
    options.keystoneX /= factor, options.keystoneY /= factor;
    return options;
}

}  // namespace stereo
