#pragma once

#include "core/shape/CabinShape.h"
#include "core/shape/CabinTexture.h"
#include "core/view/TexelFilter.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace orbanil {

// How far the texture coordinates move for one pixel right (x) and one pixel down (y).
struct TexelSteps
{
    float dudx = 0;
    float dvdx = 0;
    float dudy = 0;
    float dvdy = 0;
};

// A texture as a surface samples it, as a GPU does with Open Rails' sampler: bilinear within a
// level, linear between the two levels the level of detail falls between (trilinear), read
// beyond 0–1 as the addressing says; a texture that stores one level samples it alone. Its
// sampling is inline: every pixel drawn samples once.
class TextureSampler
{
public:
    // From a texture's usable levels (usableLevels), at least one, its addressing and bias.
    TextureSampler(std::vector<MipLevel> levels, TextureAddressing addressing, float mipMapBias);

    int levelCount() const { return static_cast<int>(m_levels.size()); }

    // The level of detail: log2 of the longer of the two screen axes' steps, in texels of
    // level 0, plus the bias (effectiveMipMapBias); 0 is level 0, 1 the next.
    float levelOfDetail(const TexelSteps& steps) const
    {
        const auto squared = [](float x) { return x * x; };
        const float alongX = squared(steps.dudx * m_width) + squared(steps.dvdx * m_height);
        const float alongY = squared(steps.dudy * m_width) + squared(steps.dvdy * m_height);
        return 0.5f * log2Of(alongX > alongY ? alongX : alongY) + m_bias;
    }

    Texel sample(float u, float v, float levelOfDetail) const
    {
        using enum TextureAddressing;
        switch (m_addressing) {
        case Mirror:
            return trilinear<Mirror>(u, v, levelOfDetail);
        case Clamp:
            return trilinear<Clamp>(u, v, levelOfDetail);
        case Border:
            return trilinear<Border>(u, v, levelOfDetail);
        case Wrap:
            break;
        }
        return trilinear<Wrap>(u, v, levelOfDetail);
    }

private:
    // Between the two levels the level of detail falls between; magnified (or not a number),
    // level 0 alone, as a GPU's magnification filter reads it.
    template <TextureAddressing A> Texel trilinear(float u, float v, float levelOfDetail) const
    {
        u = texel::folded<A>(u);
        v = texel::folded<A>(v);
        const int top = levelCount() - 1;
        if (top == 0 || !(levelOfDetail > 0)) {
            return texel::bilinear<A>(m_levels.front(), u, v);
        }
        if (!(levelOfDetail < static_cast<float>(top))) {
            return texel::bilinear<A>(m_levels.back(), u, v);
        }
        const auto level = static_cast<std::size_t>(levelOfDetail);
        const auto weight =
            static_cast<std::uint32_t>((levelOfDetail - static_cast<float>(level)) * 256);
        return texel::mix(texel::bilinear<A>(m_levels[level], u, v),
                          texel::bilinear<A>(m_levels[level + 1], u, v), weight);
    }

    // log2 within 0.01, as fine as a GPU's level of detail, without the library call or a
    // branch; from 0 (or not a number) up to 2^-126, far below any level, as 2^-126.
    static float log2Of(float x)
    {
        x = x > 1.17549435e-38f ? x : 1.17549435e-38f;
        const auto bits = std::bit_cast<std::uint32_t>(x);
        const auto exponent = static_cast<float>(static_cast<int>(bits >> 23 & 0xFF) - 127);
        // The mantissa, from 1 to 2.
        const auto mantissa = std::bit_cast<float>((bits & 0x007FFFFF) | 0x3F800000);
        // A parabola through log2's values at 1 and 2, nearest to it between them.
        constexpr float a = -0.344845f;
        return exponent + (a * mantissa + (1 - 3 * a)) * mantissa + (2 * a - 1);
    }

    std::vector<MipLevel> m_levels;
    TextureAddressing m_addressing;
    float m_bias;
    float m_width; // level 0's
    float m_height;
};

// The bias a sampler applies for a MipMapLODBias: at least minMipMapBias, 0 when not a number.
float effectiveMipMapBias(float mipMapBias);

// The levels of a texture that can be sampled: the first when its pixels are all there, and
// each next one while it is half the one before (rounded down, at least 1) and whole. None when
// there is no texture or its first level is not whole.
std::vector<MipLevel> usableLevels(const CabinTexture* texture);

} // namespace orbanil
