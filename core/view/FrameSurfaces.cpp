#include "core/view/FrameSurfaces.h"

#include "core/openrails/OpenRailsConstants.h"

#include <map>
#include <tuple>

namespace orbanil {

namespace {

const CabinTexture* textureOf(const std::vector<const CabinTexture*>& textures, int index)
{
    const bool known = index >= 0 && static_cast<std::size_t>(index) < textures.size();
    return known ? textures[static_cast<std::size_t>(index)] : nullptr;
}

Surface surfaceOf(const CabinMaterial& material, const CabinTexture* texture,
                  const CabinLight& light)
{
    std::vector<MipLevel> levels = usableLevels(texture);
    const bool night = !levels.empty() && texture->night;
    if (levels.empty()) {
        levels.push_back({missingTexel.data(), 1, 1});
    }
    return {TextureSampler(std::move(levels), material.addressing, material.mipMapBias),
            brightnessOf(shadingOf(material.shader, material.lighting), light, night)};
}

} // namespace

FrameSurfaces frameSurfaces(const CabinShape& shape,
                            const std::vector<const CabinTexture*>& textures,
                            const CabinLight& light)
{
    using Key = std::tuple<std::string, int, TextureAddressing, float, int, AlphaMode>;
    std::map<Key, int> known;
    FrameSurfaces frame;
    frame.ofTriangle.reserve(shape.triangles.size());
    const CabinTriangle* last = nullptr;
    for (const CabinTriangle& triangle : shape.triangles) {
        // Triangles come in runs of one prim_state: a run is looked up once.
        if (last && triangle.material == last->material && triangle.texture == last->texture &&
            triangle.alpha == last->alpha) {
            frame.ofTriangle.push_back(frame.ofTriangle.back());
            continue;
        }
        last = &triangle;
        const CabinMaterial& material = materialOf(shape, triangle.material);
        const CabinTexture* texture = textureOf(textures, triangle.texture);
        const Key key{material.shader,
                      material.lighting,
                      material.addressing,
                      effectiveMipMapBias(material.mipMapBias),
                      texture ? triangle.texture : -1,
                      triangle.alpha};
        const auto [at, added] = known.emplace(key, static_cast<int>(frame.surfaces.size()));
        if (added) {
            frame.surfaces.push_back(surfaceOf(material, texture, light));
        }
        frame.ofTriangle.push_back(at->second);
    }
    return frame;
}

} // namespace orbanil
