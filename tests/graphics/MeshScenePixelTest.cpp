#include "GraphicsHarness.h"
#include "UnitFixtures.h"
#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const UInt kBack = 0xFF202020, kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kGreen = 0xFF00FF00;

int rgbDistance(UInt _a, UInt _b)
{
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int(_a >> shift & 0xFF) - int(_b >> shift & 0xFF)));
    return worst;
}

// Mesh units drawn by the real renderer through GL into a hidden window; in CI, no GL is a
// failure. The units glow in their emissive colour with no ambient share, so it is exact.
class MeshScenePixels : public testing::Test {
protected:
    void SetUp() override
    {
        m_harness = std::make_unique<cGraphicsHarness>("back_color=\"0xFF202020\"");
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
    void TearDown() override
    {
        m_graphics.reset();
        m_window.reset();
        m_harness.reset();
    }
    template <class tQueue> void frame(tQueue _queue)
    {
        m_graphics->beginRender();
        _queue(*m_graphics);
        m_graphics->endRender();
    }
    UInt pixel(UInt _x, UInt _y) { return m_graphics->getDevice().readPixels({_x, _y, 1, 1})[0]; }
    void expectPixel(UInt _expected, UInt _x, UInt _y)
    {
        const UInt actual = pixel(_x, _y);
        EXPECT_LE(rgbDistance(_expected, actual), 3)
            << "pixel " << _x << "," << _y << " is " << std::hex << actual << ", not " << _expected;
    }

    std::unique_ptr<cGraphicsHarness> m_harness;
    std::unique_ptr<cHiddenGlWindow> m_window;
    std::unique_ptr<cGraphics> m_graphics;
};

TEST_F(MeshScenePixels, TheDeeperUnitHidesTheOtherWhateverTheOrderAndSpritesIgnoreDepth)
{
    const auto front = squareMesh(10, 10, 50, 50, 100);
    const auto back = squareMesh(30, 30, 70, 70, -100);
    const iGraphics::sUnit red = glowingUnit(front.get(), kRed), blue = glowingUnit(back.get(), kBlue);
    frame([&](cGraphics& _g) {
        _g.render(red);
        _g.render(blue);
        _g.renderQuad(quadAt(60, 60, 80, 80, kGreen), nullptr, RT_OPAQUE);
    });
    expectPixel(kRed, 20, 20);
    expectPixel(kRed, 40, 40);
    expectPixel(kBlue, 55, 40);
    expectPixel(kGreen, 65, 65);
    expectPixel(kBack, 75, 40);
}

TEST_F(MeshScenePixels, FacesWoundCounterClockwiseOnScreenAreCulled)
{
    const auto clockwise = squareMesh(10, 10, 30, 30, 0, true);
    const auto counter = squareMesh(40, 10, 60, 30, 0, false);
    const iGraphics::sUnit kept = glowingUnit(clockwise.get(), kRed), culled = glowingUnit(counter.get(), kRed);
    frame([&](cGraphics& _g) {
        _g.render(kept);
        _g.render(culled);
    });
    expectPixel(kRed, 20, 20);
    expectPixel(kBack, 50, 20);
}

// A square whose left edge hangs from bone 0 (at rest) and whose right edge from bone 1
// through the implied fourth weight; bone 1 moves 40 pixels right, stretching the square.
TEST_F(MeshScenePixels, ASkinnedMeshFollowsItsPose)
{
    std::vector<sTestVertex> corners = {testVertex(0, 0), testVertex(20, 0), testVertex(0, 20), testVertex(20, 20)};
    for (sTestVertex& corner : corners) {
        const bool right = corner.position[0] > 0;
        corner.weights[0] = right ? 0 : 1;
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
    expectPixel(kRed, 102, 110);
    expectPixel(kRed, 150, 110);
    expectPixel(kRed, 158, 101);
    expectPixel(kBack, 162, 110);
    expectPixel(kBack, 98, 110);
}

} // namespace
