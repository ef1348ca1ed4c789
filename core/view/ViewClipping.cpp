#include "core/view/ViewClipping.h"

#include <algorithm>
#include <cmath>

namespace orbanil {

namespace {

// Triangles are cut this far beyond the image's edges, in pixels, so that they are seldom cut
// at all and the fixed-point edge functions stay exact.
constexpr double guardBand = 2048;
constexpr double subPixels = 1 << subPixelBits;
constexpr int planeCount = 5;

ViewVertex between(const ViewVertex& from, const ViewVertex& to, double t)
{
    const auto at = [t](double a, double b) { return a + t * (b - a); };
    return {at(from.x, to.x), at(from.y, to.y), at(from.z, to.z),
            at(from.u, to.u), at(from.v, to.v), at(from.light, to.light)};
}

} // namespace

Projection::Projection(const PassengerCamera& camera, int width, int height)
    : m_eye(camera.eye), m_axes(cameraAxes(camera)), m_focal(focalLengthPixels(camera, height)),
      m_centreX(width / 2.0), m_centreY(height / 2.0), m_reachX(width / 2.0 + guardBand),
      m_reachY(height / 2.0 + guardBand)
{}

ViewVertex Projection::toView(const CabinVertex& corner, float light) const
{
    const Vec3d d = vectorCast<double>(corner.position) - vectorCast<double>(m_eye);
    return {dot(d, m_axes.right), dot(d, m_axes.up), dot(d, m_axes.forward),
            corner.uv.u,          corner.uv.v,       light};
}

double Projection::inside(int plane, const ViewVertex& v) const
{
    switch (plane) {
    case 0:
        return v.z - nearPlane;
    case 1:
        return m_reachX * v.z - m_focal * v.x;
    case 2:
        return m_reachX * v.z + m_focal * v.x;
    case 3:
        return m_reachY * v.z - m_focal * v.y;
    default:
        return m_reachY * v.z + m_focal * v.y;
    }
}

int Projection::clipAgainst(int plane, const ViewVertex* in, int count, ViewVertex* out) const
{
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const ViewVertex& a = in[i];
        const ViewVertex& b = in[(i + 1) % count];
        const double da = inside(plane, a);
        const double db = inside(plane, b);
        if (da >= 0) {
            out[kept++] = a;
        }
        if ((da >= 0) != (db >= 0)) {
            // From the corner inside, so that a far corner outside cannot swamp the cut.
            out[kept++] = da >= 0 ? between(a, b, da / (da - db)) : between(b, a, db / (db - da));
        }
    }
    return kept;
}

ScreenVertex Projection::toScreen(const ViewVertex& v) const
{
    const double invZ = 1 / v.z;
    // Inside the guard band already, but for rounding in the cuts.
    const double x = m_centreX + std::clamp(m_focal * v.x * invZ, -m_reachX, m_reachX);
    const double y = m_centreY - std::clamp(m_focal * v.y * invZ, -m_reachY, m_reachY);
    return {std::llround(x * subPixels),    std::llround(y * subPixels),
            static_cast<float>(invZ),       static_cast<float>(v.u * invZ),
            static_cast<float>(v.v * invZ), static_cast<float>(v.light * invZ)};
}

ScreenPolygon Projection::project(const std::array<ViewVertex, 3>& corners) const
{
    ScreenPolygon polygon;
    const ViewVertex& v0 = corners[0];
    // Seen from the camera, a drawn face's corners turn clockwise. NaN fails this test too.
    const Vec3d origin{v0.x, v0.y, v0.z};
    const Vec3d facing = cross(Vec3d{corners[1].x, corners[1].y, corners[1].z} - origin,
                               Vec3d{corners[2].x, corners[2].y, corners[2].z} - origin);
    if (!(dot(origin, facing) < 0)) {
        return polygon;
    }
    std::array<ViewVertex, 3 + planeCount> cut[2];
    std::copy(corners.begin(), corners.end(), cut[0].begin());
    int count = 3;
    int at = 0;
    for (int plane = 0; plane < planeCount; ++plane) {
        int outside = 0;
        for (int i = 0; i < count; ++i) {
            outside += inside(plane, cut[at][i]) < 0;
        }
        if (outside == count) {
            return polygon;
        }
        if (outside > 0) {
            count = clipAgainst(plane, cut[at].data(), count, cut[1 - at].data());
            at = 1 - at;
        }
    }
    for (int i = 0; i < count; ++i) {
        const ViewVertex& v = cut[at][i];
        if (!(v.z >= nearPlane / 2) || !std::isfinite(v.x) || !std::isfinite(v.y) ||
            !std::isfinite(v.z)) {
            return ScreenPolygon{};
        }
        polygon.corners[static_cast<std::size_t>(i)] = toScreen(v);
    }
    polygon.count = count;
    return polygon;
}

} // namespace orbanil
