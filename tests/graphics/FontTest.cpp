#include "graphics/Font.h"

#include <gtest/gtest.h>

#include <memory>

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

TEST(FontLookup, CharactersMapIntoTheirRange)
{
    const auto font = loadFont(writeFontFile(makeFont({{0x20, 0x7E, 0}, {0x410, 0x44F, 95}}, 95 + 64)));
    const struct {
        char16_t character;
        long glyph;
    } cases[] = {{u'A', 33}, {0x416, 101}, {0x20, 0}, {0x7E, 94}, {0x410, 95}, {0x44F, 158}, {0x100, -1},
        {0x1F, -1}, {0x7F, -1}, {0x450, -1}, {0xFFFF, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(glyphIndexOf(*font, c.character), c.glyph) << std::hex << int(c.character);
}

TEST(FontLookup, FoundGlyphIsCopiedWhole)
{
    const auto font = loadFont(writeFontFile(makeFont({{u'a', u'c', 3}}, 6)));
    sGlyph glyph;
    ASSERT_TRUE(font->getLetter(u'b', glyph));
    const sGlyph expected = numberedGlyph(4);
    EXPECT_EQ(glyph.left, expected.left);
    EXPECT_EQ(glyph.top, expected.top);
    EXPECT_EQ(glyph.right, expected.right);
    EXPECT_EQ(glyph.bottom, expected.bottom);
    EXPECT_EQ(glyph.advance, expected.advance);
}

TEST(FontLookup, MissingCharacterLeavesRecordUntouched)
{
    const auto font = loadFont(writeFontFile(makeFont({{u'a', u'c', 0}}, 3)));
    sGlyph glyph{9, 8, 7, 6, 5};
    EXPECT_FALSE(font->getLetter(u'z', glyph));
    EXPECT_EQ(glyph.left, 9);
    EXPECT_EQ(glyph.advance, 5);
}

TEST(FontLookup, OverlappingRangesUseSmallestLastNotBelow)
{
    // 0x42 lies in both; the range ending at 0x45 is the one consulted.
    const auto font = loadFont(writeFontFile(makeFont({{0x41, 0x5A, 100}, {0x30, 0x45, 0}}, 126)));
    EXPECT_EQ(glyphIndexOf(*font, 0x42), 0x42 - 0x30);
    EXPECT_EQ(glyphIndexOf(*font, 0x46), 100 + 0x46 - 0x41);
}

TEST(FontLookup, LaterRangeWithSameLastReplacesEarlier)
{
    const auto font = loadFont(writeFontFile(makeFont({{0x30, 0x39, 0}, {0x38, 0x39, 20}}, 22)));
    EXPECT_EQ(glyphIndexOf(*font, 0x38), 20);
    EXPECT_EQ(glyphIndexOf(*font, 0x30), -1) << "the earlier range is gone";
}

TEST(FontLookup, RangeStartingAfterItsEndHoldsNothing)
{
    const auto font = loadFont(writeFontFile(makeFont({{0x50, 0x40, 0}}, 1)));
    for (char16_t c = 0x3F; c <= 0x51; ++c)
        EXPECT_EQ(glyphIndexOf(*font, c), -1);
}

TEST(FontResource, IsTypeTwoNamedByPath)
{
    const auto font = loadFont(writeFontFile(makeFont({}, 0)), "Data/Fonts/Main.fnt");
    EXPECT_EQ(font->getType(), 2u);
    EXPECT_EQ(font->getName(), "Data/Fonts/Main.fnt");
    EXPECT_EQ(font->getRefCount(), 1);
}

TEST(FontResource, BytesAfterTheGlyphsAreIgnored)
{
    const auto font = loadFont(writeFontFile(makeFont({{u'x', u'x', 0}}, 1)) + String("padding", 7));
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
    for (const auto& c : cases) {
        try {
            loadFont(c.bytes, "fonts/bad.fnt");
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const String& _error) {
            EXPECT_EQ(_error, String("Specified resourse (fonts/bad.fnt) is not font.\n") + kSignature) << c.what;
        }
    }
}

} // namespace
