#include "graphics/SpriteBatch.h"
#include "GraphicsHarness.h"

#include <gtest/gtest.h>

namespace {

const sScreenGeometry WINDOWED = sScreenGeometry::windowed(800, 600);

sSpriteTexture textureOf(UInt _id, Float _scale = 1)
{
    return {_id, _scale, _scale};
}

class SpriteBatch : public testing::Test {
protected:
    void SetUp() override { m_batch.begin(16); }
    void add(UInt _texture, ULong _renderType = 0, UInt _subdivision = 1)
    {
        sSpriteQuad quad = quadAt(0, 0, 10, 10);
        quad.subdivision = _subdivision;
        m_batch.add(quad, textureOf(_texture), _renderType, 0, nullptr, WINDOWED);
    }
    const std::vector<sChunk>& end()
    {
        m_batch.end();
        return m_batch.chunks();
    }
    cSpriteBatch m_batch;
};

TEST_F(SpriteBatch, SameTextureAndTypeMergeIntoOneChunk)
{
    add(1);
    add(1);
    add(2);
    const auto& chunks = end();
    ASSERT_EQ(2u, chunks.size());
    EXPECT_EQ(8u, chunks[0].vertexCount);
    EXPECT_EQ(4u, chunks[0].primitiveCount);
    EXPECT_EQ(8u, chunks[1].baseVertex);
    EXPECT_EQ(12u, chunks[1].startIndex);
    EXPECT_EQ(2u, chunks[1].texture);
}

TEST_F(SpriteBatch, ARenderTypeChangeSplits)
{
    add(1, 0);
    add(1, RT_OVERLAY);
    EXPECT_EQ(2u, end().size());
}

TEST_F(SpriteBatch, AUnitSplitsSpritesOfOneTexture)
{
    int unit = 0;
    add(1);
    m_batch.addUnit(&unit);
    add(1);
    const auto& chunks = end();
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ(nullptr, chunks[0].unit);
    EXPECT_EQ(&unit, chunks[1].unit);
    EXPECT_EQ(0u, chunks[1].primitiveCount);
    EXPECT_EQ(4u, chunks[2].baseVertex);
}

TEST_F(SpriteBatch, UnitsFirstThenASpriteKeepTheirOrder)
{
    int first = 0, second = 0;
    m_batch.addUnit(&first);
    m_batch.addUnit(&second);
    add(1);
    const auto& chunks = end();
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ(&first, chunks[0].unit);
    EXPECT_EQ(&second, chunks[1].unit);
    EXPECT_EQ(4u, chunks[2].vertexCount);
}

TEST_F(SpriteBatch, ASubdividedSpriteIsAGridWithBlendedInnerColours)
{
    sSpriteQuad quad = quadAt(0, 0, 10, 20);
    quad.subdivision = 2;
    quad.color[0] = 0xFF000000;
    quad.color[1] = 0xFFFF0000;
    quad.color[2] = 0xFF00FF00;
    quad.color[3] = 0xFF0000FF;
    m_batch.add(quad, textureOf(1), 0, 0, nullptr, WINDOWED);
    const auto& chunks = end();
    EXPECT_EQ(9u, m_batch.vertices().size());
    EXPECT_EQ(24u, m_batch.indices().size());
    EXPECT_EQ(8u, chunks[0].primitiveCount);
    const sVertex& centre = m_batch.vertices()[4];
    EXPECT_FLOAT_EQ(4.5f, centre.x);
    EXPECT_FLOAT_EQ(9.5f, centre.y);
    EXPECT_EQ(0xFF404040u, centre.colour);
}

TEST_F(SpriteBatch, ABusyFrameGrowsPastItsReserveWithoutLosingASprite)
{
    for (int i = 0; i < 1000; ++i)
        add(1);
    const auto& chunks = end();
    ASSERT_EQ(1u, chunks.size());
    EXPECT_EQ(4000u, chunks[0].vertexCount);
    EXPECT_EQ(6000u, m_batch.indices().size());
}

TEST_F(SpriteBatch, IndicesStayExactPast65536Vertices)
{
    const int sprites = 20000; // 80,000 vertices in one chunk
    for (int i = 0; i < sprites; ++i)
        add(1);
    end();
    const auto& indices = m_batch.indices();
    EXPECT_EQ(UInt(sprites * 4 - 1), *std::max_element(indices.begin(), indices.end()));
    EXPECT_EQ(UInt(sprites * 4 - 4), indices[indices.size() - 6]);
}

} // namespace
