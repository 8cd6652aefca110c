#include "Ui/FlyText.h"
#include "Ui/Letter.h"
#include "Ui/MultilineText.h"
#include "Ui/Picture.h"
#include "Ui/PriceText.h"
#include "Ui/Scavenger.h"
#include "Ui/Text.h"
#include "Ui/TextButton.h"
#include "Ui/UI.h"
#include "engine/StringManager.h"
#include "engine/TextConvert.h"
#include "engine/Timer.h"
#include "engine/XML.h"
#include "graphics/FontFile.h"
#include "graphics/GraphicsHarness.h"
#include "support/ImageFixtures.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The test font "fonts/test.fnt" over the 64 x 64 picture "fonts/test.png": 'a' is 16 pixels
// wide and advances 16, 'b' and 'c' are 32 wide and advance 32, the digits and 'Ж' are 16 wide
// and advance 16. Every glyph is 32 pixels high; 'A' is 64 high. 'x' has no glyph. The font
// "fonts/a.fnt" has 'a' alone.
inline std::string makeTestFont()
{
    const sGlyph narrow{0, 0.5f, 0.25f, 0, 0.25f}, wide{0.25f, 1, 0.75f, 0.5f, 0.5f};
    sFontFile font;
    font.ranges = {{u'a', u'c', 0}, {u'0', u'9', 3}, {u'\u0416', u'\u0416', 13}, {u'A', u'A', 14}};
    font.glyphs = {{0, 1, 0.25f, 0.5f, 0.25f}, wide, wide};
    font.glyphs.insert(font.glyphs.end(), 11, narrow);
    font.glyphs.push_back({0.75f, 1, 1, 0, 0.25f});
    return writeFontFile(font);
}

// Texts over the renderer on the recording device, with the string table (which turns "key"
// into "ab"), the timer and a UI manager. Views still registered at the end are deleted
// before the managers go.
class cTextTest : public ::testing::Test {
protected:
    cTextTest()
        : m_harness("", {{"fonts/test.fnt", makeTestFont()},
                         {"fonts/a.fnt", writeFontFile(sFontFile{{{u'a', u'a', 0}}, {{0, 1, 0.25f, 0.5f, 0.25f}}})},
                         {"fonts/test.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))},
                         {"sys/strings.xml",
                          makeXml16("<Strings><s><text>key</text><translation>ab</translation></s></Strings>")}})
    {
    }
    ~cTextTest() override
    {
        m_texts.clear();
        cUI::shutAfterAll();
    }

    // A shown, enabled text of the test font, top-level, at _x, _y.
    template <class T = cText> T* makeText(const WString& _string, UInt _align = 1, Float _x = 100, Float _y = 50)
    {
        auto* text = new T(nullptr);
        m_texts.emplace_back(text);
        text->setFont("fonts/test.fnt");
        text->setTexture("fonts/test.png");
        text->setAlign(_align);
        text->setPositionXY(_x, _y);
        text->setString(_string);
        text->show();
        text->enable();
        return text;
    }
    // One frame of _seconds: processing, then deferred deletion.
    void frame(Float _seconds = 0.02f)
    {
        m_timer.getFrameTime() = _seconds;
        cUI::processViews();
        cScavenger::free();
    }
    // An element parsed from a UTF-8 literal; the document lives as long as the test.
    iXML* element(const std::string& _utf8)
    {
        const std::string bytes = makeXml16("<root>" + _utf8 + "</root>");
        m_documents.push_back(std::make_unique<cXML>("test.xml", bytes.data(), ULong(bytes.size())));
        iXML* child = nullptr;
        m_documents.back()->get(0, child);
        return child;
    }
    // Where the letters stand along one axis.
    static std::vector<Float> letterXs(const cText& _text, Float Vector2::*_axis = &Vector2::x)
    {
        std::vector<Float> at;
        for (const cLetter* letter : _text.getLetters())
            at.push_back(letter->getPosition().*_axis);
        return at;
    }

    cGraphicsHarness m_harness;
    cStringManager m_strings;
    cTimer m_timer;
    std::unique_ptr<cUI> m_ui = std::make_unique<cUI>();
    std::vector<std::unique_ptr<cXML>> m_documents;
    std::vector<std::unique_ptr<cText>> m_texts;
};

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

// A glyph missing from the font gives no letter and no advance.
TEST_F(TextLayout, AlignCentresStartsOrEndsAtThePosition)
{
    const struct {
        const char16_t* string;
        UInt align;
        Float firstX;
    } cases[] = {{u"ab", 0, 100 - 24 + 8}, {u"ab", 1, 100 + 8}, {u"ab", 2, 100 - 48 + 8}, {u"ab", 7, 100 + 8},
                 {u"axb", 1, 100 + 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << toString(c.string) << " aligned " << c.align);
        cText* text = makeText(c.string, c.align);
        EXPECT_EQ(text->getWidth(), 48);
        EXPECT_EQ(letterXs(*text), (std::vector<Float>{c.firstX, c.firstX + 24}));
    }
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

class MultilineText : public cTextTest {
protected:
    // A shown, enabled block at (100, 300), 200 by 200, lines 40 apart, from its element.
    cMultilineText* makeBlock(const std::string& _text, const std::string& _attributes = "")
    {
        m_blocks.push_back(std::make_unique<cMultilineText>(nullptr));
        cMultilineText* block = m_blocks.back().get();
        block->loadXML(element("<m Visible=\"1\" Enable=\"1\" Font=\"fonts/test.fnt\" Texture=\"fonts/test.png\" "
                               "Align=\"1\" position=\"100 300\" size=\"200 200\" Localized=\"0\" " +
                               _attributes + "><Text>" + _text + "</Text></m>"));
        return block;
    }
    static std::vector<std::string> strings(const cMultilineText& _block)
    {
        std::vector<std::string> result;
        for (const cText* line : _block.getLines())
            result.push_back(toString(line->getString()));
        return result;
    }
    static std::vector<Float> ys(const cMultilineText& _block)
    {
        std::vector<Float> result;
        for (const cText* line : _block.getLines())
            result.push_back(line->getPosition().y);
        return result;
    }

    std::vector<std::unique_ptr<cMultilineText>> m_blocks;
};

TEST_F(MultilineText, LineFeedsSplitTheTextAndATrailingOneAddsNoLine)
{
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {{"a\nb\n", {"a", "b"}}, {"a\n\nb", {"a", "", "b"}}, {"", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(strings(*makeBlock(c.text)), c.lines) << c.text;
}

TEST_F(MultilineText, WrappedLinesBreakAtTheLastSpaceThatFitsAndPushLaterLinesDown)
{
    // "aaa bbb" is 154 wide, "aaa bbb ccc" 260.
    cMultilineText* block = makeBlock("aaa bbb ccc\nab", "WrapText=\"1\"");
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"aaa bbb", " ccc", "ab"}));
    EXPECT_EQ(ys(*block), (std::vector<Float>{300, 340, 380}));
    EXPECT_EQ(block->getTextSize(), Vector2(154, 32 + 80));
    // A continuation whose only space is its first ends with the cut-off part on a line of its own.
    EXPECT_EQ(strings(*makeBlock("aaa bbbbbbb", "WrapText=\"1\"")),
              (std::vector<std::string>{"aaa", " bbbbbbb", ""}));
}

TEST_F(MultilineText, VerticalAlignPlacesTheBlockAroundThePosition)
{
    const struct {
        const char* align;
        std::vector<Float> ys;
    } cases[] = {{"0", {260, 300, 340}}, {"1", {220, 260, 300}}, {"2", {300, 340, 380}}, {"3", {300, 340, 380}}};
    for (const auto& c : cases)
        EXPECT_EQ(ys(*makeBlock("a\nb\nc", std::string("VerticalAlign=\"") + c.align + "\"")), c.ys) << c.align;
}

TEST_F(MultilineText, ADeferredTextFollowsAtTheNextFrameAndCopiesStartEmpty)
{
    cMultilineText* block = makeBlock("a");
    block->setText(u"key\nb", false);
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"a"}));
    block->setLocalized(true);
    frame();
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"key", "b"})) << "the table has no key\\nb";
    block->setText(u"key\nb", false);
    EXPECT_FALSE(block->isDirty());
    block->setText(u"key", true);
    EXPECT_EQ(strings(*block), (std::vector<std::string>{"ab"}));

    cMultilineText copy(*block);
    EXPECT_TRUE(copy.getLines().empty());
    copy.setText(u"ba", true);
    EXPECT_EQ(copy.getLines().front()->getLetters().size(), 2u);
    EXPECT_EQ(copy.getLines().front()->getPosition(), Vector2(100, 300));
}

class TextButtonLabel : public cTextTest {
protected:
    // A shown, enabled button at (200, 100) labelled "abc", whose letters spread 10 at 100 per second.
    std::unique_ptr<cTextButton> makeButton(const std::string& _attributes = "")
    {
        auto button = std::make_unique<cTextButton>(nullptr);
        button->loadXML(element("<b Visible=\"1\" Enable=\"1\" Picture=\"fonts/test.png\" position=\"200 100\" "
                                "size=\"100 40\" deep=\"5\" " + _attributes + "><Text Visible=\"1\" Enable=\"1\" "
                                "Font=\"fonts/test.fnt\" Texture=\"fonts/test.png\" String=\"abc\" Align=\"1\" "
                                "Offset=\"10\" Speed=\"100\" position=\"150 90\"/></b>"));
        return button;
    }
};

TEST_F(TextButtonLabel, LettersSpreadWhileHoveredWithoutOvershootAndGatherOnPress)
{
    auto button = makeButton();
    cTextButton::cBtnText& label = *button->getText();
    button->setState(BS_HOVERED);
    frame(0.07f);
    EXPECT_EQ(letterXs(label, &Vector2::y), (std::vector<Float>{107, 93, 107}));
    frame(0.07f);
    EXPECT_EQ(letterXs(label, &Vector2::y), (std::vector<Float>{110, 90, 110})) << "the last step lands on the target";
    frame(0.07f);
    EXPECT_FALSE(label.isMoving()) << "one frame after the letters arrive";
    button->setState(BS_PRESSED);
    frame(0.07f);
    frame(0.07f);
    EXPECT_EQ(letterXs(label, &Vector2::y), (std::vector<Float>{100, 100, 100}));
}

TEST_F(TextButtonLabel, TheLabelStandsOnTheButtonUnlessItKeepsItsOwnPosition)
{
    const struct {
        const char* attribute;
        Vector2 at;
    } cases[] = {{"", {200, 100}}, {"UseTextPosition=\"0\"", {200, 100}}, {"UseTextPosition=\"1\"", {150, 90}}};
    for (const auto& c : cases) {
        auto button = makeButton(c.attribute);
        EXPECT_EQ(button->getText()->getPosition(), c.at) << c.attribute;
        EXPECT_EQ(button->getText()->getDeep(), 6);
    }
}

TEST_F(TextButtonLabel, ACopiedButtonOwnsItsOwnLabel)
{
    auto button = makeButton();
    button->setText(u"ab");
    auto copy = std::make_unique<cTextButton>(*button);
    button.reset();
    ASSERT_NE(copy->getText(), nullptr);
    EXPECT_EQ(copy->getText()->getParent(), copy.get());
    EXPECT_EQ(copy->getText()->getString(), u"ab");
    EXPECT_EQ(copy->getText()->getLetters().size(), 2u);
    EXPECT_EQ(copy->getText()->getOffset(), 10);
}

// A fly text over a path 100 units long, fading from 1 to 0 along it, at Speed 50.
const char* const kPath = "<PositionPoints><p position=\"0 0\"/><p position=\"60 0\"/><p position=\"60 40\"/>"
                          "</PositionPoints>";
const char* const kFade = "<AlphaPoints><a alpha=\"1\" distance=\"0\"/><a alpha=\"0\" distance=\"1\"/></AlphaPoints>";

class FlyText : public cTextTest {
protected:
    FlyText() { s_arrivals.clear(); }
    // Loaded, with its arrival noted in s_arrivals.
    cFlyText* makeFly(const std::string& _inner = std::string(kPath) + kFade, const std::string& _speed = "50")
    {
        auto* fly = new cFlyText(nullptr, "");
        try {
            fly->loadXML(element("<f Visible=\"1\" Enable=\"1\" Font=\"fonts/test.fnt\" Texture=\"fonts/test.png\" "
                                 "String=\"12\" Speed=\"" + _speed + "\"><Icon Picture=\"fonts/test.png\" "
                                 "Visible=\"1\"/>" + _inner + "</f>"));
        } catch (...) {
            delete fly;
            throw;
        }
        fly->setCallback(onArrival, reinterpret_cast<std::uintptr_t>(fly));
        return fly;
    }
    static void onArrival(std::uintptr_t _fly)
    {
        s_arrivals.push_back(reinterpret_cast<cFlyText*>(_fly)->getPosition());
    }
    static inline std::vector<Vector2> s_arrivals;
};

TEST_F(FlyText, TravelsThePathAtItsSpeedThenCallsBackOnceAndIsDeletedThatFrame)
{
    cFlyText* fly = makeFly();
    frame(1.0f);
    EXPECT_EQ(fly->getPosition(), Vector2(50, 0));
    EXPECT_FLOAT_EQ(fly->getAlpha(), 0.5f);
    EXPECT_FLOAT_EQ(fly->getIcon()->getAlpha(), 0.5f);
    EXPECT_EQ(fly->getIcon()->getPosition(), Vector2(50, 0)) << "the icon follows";
    frame(0.6f);
    EXPECT_NEAR(fly->getPosition().y, 20, 1e-4);
    EXPECT_TRUE(s_arrivals.empty());
    frame(0.4f);
    EXPECT_EQ(s_arrivals, (std::vector<Vector2>{{60, 40}}));
    EXPECT_TRUE(m_ui->getEnabled().empty()) << "deleted with its letters and icon";
}

TEST_F(FlyText, AFrameThatOvershootsEndsAtTheLastPoint)
{
    makeFly();
    frame(5.0f);
    EXPECT_EQ(s_arrivals, (std::vector<Vector2>{{60, 40}}));
}

TEST_F(FlyText, DegenerateEffectsAreRefusedAtLoading)
{
    const struct {
        std::string inner, speed, error;
    } cases[] = {
        {std::string("<PositionPoints><p position=\"5 5\"/></PositionPoints>") + kFade, "50", "Position points < 2"},
        {std::string("<PositionPoints><p position=\"5 5\"/><p position=\"5 5\"/></PositionPoints>") + kFade, "50",
         "Distance = 0"},
        {std::string(kPath) + "<AlphaPoints><a alpha=\"1\" distance=\"0\"/></AlphaPoints>", "50", "Alpha points < 2"},
        {std::string(kPath) + "<AlphaPoints><a alpha=\"1\" distance=\"0.5\"/><a alpha=\"0\" distance=\"0.5\"/>"
                              "</AlphaPoints>", "50", "Alpha point distances do not rise"},
        {std::string(kPath) + kFade, "0", "Speed <= 0"},
    };
    for (const auto& c : cases) {
        const String error = thrownText([&] { makeFly(c.inner, c.speed); });
        EXPECT_EQ(error.substr(0, error.find('\n')), c.error);
        EXPECT_NE(error.find("void cFlyText::loadXML(iXML* xml_doc)"), String::npos);
    }
}

using PriceText = cTextTest;

TEST_F(PriceText, DigitsCloseUpInGroupsOfThreeFromTheRight)
{
    const struct {
        const char16_t* string;
        std::vector<Float> shifts;
    } cases[] = {{u"1234567", {0, 2, 1, 0, 2, 1, 0}}, {u"12 345", {1, 0, 2, 1, 0}}, {u"1a23", {0, 0, 1, 0}}};
    for (const auto& c : cases) {
        cText* plain = makeText(c.string);
        auto* price = makeText<cPriceText>(c.string);
        price->setDegreeOffset(3);
        price->makeLetters();
        std::vector<Float> shifts;
        const std::vector<Float> base = letterXs(*plain), moved = letterXs(*price);
        for (size_t i = 0; i < base.size() && i < moved.size(); ++i)
            shifts.push_back(moved[i] - base[i]);
        EXPECT_EQ(shifts, c.shifts);
    }
}

} // namespace
