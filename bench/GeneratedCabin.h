#pragma once

#include "core/shape/CabinShape.h"
#include "core/shape/CabinTexture.h"
#include "core/view/PassengerCamera.h"
#include "tests/support/CabinFixture.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace orbanil::bench {

// A coach interior to measure the cabin view with: a box 20 m long, rows of seats on both
// sides of an aisle, alpha-tested luggage racks and blended windows, with four generated
// textures and their mip levels down to 1 x 1; exactly `triangles` triangles from about 19,000
// up.
struct GeneratedCabin
{
    CabinShape shape;
    std::vector<CabinTexture> images; // parallel to shape.textures
    PassengerCamera camera;           // a seated passenger looking along the car

    std::vector<const CabinTexture*> textures() const;
};

GeneratedCabin generatedCabin(std::size_t triangles = 20000, int textureSide = 512);

// The coach as the simulator's files, for what reads it from disk: coche.s in that form in
// `folder` and its textures beside it, as scanlines with their 8-bit alpha.
void writeGeneratedCabin(const GeneratedCabin& cabin, const std::filesystem::path& folder,
                         testing::ShapeForm form);

} // namespace orbanil::bench
