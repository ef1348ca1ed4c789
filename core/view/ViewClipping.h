#pragma once

#include "core/shape/CabinShape.h"
#include "core/view/PassengerCamera.h"

#include <array>
#include <cstdint>

namespace orbanil {

// Screen positions are fixed point with this many bits below the pixel.
inline constexpr int subPixelBits = 8;

// A corner relative to the camera (x right, y up, z ahead, metres), with what is interpolated
// across a triangle: its texture coordinates and its half-Lambert term.
struct ViewVertex
{
    double x = 0;
    double y = 0;
    double z = 0;
    double u = 0;
    double v = 0;
    double light = 0;
};

// A corner on the image in fixed point, with what is interpolated divided by depth, so that it
// runs linearly across the image.
struct ScreenVertex
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    float invZ = 0;
    float uOverZ = 0;
    float vOverZ = 0;
    float lightOverZ = 0;
};

// What the camera sees of a triangle: a fan of corners on the image, none when nothing.
struct ScreenPolygon
{
    std::array<ScreenVertex, 8> corners;
    int count = 0;
};

// The camera of one frame, and the planes a triangle is cut at.
class Projection
{
public:
    Projection(const PassengerCamera& camera, int width, int height);

    ViewVertex toView(const CabinVertex& corner, float light) const;

    // The triangle cut at the near plane and a guard band around the image. Nothing when it
    // turns away (its corners run counter-clockwise on the image, which Open Rails culls), lies
    // outside, or is beyond what double precision can cut.
    ScreenPolygon project(const std::array<ViewVertex, 3>& corners) const;

private:
    // Signed distance inside plane k: the near plane, then the guard band's four sides.
    double inside(int plane, const ViewVertex& v) const;
    int clipAgainst(int plane, const ViewVertex* in, int count, ViewVertex* out) const;
    ScreenVertex toScreen(const ViewVertex& v) const;

    Vec3 m_eye;
    CameraAxes m_axes;
    double m_focal;
    double m_centreX;
    double m_centreY;
    double m_reachX;
    double m_reachY;
};

} // namespace orbanil
