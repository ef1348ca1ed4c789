#pragma once

#include "core/view/DrawState.h"
#include "core/view/Lighting.h"
#include "core/view/ScreenTriangle.h"
#include "core/view/TextureSampler.h"

#include <cstdint>

namespace orbanil {

// The image being drawn, its depth buffer, and which opaque triangle is nearest at each pixel.
struct Frame
{
    int width = 0;
    int height = 0;
    std::uint8_t* rgba = nullptr;
    float* depth = nullptr;          // 1 / z of the nearest surface written, 0 where none is
    std::int32_t* nearest = nullptr; // the opaque triangle seen there, -1 where none is
    std::uint32_t* texels = nullptr; // its texel there, when it was sampled to be alpha-tested
};

// What a triangle's pixels are made of.
struct Surface
{
    TextureSampler texture;
    Brightness brightness;
};

// The rows first to last (inclusive) of a triangle drawn in that state: each pixel centre it
// covers, where the depth test lets it, is its texture sampled at the pixel's level of detail,
// kept from the state's reference alpha up, lit and blended.
void drawRows(const Frame& frame, const ScreenTriangle& triangle, const Surface& surface,
              const DrawState& state, int firstRow, int lastRow);

// The same for a triangle that replaces what it covers and writes its depth (an opaque or
// alpha-tested one) in two steps, so that each pixel is lit and textured once: markRows takes
// the pixels where it is the nearest so far, as `index`, and once all such triangles are
// marked, shadeRun draws the pixels of row y from first to last (inclusive) that it kept, with
// the texels its alpha test sampled when it had one. The image is what drawRows makes.
void markRows(const Frame& frame, const ScreenTriangle& triangle, const Surface& surface,
              const DrawState& state, std::int32_t index, int firstRow, int lastRow);
void shadeRun(const Frame& frame, const ScreenTriangle& triangle, const Surface& surface,
              const DrawState& state, int y, int firstX, int lastX);

} // namespace orbanil
