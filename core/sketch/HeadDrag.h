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
    PixelPoint offset;   // from the pointer to the head's centre
};

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

} // namespace orbanil
