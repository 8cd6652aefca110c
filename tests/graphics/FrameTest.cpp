#include "GraphicsHarness.h"
#include "engine/settings/Settings.h"
#include "graphics/GraphicsParams.h"
#include "graphics/sprites/RenderType.h"
#include "graphics/ScreenGeometry.h"
#include "graphics/sprites/SpriteBatch.h"
#include "platform/images/DdsFile.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>
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
    EXPECT_FALSE(h.device().presentSync()) << "full screen presents at once";
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
    EXPECT_TRUE(h.device().presentSync()) << "a window waits for the display";
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
    EXPECT_FALSE(h.device().presentSync());

    h.core().settings().setPropertyT("graphics", "fullscreen", false);
    h.graphics().setNeedReset(true);
    h.frame([](cGraphics&) {});
    EXPECT_TRUE(h.device().presentSync()) << "a switch back to the window syncs again";
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

class GraphicsParamsTest : public testing::Test {
protected:
    template <class tValue> void set(const char* _section, const char* _key, tValue _value)
    {
        m_core.settings().setPropertyT(_section, _key, _value);
    }
    sGraphicsParams read()
    {
        sGraphicsParams params;
        params.read(m_core.settings());
        return params;
    }

    cTestData m_data{"<game app_directory=\"Test\" />"};
    cEngineCore m_core{m_data};
};

TEST_F(GraphicsParamsTest, MissingKeysAndAScreenWithoutAreaKeepTheDefaults)
{
    sGraphicsParams params = read();
    EXPECT_FALSE(params.fullscreen);
    EXPECT_EQ(1024u, params.reserveSpriteCount);
    EXPECT_EQ(0xFF000000u, params.backColor);
    EXPECT_TRUE(params.lights.empty());
    String value = "unset";
    EXPECT_TRUE(m_core.settings().getPropertyT("graphics", "show_fps", value)) << "created";
    EXPECT_EQ("", value);
    set("graphics", "width", Int(0));
    set("graphics", "height", Int(-5));
    set("graphics", "reserve_sprite_count", UInt(10));
    set("graphics", "show_triangles", true);
    set("graphics", "show_fps", true);
    params = read();
    EXPECT_EQ(800, params.width);
    EXPECT_EQ(600, params.height);
    // Size, colour and mode are read back in the frame tests.
    EXPECT_EQ(10u, params.reserveSpriteCount);
    EXPECT_TRUE(params.showTriangles && params.showFps);
}

TEST_F(GraphicsParamsTest, LightsAreReadByTheirKeysAndSavedWithAllOfThem)
{
    set("lights", "count", UInt(2));
    set("lights", "light_1_type", UInt(3));
    set("lights", "light_1_diffuse", DXColor{1, 0, 0, 1});
    set("lights", "light_1_direction", Vector3{0, 0, 1});
    set("lights", "light_1_phi", Float(0.5f));
    sGraphicsParams params = read();
    ASSERT_EQ(2u, params.lights.size());
    EXPECT_EQ(0u, params.lights[0].type);
    EXPECT_EQ(3u, params.lights[1].type);
    EXPECT_EQ((DXColor{1, 0, 0, 1}), params.lights[1].diffuse);
    EXPECT_EQ((Vector3{0, 0, 1}), params.lights[1].direction);
    EXPECT_EQ(0.5f, params.lights[1].phi);

    params.lights.resize(1);
    params.lights[0].range = 42;
    params.save(m_core.settings());
    ASSERT_EQ(1u, read().lights.size());
    EXPECT_EQ(42.0f, read().lights[0].range);
    for (const char* key : {"light_0_type", "light_0_specular", "light_0_attenuation2", "light_0_theta"}) {
        String value;
        EXPECT_TRUE(m_core.settings().getPropertyT("lights", key, value)) << key;
        EXPECT_FALSE(value.empty()) << key;
    }
    set("lights", "count", UInt(0xFFFFFFFF));
    EXPECT_LE(read().lights.size(), 256u) << "a damaged count allocates no more than the cap";
}

TEST(ErrorStackLines, RenderingByAMissingPathNamesTheRenderOnce)
{
    cGraphicsHarness h;
    iGraphics::sSprite sprite;
    h.graphics().beginRender();
    const String stack = thrownText([&] { h.graphics().render(sprite, String("pictures/missing.png"), false); });
    const String line = "void cGraphics::render(const sSprite& _p, const String &_texture, Bool _overlay)";
    ASSERT_NE(stack.find(line), String::npos);
    EXPECT_EQ(stack.find(line), stack.rfind(line));
}

TEST(ErrorStackLines, GraphicsParametersFailInTheirOwnNames)
{
    cGraphicsHarness h;
    h.core().dropSettings();
    h.graphics().setNeedReset(true);
    const String reading = thrownText([&] { h.graphics().beginRender(); });
    EXPECT_NE(reading.find("void cGraphics::getGraphicsParameters()\n"), String::npos) << reading;
    EXPECT_NE(reading.find("void cGraphics::beginRender()"), String::npos) << reading;

    h.destroyGraphics();
    EXPECT_NE(readFileBytes("error.log").find("void cGraphics::saveGraphicsParameters()"), std::string::npos);
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
    EXPECT_EQ(missing.state.stages[0].texture, lines.state.stages[0].texture);
    EXPECT_EQ(h.device().textures().size(), 1u) << "the picture is made once";
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

// Windowed, the logical screen is the device's less half a pixel; in full screen it is the
// largest centred 4:3 picture, its corners at the logical ones.
TEST(ScreenGeometry, PlacesTheLogicalScreenOnTheDevice)
{
    const struct {
        Int desktopWidth, desktopHeight, logicalWidth, logicalHeight, pictureWidth, pictureHeight;
        Float offsetX, offsetY;
    } cases[] = {{1280, 800, 800, 600, 1066, 800, 107, 0}, {1280, 1024, 800, 600, 1280, 960, 0, 32},
        {1024, 768, 800, 600, 1024, 768, 0, 0}, {1280, 1024, 1024, 768, 1280, 960, 0, 32}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.desktopWidth << "x" << c.desktopHeight << " for " << c.logicalWidth);
        const sScreenGeometry g =
            sScreenGeometry::fullscreenOn(c.desktopWidth, c.desktopHeight, c.logicalWidth, c.logicalHeight);
        EXPECT_EQ(std::make_pair(c.pictureWidth, c.pictureHeight), std::make_pair(g.pictureWidth, g.pictureHeight));
        EXPECT_EQ(Vector2(c.offsetX, c.offsetY), Vector2(g.offsetX, g.offsetY));
        EXPECT_FLOAT_EQ(Float(c.pictureWidth) / Float(c.logicalWidth), g.scaleX);
        EXPECT_FLOAT_EQ(Float(c.pictureHeight) / Float(c.logicalHeight), g.scaleY);
        const Vector2 topLeft = g.toLogical({c.offsetX, c.offsetY});
        const Vector2 bottomRight =
            g.toLogical({c.offsetX + Float(c.pictureWidth), c.offsetY + Float(c.pictureHeight)});
        EXPECT_NEAR(0, topLeft.x, 1e-3);
        EXPECT_NEAR(0, topLeft.y, 1e-3);
        EXPECT_NEAR(c.logicalWidth, bottomRight.x, 1e-3);
        EXPECT_NEAR(c.logicalHeight, bottomRight.y, 1e-3);
    }
    const sScreenGeometry windowed = sScreenGeometry::windowed(800, 600);
    EXPECT_EQ(Vector2(9.5f, 19.5f), windowed.toDevice(10, 20));
    EXPECT_EQ(Vector2(123.5f, 45), windowed.toLogical({123.5f, 45}));
    EXPECT_EQ(Vector2(16, 32 + 32), sScreenGeometry::fullscreenOn(1280, 1024, 800, 600).toDevice(10, 20));
}

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
    // Magnified in full screen, overlays stay sharp and the rest is smoothed.
    const sFrameStyle windowed{}, fullscreen{false, true};
    const struct {
        ULong renderType;
        sFrameStyle style;
        eFilter min, mag;
    } filters[] = {{0, windowed, FILTER_POINT, FILTER_POINT}, {RT_LINEAR, windowed, FILTER_LINEAR, FILTER_LINEAR},
        {RT_ANISOTROPIC, windowed, FILTER_ANISOTROPIC, FILTER_ANISOTROPIC},
        {RT_LINEAR | RT_ANISOTROPIC, windowed, FILTER_LINEAR, FILTER_LINEAR},
        {RT_OVERLAY, fullscreen, FILTER_POINT, FILTER_POINT}, {0, fullscreen, FILTER_POINT, FILTER_ANISOTROPIC}};
    for (const auto& f : filters) {
        const sDrawState state = spriteState(f.renderType, 7, 0, f.style);
        EXPECT_EQ(std::make_pair(f.min, f.mag), std::make_pair(state.stages[0].minFilter, state.stages[0].magFilter))
            << f.renderType << (f.style.fullscreen ? " in full screen" : "");
    }
    // The mask writer keeps only the stencil of texels above the threshold, and no colour.
    const sDrawState writer = maskWriterState(RT_OPAQUE, 7, 0, {});
    EXPECT_EQ(STENCIL_WRITE, writer.stencil);
    EXPECT_TRUE(writer.alphaTest);
    EXPECT_EQ(0x88u, writer.alphaRef);
    EXPECT_EQ(std::make_pair(BLEND_ZERO, BLEND_ONE), std::make_pair(writer.srcBlend, writer.destBlend));
}

} // namespace
