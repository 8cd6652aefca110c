#include "GraphicsHarness.h"
#include "engine/Settings.h"

#include <gtest/gtest.h>

namespace {

using cCalls = std::vector<cRecordingRasterDevice::eCall>;

TEST(Frame, SpritesOutsideAFrameAreDroppedAndAnEmptyFrameStillClearsAndPresentsAtTheNextBegin)
{
    cGraphicsHarness h("back_color=\"0xFF336699\"");
    h.graphics().renderQuad(quadAt(0, 0, 4, 4), nullptr, 0);
    h.graphics().endRender();
    EXPECT_TRUE(h.device().calls().empty());
    h.frame([](cGraphics&) {});
    EXPECT_EQ(cCalls{cRecordingRasterDevice::CALL_CLEAR}, h.device().calls());
    EXPECT_EQ(0u, h.device().presentCount());
    h.graphics().beginRender();
    EXPECT_EQ(1u, h.device().presentCount());
    ASSERT_EQ(1u, h.device().clears().size());
    EXPECT_EQ(0xFF336699u, h.device().clears()[0].colour);
    EXPECT_EQ(UInt(CLEAR_COLOUR | CLEAR_DEPTH | CLEAR_STENCIL), h.device().clears()[0].flags);
}

TEST(Frame, FullScreenScalesSpritesAndDrawsBarsAboveAndBelow)
{
    cGraphicsHarness h("fullscreen=\"1\"");
    EXPECT_EQ(DISPLAY_DESKTOP_FULLSCREEN, h.device().mode());
    h.frame([](cGraphics& _g) { _g.renderQuad(quadAt(0, 0, 800, 600), nullptr, 0); });
    const auto& draws = h.device().draws();
    ASSERT_EQ(2u, draws.size());
    EXPECT_FLOAT_EQ(32, draws[0].vertices[0].y);
    EXPECT_FLOAT_EQ(1280, draws[0].vertices[3].x);
    EXPECT_FLOAT_EQ(992, draws[0].vertices[3].y);
    const auto& bars = draws[1].vertices;
    ASSERT_EQ(8u, bars.size());
    EXPECT_EQ(0xFF000000u, bars[0].colour);
    EXPECT_FLOAT_EQ(32, bars[3].y);
    EXPECT_FLOAT_EQ(992, bars[4].y);
    EXPECT_FALSE(draws[1].state.blend);
}

TEST(Statistics, ShowTrianglesClearsBlackLeavesDepthAndWireframeDrawsWithoutTexture)
{
    cGraphicsHarness h("show_triangles=\"1\" back_color=\"0xFFFF0000\"");
    const UInt pixel = 0xFFFFFFFF;
    h.graphics().createTexture(1, 1, &pixel);
    h.graphics().showTriangles(true);
    h.frame([](cGraphics& _g) { _g.renderQuad(quadAt(0, 0, 4, 4), nullptr, 0); });
    EXPECT_EQ(0xFF000000u, h.device().clears()[0].colour);
    EXPECT_EQ(UInt(CLEAR_COLOUR | CLEAR_STENCIL), h.device().clears()[0].flags);
    ASSERT_EQ(2u, h.device().draws().size()); // the sprite and the statistics text
    EXPECT_TRUE(h.device().draws()[0].state.wireframe);
    EXPECT_EQ(0u, h.device().draws()[0].state.stages[0].texture);
}

TEST(Statistics, FpsAndTextOutAddOverlayTextAsTheLastDraw)
{
    {
        cGraphicsHarness quiet;
        quiet.frame([](cGraphics& _g) { _g.renderQuad(quadAt(0, 0, 4, 4), nullptr, 0); });
        EXPECT_EQ(1u, quiet.device().draws().size());
        quiet.frame([](cGraphics& _g) { _g.textOut(u"hello"); });
        EXPECT_EQ(2u, quiet.device().draws().size());
        quiet.device().forgetCalls();
        quiet.frame([](cGraphics&) {});
        EXPECT_TRUE(quiet.device().draws().empty()) << "text out is drawn once";
    }

    cGraphicsHarness h("show_fps=\"1\"");
    h.frame([](cGraphics& _g) { _g.renderQuad(quadAt(0, 0, 4, 4), nullptr, 0); });
    ASSERT_EQ(2u, h.device().draws().size());
    EXPECT_NE(0u, h.device().draws()[1].state.stages[0].texture) << "the baked font's picture";
    EXPECT_EQ(0xFFFFFFFFu, h.device().draws()[1].vertices[0].colour);
}

TEST(DeviceLoss, ABriefLossResetsAndALastingOneCostsAFrameAndIsTriedAgain)
{
    cGraphicsHarness h;
    h.frame([](cGraphics&) {});
    h.device().simulateLoss(3);
    h.graphics().beginRender();
    EXPECT_TRUE(h.graphics().isFrameOpen());
    EXPECT_EQ(cRecordingRasterDevice::CALL_RESET, h.device().calls().back());
    h.graphics().endRender();

    h.device().simulateLoss(500);
    h.device().forgetCalls();
    h.graphics().beginRender();
    EXPECT_FALSE(h.graphics().isFrameOpen());
    h.graphics().renderQuad(quadAt(0, 0, 4, 4), nullptr, 0);
    h.graphics().endRender();
    EXPECT_TRUE(h.device().calls().empty());
    // Polls used up: the next frame finds the device ready for a reset.
    for (int i = 0; i < 5 && !h.graphics().isFrameOpen(); ++i)
        h.graphics().beginRender();
    EXPECT_TRUE(h.graphics().isFrameOpen());
}

TEST(Reset, ReReadsTheSettingsBeforeTheNextFrame)
{
    cGraphicsHarness h;
    h.core().settings().setPropertyT("graphics", "width", Int(1024));
    h.core().settings().setPropertyT("graphics", "height", Int(768));
    h.core().settings().setPropertyT("graphics", "back_color", DXColor{0, 0, 1, 1});
    h.graphics().setNeedReset(true);
    h.frame([](cGraphics&) {});
    EXPECT_FALSE(h.graphics().getNeedReset());
    EXPECT_EQ(1024, h.graphics().getWidth());
    EXPECT_EQ(768, h.graphics().getHeight());
    EXPECT_EQ(1024u, h.device().getWidth());
    EXPECT_EQ(0xFF0000FFu, h.device().clears().back().colour);
    EXPECT_EQ(cRecordingRasterDevice::CALL_RESET, h.device().calls().front());

    h.core().settings().setPropertyT("graphics", "fullscreen", true);
    h.graphics().setNeedReset(true);
    h.frame([](cGraphics&) {});
    EXPECT_EQ(DISPLAY_DESKTOP_FULLSCREEN, h.device().mode());
    EXPECT_TRUE(h.graphics().getGeometry().fullscreen);
}

TEST(Destruction, WritesEveryGraphicsKeyIntoTheSettings)
{
    cGraphicsHarness h("show_fps=\"1\"");
    h.destroyGraphics();
    for (const char* key : {"back_color", "width", "height", "fullscreen", "reserve_sprite_count", "show_triangles", "show_fps"}) {
        String value;
        EXPECT_TRUE(h.core().settings().getPropertyT("graphics", key, value)) << key;
        EXPECT_FALSE(value.empty()) << key;
    }
    String count;
    EXPECT_TRUE(h.core().settings().getPropertyT("lights", "count", count));
    EXPECT_EQ("0", count);
}

} // namespace
