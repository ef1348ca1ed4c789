#include "core/shape/TextureAlpha.h"

namespace orbanil {

AlphaMode alphaMode(AlphaRequest request, int textureAlphaBits)
{
    if (request.blendShader &&
        (textureAlphaBits > 1 || (textureAlphaBits == 1 && !request.alphaTest))) {
        return request.additive ? AlphaMode::Add : AlphaMode::Blend;
    }
    return request.alphaTest ? AlphaMode::AlphaTest : AlphaMode::Opaque;
}

CabinShape cabinShape(CabinGeometry geometry, const std::vector<int>& textureAlphaBits)
{
    CabinShape shape;
    shape.textures = std::move(geometry.textures);
    shape.materials = std::move(geometry.materials);
    shape.boundsMin = geometry.boundsMin;
    shape.boundsMax = geometry.boundsMax;
    shape.triangles.reserve(geometry.triangles.size());
    for (const PlacedTriangle& placed : geometry.triangles) {
        const auto texture = static_cast<std::size_t>(placed.texture);
        const bool known = placed.texture >= 0 && texture < textureAlphaBits.size();
        const int bits = known ? textureAlphaBits[texture] : 0;
        CabinTriangle& triangle = shape.triangles.emplace_back();
        triangle.corners = placed.corners;
        triangle.texture = placed.texture;
        triangle.alpha = alphaMode(placed.alpha, bits);
        triangle.material = placed.material;
        triangle.origin = placed.origin;
    }
    return shape;
}

} // namespace orbanil
