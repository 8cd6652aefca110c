#include "TextHarness.h"

#include "Ui/TextButton.h"

namespace {

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
    static std::vector<Float> letterYs(const cText& _text)
    {
        std::vector<Float> ys;
        for (const cLetter* letter : _text.getLetters())
            ys.push_back(letter->getPosition().y);
        return ys;
    }
};

TEST_F(TextButtonLabel, LettersSpreadWhileHoveredWithoutOvershootAndGatherOnPress)
{
    auto button = makeButton();
    cTextButton::cBtnText& label = *button->getText();
    button->setState(BS_HOVERED);
    frame(0.07f);
    EXPECT_EQ(letterYs(label), (std::vector<Float>{107, 93, 107}));
    frame(0.07f);
    EXPECT_EQ(letterYs(label), (std::vector<Float>{110, 90, 110})) << "the last step lands on the target";
    frame(0.07f);
    EXPECT_FALSE(label.isMoving()) << "one frame after the letters arrive";
    button->setState(BS_PRESSED);
    frame(0.07f);
    frame(0.07f);
    EXPECT_EQ(letterYs(label), (std::vector<Float>{100, 100, 100}));
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

} // namespace
