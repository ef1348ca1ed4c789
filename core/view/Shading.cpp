#include "core/view/Shading.h"

#include "core/openrails/OpenRailsConstants.h"

namespace orbanil {

namespace {

unsigned lightMaterialOptionsOf(int index)
{
    const long long at = static_cast<long long>(index) - firstLightMaterial;
    return at >= 0 && at < static_cast<long long>(lightMaterialOptions.size())
               ? lightMaterialOptions[static_cast<std::size_t>(at)]
               : 0;
}

Technique techniqueOf(unsigned shaderBits)
{
    using namespace materialOption;
    switch (shaderBits) {
    case shaderDarkShade:
        return Technique::DarkShade;
    case shaderHalfBright:
        return Technique::HalfBright;
    case shaderFullBright:
        return Technique::FullBright;
    case shaderVegetation:
    case shaderVegetation | shaderFullBright:
        return Technique::Vegetation;
    default:
        return Technique::Image;
    }
}

} // namespace

Shading shadingOf(std::string_view shader, int lightMaterial)
{
    const unsigned options = shaderOptions(shader) | lightMaterialOptionsOf(lightMaterial);
    return {techniqueOf(options & materialOption::shaderMask),
            (options & materialOption::diffuse) != 0};
}

} // namespace orbanil
