#include "core/view/TextureSampler.h"

#include <algorithm>
#include <cmath>

namespace orbanil {

namespace {

bool isWhole(const RgbaImage& image)
{
    constexpr int largest = 1 << 15;
    return image.width >= 1 && image.height >= 1 && image.width <= largest &&
           image.height <= largest &&
           image.pixels.size() >= static_cast<std::size_t>(image.width) * image.height * 4;
}

} // namespace

TextureSampler::TextureSampler(std::vector<MipLevel> levels, TextureAddressing addressing,
                               float mipMapBias)
    : m_levels(std::move(levels)), m_addressing(addressing),
      m_bias(effectiveMipMapBias(mipMapBias)), m_width(static_cast<float>(m_levels.front().width)),
      m_height(static_cast<float>(m_levels.front().height))
{}

float effectiveMipMapBias(float mipMapBias)
{
    return std::isfinite(mipMapBias) ? std::max(mipMapBias, minMipMapBias) : 0;
}

std::vector<MipLevel> usableLevels(const CabinTexture* texture)
{
    std::vector<MipLevel> levels;
    if (!texture) {
        return levels;
    }
    for (const RgbaImage& image : texture->levels) {
        const bool halves =
            levels.empty() || (image.width == std::max(1, levels.back().width / 2) &&
                               image.height == std::max(1, levels.back().height / 2));
        if (!isWhole(image) || !halves) {
            break;
        }
        levels.push_back({image.pixels.data(), image.width, image.height});
    }
    return levels;
}

} // namespace orbanil
