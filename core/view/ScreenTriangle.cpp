#include "core/view/ScreenTriangle.h"

#include <algorithm>

namespace orbanil {

namespace {

constexpr std::int64_t onePixel = 1 << subPixelBits;
constexpr std::int64_t halfPixel = onePixel / 2;

// The first and last pixel whose centre lies at or after, and at or before, a position.
std::int64_t firstPixel(std::int64_t p)
{
    return (p - halfPixel + onePixel - 1) >> subPixelBits;
}

std::int64_t lastPixel(std::int64_t p)
{
    return (p - halfPixel) >> subPixelBits;
}

} // namespace

Edge::Edge(const ScreenVertex& a, const ScreenVertex& b)
{
    const std::int64_t dx = b.x - a.x;
    const std::int64_t dy = b.y - a.y;
    const bool topOrLeft = dy < 0 || (dy == 0 && dx > 0);
    stepX = -dy * onePixel;
    stepY = dx * onePixel;
    origin = dx * (halfPixel - a.y) - dy * (halfPixel - a.x) - (topOrLeft ? 0 : 1);
}

std::optional<ScreenTriangle> screenTriangle(const ScreenVertex& a, const ScreenVertex& b,
                                             const ScreenVertex& c, int width, int height)
{
    const std::int64_t area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    if (area <= 0) {
        return std::nullopt;
    }
    ScreenTriangle t;
    t.minX = static_cast<int>(std::max<std::int64_t>(0, firstPixel(std::min({a.x, b.x, c.x}))));
    t.maxX =
        static_cast<int>(std::min<std::int64_t>(width - 1, lastPixel(std::max({a.x, b.x, c.x}))));
    t.minY = static_cast<int>(std::max<std::int64_t>(0, firstPixel(std::min({a.y, b.y, c.y}))));
    t.maxY =
        static_cast<int>(std::min<std::int64_t>(height - 1, lastPixel(std::max({a.y, b.y, c.y}))));
    if (t.minX > t.maxX || t.minY > t.maxY) {
        return std::nullopt;
    }
    t.edges = {Edge(b, c), Edge(c, a), Edge(a, b)};
    // Edge k over the area is corner k's weight; worked out in double from the exact edges.
    const std::array<const ScreenVertex*, 3> corners{&a, &b, &c};
    const double perArea = 1.0 / static_cast<double>(area);
    const auto plane = [&](float ScreenVertex::*value) {
        double at = 0;
        double dx = 0;
        double dy = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const double v = corners[k]->*value * perArea;
            at += v * static_cast<double>(t.edges[k].at(t.minX, t.minY));
            dx += v * static_cast<double>(t.edges[k].stepX);
            dy += v * static_cast<double>(t.edges[k].stepY);
        }
        return Plane{static_cast<float>(at), static_cast<float>(dx), static_cast<float>(dy)};
    };
    t.invZ = plane(&ScreenVertex::invZ);
    t.uOverZ = plane(&ScreenVertex::uOverZ);
    t.vOverZ = plane(&ScreenVertex::vOverZ);
    t.lightOverZ = plane(&ScreenVertex::lightOverZ);
    return t;
}

} // namespace orbanil
