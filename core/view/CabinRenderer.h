#pragma once

#include "core/shape/CabinShape.h"
#include "core/shape/CabinTexture.h"
#include "core/view/CabinLight.h"
#include "core/view/FrameBands.h"
#include "core/view/PassengerCamera.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace orbanil {

// The largest width or height drawn.
inline constexpr int maxRenderSide = 8192;

// Draws the interior shape as the passenger camera sees it, as Open Rails draws it: cut at the
// near plane; faces whose corners turn counter-clockwise on the image left out; each triangle
// lit as its material's shader and light material ask in the light given, its texture sampled
// at the level of detail of each pixel; the opaque pass first, in the shape's order, then the
// blended pass sorted far to near (core/view/DrawOrder), each material in the state Open Rails
// sets for it (core/view/DrawState). textures[i] is the texture of shape.textures[i], in the
// light it is drawn for; a null or absent one, or one without a whole first level, is drawn
// as the simulator's missing texture, magenta, lit like any other. Where there is no surface
// the sky shows (skyColour). The image is opaque (A = 255). It is empty when a side is below 1
// or above maxRenderSide, and there is none when `cancel` turns true before the drawing is done.
// The image is the same whatever the number of threads.
class CabinRenderer
{
public:
    explicit CabinRenderer(int threads = hardwareThreads()) : m_bands(threads) {}

    // One call at a time.
    std::optional<RgbaImage> render(const CabinShape& shape,
                                    const std::vector<const CabinTexture*>& textures,
                                    const PassengerCamera& camera, const CabinLight& light,
                                    int width, int height,
                                    const std::atomic<bool>* cancel = nullptr);

private:
    FrameBands m_bands;
    // Kept from frame to frame: memory fresh from the system costs a page fault for every page
    // a frame touches, which took a tenth of a large frame's time. Each band clears its rows.
    std::vector<float> m_depth;
    std::vector<std::int32_t> m_nearest;
    std::vector<std::uint32_t> m_texels;
};

// The same on the calling thread alone; calls may run at once on several threads.
std::optional<RgbaImage> renderCabin(const CabinShape& shape,
                                     const std::vector<const CabinTexture*>& textures,
                                     const PassengerCamera& camera, const CabinLight& light,
                                     int width, int height,
                                     const std::atomic<bool>* cancel = nullptr);

} // namespace orbanil
