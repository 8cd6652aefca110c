#include "graphics/RenderType.h"

#include <gtest/gtest.h>

namespace {

struct sTypeCase {
    const char* name;
    ULong renderType;
    Bool blend;
    eBlendFactor src, dest;
    eStencilMode stencil;
    eFilter filter;
};

class SpriteStatePerRenderType : public testing::TestWithParam<sTypeCase> {};

TEST_P(SpriteStatePerRenderType, IsCompleteForEachDraw)
{
    const sTypeCase& c = GetParam();
    const sDrawState state = spriteState(c.renderType, 7, 0, {});
    EXPECT_EQ(7u, state.stages[0].texture);
    EXPECT_EQ(c.blend, state.blend);
    EXPECT_EQ(c.blend, state.alphaTest);
    EXPECT_EQ(0u, state.alphaRef);
    EXPECT_EQ(c.src, state.srcBlend);
    EXPECT_EQ(c.dest, state.destBlend);
    EXPECT_EQ(c.stencil, state.stencil);
    EXPECT_EQ(c.filter, state.stages[0].minFilter);
    EXPECT_EQ(c.filter, state.stages[0].magFilter);
    EXPECT_FALSE(state.depthTest);
    EXPECT_EQ(CULL_NONE, state.cull);
}

INSTANTIATE_TEST_SUITE_P(
    Types, SpriteStatePerRenderType,
    testing::Values(
        sTypeCase{"plain", 0, true, BLEND_SRC_ALPHA, BLEND_INV_SRC_ALPHA, STENCIL_OFF, FILTER_POINT},
        sTypeCase{"overlay", 0x1, true, BLEND_DEST_COLOR, BLEND_SRC_ALPHA, STENCIL_OFF, FILTER_POINT},
        sTypeCase{"opaque", 0x2, false, BLEND_SRC_ALPHA, BLEND_INV_SRC_ALPHA, STENCIL_OFF, FILTER_POINT},
        sTypeCase{"masked_overlay", 0x9, true, BLEND_DEST_COLOR, BLEND_SRC_ALPHA, STENCIL_EQUAL, FILTER_POINT},
        sTypeCase{"linear", 0x20, true, BLEND_SRC_ALPHA, BLEND_INV_SRC_ALPHA, STENCIL_OFF, FILTER_LINEAR},
        sTypeCase{"overlay_blend", 0x40, true, BLEND_DEST_COLOR, BLEND_SRC_ALPHA, STENCIL_OFF, FILTER_POINT},
        sTypeCase{"anisotropic", 0x80, true, BLEND_SRC_ALPHA, BLEND_INV_SRC_ALPHA, STENCIL_OFF, FILTER_ANISOTROPIC},
        sTypeCase{"linear_wins", 0xA0, true, BLEND_SRC_ALPHA, BLEND_INV_SRC_ALPHA, STENCIL_OFF, FILTER_LINEAR}),
    [](const testing::TestParamInfo<sTypeCase>& _info) { return String(_info.param.name); });

TEST(FullscreenMagnification, IsPointForOverlaysAndAnisotropicOtherwise)
{
    const sFrameStyle fullscreen{false, true};
    EXPECT_EQ(FILTER_POINT, spriteState(RT_OVERLAY, 1, 0, fullscreen).stages[0].magFilter);
    EXPECT_EQ(FILTER_ANISOTROPIC, spriteState(0, 1, 0, fullscreen).stages[0].magFilter);
    EXPECT_EQ(FILTER_POINT, spriteState(0, 1, 0, fullscreen).stages[0].minFilter);
}

} // namespace
