#pragma once

#include "core/block/CabinBox.h"
#include "core/block/ViewParams.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbanil {

// How the painter's font measures text, in pixels.
struct TextMetrics
{
    double lineHeight = 0;
    std::function<double(std::string_view)> width;
};

// Pixel coordinates: x to the right, y down, origin at the drawing's top left corner.
struct PixelPoint
{
    double x = 0;
    double y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool contains(PixelPoint p) const;
    bool contains(const PixelRect& r) const;
    bool intersects(const PixelRect& r) const;
    bool operator==(const PixelRect&) const = default;
};

// Metres to the pixels of a view's plot: `along` runs to the right, `up` by yPerMetre pixels a
// metre, negative where it runs up the screen.
struct PlotMapping
{
    double scale = 0; // pixels a metre
    double zeroX = 0; // the pixel of along = 0
    double zeroY = 0; // the pixel of up = 0
    double yPerMetre = 0;

    PixelPoint at(double along, double up) const;
    // The metres at a pixel: along, then up.
    std::pair<double, double> metresAt(PixelPoint p) const;
    bool operator==(const PlotMapping&) const = default;
};

struct PixelLine
{
    PixelPoint from;
    PixelPoint to;
    bool operator==(const PixelLine&) const = default;
};

// A text drawn in one line inside its rectangle, which its measured width fills.
struct SketchLabel
{
    std::string text;
    PixelRect rect;
    bool operator==(const SketchLabel&) const = default;
};

struct HeadMark
{
    PixelPoint centre;
    double radius = 0;
    bool outside = false;  // beyond the box (or below the rail): drawn in the warning colour
    bool offScale = false; // so far out that it is drawn at the edge of the view instead
    bool operator==(const HeadMark&) const = default;
};

// Another viewpoint of the wagon than the one shown: a small head with its number and a tick
// towards where its view starts (none where it looks nearly out of the view's plane).
struct OtherMark
{
    PixelPoint centre;
    double radius = 0;
    bool outside = false; // beyond the box (or below the rail)
    std::optional<PixelLine> tick;
    // Inside the plot, clear of the shown head. Heads drawn over each other share one: the first
    // of them holds all their numbers ("2, 3"), the others none.
    std::optional<SketchLabel> number;
    bool operator==(const OtherMark&) const = default;
};

// The start direction, from the head; not to scale.
struct DirectionArrow
{
    PixelLine shaft;
    std::array<PixelPoint, 2> barbs; // the two ends of the arrowhead's strokes from shaft.to
    bool operator==(const DirectionArrow&) const = default;
};

// A start direction that points nearly straight out of the view's plane, seen end-on: a ring
// round the head, which shows as its dot when the view looks out of the screen, towards whoever
// looks at the drawing, and with a cross over it when the view looks into the screen.
struct EndOnArrow
{
    PixelPoint centre;
    double radius = 0;
    bool outOfScreen = false;
    bool operator==(const EndOnArrow&) const = default;
};

// The range the view may turn through, around the start direction; not to scale.
// Angles in degrees counter-clockwise on the screen from pointing right; start in [0, 360).
struct TurnWedge
{
    PixelPoint centre;
    double radius = 0;
    double startDegrees = 0;
    double spanDegrees = 0; // up to 360, a full turn
    bool operator==(const TurnWedge&) const = default;
};

// One of the two views. Everything but the labels lies in `plot` or is clipped to it.
struct ViewSketch
{
    PixelRect area;
    PixelRect plot;
    std::optional<PlotMapping> mapping; // none when the box cannot be drawn, and then nothing is
    std::optional<PixelRect> box;
    std::vector<PixelLine> grid;
    std::optional<PixelLine> rail;
    std::optional<HeadMark> head;
    std::optional<DirectionArrow> arrow;
    std::optional<EndOnArrow> endOn; // instead of the arrow
    std::optional<TurnWedge> wedge;
    std::vector<OtherMark> others;
    std::vector<SketchLabel> labels;
    bool operator==(const ViewSketch&) const = default;
};

struct CameraViewSketch
{
    // Both along the car, the front to the right, at one scale, each Z at the same x: from above,
    // X down the screen (the car's right side at the bottom), and under it from the right, Y up
    // from the rail at Y = 0.
    ViewSketch above;
    ViewSketch side;
    // Where the head is, for the tooltip and screen readers; with several viewpoints, one line
    // for each, naming it.
    std::string description;
    bool operator==(const CameraViewSketch&) const = default;
};

// The head of a viewpoint not shown, as CameraViewNumbers reads it.
struct OtherHead
{
    std::size_t viewpoint = 0; // 0 the principal
    std::optional<double> x, y, z;
    std::optional<double> yaw, tilt;
    std::array<bool, 3> headTooLarge{};
    bool operator==(const OtherHead&) const = default;
};

// The numbers the drawing uses, read from the texts; empty where a text is not (yet) a number,
// for a box dimension that readBoxDimension does not take, and for a head coordinate too large
// for the simulator.
struct CameraViewNumbers
{
    std::optional<double> length, height, width;
    std::optional<double> x, y, z;
    std::optional<double> yaw, tilt, yawLimit, tiltLimit; // StartDirection Y, X; RotationLimit Y, X
    std::array<bool, 3> headTooLarge{};                   // X, Y, Z
    std::size_t shown = 0;                                // which viewpoint, 0 the principal
    std::vector<OtherHead> others;                        // the wagon's other viewpoints
    bool operator==(const CameraViewNumbers&) const = default;
};

CameraViewNumbers readCameraViewNumbers(const ViewParams& view, const CabinBox& box);
// Every viewpoint of a wagon, `shown` drawn as the one viewpoint is, the others as OtherMarks.
CameraViewNumbers readCameraViewNumbers(const std::vector<ViewParams>& viewpoints,
                                        std::size_t shown, const CabinBox& box);

// What to draw in a drawing of width x height pixels. What depends on a missing number is left
// out, and so is a label that does not fit.
CameraViewSketch sketchCameraView(const CameraViewNumbers& numbers, double width, double height,
                                  const TextMetrics& metrics);

} // namespace orbanil
