#include "core/view/TriangleDrawing.h"

#include <algorithm>
#include <cstddef>

namespace orbanil {

namespace {

// Pixels of a row worked out together, in a loop the compiler can run several pixels at once.
constexpr int chunk = 16;

// What the pixels of a chunk draw: their 1 / z, texture coordinates, level of detail and
// brightness (256 the texture's own colour).
struct Chunk
{
    float invZ[chunk];
    float u[chunk];
    float v[chunk];
    float lod[chunk];
    int shade[chunk];
};

float rowStart(const Plane& plane, float dy)
{
    return plane.atOrigin + plane.dy * dy;
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
        out.invZ[i] = invZ0 + t.invZ.dx * dx;
        z[i] = 1 / out.invZ[i];
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

// Calls visit(y, firstX, lastX) for each row's run of pixel centres inside the triangle, so
// that the pixels of its box outside it cost nothing.
template <class Visit>
void forEachRun(const ScreenTriangle& t, int firstRow, int lastRow, Visit&& visit)
{
    for (int y = std::max(firstRow, t.minY); y <= std::min(lastRow, t.maxY); ++y) {
        std::int64_t first = 0;
        std::int64_t last = t.maxX - t.minX;
        for (const Edge& edge : t.edges) {
            narrow(edge.at(t.minX, y), edge.stepX, first, last);
        }
        if (first <= last) {
            visit(y, t.minX + static_cast<int>(first), t.minX + static_cast<int>(last));
        }
    }
}

// Calls visit(at, pixels, i) for pixels firstX to lastX of row y, at their index in the frame,
// worked out a chunk at a time.
template <class Visit>
void forEachWorkedOut(const Frame& frame, const ScreenTriangle& t, const Surface& surface, int y,
                      int firstX, int lastX, Visit&& visit)
{
    const std::size_t row = static_cast<std::size_t>(y) * frame.width;
    Chunk pixels;
    for (int x = firstX; x <= lastX; x += chunk) {
        const int count = std::min(chunk, lastX - x + 1);
        workOut(t, surface, y, x, count, pixels);
        for (int i = 0; i < count; ++i) {
            visit(row + static_cast<std::size_t>(x + i), pixels, i);
        }
    }
}

} // namespace

void drawRows(const Frame& frame, const ScreenTriangle& t, const Surface& surface,
              const DrawState& state, int firstRow, int lastRow)
{
    forEachRun(t, firstRow, lastRow, [&](int y, int firstX, int lastX) {
        forEachWorkedOut(
            frame, t, surface, y, firstX, lastX, [&](std::size_t at, const Chunk& pixels, int i) {
                if (!passes(state.depthTest, pixels.invZ[i], frame.depth[at])) {
                    return;
                }
                const Texel texel = surface.texture.sample(pixels.u[i], pixels.v[i], pixels.lod[i]);
                if (texel.alpha() < state.referenceAlpha) {
                    return;
                }
                put(frame.rgba + at * 4, texel, pixels.shade[i], state.blending);
                if (state.depthWrite) {
                    frame.depth[at] = pixels.invZ[i];
                }
            });
    });
}

void markRows(const Frame& frame, const ScreenTriangle& t, const Surface& surface,
              const DrawState& state, std::int32_t index, int firstRow, int lastRow)
{
    const auto mark = [&](std::size_t at, float invZ) {
        frame.depth[at] = invZ;
        frame.nearest[at] = index;
    };
    forEachRun(t, firstRow, lastRow, [&](int y, int firstX, int lastX) {
        if (state.referenceAlpha > 0) {
            forEachWorkedOut(frame, t, surface, y, firstX, lastX,
                             [&](std::size_t at, const Chunk& pixels, int i) {
                                 if (!passes(state.depthTest, pixels.invZ[i], frame.depth[at])) {
                                     return;
                                 }
                                 const Texel texel = surface.texture.sample(
                                     pixels.u[i], pixels.v[i], pixels.lod[i]);
                                 if (texel.alpha() >= state.referenceAlpha) {
                                     frame.texels[at] = texel.rgba;
                                     mark(at, pixels.invZ[i]);
                                 }
                             });
            return;
        }
        // Without an alpha test only the depth is needed.
        const std::size_t row = static_cast<std::size_t>(y) * frame.width;
        const float invZ0 = rowStart(t.invZ, static_cast<float>(y - t.minY));
        for (int x = firstX; x <= lastX; ++x) {
            const float invZ = invZ0 + t.invZ.dx * static_cast<float>(x - t.minX);
            if (passes(state.depthTest, invZ, frame.depth[row + x])) {
                mark(row + x, invZ);
            }
        }
    });
}

void shadeRun(const Frame& frame, const ScreenTriangle& t, const Surface& surface,
              const DrawState& state, int y, int firstX, int lastX)
{
    const bool sampled = state.referenceAlpha > 0;
    forEachWorkedOut(
        frame, t, surface, y, firstX, lastX, [&](std::size_t at, const Chunk& pixels, int i) {
            const Texel texel =
                sampled ? Texel{frame.texels[at]}
                        : surface.texture.sample(pixels.u[i], pixels.v[i], pixels.lod[i]);
            put(frame.rgba + at * 4, texel, pixels.shade[i], Blending::Replace);
        });
}

} // namespace orbanil
