#include "core/shape/TextureAlpha.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

TEST(TextureAlpha, ABlendingShaderBlendsOnlyWhenTheTextureHasAlphaToBlend)
{
    struct Case
    {
        AlphaRequest request;
        int alphaBits;
        AlphaMode mode;
    };
    const Case cases[] = {
        {{false, false}, 8, AlphaMode::Opaque},      {{false, true}, 0, AlphaMode::AlphaTest},
        {{false, true}, 8, AlphaMode::AlphaTest},    {{true, false}, 0, AlphaMode::Opaque},
        {{true, true}, 0, AlphaMode::AlphaTest},     {{true, false}, 1, AlphaMode::Blend},
        {{true, true}, 1, AlphaMode::AlphaTest},     {{true, true}, 8, AlphaMode::Blend},
        {{true, false, true}, 8, AlphaMode::Add},    {{true, true, true}, 1, AlphaMode::AlphaTest},
        {{true, false, true}, 0, AlphaMode::Opaque},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(alphaMode(c.request, c.alphaBits), c.mode)
            << c.request.blendShader << c.request.alphaTest << c.request.additive << c.alphaBits;
    }
}

} // namespace
} // namespace orbanil
