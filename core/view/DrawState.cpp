#include "core/view/DrawState.h"

#include "core/openrails/OpenRailsConstants.h"

namespace orbanil {

DrawState drawState(AlphaMode alpha, bool first)
{
    switch (alpha) {
    case AlphaMode::Opaque:
        return {};
    case AlphaMode::AlphaTest:
        return {alphaTestReference};
    case AlphaMode::Blend:
        // First, it searches for the solid texels of a blended surface and hides what is
        // behind them; after another, it blends its texels over, hiding nothing.
        return first ? DrawState{blendOpaqueReference, Blending::Over}
                     : DrawState{blendReference, Blending::Over, DepthTest::Less, false};
    case AlphaMode::Add:
        return {blendReference, Blending::Add, DepthTest::LessEqual, false};
    }
    return {};
}

} // namespace orbanil
