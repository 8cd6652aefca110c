#include "GraphicsHarness.h"
#include "graphics/Texture.h"
#include "platform/sdl/GlRasterDevice.h"
#include "platform/sdl/HiddenGlWindow.h"
#include "support/ImageFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int rgbDistance(UInt _a, UInt _b)
{
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int(_a >> shift & 0xFF) - int(_b >> shift & 0xFF)));
    return worst;
}

// Texel (x, y) of the 4 x 4 test picture: every one a colour of its own.
UInt texel(UInt _x, UInt _y)
{
    return 0xFF000000 | (_x * 60) << 16 | (_y * 60) << 8 | 0x80;
}

// The left half of the shape picture is solid, the right half transparent.
UInt shape(UInt _x, UInt)
{
    return _x < 4 ? 0xFFFFFFFF : 0x00FFFFFF;
}

// The real renderer drawing through GL into a hidden window; in CI, no GL is a failure.
class GraphicsPixels : public testing::Test {
protected:
    void start(const std::string& _graphics)
    {
        m_harness = std::make_unique<cGraphicsHarness>(
            _graphics + " back_color=\"0xFF202020\"",
            tDataFiles{{"texels.png", makePng(makeImage(4, 4, texel))}, {"shape.png", makePng(makeImage(8, 8, shape))}});
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

    std::unique_ptr<cGraphicsHarness> m_harness;
    std::unique_ptr<cHiddenGlWindow> m_window;
    std::unique_ptr<cGraphics> m_graphics;
};

#define EXPECT_PIXEL(expected, x, y) \
    EXPECT_LE(rgbDistance(expected, pixel(x, y)), 3) << std::hex << "pixel " << std::dec << x << "," << y << " is " << std::hex << pixel(x, y)

TEST_F(GraphicsPixels, ASpriteMapsTexelsToPixelsExactly)
{
    start("");
    if (!m_graphics)
        return;
    cTexture texture("texels.png");
    frame([&](cGraphics& _g) { _g.renderQuad(quadAt(10, 20, 14, 24), &texture, RT_OPAQUE); });
    for (UInt y = 0; y < 4; ++y)
        for (UInt x = 0; x < 4; ++x)
            EXPECT_PIXEL(texel(x, y), 10 + x, 20 + y);
    EXPECT_PIXEL(0xFF202020u, 14, 20);
    EXPECT_PIXEL(0xFF202020u, 9, 20);
}

TEST_F(GraphicsPixels, AHalfTransparentSpriteBlendsOverTheOneBelow)
{
    start("");
    if (!m_graphics)
        return;
    frame([](cGraphics& _g) {
        _g.renderQuad(quadAt(0, 0, 16, 16, 0xFFFF0000), nullptr, 0);
        _g.renderQuad(quadAt(0, 0, 16, 16, 0x800000FF), nullptr, 0);
    });
    EXPECT_PIXEL(0xFF7F0080u, 8, 8);
    EXPECT_PIXEL(0xFF202020u, 20, 8);
}

TEST_F(GraphicsPixels, AMaskAfterAnOpaqueSpriteLimitsTheMaskedOverlayToTheShape)
{
    start("");
    if (!m_graphics)
        return;
    cTexture shapeTexture("shape.png");
    frame([&](cGraphics& _g) {
        _g.renderQuad(quadAt(100, 100, 108, 108, 0xFF404040), nullptr, RT_OPAQUE);
        _g.renderQuad(quadAt(0, 0, 8, 8), &shapeTexture, RT_MASK_WRITER);
        _g.renderQuad(quadAt(0, 0, 8, 8, 0xFF00FF00), nullptr, RT_MASKED);
    });
    EXPECT_PIXEL(0xFF00FF00u, 1, 4);
    EXPECT_PIXEL(0xFF00FF00u, 3, 4);
    // The transparent half wrote no stencil, so the overlay stays out of it.
    EXPECT_PIXEL(0xFF202020u, 6, 4);
}

TEST_F(GraphicsPixels, FullScreenLeavesBlackBarsAroundThePicture)
{
    start("fullscreen=\"1\"");
    if (!m_graphics)
        return;
    frame([](cGraphics& _g) { _g.renderQuad(quadAt(0, 0, 800, 600, 0xFFFFFFFF), nullptr, RT_OPAQUE); });
    const sScreenGeometry& g = m_graphics->getGeometry();
    const UInt width = m_graphics->getDevice().getWidth(), height = m_graphics->getDevice().getHeight();
    ASSERT_GT(width, 0u);
    EXPECT_PIXEL(0xFFFFFFFFu, width / 2, height / 2);
    if (g.offsetY >= 2) {
        EXPECT_PIXEL(0xFF000000u, width / 2, 0);
        EXPECT_PIXEL(0xFF000000u, width / 2, height - 1);
    }
    if (g.offsetX >= 2) {
        EXPECT_PIXEL(0xFF000000u, 0, height / 2);
        EXPECT_PIXEL(0xFF000000u, width - 1, height / 2);
    }
}

} // namespace
