#pragma once

#include "core/shape/CabinShape.h"

namespace orbanil {

// How a pixel is put over what is there.
enum class Blending
{
    Replace, // BlendState.Opaque
    Over,    // NonPremultiplied: colour × alpha + what is there × (1 − alpha)
    Add,     // Additive: what is there + colour × alpha
};

// Which depths let a pixel be drawn, against the nearest one drawn there so far.
enum class DepthTest
{
    LessEqual, // as near or nearer
    Less,      // nearer only
};

// The state a triangle's pixels are drawn in.
struct DrawState
{
    int referenceAlpha = -1; // texels of less alpha are not drawn; -1 draws them all
    Blending blending = Blending::Replace;
    DepthTest depthTest = DepthTest::LessEqual;
    bool depthWrite = true;
    bool operator==(const DrawState&) const = default;
};

// As Open Rails' SceneryMaterial.SetState sets it for a material of that alpha mode, when no
// material was set before it in its pass (`first`: every material of the opaque pass, the first
// of the blended one) or when one was.
DrawState drawState(AlphaMode alpha, bool first);

} // namespace orbanil
