#pragma once

// Reading one stored level of a texture as a GPU does: coordinates beyond 0–1 by the texture's
// addressing, four texels mixed by where the coordinate falls between their centres. Inline, as
// every pixel drawn reads it twice.

#include "core/openrails/OpenRailsConstants.h"
#include "core/shape/CabinShape.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace orbanil {

// A texel's four 8-bit channels in one word, R in the lowest byte, A in the highest, so that a
// filter mixes two channels in one multiplication.
struct Texel
{
    std::uint32_t rgba = 0xFF000000;

    int channel(int c) const { return static_cast<int>(rgba >> (8 * c) & 0xFF); }
    int alpha() const { return channel(3); }
};

// One stored level of a texture, as the sampler reads it.
struct MipLevel
{
    const std::uint8_t* pixels = nullptr; // RGBA rows from the top
    int width = 0;
    int height = 0;
};

namespace texel {

inline Texel at(const std::uint8_t* p)
{
    return {static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
            static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24};
}

// (a × (256 − w) + b × w) / 256 in each channel, w from 0 to 256: R and B, then G and A, in
// 16-bit lanes that cannot carry into each other.
inline Texel mix(Texel a, Texel b, std::uint32_t weightOfB)
{
    constexpr std::uint32_t lanes = 0x00FF00FF;
    const std::uint32_t weightOfA = 256 - weightOfB;
    const std::uint32_t rb = ((a.rgba & lanes) * weightOfA + (b.rgba & lanes) * weightOfB) >> 8;
    const std::uint32_t ga = (a.rgba >> 8 & lanes) * weightOfA + (b.rgba >> 8 & lanes) * weightOfB;
    return {(rb & lanes) | (ga & ~lanes)};
}

// std::floor for |t| below 2^23, where floats still have a fraction, without the library call
// it is on plain x86-64.
inline float floorOf(float t)
{
    const float whole = static_cast<float>(static_cast<int>(t));
    return whole > t ? whole - 1 : whole;
}

// A coordinate folded into one period of its addressing, so that large ones stay exact: Wrap
// and Mirror to 0–1, Clamp to 0–1 and Border to -1–2 (beyond, the border all the same). What is
// not a number reads as 0.
template <TextureAddressing A> float folded(float t)
{
    using enum TextureAddressing;
    if constexpr (A == Wrap || A == Mirror) {
        if (!(std::fabs(t) < 8388608.0f)) {
            return 0; // a whole number, or none
        }
        if constexpr (A == Wrap) {
            return t - floorOf(t);
        } else {
            const float period = t - 2 * floorOf(t / 2);
            return period <= 1 ? period : 2 - period;
        }
    } else {
        const float lo = A == Clamp ? 0.0f : -1.0f;
        const float hi = A == Clamp ? 1.0f : 2.0f;
        return t >= lo ? (t <= hi ? t : hi) : lo;
    }
}

// Texel i of a side of n once folded (i from -1 to n, the neighbours of the edges), or -1 for
// the border. A mirrored coordinate's neighbour beyond an edge is the edge texel itself.
template <TextureAddressing A> int index(int i, int n)
{
    using enum TextureAddressing;
    if constexpr (A == Wrap) {
        return i < 0 ? i + n : i >= n ? i - n : i;
    } else if constexpr (A == Border) {
        return i < 0 || i >= n ? -1 : i;
    } else {
        return std::clamp(i, 0, n - 1);
    }
}

// The level at folded coordinates, texel centres at half-integer ones, as a GPU samples.
template <TextureAddressing A> Texel bilinear(const MipLevel& level, float u, float v)
{
    // In 1/256 of a texel from the first texel's centre, counted from -1 for the border's.
    const auto fixed = [](float t, int side) {
        const int lowest = A == TextureAddressing::Border ? 1 : 0;
        return static_cast<int>((t + static_cast<float>(lowest)) * static_cast<float>(side) * 256) -
               lowest * side * 256 - 128;
    };
    const int fx = fixed(u, level.width);
    const int fy = fixed(v, level.height);
    const auto wx = static_cast<std::uint32_t>(fx & 0xFF);
    const auto wy = static_cast<std::uint32_t>(fy & 0xFF);
    const int x0 = index<A>(fx >> 8, level.width);
    const int x1 = index<A>((fx >> 8) + 1, level.width);
    const int y0 = index<A>(fy >> 8, level.height);
    const int y1 = index<A>((fy >> 8) + 1, level.height);
    const std::size_t rowBytes = static_cast<std::size_t>(level.width) * 4;
    const auto read = [&](int x, int y) {
        if constexpr (A == TextureAddressing::Border) {
            if (x < 0 || y < 0) {
                return at(borderTexel.data());
            }
        }
        return at(level.pixels + static_cast<std::size_t>(y) * rowBytes +
                  static_cast<std::size_t>(x) * 4);
    };
    return mix(mix(read(x0, y0), read(x1, y0), wx), mix(read(x0, y1), read(x1, y1), wx), wy);
}

} // namespace texel

} // namespace orbanil
