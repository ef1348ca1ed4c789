#pragma once

#include "core/sketch/CameraViewSketch.h"

#include <optional>

namespace orbanil {

// A drag of the shown head in one view of the drawing, as it began.
struct HeadGrab
{
    bool above = false;  // from above it moves X and Z; from the side, Z and Y
    PlotMapping mapping; // the view's metres when the drag began, so that the pointer keeps
                         // meaning the same place while the drawing rescales for a head outside
    PixelRect plot;      // the pointer counts inside it
    PixelPoint anchor;   // the pointer where the drag, or its pace, began
    PixelPoint offset;   // from the anchor to the head's centre then
    double pace = 1;     // pixels the head moves for each the pointer moves
};

// A fine drag moves the head a tenth of the pointer's move: to the centimetre in a 20 m car
// however small the drawing.
constexpr double fineDragPace = 0.1;

// The coordinates a drag gives the head, those its view moves, in metres to the centimetre.
struct HeadMove
{
    std::optional<double> x, y, z;
    bool operator==(const HeadMove&) const = default;
};

// A press on the shown head or just beside it grabs it, in the view where it is drawn; nothing
// elsewhere.
std::optional<HeadGrab> grabHead(const CameraViewSketch& sketch, PixelPoint pointer);

// Where the head goes with the pointer at `pointer`, kept inside the plot the drag began in.
HeadMove dragHead(const HeadGrab& grab, PixelPoint pointer);

// The drag going on at another pace from the pointer at `pointer`, where the head is now: the
// head does not jump when the pace changes.
HeadGrab atPace(const HeadGrab& grab, PixelPoint pointer, double pace);

} // namespace orbanil
