#include "GlScreen.h"
#include "UnitFixtures.h"
#include "engine/ResourceManager.h"
#include "graphics/Texture.h"
#include "support/ImageFixtures.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using tDraws = std::vector<cRecordingRasterDevice::sDraw>;

iGraphics::sUnit unitOf(iMesh* _mesh, cAnimation* _animation = nullptr)
{
    iGraphics::sUnit unit;
    unit.mesh = _mesh;
    unit.animation = _animation;
    return unit;
}

TEST(MeshScene, UnitsAndSpritesAreDrawnInQueueOrderAndAUnitSplitsSpritesOfOneTexture)
{
    cGraphicsHarness harness;
    const auto first = squareMesh(10, 10, 20, 20, 300);
    const auto second = squareMesh(30, 10, 40, 20, -300);
    const iGraphics::sUnit a = unitOf(first.get()), b = unitOf(second.get());
    const UInt white = 0xFFFFFFFF;
    const UInt texture = harness.device().createTexture(1, 1, &white);
    harness.frame([&](cGraphics& _g) {
        _g.renderQuad(quadAt(0, 0, 4, 4), sSpriteTexture{texture}, 0);
        _g.render(a);
        _g.render(b);
        _g.renderQuad(quadAt(8, 0, 12, 4), sSpriteTexture{texture}, 0);
    });
    const tDraws& draws = harness.device().draws();
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws[1].vertices[0].x, 10);
    EXPECT_EQ(draws[2].vertices[0].x, 30);
    EXPECT_EQ(draws[3].vertices[0].x, 7.5f);

    // The projection's depth range -3000 to 3000 becomes 0 to 1.
    EXPECT_FLOAT_EQ(draws[1].vertices[0].z, 0.55f);
    EXPECT_FLOAT_EQ(draws[2].vertices[0].z, 0.45f);
    EXPECT_EQ(draws[1].indices, (std::vector<UInt>{0, 1, 2, 2, 1, 3}));
    sDrawState unit = spriteState(0, 0, 0, {});
    unit.depthTest = unit.depthWrite = true;
    unit.cull = CULL_CCW;
    EXPECT_EQ(draws[1].state, unit);
    EXPECT_EQ(draws[3].state, spriteState(0, texture, 0, {})) << "back to the 2D state after a unit";
}

// Vertex i hangs from bones i to i + 3 (wrapping at 20) with weights 0.4, 0.3, 0.2 and the
// implied 0.1; bone j moves by 10 j to the right.
TEST(MeshScene, ATwentyBonePoseBlendsEveryVertexByFourWeights)
{
    cGraphicsHarness harness;
    const unsigned kBones = 20;
    std::vector<sTestVertex> vertices;
    std::vector<std::uint16_t> indices;
    std::vector<sTestNode> nodes(kBones);
    for (unsigned i = 0; i < kBones; ++i) {
        sTestVertex vertex = testVertex(0, float(i));
        const float weights[3] = {0.4f, 0.3f, 0.2f};
        for (unsigned k = 0; k < 4; ++k) {
            vertex.bones[k] = std::uint8_t((i + k) % kBones);
            if (k < 3)
                vertex.weights[k] = weights[k];
        }
        vertices.push_back(vertex);
        nodes[i].keys = {{Matrix::translation(10.0f * float(i), 0, 0), 0}};
        if (i + 2 < kBones)
            indices.insert(indices.end(), {std::uint16_t(i), std::uint16_t(i + 1), std::uint16_t(i + 2)});
    }
    const auto mesh = makeMesh(vertices, indices, 0x111C, std::vector<Matrix>(kBones, Matrix::identity()));
    const auto animation = makeAnimation(nodes);
    iGraphics::sUnit unit = unitOf(mesh.get(), animation.get());
    unit.world = Matrix::translation(100, 200, 0);
    harness.frame([&](cGraphics& _g) { _g.render(unit); });

    ASSERT_EQ(harness.device().draws().size(), 1u);
    const std::vector<sVertex>& drawn = harness.device().draws()[0].vertices;
    ASSERT_EQ(drawn.size(), kBones);
    for (unsigned i = 0; i < kBones; ++i) {
        const float shift = 10.0f * (0.4f * float(i % kBones) + 0.3f * float((i + 1) % kBones) +
                                     0.2f * float((i + 2) % kBones) + 0.1f * float((i + 3) % kBones));
        EXPECT_NEAR(drawn[i].x, 100 + shift, 1e-3) << "vertex " << i;
        EXPECT_NEAR(drawn[i].y, 200 + float(i), 1e-3) << "vertex " << i;
    }
}

// A negative clock is a real time; it once stood for "never posed", so a unit starting its
// animation there showed the mesh unposed.
TEST(MeshScene, AnAnimatedUnitIsPosedFromItsFirstFrameWhateverItsClock)
{
    cGraphicsHarness harness;
    sTestVertex vertex = testVertex(0, 0);
    vertex.weights[0] = 1;
    const auto mesh = makeMesh({vertex, vertex, vertex}, {0, 1, 2}, 0x111C, {Matrix::identity()});
    const auto animation = makeAnimation({keyed({{Matrix::translation(5, 0, 0), 0}})});
    iGraphics::sUnit unit = unitOf(mesh.get(), animation.get());
    unit.time = -1;
    harness.frame([&](cGraphics& _g) { _g.render(unit); });
    EXPECT_EQ(harness.device().draws().at(0).vertices[0].x, 5);
}

TEST(MeshScene, FullScreenPlacesUnitsInThePictureLikeSprites)
{
    cGraphicsHarness harness("fullscreen=\"1\"");
    const sScreenGeometry& geometry = harness.graphics().getGeometry();
    ASSERT_TRUE(geometry.fullscreen);
    const auto mesh = squareMesh(10, 20, 30, 40, 0);
    const iGraphics::sUnit unit = unitOf(mesh.get());
    harness.frame([&](cGraphics& _g) { _g.render(unit); });
    const sVertex& corner = harness.device().draws().at(0).vertices[0];
    EXPECT_FLOAT_EQ(corner.x, 10 * geometry.scaleX + geometry.offsetX);
    EXPECT_FLOAT_EQ(corner.y, 20 * geometry.scaleY + geometry.offsetY);
}

// Wireframe clears black but keeps the depth buffer, and the statistics text comes last.
TEST(MeshScene, ShowingTrianglesDrawsWireframeWhereAMeshUnitKeepsItsTextureAndSpritesLoseTheirs)
{
    const sImage image = makeImage(2, 2, [](UInt, UInt) { return 0xFF40A040u; });
    cGraphicsHarness h("show_triangles=\"1\" back_color=\"0xFFFF0000\"", {{"pictures/skin.png", makePng(image)}});
    auto* texture = static_cast<cTexture*>(cResourceManager::getInstance()->getTexture("pictures/skin.png"));
    const auto mesh = squareMesh(0, 0, 10, 10, 1);
    iGraphics::sUnit unit = unitOf(mesh.get());
    unit.texture = texture;
    h.graphics().showTriangles(true);
    h.frame([&](cGraphics& _g) {
        _g.render(unit);
        _g.renderQuad(quadAt(0, 0, 4, 4), texture, 0);
    });
    EXPECT_EQ(0xFF000000u, h.device().clears()[0].colour);
    EXPECT_EQ(UInt(CLEAR_COLOUR | CLEAR_STENCIL), h.device().clears()[0].flags);
    const auto& draws = h.device().draws();
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_TRUE(draws[0].state.wireframe && draws[1].state.wireframe);
    EXPECT_EQ(draws[0].state.stages[0].texture, texture->getTexture());
    EXPECT_EQ(draws[1].state.stages[0].texture, 0u);
    texture->release();
}

const UInt kBack = 0xFF202020, kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kGreen = 0xFF00FF00;

// Texel (x, y) of the 4 x 4 test picture: every one a colour of its own.
UInt texel(UInt _x, UInt _y)
{
    return 0xFF000000 | (_x * 60) << 16 | (_y * 60) << 8 | 0x80;
}

// Units glow in their emissive colour with no ambient share, so their pixels are exact.
class GraphicsPixels : public testing::Test {
protected:
    void SetUp() override
    {
        m_harness.destroyGraphics();
        m_screen.open(m_harness.window(), m_harness.system());
    }

    cGraphicsHarness m_harness{"back_color=\"0xFF202020\"", {{"texels.png", makePng(makeImage(4, 4, texel))}}};
    cGlScreen m_screen;
};

TEST_F(GraphicsPixels, ASpriteMapsTexelsToPixelsExactly)
{
    cTexture texture("texels.png");
    m_screen.frame([&](cGraphics& _g) { _g.renderQuad(quadAt(10, 20, 14, 24), &texture, RT_OPAQUE); });
    for (UInt y = 0; y < 4; ++y)
        for (UInt x = 0; x < 4; ++x)
            m_screen.expectPixels({{texel(x, y), 10 + x, 20 + y}});
    m_screen.expectPixels({{kBack, 14, 20}, {kBack, 9, 20}});
}

TEST_F(GraphicsPixels, AHalfTransparentSpriteBlendsOverTheOneBelow)
{
    m_screen.frame([](cGraphics& _g) {
        _g.renderQuad(quadAt(0, 0, 16, 16, kRed), nullptr, 0);
        _g.renderQuad(quadAt(0, 0, 16, 16, 0x800000FF), nullptr, 0);
    });
    m_screen.expectPixels({{0xFF7F0080u, 8, 8}, {kBack, 20, 8}});
}

TEST_F(GraphicsPixels, TheDeeperUnitHidesTheOtherWhateverTheOrderAndSpritesIgnoreDepth)
{
    const auto front = squareMesh(10, 10, 50, 50, 100), back = squareMesh(30, 30, 70, 70, -100);
    const iGraphics::sUnit red = glowingUnit(front.get(), kRed), blue = glowingUnit(back.get(), kBlue);
    m_screen.frame([&](cGraphics& _g) {
        _g.render(red);
        _g.render(blue);
        _g.renderQuad(quadAt(60, 60, 80, 80, kGreen), nullptr, RT_OPAQUE);
    });
    m_screen.expectPixels({{kRed, 20, 20}, {kRed, 40, 40}, {kBlue, 55, 40}, {kGreen, 65, 65}, {kBack, 75, 40}});
}

TEST_F(GraphicsPixels, FacesWoundCounterClockwiseOnScreenAreCulled)
{
    const auto clockwise = squareMesh(10, 10, 30, 30, 0, true), counter = squareMesh(40, 10, 60, 30, 0, false);
    const iGraphics::sUnit kept = glowingUnit(clockwise.get(), kRed), culled = glowingUnit(counter.get(), kRed);
    m_screen.frame([&](cGraphics& _g) {
        _g.render(kept);
        _g.render(culled);
    });
    m_screen.expectPixels({{kRed, 20, 20}, {kBack, 50, 20}});
}

// The left edge hangs from bone 0 (at rest), the right edge from bone 1 through the implied
// fourth weight; bone 1 moves 40 pixels right, stretching the square.
TEST_F(GraphicsPixels, ASkinnedMeshFollowsItsPose)
{
    std::vector<sTestVertex> corners = {testVertex(0, 0), testVertex(20, 0), testVertex(0, 20), testVertex(20, 20)};
    for (sTestVertex& corner : corners) {
        corner.weights[0] = corner.position[0] > 0 ? 0 : 1;
        corner.bones[3] = 1;
    }
    const auto mesh = makeMesh(corners, {0, 1, 2, 2, 1, 3}, 0x111C, {Matrix::identity(), Matrix::identity()});
    const auto animation =
        makeAnimation({keyed({{Matrix::identity(), 0}}), keyed({{Matrix::translation(40, 0, 0), 0}})});
    iGraphics::sUnit unit = glowingUnit(mesh.get(), kRed);
    unit.animation = animation.get();
    unit.world = Matrix::translation(100, 100, 0);
    m_screen.frame([&](cGraphics& _g) { _g.render(unit); });
    m_screen.expectPixels({{kRed, 102, 110}, {kRed, 150, 110}, {kRed, 158, 101}, {kBack, 162, 110}, {kBack, 98, 110}});
}

} // namespace
