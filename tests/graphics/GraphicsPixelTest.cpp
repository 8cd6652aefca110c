#include "GlScreen.h"
#include "UnitFixtures.h"
#include "graphics/Texture.h"
#include "support/ImageFixtures.h"

#include <gtest/gtest.h>

#include <array>

namespace {

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
