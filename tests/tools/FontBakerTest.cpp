#include "FontBaker.h"

#include "engine/text/TextConvert.h"
#include "graphics/sprites/Font.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <memory>

namespace {

const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const UInt kPixelSize = 24;

// One bake shared by the tests: rendering a few hundred glyphs is the slow part.
class BakedFont : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const cTempFolder folder;
        const sBakedFont baked = bakeFont(kDejaVu, kPixelSize, getDefaultCharRuns());
        saveBakedFont(baked, folder.file("main.fnt"), folder.file("main.png"));
        const String bytes = readFileBytes(folder.file("main.fnt"));
        s_font = new cFont("fonts/main.fnt", bytes.data(), ULong(bytes.size()));
        s_pixels = stbi_load(folder.file("main.png").c_str(), &s_width, &s_height, &s_channels, 4);
    }
    static void TearDownTestSuite()
    {
        stbi_image_free(s_pixels);
        delete s_font;
    }

    static inline cFont* s_font = nullptr;
    static inline unsigned char* s_pixels = nullptr;
    static inline int s_width = 0, s_height = 0, s_channels = 0;
};

// That the menu words have every letter, drawn where it stands, is the demo data's pixel test.
TEST_F(BakedFont, AllLettersShareOneLineHeight)
{
    // Text centres every letter on its line, so equal cells keep the baseline straight.
    sGlyph first, other;
    ASSERT_TRUE(s_font->getLetter(u'P', first));
    for (const char16_t c : toWString("yЙgl,№")) {
        ASSERT_TRUE(s_font->getLetter(c, other));
        EXPECT_NEAR((other.top - other.bottom) * s_height, (first.top - first.bottom) * s_height, 1e-3);
        EXPECT_GE((other.top - other.bottom) * s_height, Float(kPixelSize));
    }
}

TEST_F(BakedFont, PictureIsWhiteWithCoverageInAlpha)
{
    ASSERT_NE(s_pixels, nullptr);
    EXPECT_EQ(s_width & (s_width - 1), 0) << "power-of-two width";
    EXPECT_EQ(s_height & (s_height - 1), 0) << "power-of-two height";
    for (int i = 0; i < s_width * s_height; ++i)
        ASSERT_EQ(s_pixels[i * 4] & s_pixels[i * 4 + 1] & s_pixels[i * 4 + 2], 0xFF);
}

TEST_F(BakedFont, CellsDoNotTouch)
{
    // Two glyph rectangles that met would bleed into each other when the picture is filtered.
    std::vector<sGlyph> glyphs;
    for (const sCharRun& run : getDefaultCharRuns())
        for (UInt c = run.first; c <= run.last; ++c) {
            sGlyph glyph;
            if (s_font->getLetter(char16_t(c), glyph))
                glyphs.push_back(glyph);
        }
    ASSERT_GT(glyphs.size(), 250u);
    const Float gapX = 1.0f / s_width, gapY = 1.0f / s_height;
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        for (std::size_t j = i + 1; j < glyphs.size(); ++j) {
            const sGlyph& a = glyphs[i];
            const sGlyph& b = glyphs[j];
            const bool apart = a.right + gapX <= b.left || b.right + gapX <= a.left || a.bottom >= b.top + gapY
                || b.bottom >= a.top + gapY;
            ASSERT_TRUE(apart) << i << " and " << j;
        }
}

TEST(FontBaking, CharactersTheFontLacksAreLeftOut)
{
    // U+0378 is unassigned, so no font has it; the characters on either side stay reachable.
    const sBakedFont baked = bakeFont(kDejaVu, 12, {{u'\u0376', u'\u037A'}});
    const String bytes = writeFontFile(baked.font);
    const cFont font("fonts/greek.fnt", bytes.data(), ULong(bytes.size()));
    sGlyph glyph;
    EXPECT_TRUE(font.getLetter(u'\u0377', glyph));
    EXPECT_FALSE(font.getLetter(u'\u0378', glyph));
    EXPECT_TRUE(font.getLetter(u'\u037A', glyph));
}

TEST(FontBaking, UnreadableFontOrUnwritableOutputIsAnError)
{
    cTempFolder folder;
    writeFileBytes(folder.file("broken.ttf"), "not a font at all");
    EXPECT_THROW(bakeFont(folder.file("broken.ttf"), 16, getDefaultCharRuns()), String);
    EXPECT_THROW(bakeFont(folder.file("missing.ttf"), 16, getDefaultCharRuns()), String);
    EXPECT_THROW(bakeFont(kDejaVu, 0, getDefaultCharRuns()), String);
    const sBakedFont baked = bakeFont(kDejaVu, 10, {{u'a', u'b'}});
    EXPECT_THROW(saveBakedFont(baked, folder.file("no/such/folder.fnt"), folder.file("a.png")), String);
    EXPECT_THROW(saveBakedFont(baked, folder.file("a.fnt"), folder.file("no/such/folder.png")), String);
}

// A font the system lacks is named with the Debian package that brings it.
TEST(FontBaking, AMissingDejaVuFontNamesItsPackage)
{
    cTempFolder folder;
    const struct {
        const char* name;
        const char* says;
    } cases[] = {
        {"DejaVuSansCondensed-Bold.ttf", "apt-get install fonts-dejavu-extra"},
        {"DejaVuSerif.ttf", "apt-get install fonts-dejavu-core"},
        {"Other.ttf", "Cannot read the TrueType font"},
    };
    for (const auto& c : cases) {
        try {
            bakeFont(folder.file(c.name), 16, getDefaultCharRuns());
            ADD_FAILURE() << c.name;
        } catch (const String& _error) {
            EXPECT_NE(_error.find(c.says), String::npos) << _error;
            EXPECT_NE(_error.find(c.name), String::npos) << _error;
        }
    }
}

} // namespace
