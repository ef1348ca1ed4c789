#pragma once

#include "core/openrails/OpenRailsConstants.h"
#include "core/shape/CabinShape.h"
#include "core/space/Vector.h"

#include <optional>

namespace orbanil {

// The passenger's camera as Open Rails places it: at the head position, in the interior
// shape's own space, turned by StartDirection X (pitch) and Y (heading).
struct PassengerCamera
{
    Vec3 eye;                                // the head position, metres
    double pitch = 0;                        // radians, positive looks down
    double heading = 0;                      // radians, positive turns right
    double fieldOfView = defaultFieldOfView; // vertical, degrees
    bool operator==(const PassengerCamera&) const = default;
};

// Our own steps: one wheel notch zooms this much, and an arrow key turns this much.
inline constexpr double zoomStepDegrees = 5;
inline constexpr double keyTurnDegrees = 1;

// Unit vectors in the shape's space: where the camera looks, and the image's right and up.
struct CameraAxes
{
    Vec3d forward;
    Vec3d right;
    Vec3d up;
};

// Pixel coordinates on an image (x right, y down, the top left corner at 0, 0, so that pixel
// (i, j) covers [i, i + 1) x [j, j + 1)) and the distance in front of the camera, metres.
struct ScreenPoint
{
    double x = 0;
    double y = 0;
    double depth = 0;
};

// StartDirection X and Y as "Usar esta dirección" writes them, in whole degrees: the pitch from
// -90 to 90 (negative looks up), as the simulator's keys hold it, and the heading from 0 to 359.
struct StartDirectionDegrees
{
    int x = 0;
    int y = 0;
    bool operator==(const StartDirectionDegrees&) const = default;
};

// The camera of a viewpoint as typed, at the default field of view.
PassengerCamera cameraAtStart(Vec3 head, double startDirectionX, double startDirectionY);

CameraAxes cameraAxes(const PassengerCamera& camera);

// F in sx = W/2 + F x/z, sy = H/2 - F y/z; a field of view outside the zoom's range counts as
// its nearest end (45 degrees when it is not a number).
double focalLengthPixels(const PassengerCamera& camera, int imageHeight);

// Where a point appears on a width x height image; nothing when it is nearer than the near
// plane (or behind the camera).
std::optional<ScreenPoint> projectToScreen(const PassengerCamera& camera, Vec3 point, int width,
                                           int height);

// Looking around as in the simulator: dragging the mouse right or down by so many pixels
// turns right or down; the arrow keys turn by whole degrees; the wheel zooms (up, positive, in).
PassengerCamera dragged(PassengerCamera camera, double rightPixels, double downPixels);
PassengerCamera turnedByKeys(PassengerCamera camera, int stepsRight, int stepsDown);
PassengerCamera zoomed(PassengerCamera camera, double wheelSteps);

// The direction the camera looks in as the fields would hold it: typed back, it gives the
// same view within half a degree.
StartDirectionDegrees startDirectionOf(const PassengerCamera& camera);

} // namespace orbanil
