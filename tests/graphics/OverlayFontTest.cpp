#include "GraphicsHarness.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

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

} // namespace
