#include "ButtonHarness.h"

#include "Ui/AnimButton.h"
#include "Ui/Button.h"
#include "Ui/OverlayButton.h"
#include "engine/Resource.h"
#include "engine/ValueConvert.h"
#include "graphics/RenderType.h"

namespace {

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
            EXPECT_EQ(button->getPicture()->getName(), c.pictures[state]) << c.attributes << " in state " << state;
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
