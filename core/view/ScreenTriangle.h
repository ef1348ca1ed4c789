#pragma once

#include "core/view/ViewClipping.h"

#include <array>
#include <cstdint>
#include <optional>

namespace orbanil {

// Edge a -> b of a triangle whose corners run clockwise on the image: its value at a pixel
// centre is positive inside, and zero on the edge only counts on a top or left edge, so that
// triangles sharing an edge draw each pixel once.
struct Edge
{
    std::int64_t stepX = 0;  // per pixel to the right
    std::int64_t stepY = 0;  // per pixel down
    std::int64_t origin = 0; // the value at pixel (0, 0)

    Edge() = default;
    Edge(const ScreenVertex& a, const ScreenVertex& b);

    std::int64_t at(int x, int y) const { return origin + stepX * x + stepY * y; }
};

// A value over depth across a triangle's plane on the image, at the centre of pixel (x, y) of
// its box, which starts at (x0, y0): so much there, changing by dx a pixel right and dy a pixel
// down, as a GPU interpolates.
struct Plane
{
    float atOrigin = 0;
    float dx = 0;
    float dy = 0;
};

// A triangle set up to be rasterized: its edges, which decide the pixels it covers exactly;
// the box of those pixels; and its values over depth.
struct ScreenTriangle
{
    std::array<Edge, 3> edges;
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
    Plane invZ;
    Plane uOverZ;
    Plane vOverZ;
    Plane lightOverZ;
};

// Nothing when the triangle covers no pixel centre of a width × height image: edge-on once on
// the pixel grid, or outside it.
std::optional<ScreenTriangle> screenTriangle(const ScreenVertex& a, const ScreenVertex& b,
                                             const ScreenVertex& c, int width, int height);

} // namespace orbanil
