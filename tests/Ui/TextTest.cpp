#include "TextHarness.h"

#include "engine/TextConvert.h"

namespace {

using TextLayout = cTextTest;

TEST_F(TextLayout, SpaceAndAdvancesScaleWithTheMultiplier)
{
    for (Float multiplier : {1.0f, 2.0f}) {
        cText* text = makeText(u"a b");
        text->setSpaceWidth(10);
        text->setMultiplier(multiplier);
        frame();
        ASSERT_EQ(text->getLetters().size(), 2u);
        // Half of a's advance, the space, half of b's advance.
        EXPECT_EQ(letterXs(*text), (std::vector<Float>{100 + 8 * multiplier, 100 + (16 + 10 + 16) * multiplier}));
        EXPECT_EQ(text->getWidth(), (16 + 10 + 32) * multiplier);
        EXPECT_EQ(text->getLetters().back()->getSize(), Vector2(32 * multiplier, 32 * multiplier));
        EXPECT_FLOAT_EQ(text->getLetters().back()->getDeep(), 0.02f) << "the space counts for the deep";
    }
}

TEST_F(TextLayout, AlignCentresStartsOrEndsAtThePosition)
{
    const struct {
        UInt align;
        Float firstX;
    } cases[] = {{0, 100 - 24 + 8}, {1, 100 + 8}, {2, 100 - 48 + 8}, {7, 100 + 8}};
    for (const auto& c : cases) {
        cText* text = makeText(u"ab", c.align);
        EXPECT_EQ(text->getWidth(), 48);
        EXPECT_EQ(letterXs(*text), (std::vector<Float>{c.firstX, c.firstX + 24})) << c.align;
    }
}

TEST_F(TextLayout, AGlyphMissingFromTheFontGivesNoLetterAndNoAdvance)
{
    cText* text = makeText(u"axb");
    EXPECT_EQ(letterXs(*text), (std::vector<Float>{108, 132}));
}

TEST_F(TextLayout, LocalizedTextsAreTranslatedAndAnEqualStringChangesNothing)
{
    cText* text = makeText(u"key");
    EXPECT_EQ(text->getLetters().size(), 2u) << "shown as ab";
    cText* untranslated = makeText(u"ba");
    EXPECT_EQ(untranslated->getLetters().size(), 2u);
    frame();
    text->setString(u"key");
    EXPECT_FALSE(text->isLettersDirty());
}

TEST_F(TextLayout, RightToLeftKeepsLatinAndDigitRunsInReadingOrder)
{
    const struct {
        const char16_t* in;
        const char16_t* out;
    } cases[] = {{u"abc 12", u"12 abc"}, {u"", u""}, {u"a,b", u"b,a"}, {u"\u0416\u0430b", u"b\u0430\u0416"}};
    for (const auto& c : cases)
        EXPECT_EQ(cText::rotateString(c.in), c.out) << toString(c.in);
    cText* text = makeText(u"ab 1");
    text->setRightToLeft(true);
    frame();
    EXPECT_EQ(letterXs(*text), (std::vector<Float>{108, 134, 158}));
}

TEST_F(TextLayout, LetterCountFollowsAChangedFontOrLocalizedFlag)
{
    cText* text = makeText(u"ab");
    text->loadXML(element("<t Visible=\"1\" Enable=\"1\" String=\"ab\" Font=\"fonts/a.fnt\" Texture=\"fonts/test.png\" />"));
    EXPECT_EQ(text->getLetters().size(), 1u);
    cText* key = makeText(u"key");
    key->setLocalized(false);
    key->makeLetters();
    EXPECT_TRUE(key->getLetters().empty());
}

TEST_F(TextLayout, EmptyFontOrTextureMeansNoneAndTheHeightStartsAfresh)
{
    cText* text = makeText(u"A");
    EXPECT_EQ(text->getHeight(), 64);
    text->setString(u"a");
    EXPECT_EQ(text->getHeight(), 32);
    text->loadXML(element("<t Visible=\"1\" String=\"ab\" />"));
    EXPECT_TRUE(text->getLetters().empty());
    EXPECT_EQ(text->getWidth(), 0);
}

TEST_F(TextLayout, ShownButDisabledTextLaysOutAtOnceAndCopiesOwnTheirLetters)
{
    cText* text = makeText(u"ab");
    text->disable();
    text->setString(u"abc");
    EXPECT_FALSE(text->isLettersDirty());
    text->setTextColor(0x80FF0000);
    text->setAlpha(0.5f);
    text->makeLetters();
    EXPECT_EQ(text->getLetters().front()->getLetterColor(), 0x80FF0000u);
    EXPECT_EQ(text->getLetters().front()->getAlpha(), 0.5f);
    auto* copy = new cText(*text);
    copy->show();
    EXPECT_EQ(copy->getLetters().size(), 3u);
    EXPECT_EQ(letterXs(*copy), letterXs(*text));
    EXPECT_NE(copy->getLetters().front(), text->getLetters().front());
    delete copy;
}

} // namespace
