#include "ButtonHarness.h"

#include "Ui/AnimButton.h"
#include "Ui/Button.h"
#include "Ui/OverlayButton.h"
#include "engine/Resource.h"
#include "engine/ValueConvert.h"
#include "graphics/RenderType.h"
#include "graphics/Texture.h"
#include "input/Input.h"

namespace {

using Journal = std::vector<std::string>;
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
        moveTo(100, 100);
        click();
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
    moveTo(115, 100);
    click();
    EXPECT_TRUE(takeJournal().empty());
    moveTo(85, 100);
    click();
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
    moveTo(115, 100);
    click();
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

} // namespace
