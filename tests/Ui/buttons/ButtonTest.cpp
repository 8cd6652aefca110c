#include "Ui/ButtonHarness.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/Button.h"
#include "Ui/buttons/CheckButton.h"
#include "Ui/texts/Letter.h"
#include "Ui/boxes/ListBox.h"
#include "Ui/buttons/OverlayButton.h"
#include "Ui/boxes/ScrollBox.h"
#include "Ui/boxes/TextBox.h"
#include "engine/resources/Resource.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "graphics/sprites/RenderType.h"
#include "graphics/sprites/Texture.h"
#include "input/Input.h"
#include "platform/sdl/SdlCharacters.h"

#include <cmath>

namespace {

using ButtonClicks = cButtonTest;

// Spans 80..120 by 90..110.
const std::string kButton = "<b Visible=\"1\" Enable=\"1\" position=\"100,100\" size=\"40,20\" Picture=\"ui/button.png\" ";
const std::string kSounds = "><Sounds Click=\"sounds/click.wav\" Hover=\"sounds/hover.wav\" /></b>";

TEST_F(ButtonClicks, AClickIsAReleaseInsideAfterAPressInside)
{
    cButton* button = make<cButton>(kButton + kSounds);
    EXPECT_EQ(button->getState(), BS_NORMAL);
    moveTo(100, 100);
    EXPECT_EQ(takeJournal(), Journal({"A hover"}));
    press();
    EXPECT_EQ(button->getState(), BS_PRESSED);
    EXPECT_EQ(takeJournal(), Journal({"A unhover"}));
    release();
    EXPECT_EQ(button->getState(), BS_HOVERED);
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A click"}));
    EXPECT_EQ(sound().countCalls("play"), 2) << "the hover sound, then the click sound on the press";

    press();
    moveTo(300, 300);
    EXPECT_EQ(button->getState(), BS_PRESSED) << "motion while held keeps the press";
    release();
    EXPECT_EQ(button->getState(), BS_NORMAL);
    EXPECT_EQ(takeJournal(), Journal({"A unhover", "A unhover"}));

    // Pressed inside, and the focus goes: the release owed for it ends the press, acting on nothing.
    moveTo(100, 100);
    press();
    m_engine.send(WE_DEACTIVATE);
    m_engine.frame();
    EXPECT_EQ(button->getState(), BS_NORMAL);
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "A unhover"}));
}

TEST_F(ButtonClicks, AButtonEnabledUnderTheCursorStartsHoveredQuietly)
{
    cButton* button = make<cButton>("<b position=\"100,100\" size=\"40,20\"" + kSounds);
    moveTo(100, 100);
    button->show();
    button->enable();
    EXPECT_EQ(button->getState(), BS_HOVERED);
    EXPECT_TRUE(takeJournal().empty());
    EXPECT_EQ(sound().countCalls("play"), 0);
}

TEST_F(ButtonClicks, HiddenOrDisabledButtonsIgnoreInput)
{
    for (void (cView::*off)() : {&cView::hide, &cView::disable}) {
        moveAway();
        cButton* button = make<cButton>(kButton + "/>");
        (button->*off)();
        EXPECT_EQ(button->getState(), BS_DISABLED);
        clickAt(100, 100);
        EXPECT_EQ(button->getState(), BS_DISABLED);
        EXPECT_TRUE(takeJournal().empty());
        button->hide();
    }
}

TEST_F(ButtonClicks, WithSoundOnUnclickTheClickSoundPlaysOnReleaseOnly)
{
    make<cButton>(kButton + "SoundOnUnclick=\"1\"" + kSounds);
    moveTo(100, 100);
    sound().clearCalls();
    press();
    EXPECT_EQ(sound().countCalls("play"), 0);
    moveTo(300, 300);
    release();
    EXPECT_EQ(sound().countCalls("play"), 1) << "outside too";
}

TEST_F(ButtonClicks, HoversPlayAndForgetTheirSound)
{
    cButton* button = make<cButton>(kButton + kSounds);
    const Long held = button->getHoverSound()->getRefCount();
    for (int i = 0; i < 1000; ++i) {
        moveTo(100, 100);
        moveTo(300, 300);
    }
    EXPECT_EQ(sound().countCalls("play"), 1000);
    EXPECT_EQ(button->getHoverSound()->getRefCount(), held) << "no channel keeps the sound";
}

TEST_F(ButtonClicks, AClickWhereTheMaskIsClearIsIgnored)
{
    // The mask's left half is set.
    cButton* button = make<cButton>(kButton + "texture_mask=\"ui/button.png\" />");
    ASSERT_TRUE(button->hasMask());
    clickAt(115, 100);
    EXPECT_TRUE(takeJournal().empty());
    clickAt(85, 100);
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "A hover", "A click"}));
}

class EmptyMaskClicks : public cButtonTest {
protected:
    // This renderer gives every mask empty.
    EmptyMaskClicks() : cButtonTest(cEngineHarness::eRenderer::null) {}
};

TEST_F(EmptyMaskClicks, AnEmptyMaskMeansNoMask)
{
    cButton* button = make<cButton>("<b Visible=\"1\" Enable=\"1\" position=\"100,100\" size=\"40,20\" "
                                    "texture_mask=\"ui/button.png\" />");
    EXPECT_FALSE(button->hasMask());
    clickAt(115, 100);
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "A hover", "A click"}));
}

using DeepButtons = cButtonTest;

TEST_F(DeepButtons, TheDeeperButtonTakesTheCursorAndTiesKeepTheFirst)
{
    const struct {
        const char* deepA;
        const char* deepB;
        Journal expected;
    } cases[] = {
        {"1", "1", {"A hover"}},
        {"1", "2", {"A unhover", "B hover"}},
    };
    for (const auto& c : cases) {
        moveAway();
        cButton* a = make<cButton>(kButton + "IsDeepProcessing=\"1\" deep=\"" + c.deepA + "\" />", 0);
        cButton* b = make<cButton>(kButton + "IsDeepProcessing=\"1\" deep=\"" + c.deepB + "\" />", 1);
        moveTo(100, 100);
        EXPECT_EQ(takeJournal(), c.expected) << c.deepA << " under " << c.deepB;
        a->hide();
        b->hide();
        EXPECT_EQ(cButtonPrototype::getDeepCandidate(), nullptr);
    }
}

TEST_F(DeepButtons, APressIsCarriedOutByTheCandidatesNextProcess)
{
    cButton* button = make<cButton>(kButton + "IsDeepProcessing=\"1\" />");
    moveTo(100, 100);
    EXPECT_EQ(button->getState(), BS_HOVERED);
    m_engine.platform().getHeadlessMouse().pushButton(0, true);
    cInput::getInstance()->process();
    EXPECT_EQ(button->getState(), BS_HOVERED);
    m_engine.frame();
    EXPECT_EQ(button->getState(), BS_PRESSED);
}

using ButtonLooks = cButtonTest;

const eButtonState kStates[] = {BS_DISABLED, BS_NORMAL, BS_HOVERED, BS_PRESSED};

TEST_F(ButtonLooks, ATextureButtonShowsEachStatesTextureAndThePictureForTheOthers)
{
    const struct {
        std::string attributes;
        const char* pictures[4]; // by state
    } cases[] = {
        {"texture_hover=\"ui/hover.png\" texture_pressed=\"ui/pressed.png\" texture_disabled=\"ui/off.png\"",
            {"ui/off.png", "ui/button.png", "ui/hover.png", "ui/pressed.png"}},
        {"texture_hover=\"\"", {"ui/button.png", "ui/button.png", "ui/button.png", "ui/button.png"}},
    };
    for (const auto& c : cases) {
        cButton* button = make<cButton>("<b Picture=\"ui/button.png\" " + c.attributes + " />");
        for (eButtonState state : {BS_HOVERED, BS_PRESSED, BS_DISABLED, BS_NORMAL}) {
            button->setState(state);
            // The texture is what the draw pass reads: it must follow the picture.
            ASSERT_NE(button->getTexture(), nullptr);
            EXPECT_EQ(button->getTexture()->getName(), c.pictures[state]) << c.attributes << " in state " << state;
        }
    }
}

TEST_F(ButtonLooks, AFrameButtonShowsEachStatesFrame)
{
    const std::string frames = "Picture=\"ui/frames.png\" anim_columns=\"4\" frames_count=\"4\" PlayAnimation=\"1\" "
                               "frame_disabled=\"0\" frame_normal=\"1\" frame_hover=\"2\" frame_pressed=\"3\" ";
    cAnimButton* enabled = make<cAnimButton>("<b Visible=\"1\" Enable=\"1\" " + frames + "/>");
    EXPECT_EQ(enabled->getAnimFrame(), 1u) << "the normal frame at once, though enabling came first";
    EXPECT_FALSE(enabled->getPlayAnimation());
    cAnimButton* disabled = make<cAnimButton>("<b Visible=\"1\" " + frames + "/>");
    EXPECT_EQ(disabled->getState(), BS_DISABLED);
    for (eButtonState state : kStates) {
        disabled->setState(state);
        EXPECT_EQ(disabled->getAnimFrame(), UInt(state));
    }
}

TEST_F(ButtonLooks, AnOverlayButtonLightsItsShapeWhileHoveredOrPressed)
{
    cOverlayButton* button = make<cOverlayButton>(
        "<b Visible=\"1\" position=\"50,60\" size=\"8,8\" deep=\"2\" RenderType=\"32\" Picture=\"ui/button.png\" />");
    cPicture* overlay = button->getOverlay();
    EXPECT_EQ(overlay->getPosition(), Vector2(50, 60));
    EXPECT_EQ(overlay->getSize(), Vector2(8, 8));
    EXPECT_FLOAT_EQ(overlay->getDeep(), 2.001f);
    EXPECT_EQ(overlay->getRenderType(), UInt(RT_OVERLAY | RT_MASKED));
    EXPECT_EQ(colorToARGB(overlay->getColor()), 0xBDBDBDFFu);
    for (eButtonState state : kStates) {
        button->setState(state);
        const bool lit = state == BS_HOVERED || state == BS_PRESSED;
        EXPECT_EQ(overlay->isVisible(), lit) << state;
        EXPECT_EQ(button->getRenderType(), (UInt(RT_LINEAR) | (lit ? UInt(RT_MASK_WRITER) : 0u))) << state;
    }
}

// Loading sets no state's look. Enabling comes before the place in an element, so with the
// cursor on the origin a button turns hovered while it loads: it keeps its picture, and an
// overlay button stays dark, until the state next changes.
TEST_F(ButtonLooks, LoadingLeavesTheLookOfTheStateToItsNextChange)
{
    moveTo(0, 0);
    const std::string element = kButton + "texture_hover=\"ui/hover.png\" />";
    cButton* button = make<cButton>(element);
    cOverlayButton* overlaid = make<cOverlayButton>(element);
    for (cButton* loaded : {button, static_cast<cButton*>(overlaid)}) {
        ASSERT_EQ(loaded->getState(), BS_HOVERED);
        ASSERT_NE(loaded->getTexture(), nullptr);
        EXPECT_EQ(loaded->getTexture()->getName(), "ui/button.png");
    }
    EXPECT_FALSE(overlaid->getOverlay()->isOwnVisible());
    overlaid->setState(BS_PRESSED);
    overlaid->setState(BS_HOVERED);
    EXPECT_EQ(overlaid->getTexture()->getName(), "ui/hover.png");
    EXPECT_TRUE(overlaid->getOverlay()->isOwnVisible());
}

class CheckAndScroll : public cButtonTest {
protected:
    static void onCheck(cView*, Bool _checked) { record("check " + std::to_string(_checked)); }
    static void onDrag(cView*, Bool _dragging) { record("drag " + std::to_string(_dragging)); }
    static void onChange(cView*, Float _value) { record("change " + std::to_string(int(_value))); }

    // A track around (200, 100), 100 long for values 0 to 10 unless _attributes say otherwise.
    cScrollBox* makeBox(const std::string& _attributes, const std::string& _range = "Min=\"0\" Max=\"10\" ")
    {
        cScrollBox* box = make<cScrollBox>("<s Visible=\"1\" Enable=\"1\" position=\"200,100\" Picture=\"ui/button.png\" " +
                                           _range + _attributes +
                                           "><Slider Visible=\"1\" Enable=\"1\" size=\"10,10\" "
                                           "Picture=\"ui/hover.png\" /></s>");
        box->setOnDrag(&onDrag);
        box->setOnChange(&onChange);
        return box;
    }
};

TEST_F(CheckAndScroll, ACheckButtonTogglesOnEveryReleaseAndItsTickFollowsAtTheNextFrame)
{
    cCheckButton* check = make<cCheckButton>("<c Visible=\"1\" Enable=\"1\" position=\"100,100\" size=\"20,20\" "
                                             "Checked=\"1\"><Tick Picture=\"ui/hover.png\" /></c>");
    check->setOnCheck(&onCheck);
    EXPECT_TRUE(check->getTick()->isVisible());
    clickAt(100, 100);
    EXPECT_FALSE(check->getChecked());
    EXPECT_FALSE(check->getTick()->isVisible());
    press();
    moveTo(300, 300);
    release();
    moveTo(100, 100);
    press();
    m_engine.send(WE_DEACTIVATE);
    m_engine.frame();
    m_engine.send(WE_ACTIVATE);
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "A hover", "A click", "check 0", "A unhover",
                                         "A unhover", "check 1", "A hover", "A unhover", "A unhover"}))
        << "a release owed when the focus went toggles nothing";
    check->setChecked(false);
    EXPECT_TRUE(check->getTick()->isVisible()) << "not at once";
    m_engine.frame();
    EXPECT_FALSE(check->getTick()->isVisible());
}

TEST_F(CheckAndScroll, DraggingTheTrackFollowsTheCursorWithinTheRange)
{
    cScrollBox* box = makeBox("size=\"100,30\" Value=\"5\"");
    moveTo(160, 100);
    press();
    EXPECT_FLOAT_EQ(box->getValue(), 1.0f) << "a press on the track takes the value to the cursor";
    EXPECT_EQ(box->getSlider()->getPosition(), Vector2(160, 100));
    for (int x : {400, 500, -180, -180}) // beyond both ends, the second time without change
        moveTo(x, 100);
    release();
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "drag 1", "change 1", "change 10", "change 0",
                                         "A unhover", "drag 0"}));
    clickAt(150, 112); // on the track beside the thumb
    EXPECT_EQ(takeJournal(), Journal({"A hover", "A unhover", "drag 1", "A hover", "A click", "drag 0"}))
        << "a drag that changes nothing still ends";
}

TEST_F(CheckAndScroll, HidingTheBoxWhileItsThumbIsHeldEndsTheDrag)
{
    cScrollBox* box = makeBox("size=\"100,10\" Value=\"5\"");
    moveTo(200, 100);
    press();
    ASSERT_TRUE(box->isDragging());
    takeJournal();
    box->hide();
    EXPECT_FALSE(box->isDragging());
    EXPECT_EQ(takeJournal(), Journal({"drag 0"}));
}

// A track without extent or range holds its minimum wherever its thumb is dragged.
TEST_F(CheckAndScroll, TheThumbSitsWhereTheValueSaysOnEitherAxisAndADegenerateTrackHoldsTheMinimum)
{
    const struct {
        std::string attributes;
        std::string range;
        Vector2 thumb;
        bool degenerate;
    } cases[] = {
        {"size=\"100,10\" Value=\"2.5\"", "Min=\"0\" Max=\"10\" ", {175, 100}, false},
        {"size=\"10,100\" Value=\"2.5\" Layout=\"1\"", "Min=\"0\" Max=\"10\" ", {200, 75}, false},
        {"size=\"10,100\" Value=\"2.5\" Layout=\"2\"", "Min=\"0\" Max=\"10\" ", {200, 100}, false},
        {"size=\"100,10\" Value=\"3\"", "Min=\"3\" Max=\"3\" ", {150, 100}, true},
        {"size=\"0,10\" Value=\"2.5\"", "Min=\"0\" Max=\"10\" ", {200, 100}, true},
    };
    for (const auto& c : cases) {
        cScrollBox* box = makeBox(c.attributes, c.range);
        EXPECT_EQ(box->getSlider()->getPosition(), c.thumb) << c.attributes;
        if (c.degenerate) {
            moveTo(200, 100);
            press();
            moveTo(230, 100);
            EXPECT_EQ(box->getValue(), box->getMinimum()) << c.attributes;
            EXPECT_FALSE(std::isnan(box->getSlider()->getPosition().x));
            release();
        }
        box->hide();
    }
}

// A list around (400, 300), 200 high with rows 50 apart: four rows show, centred at y 225, 275,
// 325 and 375; the up button stands at (400, 180), the down button at (400, 420).
class ListBoxRows : public cButtonTest {
protected:
    cListBox* makeList(UInt _rows, const std::string& _strings = "")
    {
        const std::string button = "Visible=\"1\" Enable=\"1\" Picture=\"ui/button.png\" size=\"40 20\" ";
        cListBox* list = make<cListBox>(
            "<l Visible=\"1\" Enable=\"1\" position=\"400 300\" TopLeft=\"0 0\" BottomRight=\"0 200\" "
            "Interlinear=\"50\"><UpButton " + button + "position=\"400 180\"/><DownButton " + button +
            "position=\"400 420\"/><Button Visible=\"1\" Enable=\"1\" Picture=\"ui/button.png\" size=\"200 40\">"
            "<Text Visible=\"1\" Enable=\"1\" " + FONT + "/></Button>" + _strings + "</l>");
        list->setOnSelect([](UInt _index, cListBox*) { record("select " + std::to_string(_index)); });
        for (UInt i = 0; i < _rows; ++i)
            list->addItem(u"ab");
        return list;
    }
    // The indices of the rows shown, and whether the up and down buttons show.
    static std::string shown(const cListBox& _list)
    {
        std::string result;
        for (const cTextButton* row : _list.getRows())
            if (row->isVisible())
                result += std::to_string(row->getUserValue());
        return result + (_list.getUpButton()->isVisible() ? " up" : "") +
               (_list.getDownButton()->isVisible() ? " down" : "");
    }
};

TEST_F(ListBoxRows, RowsAreCountedAndTheirTextsReadByIndex)
{
    cListBox* list = makeList(0);
    for (const char16_t* text : {u"ab", u"", u"ba"})
        list->addItem(text);
    EXPECT_EQ(list->getCount(), 3u);
    const std::u16string texts[] = {u"ab", u"", u"ba", u""};
    for (UInt index = 0; index < 4; ++index)
        EXPECT_EQ(list->getItemText(index), texts[index]) << index << (index == 3 ? ": past the last row" : "");
}

TEST_F(ListBoxRows, TheButtonsScrollByOneRowAndHideAtTheEnds)
{
    cListBox* list = makeList(4);
    EXPECT_EQ(shown(*list), "0123") << "all rows fit: no buttons";
    list->addItem(u"ab");
    EXPECT_EQ(shown(*list), "0123 down");
    clickAt(400, 420);
    EXPECT_EQ(shown(*list), "1234 up");
    EXPECT_EQ(list->getRows()[1]->getPosition(), Vector2(400, 225));
    cListBox::onScrollDown(list->getDownButton());
    EXPECT_EQ(list->getTop(), 1u) << "the last row stays at the bottom";
    clickAt(400, 180);
    EXPECT_EQ(shown(*list), "0123 down");
}

TEST_F(ListBoxRows, ARowClickReportsItsIndexAndClearingAScrolledListStartsTheNextRowsAtTheTop)
{
    cListBox* list = makeList(6);
    cListBox::onScrollDown(list->getDownButton());
    cListBox::onScrollDown(list->getDownButton());
    takeJournal();
    clickAt(400, 275);
    EXPECT_EQ(takeJournal(), Journal({"select 3"})) << "its index, not its place on screen";
    list->clear();
    EXPECT_EQ(shown(*list), "");
    EXPECT_EQ(list->getCount(), 0u);
    list->addItem(u"b");
    EXPECT_EQ(shown(*list), "0");
    EXPECT_EQ(list->getRows()[0]->getPosition(), Vector2(400, 225));
    m_engine.frame();
    takeJournal();
    clickAt(400, 225);
    EXPECT_EQ(takeJournal(), Journal({"select 0"}));
}

TEST_F(ListBoxRows, TheStartingRowsComeFromStrings)
{
    cListBox* list = makeList(0, "<Strings Count=\"2\" str0=\"a\" str1=\"b\"/>");
    ASSERT_EQ(list->getRows().size(), 2u);
    EXPECT_EQ(list->getRows()[1]->getText()->getString(), u"b");
    EXPECT_EQ(shown(*list), "01");
}

class TextBoxTyping : public cButtonTest {
protected:
    // A shown, enabled box at (100, 50) reporting its changes, starting at the position.
    cTextBox* makeBox(const std::string& _attributes = "", const std::string& _align = "1",
                      const std::string& _maxLength = "100")
    {
        auto* box = make<cTextBox>("<t Visible=\"1\" Enable=\"1\" position=\"100 50\" Align=\"" + _align +
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
