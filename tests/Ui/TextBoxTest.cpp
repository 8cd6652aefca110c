#include "ScreenHarness.h"

#include "Ui/Letter.h"
#include "Ui/TextBox.h"
#include "engine/TextConvert.h"
#include "platform/sdl/SdlCharacters.h"

namespace {

using Journal = std::vector<std::string>;

class TextBoxTyping : public cScreenTest {
protected:
    // A shown, enabled box at (100, 50) reporting its changes, starting at the position.
    cTextBox* makeBox(const std::string& _attributes = "", const std::string& _align = "1",
                      const std::string& _maxLength = "100")
    {
        auto* box = load(keep<cTextBox>(), "<t Visible=\"1\" Enable=\"1\" position=\"100 50\" Align=\"" + _align +
                                   "\" MaxLength=\"" + _maxLength + "\" " + FONT + _attributes + "/>");
        box->setOnChange([](cView* _box) { record("change " + toString(static_cast<cTextBox*>(_box)->getString())); });
        return box;
    }
    static Bool noB(char16_t& _char) { return _char != u'b'; }
    // Keeps a character beyond the first plane as 'b': its first half becomes the letter, the second is dropped.
    static Bool wideAsB(char16_t& _char)
    {
        if (_char >= 0xDC00 && _char <= 0xDFFF)
            return false;
        if (_char >= 0xD800 && _char <= 0xDBFF)
            _char = u'b';
        return true;
    }
};

// A character beyond the first plane arrives from SDL as two units, each judged on its own.
TEST_F(TextBoxTyping, KeysChangeTheTextAndReportEveryKeyTheFilterLetThrough)
{
    std::vector<UInt16> units;
    sdl::appendUtf16("\xF0\x9F\x8C\xBD", units);
    ASSERT_EQ(units.size(), 2u);
    const std::u16string corn(units.begin(), units.end());
    const struct {
        std::u16string keys;
        Bool (*filter)(char16_t&);
        const char* text;
        Journal journal;
    } cases[] = {
        {u"ab", nullptr, "ab", {"change a", "change ab"}},
        {u"ab", &noB, "a", {"change a"}},
        {u"\u0008", nullptr, "", {"change "}},
        {u"a\r\n", nullptr, "a", {"change a", "change a", "change a"}},
        {u"xa\u0008", nullptr, "", {"change ", "change a", "change "}},
        {corn, nullptr, "", {"change ", "change "}},
        {corn, &wideAsB, "b", {"change b"}},
    };
    for (const auto& c : cases) {
        cTextBox* box = makeBox();
        box->setFilter(c.filter);
        type(c.keys);
        EXPECT_EQ(toString(box->getString()), c.text);
        EXPECT_EQ(takeJournal(), c.journal) << c.text;
        box->disable();
    }
}

TEST_F(TextBoxTyping, TypingStopsWhereCaretTextAndTheNextGlyphWouldReachMaxLength)
{
    // Caret 8 + 'a' 16 + 'a' 16 = 40.
    const struct {
        const char* maxLength;
        const char* text;
    } cases[] = {{"40", "a"}, {"40.5", "aa"}};
    for (const auto& c : cases) {
        cTextBox* box = makeBox("", "1", c.maxLength);
        type(u"aaa");
        EXPECT_EQ(toString(box->getString()), c.text) << c.maxLength;
        box->disable();
    }
}

TEST_F(TextBoxTyping, AHiddenOrDisabledBoxGetsNothing)
{
    cTextBox* hidden = makeBox();
    cTextBox* disabled = makeBox();
    hidden->hide();
    disabled->disable();
    type(u"a");
    EXPECT_EQ(hidden->getString(), u"");
    EXPECT_EQ(disabled->getString(), u"");
    EXPECT_TRUE(takeJournal().empty());
}

TEST_F(TextBoxTyping, TheCaretBlinksOncePerPeriod)
{
    m_engine.frames(12, 50);
    cTextBox* box = makeBox("BlinkingPeriod=\"0.12\"");
    ASSERT_TRUE(box->getCaret());
    std::string shown;
    for (int i = 0; i < 9; ++i) {
        m_engine.frame(50);
        shown += box->getCaret()->isVisible() ? '1' : '0';
    }
    EXPECT_EQ(shown, "110001110");
}

TEST_F(TextBoxTyping, TheCaretSitsBesideTheTextByAlignAndOnTheLeftAfterRightToLeftLetters)
{
    // "a" is 16 wide and the caret 8, from x = 100.
    const struct {
        const char* align;
        Float right, left;
    } cases[] = {{"0", 112, 88}, {"1", 120, 80}, {"2", 104, 96}};
    m_engine.platform().getHeadlessSystem().setRightToLeftKeyboard(true);
    for (const auto& c : cases) {
        cTextBox* box = makeBox("", c.align);
        box->setRightToLeft(true);
        type(u"a");
        EXPECT_EQ(box->getCaret()->getPosition(), Vector2(c.right, 50)) << c.align;
        type(u"\u0008\u05D0");
        EXPECT_EQ(box->getCaret()->getPosition(), Vector2(c.left, 50)) << c.align;
        type(u"\u0008");
        EXPECT_TRUE(box->isCaretOnLeft()) << "Backspace keeps the side";
        box->disable();
    }
    m_engine.platform().getHeadlessSystem().setRightToLeftKeyboard(false);
    cTextBox* box = makeBox();
    box->setRightToLeft(true);
    type(u"\u05D0");
    EXPECT_FALSE(box->isCaretOnLeft()) << "a left-to-right keyboard keeps the caret right";
}

} // namespace
