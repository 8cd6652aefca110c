#include "GraphicsHarness.h"
#include "graphics/RenderType.h"
#include "graphics/SpriteBatch.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

const sScreenGeometry WINDOWED = sScreenGeometry::windowed(800, 600);

class SpriteBatch : public testing::Test {
protected:
    void SetUp() override { m_batch.begin(16); }
    void add(UInt _texture, ULong _renderType = 0, sSpriteQuad _quad = quadAt(0, 0, 10, 10))
    {
        m_batch.add(_quad, sSpriteTexture{_texture, 1, 1}, _renderType, 0, nullptr, WINDOWED);
    }
    const std::vector<sChunk>& end()
    {
        m_batch.end();
        return m_batch.chunks();
    }
    cSpriteBatch m_batch;
};

TEST_F(SpriteBatch, SameTextureAndTypeMergeAndAChangeOfEitherSplits)
{
    add(1);
    add(1);
    add(2);
    add(2, RT_OVERLAY);
    const auto& chunks = end();
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ(std::make_tuple(8u, 4u), std::make_tuple(chunks[0].vertexCount, chunks[0].primitiveCount));
    EXPECT_EQ(std::make_tuple(8u, 12u, 2u), std::make_tuple(chunks[1].baseVertex, chunks[1].startIndex, chunks[1].texture));
    EXPECT_EQ(ULong(RT_OVERLAY), chunks[2].renderType);
}

TEST_F(SpriteBatch, ASubdividedSpriteIsAGridWithBlendedInnerColours)
{
    sSpriteQuad quad = quadAt(0, 0, 10, 20);
    quad.subdivision = 2;
    quad.color[0] = 0xFF000000;
    quad.color[1] = 0xFFFF0000;
    quad.color[2] = 0xFF00FF00;
    quad.color[3] = 0xFF0000FF;
    add(1, 0, quad);
    EXPECT_EQ(8u, end()[0].primitiveCount);
    EXPECT_EQ(9u, m_batch.vertexCount());
    EXPECT_EQ(24u, m_batch.indexCount());
    const sVertex& centre = m_batch.vertices()[4];
    EXPECT_FLOAT_EQ(4.5f, centre.x);
    EXPECT_FLOAT_EQ(9.5f, centre.y);
    EXPECT_EQ(0xFF404040u, centre.colour);
}

TEST_F(SpriteBatch, APlainQuadKeepsEachCornersPositionColourAndTexturePoint)
{
    sSpriteQuad quad = quadAt(10, 20, 30, 60);
    for (UInt k = 0; k < 4; ++k)
        quad.color[k] = 0xFF000000u + k;
    quad.left = 0.25f;
    quad.top = 0.5f;
    quad.right = 0.75f;
    m_batch.add(quad, sSpriteTexture{1, 0.5f, 2}, 0, 0, nullptr, WINDOWED);
    end();
    const Float expected[4][4] = {{9.5f, 19.5f, 0.125f, 1}, {29.5f, 19.5f, 0.375f, 1}, {9.5f, 59.5f, 0.125f, 2},
                                  {29.5f, 59.5f, 0.375f, 2}};
    for (UInt k = 0; k < 4; ++k) {
        const sVertex& vertex = m_batch.vertices()[k];
        EXPECT_EQ(std::vector<Float>({vertex.x, vertex.y, vertex.u0, vertex.v0}),
                  std::vector<Float>(expected[k], expected[k] + 4)) << "corner " << k;
        EXPECT_EQ(0xFF000000u + k, vertex.colour);
    }
    EXPECT_EQ(std::vector<UInt>(m_batch.indices(), m_batch.indices() + 6), (std::vector<UInt>{0, 2, 1, 1, 2, 3}));
}

// 20,000 sprites: far past the reserve of 16, and 80,000 vertices in one chunk.
TEST_F(SpriteBatch, ABusyFrameGrowsAndIndicesStayExactPast65536Vertices)
{
    const UInt sprites = 20000;
    for (UInt i = 0; i < sprites; ++i)
        add(1);
    const auto& chunks = end();
    ASSERT_EQ(1u, chunks.size());
    EXPECT_EQ(sprites * 4, chunks[0].vertexCount);
    const UInt* indices = m_batch.indices();
    ASSERT_EQ(sprites * 6, m_batch.indexCount());
    EXPECT_EQ(sprites * 4 - 1, *std::max_element(indices, indices + sprites * 6));
    EXPECT_EQ(sprites * 4 - 4, indices[sprites * 6 - 6]);
}

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
