#include "graphics/Font.h"
#include "graphics/FontFile.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

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
    for (int i = 0; i < 4; ++i)
        _bytes[_offset + i] = char(_value >> (8 * i) & 0xFF);
    return _bytes;
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
