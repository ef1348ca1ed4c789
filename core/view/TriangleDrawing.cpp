#include "core/view/TriangleDrawing.h"

#include <algorithm>
#include <cstddef>

namespace orbanil {

namespace {

// Pixels of a row worked out together, in a loop the compiler can run several pixels at once.
constexpr int chunk = 16;

// What the pixels of a chunk draw: their texture coordinates, level of detail and brightness
// (256 the texture's own colour).
struct Chunk
{
    float u[chunk];
    float v[chunk];
    float lod[chunk];
    int shade[chunk];
};

float rowStart(const Plane& plane, float dy)
{
    return plane.atOrigin + plane.dy * dy;
}

float invZAt(const ScreenTriangle& t, int x, int y)
{
    return rowStart(t.invZ, static_cast<float>(y - t.minY)) +
           t.invZ.dx * static_cast<float>(x - t.minX);
}

int shadeOf(float brightness)
{
    return static_cast<int>(Brightness::saturate(brightness) * 256 + 0.5f);
}

// Pixels firstX to firstX + count - 1 of row y, count at most chunk.
void workOut(const ScreenTriangle& t, const Surface& surface, int y, int firstX, int count,
             Chunk& out)
{
    const float dy = static_cast<float>(y - t.minY);
    const float invZ0 = rowStart(t.invZ, dy);
    const float u0 = rowStart(t.uOverZ, dy);
    const float v0 = rowStart(t.vOverZ, dy);
    const float light0 = rowStart(t.lightOverZ, dy);
    const int dx0 = firstX - t.minX;
    // Each step a loop of its own without branches, so that it runs several pixels at once.
    float z[chunk];
    for (int i = 0; i < count; ++i) {
        const float dx = static_cast<float>(dx0 + i);
        z[i] = 1 / (invZ0 + t.invZ.dx * dx);
        out.u[i] = (u0 + t.uOverZ.dx * dx) * z[i];
        out.v[i] = (v0 + t.vOverZ.dx * dx) * z[i];
    }
    const TextureSampler& texture = surface.texture;
    if (texture.levelCount() > 1) {
        // d(u/z · z): the rate of u/z less u times the rate of 1/z, over 1/z.
        for (int i = 0; i < count; ++i) {
            const float u = out.u[i];
            const float v = out.v[i];
            out.lod[i] = texture.levelOfDetail(
                {(t.uOverZ.dx - u * t.invZ.dx) * z[i], (t.vOverZ.dx - v * t.invZ.dx) * z[i],
                 (t.uOverZ.dy - u * t.invZ.dy) * z[i], (t.vOverZ.dy - v * t.invZ.dy) * z[i]});
        }
    } else {
        std::fill_n(out.lod, count, 0.0f);
    }
    const Brightness& brightness = surface.brightness;
    if (brightness.varies()) {
        for (int i = 0; i < count; ++i) {
            const float dx = static_cast<float>(dx0 + i);
            out.shade[i] = shadeOf(brightness.at((light0 + t.lightOverZ.dx * dx) * z[i]));
        }
    } else {
        std::fill_n(out.shade, count, shadeOf(brightness.at(0)));
    }
}

struct Colour
{
    Texel texel;
    int shade = 256;
};

Colour colourAt(const ScreenTriangle& t, const Surface& surface, int x, int y)
{
    Chunk one;
    workOut(t, surface, y, x, 1, one);
    return {surface.texture.sample(one.u[0], one.v[0], one.lod[0]), one.shade[0]};
}

void put(std::uint8_t* pixel, Texel texel, int shade, Blending blending)
{
    const int alpha = texel.alpha();
    for (int c = 0; c < 3; ++c) {
        const int colour = texel.channel(c) * shade >> 8;
        switch (blending) {
        case Blending::Replace:
            pixel[c] = static_cast<std::uint8_t>(colour);
            break;
        case Blending::Over:
            pixel[c] =
                static_cast<std::uint8_t>((colour * alpha + pixel[c] * (255 - alpha) + 127) / 255);
            break;
        case Blending::Add:
            pixel[c] =
                static_cast<std::uint8_t>(std::min(255, pixel[c] + (colour * alpha + 127) / 255));
            break;
        }
    }
}

bool passes(DepthTest test, float invZ, float depth)
{
    return test == DepthTest::Less ? invZ > depth : invZ >= depth;
}

// Narrows [first, last], pixels from the box's left, to those where an edge worth w at the left
// and stepping by step stays at or above 0; exact, as the edge is whole numbers.
void narrow(std::int64_t w, std::int64_t step, std::int64_t& first, std::int64_t& last)
{
    if (step > 0 && w < 0) {
        first = std::max(first, (-w + step - 1) / step);
    } else if (step < 0) {
        last = w < 0 ? -1 : std::min(last, w / -step);
    } else if (w < 0) {
        last = -1;
    }
}

// Calls visit(x, y) for each pixel centre of the rows inside the triangle, row by row only
// from its first to its last, so that the pixels of its box outside it cost nothing.
template <class Visit>
void forEachPixel(const ScreenTriangle& t, int firstRow, int lastRow, Visit&& visit)
{
    for (int y = std::max(firstRow, t.minY); y <= std::min(lastRow, t.maxY); ++y) {
        std::int64_t first = 0;
        std::int64_t last = t.maxX - t.minX;
        for (const Edge& edge : t.edges) {
            narrow(edge.at(t.minX, y), edge.stepX, first, last);
        }
        for (int x = t.minX + static_cast<int>(first); x <= t.minX + last; ++x) {
            visit(x, y);
        }
    }
}

} // namespace

void drawRows(const Frame& frame, const ScreenTriangle& t, const Surface& surface,
              const DrawState& state, int firstRow, int lastRow)
{
    forEachPixel(t, firstRow, lastRow, [&](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(y) * frame.width + x;
        const float invZ = invZAt(t, x, y);
        if (!passes(state.depthTest, invZ, frame.depth[at])) {
            return;
        }
        const Colour colour = colourAt(t, surface, x, y);
        if (colour.texel.alpha() < state.referenceAlpha) {
            return;
        }
        put(frame.rgba + at * 4, colour.texel, colour.shade, state.blending);
        if (state.depthWrite) {
            frame.depth[at] = invZ;
        }
    });
}

void markRows(const Frame& frame, const ScreenTriangle& t, const Surface& surface,
              const DrawState& state, std::int32_t index, int firstRow, int lastRow)
{
    forEachPixel(t, firstRow, lastRow, [&](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(y) * frame.width + x;
        const float invZ = invZAt(t, x, y);
        if (!passes(state.depthTest, invZ, frame.depth[at])) {
            return;
        }
        if (state.referenceAlpha > 0) {
            const Texel texel = colourAt(t, surface, x, y).texel;
            if (texel.alpha() < state.referenceAlpha) {
                return;
            }
            frame.texels[at] = texel.rgba;
        }
        frame.depth[at] = invZ;
        frame.nearest[at] = index;
    });
}

void shadeRun(const Frame& frame, const ScreenTriangle& t, const Surface& surface,
              const DrawState& state, int y, int firstX, int lastX)
{
    const std::size_t first = static_cast<std::size_t>(y) * frame.width + firstX;
    const bool sampled = state.referenceAlpha > 0;
    Chunk pixels;
    for (int x = firstX; x <= lastX; x += chunk) {
        const int count = std::min(chunk, lastX - x + 1);
        workOut(t, surface, y, x, count, pixels);
        const std::size_t at = first + static_cast<std::size_t>(x - firstX);
        for (int i = 0; i < count; ++i) {
            const Texel texel =
                sampled ? Texel{frame.texels[at + i]}
                        : surface.texture.sample(pixels.u[i], pixels.v[i], pixels.lod[i]);
            put(frame.rgba + (at + i) * 4, texel, pixels.shade[i], Blending::Replace);
        }
    }
}

} // namespace orbanil
