#include "GraphicsHarness.h"
#include "engine/Settings.h"
#include "graphics/ScreenGeometry.h"
#include "platform/DdsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>

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

TEST(PresentSync, AWindowWaitsForTheDisplayAndFullScreenPresentsAtOnce)
{
    {
        cGraphicsHarness windowed("fullscreen=\"0\"");
        EXPECT_TRUE(windowed.device().presentSync());
    }

    cGraphicsHarness full("fullscreen=\"1\"");
    EXPECT_FALSE(full.device().presentSync());
    cSettings::getInstance()->setPropertyT("graphics", "fullscreen", false);
    full.graphics().setNeedReset(true);
    full.frame([](cGraphics&) {});
    EXPECT_TRUE(full.device().presentSync()) << "a switch back to the window syncs again";
}

// The overlay draw of a frame that showed _text.
cRecordingRasterDevice::sDraw overlayOf(cGraphicsHarness& _h, const WString& _text)
{
    _h.device().forgetCalls();
    _h.frame([&](cGraphics& _g) { _g.textOut(_text); });
    return _h.device().draws().at(0);
}

TEST(OverlayFont, AnyWideTextIsDrawnLetterByLetterFromTheBakedFont)
{
    cGraphicsHarness h;
    const auto draw = overlayOf(h, u"Ферма Ω?é");
    const auto& texture = h.device().textures().at(draw.state.stages[0].texture);
    EXPECT_GE(texture.width, 64u);
    EXPECT_EQ(draw.indices.size(), 9u * 6) << "one quad per character, the blank too";
    // Each letter has a picture of its own: none of them fell back to the question mark.
    std::set<std::pair<Float, Float>> pictures;
    for (std::size_t quad = 0; quad < 9; ++quad)
        pictures.insert({draw.vertices[quad * 4].u0, draw.vertices[quad * 4].v0});
    EXPECT_EQ(pictures.size(), 9u);
}

TEST(OverlayFont, LinesAreSixteenPixelFontHighAndLettersMissingFromTheFontShowAsQuestionMarks)
{
    cGraphicsHarness h;
    const auto lines = overlayOf(h, u"A\nA");
    ASSERT_EQ(lines.vertices.size(), 8u);
    const Float lineHeight = lines.vertices[4].y - lines.vertices[0].y;
    EXPECT_GE(lineHeight, 16.0f);
    EXPECT_LE(lineHeight, 22.0f);
    EXPECT_EQ(lines.vertices[0].x, lines.vertices[4].x);

    const auto missing = overlayOf(h, u"日?");
    ASSERT_EQ(missing.vertices.size(), 8u);
    EXPECT_EQ(missing.vertices[0].u0, missing.vertices[4].u0);
    EXPECT_EQ(missing.vertices[0].v0, missing.vertices[4].v0);
}

TEST(OverlayFont, ThePictureIsMadeOnce)
{
    cGraphicsHarness h;
    const UInt first = overlayOf(h, u"one").state.stages[0].texture;
    EXPECT_EQ(overlayOf(h, u"two").state.stages[0].texture, first);
    EXPECT_EQ(h.device().textures().size(), 1u);
}

TEST(Screenshot, WritesADdsFileThatReadsBack)
{
    cGraphicsHarness h("back_color=\"0xFF123456\"");
    h.frame([](cGraphics&) {});
    h.graphics().screenshot();
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::current_path()))
        if (entry.path().extension() == ".dds")
            found.push_back(entry.path());
    ASSERT_EQ(1u, found.size());
    // MM-DD-YYHH-MM-SS.dds
    EXPECT_EQ(20u, found[0].filename().string().size()) << found[0];
    const std::string bytes = readFileBytes(found[0].string());
    const sImage image = readDds(bytes.data(), bytes.size(), found[0].string());
    EXPECT_EQ(800u, image.width);
    EXPECT_EQ(600u, image.height);
    EXPECT_EQ(0xFF123456u, image.at(799, 599));
}

TEST(FullscreenPicture, IsTheLargestCentred4To3Rectangle)
{
    const struct {
        Int desktopWidth, desktopHeight, pictureWidth, pictureHeight;
        Float offsetX, offsetY;
    } cases[] = {{1280, 800, 1066, 800, 107, 0}, {1280, 1024, 1280, 960, 0, 32}, {1024, 768, 1024, 768, 0, 0}};
    for (const auto& c : cases) {
        const sScreenGeometry g = sScreenGeometry::fullscreenOn(c.desktopWidth, c.desktopHeight, 800, 600);
        SCOPED_TRACE(c.desktopHeight);
        EXPECT_EQ(std::make_pair(c.pictureWidth, c.pictureHeight), std::make_pair(g.pictureWidth, g.pictureHeight));
        EXPECT_EQ(Vector2(c.offsetX, c.offsetY), Vector2(g.offsetX, g.offsetY));
        EXPECT_FLOAT_EQ(Float(c.pictureWidth) / 800, g.scaleX);
        EXPECT_FLOAT_EQ(Float(c.pictureHeight) / 600, g.scaleY);
    }
}

TEST(ScreenToLogical, MapsThePictureCornersToTheLogicalCornersOfTheSettings)
{
    const struct {
        Int desktopWidth, desktopHeight, logicalWidth, logicalHeight;
    } cases[] = {{1280, 800, 800, 600}, {1280, 1024, 800, 600}, {1280, 1024, 1024, 768}};
    for (const auto& c : cases) {
        const sScreenGeometry g = sScreenGeometry::fullscreenOn(c.desktopWidth, c.desktopHeight, c.logicalWidth, c.logicalHeight);
        const Vector2 topLeft = g.toLogical({g.offsetX, g.offsetY});
        const Vector2 bottomRight = g.toLogical({g.offsetX + Float(g.pictureWidth), g.offsetY + Float(g.pictureHeight)});
        EXPECT_NEAR(0, topLeft.x, 1e-3);
        EXPECT_NEAR(0, topLeft.y, 1e-3);
        EXPECT_NEAR(c.logicalWidth, bottomRight.x, 1e-3) << c.desktopHeight << " " << c.logicalWidth;
        EXPECT_NEAR(c.logicalHeight, bottomRight.y, 1e-3) << c.desktopHeight << " " << c.logicalWidth;
    }
    EXPECT_FLOAT_EQ(1.25f, sScreenGeometry::fullscreenOn(1280, 1024, 1024, 768).scaleX);
    const sScreenGeometry windowed = sScreenGeometry::windowed(800, 600);
    EXPECT_EQ(Vector2(123.5f, 45), windowed.toLogical({123.5f, 45}));
}

TEST(DevicePosition, IsHalfAPixelUpAndLeftWindowedAndScaledInFullScreen)
{
    EXPECT_EQ(Vector2(9.5f, 19.5f), sScreenGeometry::windowed(800, 600).toDevice(10, 20));
    const sScreenGeometry g = sScreenGeometry::fullscreenOn(1280, 1024, 800, 600);
    EXPECT_EQ(Vector2(16, 32 + 32), g.toDevice(10, 20));
}

} // namespace
