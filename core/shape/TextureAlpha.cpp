#include "core/shape/TextureAlpha.h"

namespace orbanil {

AlphaMode alphaMode(AlphaRequest request, int textureAlphaBits)
{
    if (request.blendShader &&
        (textureAlphaBits > 1 || (textureAlphaBits == 1 && !request.alphaTest))) {
        return AlphaMode::Blend;
    }
    return request.alphaTest ? AlphaMode::AlphaTest : AlphaMode::Opaque;
}

CabinShape cabinShape(CabinGeometry geometry, const std::vector<int>& textureAlphaBits)
{
    CabinShape shape{std::move(geometry.textures), {}, geometry.boundsMin, geometry.boundsMax};
    shape.triangles.reserve(geometry.triangles.size());
    for (const PlacedTriangle& placed : geometry.triangles) {
        const auto texture = static_cast<std::size_t>(placed.texture);
        const bool known = placed.texture >= 0 && texture < textureAlphaBits.size();
        const int bits = known ? textureAlphaBits[texture] : 0;
        shape.triangles.push_back({placed.corners, placed.texture, alphaMode(placed.alpha, bits)});
    }
    return shape;
}

} // namespace orbanil
