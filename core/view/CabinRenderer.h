#pragma once

#include "core/shape/CabinShape.h"
#include "core/shape/CabinTexture.h"
#include "core/view/CabinLight.h"
#include "core/view/PassengerCamera.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace orbanil {

using Rgb = std::array<std::uint8_t, 3>;

// What shows through the windows, where the interior has no surface.
inline constexpr Rgb cabinBackground{176, 196, 222};
// A surface whose texture is missing, or that has none.
inline constexpr Rgb missingTextureColour{200, 200, 200};
// The largest width or height drawn.
inline constexpr int maxRenderSide = 8192;

// Draws the interior shape as the passenger camera sees it, as Open Rails draws it: cut at the
// near plane; faces whose corners turn counter-clockwise on the image left out; alpha-tested
// texels drawn from the simulator's reference alpha up; blended triangles over the rest
// afterwards, in the order the shape lists them (their nearly solid texels hide what is behind
// them, as opaque ones do). textures[i] is the texture of shape.textures[i], in the light it is
// drawn for; a null or absent one, or one without levels, is drawn in missingTextureColour. The
// image is opaque (A = 255). It is empty when a side is below 1 or above maxRenderSide, and
// there is none when `cancel` turns true before the drawing is done. Nothing is shared between
// calls: renders may run at once on several threads.
std::optional<RgbaImage> renderCabin(const CabinShape& shape,
                                     const std::vector<const CabinTexture*>& textures,
                                     const PassengerCamera& camera, const CabinLight& light,
                                     int width, int height,
                                     const std::atomic<bool>* cancel = nullptr);

} // namespace orbanil
