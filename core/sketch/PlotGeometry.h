#pragma once

#include "core/sketch/CameraViewSketch.h"

#include <optional>
#include <vector>

// The geometry of one view of the drawing: the box's axes in metres and how they map onto the
// pixels of the view's plot, with the grid drawn over the box.
namespace orbanil::sketch {

// A stretch of one axis, in metres.
struct Span
{
    double low = 0;
    double high = 0;

    double length() const { return high - low; }
};

// One axis of the box with the head on it: the span shown takes in a head up to a quarter of the
// box (at least 1 m) beyond the box; a head further out is drawn at that edge.
struct Axis
{
    Span box;
    Span shown;
    std::optional<double> head;
    double reach = 0;
    double drawnAt = 0;
    bool offScale = false;

    bool isOutside(double at) const { return at < box.low || at > box.high; }
    bool headOutside() const { return head && isOutside(*head); }
    double placed(double at) const;
    // The span shown takes in a head, as far as it is drawn.
    void takeIn(std::optional<double> at);
};

// The axis of a box dimension, centred on zero or, for the height, standing on it; nothing
// without the dimension.
std::optional<Axis> axisOf(std::optional<double> dimension, bool fromZero,
                           std::optional<double> head);

// How a view's upward axis stands in its plot: running up from the bottom, or down from the top.
enum class Standing
{
    OnBottom,
    FromTop
};

// The mapping at `scale` that centres `across` in the plot and puts upward.low `margin` inside
// its bottom or its top edge.
PlotMapping placeInto(const PixelRect& plot, Span across, Span upward, double scale, double margin,
                      Standing standing);

// The rectangle that two spans take.
PixelRect rectOf(const PlotMapping& map, Span a, Span u);

// The finest of 1, 2, 5, 10, 20, 50 ... metres whose lines stand at least 5 px apart.
double gridStep(double pixelsPerMetre);

// The grid lines strictly inside the box: its own edges are drawn as its outline.
std::vector<PixelLine> gridLines(const PlotMapping& map, Span across, Span upward, double step);

} // namespace orbanil::sketch
