#include "GraphicsHarness.h"
#include "UnitFixtures.h"
#include "graphics/Texture.h"
#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"
#include "support/ImageFixtures.h"
#include "support/PixelProbes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

const UInt kBack = 0xFF202020, kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kGreen = 0xFF00FF00, kWhite = 0xFFFFFFFF;

// Texel (x, y) of the 4 x 4 test picture: every one a colour of its own.
UInt texel(UInt _x, UInt _y)
{
    return 0xFF000000 | (_x * 60) << 16 | (_y * 60) << 8 | 0x80;
}

// The real renderer drawing through GL into a hidden window; in CI, no GL is a failure.
// Units glow in their emissive colour with no ambient share, so their pixels are exact.
class GraphicsPixels : public testing::Test {
protected:
    void SetUp() override { open(""); }
    void open(const std::string& _graphics)
    {
        m_harness = std::make_unique<cGraphicsHarness>(_graphics + " back_color=\"0xFF202020\"",
            tDataFiles{{"texels.png", makePng(makeImage(4, 4, texel))},
                {"shape.png", makePng(makeImage(8, 8, [](UInt _x, UInt) { return _x < 4 ? kWhite : 0x00FFFFFFu; }))}});
        m_harness->destroyGraphics();
        try {
            m_window = std::make_unique<cHiddenGlWindow>(800, 600);
            auto device = std::make_unique<cGlRasterDevice>(m_window->window());
            m_graphics = std::make_unique<cGraphics>(std::move(device), m_harness->window(), m_harness->system());
        } catch (const String& _error) {
            if (std::getenv("CI"))
                FAIL() << "no GL context in CI: " << _error;
            GTEST_SKIP() << "no GL context: " << _error;
        }
    }
    template <class tQueue> void frame(tQueue _queue)
    {
        m_graphics->beginRender();
        _queue(*m_graphics);
        m_graphics->endRender();
    }
    void expectPixels(std::initializer_list<std::array<UInt, 3>> _probes)
    {
        ::expectPixels([this](UInt _x, UInt _y) { return m_graphics->getDevice().readPixels({_x, _y, 1, 1})[0]; },
            _probes, 3);
    }

    std::unique_ptr<cGraphicsHarness> m_harness;
    std::unique_ptr<cHiddenGlWindow> m_window;
    std::unique_ptr<cGraphics> m_graphics;
};

TEST_F(GraphicsPixels, ASpriteMapsTexelsToPixelsExactly)
{
    cTexture texture("texels.png");
    frame([&](cGraphics& _g) { _g.renderQuad(quadAt(10, 20, 14, 24), &texture, RT_OPAQUE); });
    for (UInt y = 0; y < 4; ++y)
        for (UInt x = 0; x < 4; ++x)
            expectPixels({{texel(x, y), 10 + x, 20 + y}});
    expectPixels({{kBack, 14, 20}, {kBack, 9, 20}});
}

TEST_F(GraphicsPixels, AHalfTransparentSpriteBlendsOverTheOneBelow)
{
    frame([](cGraphics& _g) {
        _g.renderQuad(quadAt(0, 0, 16, 16, kRed), nullptr, 0);
        _g.renderQuad(quadAt(0, 0, 16, 16, 0x800000FF), nullptr, 0);
    });
    expectPixels({{0xFF7F0080u, 8, 8}, {kBack, 20, 8}});
}

TEST_F(GraphicsPixels, AMaskAfterAnOpaqueSpriteLimitsTheMaskedOverlayToTheShape)
{
    cTexture shapeTexture("shape.png");
    frame([&](cGraphics& _g) {
        _g.renderQuad(quadAt(100, 100, 108, 108, 0xFF404040), nullptr, RT_OPAQUE);
        _g.renderQuad(quadAt(0, 0, 8, 8), &shapeTexture, RT_MASK_WRITER);
        _g.renderQuad(quadAt(0, 0, 8, 8, kGreen), nullptr, RT_MASKED);
    });
    expectPixels({{kGreen, 1, 4}, {kGreen, 3, 4}, {kBack, 6, 4}}); // the transparent half wrote no stencil
}

class FullScreenPixels : public GraphicsPixels {
protected:
    void SetUp() override { open("fullscreen=\"1\""); }
};

TEST_F(FullScreenPixels, LeaveBlackBarsAroundThePicture)
{
    frame([](cGraphics& _g) { _g.renderQuad(quadAt(0, 0, 800, 600, kWhite), nullptr, RT_OPAQUE); });
    const sScreenGeometry& g = m_graphics->getGeometry();
    const UInt width = m_graphics->getDevice().getWidth(), height = m_graphics->getDevice().getHeight();
    ASSERT_GT(width, 0u);
    expectPixels({{kWhite, width / 2, height / 2}});
    if (g.offsetY >= 2)
        expectPixels({{0xFF000000u, width / 2, 0}, {0xFF000000u, width / 2, height - 1}});
    if (g.offsetX >= 2)
        expectPixels({{0xFF000000u, 0, height / 2}, {0xFF000000u, width - 1, height / 2}});
}

TEST_F(GraphicsPixels, TheDeeperUnitHidesTheOtherWhateverTheOrderAndSpritesIgnoreDepth)
{
    const auto front = squareMesh(10, 10, 50, 50, 100), back = squareMesh(30, 30, 70, 70, -100);
    const iGraphics::sUnit red = glowingUnit(front.get(), kRed), blue = glowingUnit(back.get(), kBlue);
    frame([&](cGraphics& _g) {
        _g.render(red);
        _g.render(blue);
        _g.renderQuad(quadAt(60, 60, 80, 80, kGreen), nullptr, RT_OPAQUE);
    });
    expectPixels({{kRed, 20, 20}, {kRed, 40, 40}, {kBlue, 55, 40}, {kGreen, 65, 65}, {kBack, 75, 40}});
}

TEST_F(GraphicsPixels, FacesWoundCounterClockwiseOnScreenAreCulled)
{
    const auto clockwise = squareMesh(10, 10, 30, 30, 0, true), counter = squareMesh(40, 10, 60, 30, 0, false);
    const iGraphics::sUnit kept = glowingUnit(clockwise.get(), kRed), culled = glowingUnit(counter.get(), kRed);
    frame([&](cGraphics& _g) {
        _g.render(kept);
        _g.render(culled);
    });
    expectPixels({{kRed, 20, 20}, {kBack, 50, 20}});
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
    sTestNode rest, moved;
    rest.keys = {{Matrix::identity(), 0}};
    moved.keys = {{Matrix::translation(40, 0, 0), 0}};
    const auto animation = makeAnimation({rest, moved});
    iGraphics::sUnit unit = glowingUnit(mesh.get(), kRed);
    unit.animation = animation.get();
    unit.world = Matrix::translation(100, 100, 0);
    frame([&](cGraphics& _g) { _g.render(unit); });
    expectPixels({{kRed, 102, 110}, {kRed, 150, 110}, {kRed, 158, 101}, {kBack, 162, 110}, {kBack, 98, 110}});
}

} // namespace
