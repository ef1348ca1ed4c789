#include "core/view/PassengerCamera.h"

#include "core/space/Forward.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbanil {
namespace {

constexpr double pi = std::numbers::pi;

double radians(double degrees)
{
    return degrees * pi / 180;
}

double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0;
}

// Whole degrees -180 to 180 of an angle in radians.
int signedDegrees(double angle)
{
    return static_cast<int>(finiteOrZero(std::round(std::remainder(angle, 2 * pi) * 180 / pi)));
}

// Whole degrees 0 to 359 of an angle in radians.
int wholeDegrees(double angle)
{
    const int whole = signedDegrees(angle) % 360;
    return whole < 0 ? whole + 360 : whole;
}

} // namespace

PassengerCamera cameraAtStart(Vec3 head, double startDirectionX, double startDirectionY)
{
    // The simulator takes the degrees as they are; a pitch of 350 degrees is the same view as
    // -10, and only the latter turns by keys as the user expects.
    return {head, std::remainder(radians(finiteOrZero(startDirectionX)), 2 * pi),
            radians(finiteOrZero(startDirectionY)), defaultFieldOfView};
}

CameraAxes cameraAxes(const PassengerCamera& camera)
{
    const double ch = std::cos(camera.heading);
    const double sh = std::sin(camera.heading);
    CameraAxes axes;
    axes.forward = forwardOf(camera.pitch, camera.heading);
    // The simulator's look-at keeps the world upright: past straight down (or up) the image
    // turns round instead of standing on its head.
    axes.right = std::cos(camera.pitch) >= 0 ? Vec3d{ch, 0, -sh} : Vec3d{-ch, 0, sh};
    axes.up = cross(axes.forward, axes.right);
    return axes;
}

double focalLengthPixels(const PassengerCamera& camera, int imageHeight)
{
    // Held to the zoom's range, so that no field of view can make a wild projection.
    const double fieldOfView = std::isfinite(camera.fieldOfView)
                                   ? std::clamp(camera.fieldOfView, minFieldOfView, maxFieldOfView)
                                   : defaultFieldOfView;
    return imageHeight / 2.0 / std::tan(radians(fieldOfView) / 2);
}

std::optional<ScreenPoint> projectToScreen(const PassengerCamera& camera, Vec3 point, int width,
                                           int height)
{
    const CameraAxes axes = cameraAxes(camera);
    const Vec3d d = vectorCast<double>(point) - vectorCast<double>(camera.eye);
    const double z = dot(d, axes.forward);
    if (!(z >= nearPlane)) {
        return std::nullopt;
    }
    const double f = focalLengthPixels(camera, height);
    return ScreenPoint{width / 2.0 + f * dot(d, axes.right) / z,
                       height / 2.0 - f * dot(d, axes.up) / z, z};
}

PassengerCamera dragged(PassengerCamera camera, double rightPixels, double downPixels)
{
    // Open Rails holds the pitch only when turning by keys, not by the mouse.
    camera.heading += dragRadiansPerPixel * finiteOrZero(rightPixels);
    camera.pitch += dragRadiansPerPixel * finiteOrZero(downPixels);
    return camera;
}

PassengerCamera turnedByKeys(PassengerCamera camera, int stepsRight, int stepsDown)
{
    camera.heading += radians(keyTurnDegrees * stepsRight);
    camera.pitch = std::clamp(camera.pitch + radians(keyTurnDegrees * stepsDown), -keyPitchLimit,
                              keyPitchLimit);
    return camera;
}

PassengerCamera zoomed(PassengerCamera camera, double wheelSteps)
{
    camera.fieldOfView = std::clamp(camera.fieldOfView - zoomStepDegrees * finiteOrZero(wheelSteps),
                                    minFieldOfView, maxFieldOfView);
    return camera;
}

StartDirectionDegrees startDirectionOf(const PassengerCamera& camera)
{
    // Past straight down or up the same view has a pitch within 90 degrees, looking the other
    // way; written so, an upward look is negative and the simulator's keys turn it from there.
    double pitch = std::remainder(finiteOrZero(camera.pitch), 2 * pi);
    double heading = finiteOrZero(camera.heading);
    if (std::abs(pitch) > pi / 2 + 1e-9) {
        pitch = std::copysign(pi, pitch) - pitch;
        heading += pi;
    }
    return {signedDegrees(pitch), wholeDegrees(heading)};
}

} // namespace orbanil
