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

// The tooltip's body at the anchor, deep 10, a picture part at (10, -20) deep 5, the four
// corner looks, and the given "Tip" attributes.
std::string tipButton(const std::string& _position, const std::string& _tipAttributes = "WaitTime=\"2\" TipsAlphaChangeTime=\"0.1\"")
{
    return "<b Visible=\"1\" Enable=\"1\" position=\"" + _position + "\" size=\"100,50\" deep=\"50\">"
           "<Tip " + _tipAttributes + ">"
           "<Image Picture=\"tips/body.png\" position=\"0,0\" size=\"240,120\" deep=\"10\" />"
           "<UpLeftImage Picture=\"tips/upleft.png\" /><UpRightImage Picture=\"tips/upright.png\" />"
           "<DownLeftImage Picture=\"tips/downleft.png\" /><DownRightImage Picture=\"tips/downright.png\" />"
           "<Pics><p Picture=\"tips/body.png\" position=\"10,-20\" size=\"8,8\" deep=\"5\" /></Pics>"
           "</Tip></b>";
}

class Tooltips : public cScreenTest {
protected:
    using cTipButton = cTips<cAnimButton>;

    template <class T = cTipButton> T* make(const std::string& _xml)
    {
        T* button = keep<T>(nullptr);
        button->loadXML(element(_xml));
        return button;
    }
    // Every part shown, or every part hidden.
    static bool partsShown(const cTipButton& _button, bool _shown)
    {
        for (const cControl* part : _button.getTipParts())
            if (part->isVisible() != _shown)
                return false;
        return true;
    }
};

TEST_F(Tooltips, AfterTheWaitTheTipFadesInOverTheChangeTime)
{
    ASSERT_FLOAT_EQ(frameTime(), 0.02f);
    cTipButton* button = make(tipButton("600,500"));
    ASSERT_EQ(button->getTipParts().size(), 2u);
    moveTo(600, 500);
    frames(97);  // 1.96 s since the hover
    EXPECT_EQ(button->getTipAlpha(), 0.0f);
    EXPECT_TRUE(partsShown(*button, false));
    frames(5);   // 2.06 s
    EXPECT_GT(button->getTipAlpha(), 0.0f);
    EXPECT_LT(button->getTipAlpha(), 1.0f);
    EXPECT_TRUE(partsShown(*button, true));
    frames(5);   // 2.16 s
    EXPECT_GE(button->getTipAlpha(), 1.0f);
    EXPECT_EQ(button->getTipParts()[1]->getAlpha(), button->getTipAlpha());
}

TEST_F(Tooltips, APressFadesTheTipUntilTheCursorLeavesAndComesBack)
{
    cTipButton* button = make(tipButton("600,500"));
    moveTo(600, 500);
    wait(2.3f);
    ASSERT_GE(button->getTipAlpha(), 1.0f);
    press();
    wait(0.2f);
    EXPECT_LE(button->getTipAlpha(), 0.0f);
    EXPECT_TRUE(partsShown(*button, false));
    press(false);
    moveTo(610, 505);
    wait(2.5f);
    EXPECT_TRUE(partsShown(*button, false)) << "released and still resting on the button";
    moveTo(100, 100);
    moveTo(600, 500);
    wait(2.3f);
    EXPECT_TRUE(partsShown(*button, true));
}

TEST_F(Tooltips, TheTipOpensTowardsTheMiddleOfTheScreen)
{
    struct sCase {
        Int x, y;
        cTipButton::eCorner corner;
        Vector2 anchor;
    };
    const sCase cases[] = {{600, 500, cTipButton::UP_LEFT, {500, 400}},
                           {400, 300, cTipButton::DOWN_RIGHT, {500, 400}},
                           {200, 500, cTipButton::UP_RIGHT, {300, 400}},
                           {600, 100, cTipButton::DOWN_LEFT, {500, 200}}};
    for (const sCase& c : cases) {
        cTipButton* button = make(tipButton(std::to_string(c.x) + "," + std::to_string(c.y)));
        moveTo(c.x, c.y);
        EXPECT_EQ(button->getTipPicture()->getPicture(), button->getCorner(c.corner).getPicture()) << c.x << "," << c.y;
        EXPECT_EQ(button->getTipPicture()->getPosition(), c.anchor) << c.x << "," << c.y;
        const cControl* part = button->getTipParts()[1];
        EXPECT_EQ(part->getPosition(), Vector2(c.anchor.x + 10, c.anchor.y - 20)) << "anchor plus the part's own place";
        EXPECT_EQ(part->getDeep(), 5.0f) << "the part's own deep, whatever the button's";
        EXPECT_EQ(button->getTipPicture()->getDeep(), 10.0f);
        button->disable();
        moveTo(799, 599);
    }
}

TEST_F(Tooltips, AShownTipFollowsItsButtonAcrossTheMiddle)
{
    cTipButton* button = make(tipButton("600,500"));
    moveTo(600, 500);
    wait(2.3f);
    button->setPosition(Vector2(300, 500));
    frames(1);
    EXPECT_EQ(button->getTipPicture()->getPicture(), button->getCorner(cTipButton::UP_RIGHT).getPicture());
    EXPECT_EQ(button->getTipPicture()->getPosition(), Vector2(400, 400));
}

TEST_F(Tooltips, ARunningTutorialTipBlocksAndFadesTooltips)
{
    cTutorialDouble tutorial;
    tutorial.m_running = true;
    cTipButton* button = make(tipButton("600,500"));
    moveTo(600, 500);
    wait(2.5f);
    EXPECT_TRUE(partsShown(*button, false));

    tutorial.m_running = false;
    moveTo(100, 100);
    moveTo(600, 500);
    wait(2.3f);
    ASSERT_TRUE(partsShown(*button, true));
    tutorial.m_running = true;
    wait(0.2f);
    EXPECT_TRUE(partsShown(*button, false));
}

TEST_F(Tooltips, DisablingHidesTheTipAtOnce)
{
    cTipButton* button = make(tipButton("600,500"));
    moveTo(600, 500);
    wait(2.3f);
    ASSERT_TRUE(partsShown(*button, true));
    button->disable();
    EXPECT_TRUE(partsShown(*button, false));
    EXPECT_EQ(button->getTipAlpha(), 0.0f);
}

TEST_F(Tooltips, AFadeThatTakesNoTimeIsRefused)
{
    for (const char* time : {"0", "-0.5"}) {
        auto* button = keep<cTipButton>(nullptr);
        EXPECT_THROW(button->loadXML(element(tipButton("600,500", std::string("TipsAlphaChangeTime=\"") + time + "\""))),
                     String)
            << time;
        EXPECT_EQ(button->getTipsAlphaChangeTime(), 0.1f);
    }
}

TEST_F(Tooltips, AButtonWithoutTipShowsNothing)
{
    cTipButton* button = make("<b Visible=\"1\" Enable=\"1\" position=\"600,500\" size=\"100,50\" />");
    EXPECT_TRUE(button->getTipParts().empty());
    moveTo(600, 500);
    wait(2.5f);
    EXPECT_FALSE(button->getTipPicture()->isVisible());
}

// Every kind of button takes a tooltip the same way.
template <class T> class TooltipKinds : public Tooltips {};
using Kinds = ::testing::Types<cTips<cAnimButton>, cTips<cTextButtonT<cAnimButton>>, cTips<cButton>, cTips<cOverlayButton>>;
TYPED_TEST_SUITE(TooltipKinds, Kinds);

TYPED_TEST(TooltipKinds, ShowsItsTipAfterTheWait)
{
    TypeParam* button = this->template make<TypeParam>(tipButton("200,100"));
    this->moveTo(200, 100);
    this->wait(2.3f);
    EXPECT_GE(button->getTipAlpha(), 1.0f);
    for (const cControl* part : button->getTipParts())
        EXPECT_TRUE(part->isVisible());
}

} // namespace
