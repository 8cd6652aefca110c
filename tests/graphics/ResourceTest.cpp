#include "GraphicsHarness.h"
#include "engine/resources/ResourceManager.h"
#include "graphics/sprites/Font.h"
#include "graphics/sprites/FontFile.h"
#include "graphics/shaders/Shader.h"
#include "graphics/sprites/Texture.h"
#include "support/ImageFixtures.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

namespace {

UInt halfAlpha(UInt _x, UInt)
{
    return _x < 50 ? 0xFF00FF00 : 0x0000FF00;
}

std::string firstHalf(const std::string& _bytes)
{
    return _bytes.substr(0, _bytes.size() / 2);
}

const char* const kBrokenImages[] = {"pictures/cut.png", "pictures/bad.jng", "pictures/noise.png"};

class Textures : public testing::Test {
protected:
    cGraphicsHarness m_h{"", {{"pictures/wide.png", makePng(makeImage(100, 50, halfAlpha))},
                              {kBrokenImages[0], firstHalf(makePng(makeImage(40, 40, halfAlpha)))},
                              {kBrokenImages[1], makeJng(makeImage(8, 8, halfAlpha), false).substr(0, 40)},
                              {kBrokenImages[2], std::string("\x89PNG\r\n\x1a\nrubbish", 15)},
                              {"pictures/odd.jng", makeJng(makeImage(129, 64, halfAlpha), true)},
                              {"a.png", makePng(makeImage(2, 2, halfAlpha))},
                              {"mask.png", makePng(makeImage(3, 2, [](UInt _x, UInt _y) {
                                   return _x == 1 && _y == 0 ? 0x01000000u : (_x == 2 ? 0xFF000000u : 0u);
                               }))},
                              {"shaders/wave.vsh", std::string("\x01\x01\xFE\xFF\xFF\xFF\x00\x00", 8)}}};
};

TEST_F(Textures, PngAndJngImagesSitInPowerOfTwoTexturesWithTheirScalesAndHalfTexels)
{
    cTexture texture("pictures/wide.png");
    EXPECT_EQ(std::make_tuple(128u, 64u, 100u, 50u), std::make_tuple(texture.getTextureWidth(),
        texture.getTextureHeight(), texture.getImageWidth(), texture.getImageHeight()));
    EXPECT_FLOAT_EQ(0.78125f, texture.getVScale());
    EXPECT_FLOAT_EQ(0.0078125f, texture.getHalfTexelV());
    const auto& made = m_h.device().textures().at(texture.getTexture());
    EXPECT_EQ(128u, made.width);
    EXPECT_EQ(0xFF00FF00u, made.pixels[0]);
    EXPECT_EQ(0u, made.pixels[127]); // the padding is transparent

    cTexture jng("pictures/odd.jng");
    EXPECT_EQ(256u, jng.getTextureWidth());
    EXPECT_EQ(64u, jng.getTextureHeight());
}

TEST_F(Textures, BrokenImagesFailWithATextNamingTheFile)
{
    for (const char* path : kBrokenImages) {
        const String error = thrownText([&] { cTexture texture(path); });
        EXPECT_NE(String::npos, error.find(path)) << error;
        EXPECT_NE(String::npos, error.find("cTexture::cTexture(const String& name )")) << error;
    }
    for (const auto& texture : m_h.device().textures())
        EXPECT_TRUE(texture.second.released);
}

TEST_F(Textures, SpritesByPathDrawWithTheCachedTextureAndOverlayBlend)
{
    m_h.frame([](cGraphics& _g) {
        _g.renderQuad(quadAt(0, 0, 4, 4), "pictures/wide.png", true);
        _g.renderQuad(quadAt(0, 0, 4, 4), "", false);
    });
    const auto& draws = m_h.device().draws();
    ASSERT_EQ(2u, draws.size());
    EXPECT_NE(0u, draws[0].state.stages[0].texture);
    EXPECT_EQ(BLEND_DEST_COLOR, draws[0].state.srcBlend);
    EXPECT_FLOAT_EQ(0.78125f, draws[0].vertices[3].u0);
    EXPECT_EQ(0u, draws[1].state.stages[0].texture);
    iResource* cached = cResourceManager::getInstance()->getTexture("pictures/wide.png");
    EXPECT_EQ(RT_TEXTURE, cached->getType());
    EXPECT_EQ(cached, cResourceManager::getInstance()->getTexture("pictures/wide.png"));
    EXPECT_EQ(2, cached->getRefCount()); // the two look-ups above: the render call gave its own back
}

TEST_F(Textures, PreUpdateReleasesAndUpdateMakesItAgain)
{
    cTexture texture("a.png");
    const UInt first = texture.getTexture();
    texture.preUpdate();
    EXPECT_EQ(0u, texture.getTexture());
    EXPECT_TRUE(m_h.device().textures().at(first).released);
    texture.update();
    EXPECT_NE(0u, texture.getTexture());
}

TEST_F(Textures, TheMaskFollowsAlphaAndHasTheImageSize)
{
    VECTOR_VECTOR_BOOL mask;
    m_h.graphics().getMask("mask.png", mask);
    ASSERT_EQ(3u, mask.size());
    ASSERT_EQ(2u, mask[0].size());
    EXPECT_FALSE(mask[0][0]);
    EXPECT_TRUE(mask[1][0]);
    EXPECT_FALSE(mask[1][1]);
    EXPECT_TRUE(mask[2][1]);
}

TEST_F(Textures, ShadersKeepTheirBytesAndFreeTheirDeviceObject)
{
    UInt handle = 0;
    {
        cShader shader("shaders/wave.vsh");
        handle = shader.getHandle();
        ASSERT_NE(0u, handle);
        EXPECT_EQ(8u, shader.getBytes().size());
        EXPECT_TRUE(m_h.graphics().hasShader(handle));
        EXPECT_EQ(RT_SHADER, shader.getType());
    }
    EXPECT_FALSE(m_h.graphics().hasShader(handle));
}

struct sMissingFile {
    const char* what;
    std::function<iResource*(const String&)> get;
    const char* constructorLine;
};

TEST_F(Textures, AMissingResourceFileFailsInItsConstructorsNameAndNamesTheFile)
{
    cResourceManager* resources = cResourceManager::getInstance();
    const sMissingFile cases[] = {
        {"mesh", [&](const String& _path) { return resources->getMesh(_path); },
         "iMesh * iMesh::create(const String& name)\nwhile reading \"missing/file.bin\"\n"
         "iResource* cResourceManager::getMesh(const String& _path)"},
        {"animation", [&](const String& _path) { return resources->getAnimation(_path); },
         "cAnimation::cAnimation(const String& name )\nwhile reading \"missing/file.bin\"\n"
         "iResource* cResourceManager::getAnimation(const String& _path)"},
        {"font", [&](const String& _path) { return resources->getFont(_path); },
         "cFont::cFont(const String& res_name, const void* res_source, const ULong &source_size)\n"
         "while reading \"missing/file.bin\"\niResource* cResourceManager::getFont(const String& _path)"},
    };
    for (const sMissingFile& c : cases) {
        const String stack = thrownText([&] { c.get("missing/file.bin"); });
        const String tail = String("\n") + c.constructorLine;
        ASSERT_GT(stack.size(), tail.size()) << c.what;
        EXPECT_EQ(stack.substr(stack.size() - tail.size()), tail) << c.what;
    }
}

const char* const kSignature = "cFont::cFont(const String& res_name, const void* res_source, const ULong &source_size)";

// A glyph whose fields all derive from its index, so a lookup shows which one it found.
sGlyph numberedGlyph(std::size_t _index)
{
    const Float base = Float(_index);
    return {base, base + 0.25f, base + 0.5f, base + 0.75f, base + 0.125f};
}

sFontFile makeFont(std::vector<sFontRange> _ranges, std::size_t _glyphCount)
{
    sFontFile font;
    font.ranges = std::move(_ranges);
    for (std::size_t i = 0; i < _glyphCount; ++i)
        font.glyphs.push_back(numberedGlyph(i));
    return font;
}

std::unique_ptr<cFont> loadFont(const String& _bytes, const String& _name = "fonts/test.fnt")
{
    return std::make_unique<cFont>(_name, _bytes.data(), ULong(_bytes.size()));
}

// The glyph index a character resolves to, or -1 when the font has none.
long glyphIndexOf(const cFont& _font, char16_t _character)
{
    sGlyph glyph;
    return _font.getLetter(_character, glyph) ? long(glyph.left) : -1;
}

TEST(FontLookup, CharactersMapIntoTheRangeOfTheSmallestLastNotBelowThem)
{
    const std::vector<sFontRange> twoRanges = {{0x20, 0x7E, 0}, {0x410, 0x44F, 95}};
    // 0x42 lies in both of these; the range ending at 0x45 is the one consulted.
    const std::vector<sFontRange> overlapping = {{0x41, 0x5A, 100}, {0x30, 0x45, 0}};
    const std::vector<sFontRange> sameLast = {{0x30, 0x39, 0}, {0x38, 0x39, 20}}; // the later one wins
    const std::vector<sFontRange> backwards = {{0x50, 0x40, 0}};
    const struct {
        const std::vector<sFontRange>* ranges;
        std::size_t glyphs;
        char16_t character;
        long glyph;
    } cases[] = {{&twoRanges, 159, u'A', 33}, {&twoRanges, 159, 0x416, 101}, {&twoRanges, 159, 0x20, 0},
        {&twoRanges, 159, 0x7E, 94}, {&twoRanges, 159, 0x410, 95}, {&twoRanges, 159, 0x44F, 158},
        {&twoRanges, 159, 0x100, -1}, {&twoRanges, 159, 0x1F, -1}, {&twoRanges, 159, 0x7F, -1},
        {&twoRanges, 159, 0x450, -1}, {&twoRanges, 159, 0xFFFF, -1}, {&overlapping, 126, 0x42, 0x42 - 0x30},
        {&overlapping, 126, 0x46, 100 + 0x46 - 0x41}, {&sameLast, 22, 0x38, 20}, {&sameLast, 22, 0x30, -1},
        {&backwards, 1, 0x40, -1}, {&backwards, 1, 0x45, -1}, {&backwards, 1, 0x50, -1}};
    for (const auto& c : cases) {
        const auto font = loadFont(writeFontFile(makeFont(*c.ranges, c.glyphs)));
        EXPECT_EQ(glyphIndexOf(*font, c.character), c.glyph) << std::hex << int(c.character);
    }
}

TEST(FontLookup, FoundGlyphIsCopiedWholeAndAMissOneLeavesTheRecord)
{
    const auto font = loadFont(writeFontFile(makeFont({{u'a', u'c', 3}}, 6)));
    sGlyph glyph{9, 8, 7, 6, 5};
    EXPECT_FALSE(font->getLetter(u'z', glyph));
    EXPECT_EQ(glyph.left, 9);
    EXPECT_EQ(glyph.advance, 5);
    ASSERT_TRUE(font->getLetter(u'b', glyph));
    const sGlyph expected = numberedGlyph(4);
    EXPECT_EQ(std::make_tuple(glyph.left, glyph.top, glyph.right, glyph.bottom, glyph.advance),
        std::make_tuple(expected.left, expected.top, expected.right, expected.bottom, expected.advance));
}

TEST(FontResource, IsTypeTwoNamedByPathAndIgnoresBytesAfterTheGlyphs)
{
    const auto font = loadFont(writeFontFile(makeFont({{u'x', u'x', 0}}, 1)) + String("padding", 7), "Data/Fonts/Main.fnt");
    EXPECT_EQ(font->getType(), 2u);
    EXPECT_EQ(font->getName(), "Data/Fonts/Main.fnt");
    EXPECT_EQ(font->getRefCount(), 1);
    EXPECT_EQ(glyphIndexOf(*font, u'x'), 0);
}

String withU32(String _bytes, std::size_t _offset, UInt _value)
{
    return _bytes.replace(_offset, 4, u32Bytes(_value));
}

TEST(FontDamage, DamagedFileIsNotAFont)
{
    const String good = writeFontFile(makeFont({{u'a', u'c', 1}}, 4)); // glyphs at offset 18
    const struct {
        const char* what;
        String bytes;
    } cases[] = {
        {"empty", ""},
        {"magic only", "tnof"},
        {"wrong magic", "font" + good.substr(4)},
        {"upper-case magic", "TNOF" + good.substr(4)},
        {"ranges cut short", good.substr(0, 12)},
        {"no glyph count", good.substr(0, 14)},
        {"glyphs cut short", good.substr(0, good.size() - 1)},
        {"huge range count", withU32(good, 4, 0xFFFFFFFF)},
        {"range count past the end", withU32(good, 4, 2)},
        {"huge glyph count", withU32(good, 14, 0xFFFFFFFF)},
        {"range past the glyphs", writeFontFile(makeFont({{u'a', u'c', 2}}, 4))},
        {"first glyph past the table", writeFontFile(makeFont({{u'a', u'a', 4}}, 4))},
        {"range over an empty table", writeFontFile(makeFont({{u'a', u'a', 0}}, 0))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(thrownText([&] { loadFont(c.bytes, "fonts/bad.fnt"); }),
            String("Specified resourse (fonts/bad.fnt) is not font.\n") + kSignature) << c.what;
}

TEST(FontFileWriting, LittleEndianPackedLayout)
{
    sFontFile font;
    font.ranges.push_back({0x0041, 0x0042, 0x0001});
    font.glyphs.push_back({0.5f, 1.0f, 0.25f, 0.0f, -2.0f});
    const String expected("tnof"
                          "\x01\x00\x00\x00"
                          "\x41\x00\x42\x00\x01\x00"
                          "\x01\x00\x00\x00"
                          "\x00\x00\x00\x3F"
                          "\x00\x00\x80\x3F"
                          "\x00\x00\x80\x3E"
                          "\x00\x00\x00\x00"
                          "\x00\x00\x00\xC0",
        4 + 4 + 6 + 4 + 20);
    EXPECT_EQ(writeFontFile(font), expected);
}

} // namespace
