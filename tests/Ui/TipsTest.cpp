#include "ScreenHarness.h"

#include "Ui/Tips.h"
#include "Ui/TutorialTips.h"

namespace {

// Stands in for the game's tutorial manager.
class cTutorialDouble : public iTutorialTips {
public:
    Bool isTipRunning() override { return m_running; }
    Bool m_running = false;
};

// The body at the anchor with deep 10, a picture part at (10, -20) with deep 5, and the four
// corner looks; the button itself has deep 50.
std::string tipButton(Int _x, Int _y, const std::string& _tip = "WaitTime=\"2\" TipsAlphaChangeTime=\"0.1\"")
{
    return "<b Visible=\"1\" Enable=\"1\" position=\"" + std::to_string(_x) + "," + std::to_string(_y) +
           "\" size=\"100,50\" deep=\"50\"><Tip " + _tip + "><Image position=\"0,0\" deep=\"10\" />"
           "<UpLeftImage Picture=\"tips/a.png\" /><UpRightImage Picture=\"tips/b.png\" />"
           "<DownLeftImage Picture=\"tips/c.png\" /><DownRightImage Picture=\"tips/d.png\" />"
           "<Pics><p position=\"10,-20\" deep=\"5\" /></Pics></Tip></b>";
}

template <class T = cTips<cAnimButton>> class TooltipTest : public cScreenTest {
protected:
    // Hovered at (_x, _y) and left resting there for _seconds.
    T* hover(Int _x, Int _y, Float _seconds = 2.3f)
    {
        T* button = load(keep<T>(), tipButton(_x, _y));
        moveTo(_x, _y);
        wait(_seconds - 0.02f);
        return button;
    }
    // How many tip parts are visible.
    static size_t shown(const T& _button)
    {
        size_t count = 0;
        for (const cControl* part : _button.getTipParts())
            count += part->isVisible();
        return count;
    }
};
using Tooltips = TooltipTest<>;
using cTip = cTips<cAnimButton>;

TEST_F(Tooltips, AfterTheWaitTheTipFadesInOverTheChangeTime)
{
    cTip* button = hover(600, 500, 1.96f);
    EXPECT_EQ(shown(*button), 0u);
    wait(0.1f);
    EXPECT_GT(button->getTipAlpha(), 0.0f);
    EXPECT_LT(button->getTipAlpha(), 1.0f);
    EXPECT_EQ(shown(*button), 2u);
    wait(0.1f);
    EXPECT_GE(button->getTipAlpha(), 1.0f);
}

TEST_F(Tooltips, APressFadesTheTipUntilTheCursorLeavesAndComesBack)
{
    cTip* button = hover(600, 500);
    press();
    press(false);
    moveTo(610, 505);
    wait(2.5f);
    EXPECT_EQ(shown(*button), 0u) << "still resting on the button";
    moveTo(100, 100);
    moveTo(600, 500);
    wait(2.3f);
    EXPECT_EQ(shown(*button), 2u);
}

TEST_F(Tooltips, TheTipOpensTowardsTheMiddleOfTheScreenAtItsPartsPlaces)
{
    const struct {
        Int x, y;
        cTip::eCorner corner;
        Vector2 anchor;
    } cases[] = {{600, 500, cTip::UP_LEFT, {500, 400}}, {400, 300, cTip::DOWN_RIGHT, {500, 400}},
                 {200, 500, cTip::UP_RIGHT, {300, 400}}, {600, 100, cTip::DOWN_LEFT, {500, 200}}};
    for (const auto& c : cases) {
        cTip* button = hover(c.x, c.y, 0.02f);
        EXPECT_EQ(button->getTipPicture()->getPicture(), button->getCorner(c.corner).getPicture()) << c.x;
        EXPECT_EQ(button->getTipPicture()->getPosition(), c.anchor) << c.x;
        EXPECT_EQ(button->getTipParts()[1]->getPosition(), Vector2(c.anchor.x + 10, c.anchor.y - 20)) << c.x;
        EXPECT_EQ(button->getTipParts()[1]->getDeep(), 5.0f);
        button->disable();
    }
}

TEST_F(Tooltips, AShownTipFollowsItsButtonAcrossTheMiddleAndGoesAtOnceWhenDisabled)
{
    cTip* button = hover(600, 500);
    button->setPosition(Vector2(300, 500));
    wait(0.02f);
    EXPECT_EQ(button->getTipPicture()->getPicture(), button->getCorner(cTip::UP_RIGHT).getPicture());
    EXPECT_EQ(button->getTipPicture()->getPosition(), Vector2(400, 400));
    button->disable();
    EXPECT_EQ(shown(*button), 0u);
    EXPECT_EQ(button->getTipAlpha(), 0.0f);
}

TEST_F(Tooltips, ARunningTutorialTipBlocksAndFadesTooltips)
{
    cTutorialDouble tutorial;
    tutorial.m_running = true;
    cTip* button = hover(600, 500, 2.5f);
    EXPECT_EQ(shown(*button), 0u);
    tutorial.m_running = false;
    moveTo(100, 100);
    moveTo(600, 500);
    wait(2.3f);
    EXPECT_EQ(shown(*button), 2u);
    tutorial.m_running = true;
    wait(0.2f);
    EXPECT_EQ(shown(*button), 0u);
}

TEST_F(Tooltips, AFadeThatTakesNoTimeIsRefused)
{
    for (const char* time : {"0", "-0.5"})
        EXPECT_THROW(load(keep<cTip>(), tipButton(600, 500, std::string("TipsAlphaChangeTime=\"") + time + "\"")), String);
}

template <class T> class TooltipKinds : public TooltipTest<T> {};
using Kinds = ::testing::Types<cTips<cTextButtonT<cAnimButton>>, cTips<cButton>, cTips<cOverlayButton>>;
TYPED_TEST_SUITE(TooltipKinds, Kinds);

TYPED_TEST(TooltipKinds, EveryButtonKindShowsItsTip)
{
    EXPECT_EQ(this->shown(*this->hover(200, 100)), 2u);
}

} // namespace
