#include "graphics/RenderType.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// The pixel tests see blending and masks work; here, that each bit picks its own part.
TEST(RenderType, EachBitChoosesItsPartOfTheSpriteState)
{
    const sDrawState plain = spriteState(0, 7, 0, {});
    EXPECT_EQ(7u, plain.stages[0].texture);
    EXPECT_TRUE(plain.blend && plain.alphaTest && !plain.depthTest);
    EXPECT_EQ(std::make_pair(BLEND_SRC_ALPHA, BLEND_INV_SRC_ALPHA), std::make_pair(plain.srcBlend, plain.destBlend));
    for (ULong overlay : {ULong(RT_OVERLAY), ULong(RT_OVERLAY_BLEND)}) {
        const sDrawState state = spriteState(overlay, 7, 0, {});
        EXPECT_EQ(std::make_pair(BLEND_DEST_COLOR, BLEND_SRC_ALPHA), std::make_pair(state.srcBlend, state.destBlend));
    }
    EXPECT_FALSE(spriteState(RT_OPAQUE, 7, 0, {}).blend || spriteState(RT_OPAQUE, 7, 0, {}).alphaTest);
    EXPECT_EQ(STENCIL_EQUAL, spriteState(RT_OVERLAY | RT_MASKED, 7, 0, {}).stencil);
    const std::pair<ULong, eFilter> filters[] = {{0, FILTER_POINT}, {RT_LINEAR, FILTER_LINEAR},
        {RT_ANISOTROPIC, FILTER_ANISOTROPIC}, {RT_LINEAR | RT_ANISOTROPIC, FILTER_LINEAR}};
    for (const auto& f : filters) {
        EXPECT_EQ(f.second, spriteState(f.first, 7, 0, {}).stages[0].minFilter) << f.first;
        EXPECT_EQ(f.second, spriteState(f.first, 7, 0, {}).stages[0].magFilter) << f.first;
    }
    // The mask writer keeps only the stencil of texels above the threshold, and no colour.
    const sDrawState writer = maskWriterState(RT_OPAQUE, 7, 0, {});
    EXPECT_EQ(STENCIL_WRITE, writer.stencil);
    EXPECT_TRUE(writer.alphaTest);
    EXPECT_EQ(0x88u, writer.alphaRef);
    EXPECT_EQ(std::make_pair(BLEND_ZERO, BLEND_ONE), std::make_pair(writer.srcBlend, writer.destBlend));
}

TEST(FullscreenMagnification, IsPointForOverlaysAndAnisotropicOtherwise)
{
    const sFrameStyle fullscreen{false, true};
    EXPECT_EQ(FILTER_POINT, spriteState(RT_OVERLAY, 1, 0, fullscreen).stages[0].magFilter);
    EXPECT_EQ(FILTER_ANISOTROPIC, spriteState(0, 1, 0, fullscreen).stages[0].magFilter);
    EXPECT_EQ(FILTER_POINT, spriteState(0, 1, 0, fullscreen).stages[0].minFilter);
}

} // namespace
