#include "Game/GameKeys.h"
#include "Game/Awards/Award.h"
#include "Game/Awards/AwardButton.h"
#include "Game/Awards/AwardFiles.h"
#include "Game/Awards/AwardManager.h"
#include "Game/Awards/AwardPanel.h"
#include "Game/Awards/AwardTip.h"
#include "Game/Awards/Awards.h"
#include "engine/files/XML.h"
#include "engine/progress/GameVariables.h"
#include "Ui/NameFont.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/texts/Text.h"
#include "support/EngineHarness.h"

#include <gtest/gtest.h>

namespace {

int s_leaves = 0;

tDataFiles withNameFont(tDataFiles _files)
{
    _files.push_back({"fonts/name.fnt", makeNameFont()});
    _files.push_back({"fonts/name.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))});
    return _files;
}

// The awards screen over the headless engine, on a fresh set of game variables.
class AwardScreens : public ::testing::Test {
protected:
    explicit AwardScreens(unsigned _awards = 21)
        : m_engine(cEngineHarness::DEFAULT_SETTINGS, withNameFont(awardFiles(_awards)), cEngineHarness::eRenderer::recording)
    {
        clearProperties();
        key::storeDefaults();
        s_leaves = 0;
    }
    ~AwardScreens() override
    {
        delete cAwards::getInstance();
        m_engine.frames(2);
        clearProperties();
    }
    cAwards& wall()
    {
        cAwards* awards = new cAwards(nullptr);
        awards->setLeaveCallback([] { ++s_leaves; });
        return *awards;
    }
    static Bool lit(cAwardButton& _button)
    {
        return _button.getPicture() == _button.getNormalLook().getPicture() &&
               (_button.getRenderType() & cAward::SCALED_RENDER) != 0;
    }

    cEngineHarness m_engine;
};

TEST_F(AwardScreens, ButtonsAreLitForTheAwardsShownToThePlayer)
{
    key::awardShow[2] = true;
    key::awardShow[20] = true;
    cAwards& screen = wall();
    for (UInt i = 0; i < AWARD_COUNT; ++i) {
        EXPECT_EQ(screen.getButton(i)->isObtained(), i == 2 || i == 20) << i;
        EXPECT_EQ(lit(*screen.getButton(i)), i == 2 || i == 20) << i;
    }
    EXPECT_NE(screen.getButton(3)->getSecondLook().getPicture(), screen.getButton(3)->getNormalLook().getPicture());
    screen.showAward(3);
    EXPECT_TRUE(lit(*screen.getButton(3)));
}

// Each button's tip holds its description and shows only while pointed at.
TEST_F(AwardScreens, PointingAtAnAwardNotObtainedShowsTheTipWithoutSwelling)
{
    cAwards& screen = wall();
    EXPECT_EQ(screen.getDescription(4), u"about 4");
    screen.show();
    screen.enable();
    cAwardButton& button = *screen.getButton(1);
    EXPECT_FALSE(button.getTip()->isOwnVisible());
    button.hovered();
    EXPECT_TRUE(button.getTip()->isOwnVisible());
    EXPECT_FLOAT_EQ(button.getTip()->getFadeDirection(), 1.0f);
    EXPECT_FALSE(button.getAward()->isOwnVisible());
    button.unhovered();
    EXPECT_FLOAT_EQ(button.getTip()->getFadeDirection(), -1.0f);
}

TEST_F(AwardScreens, PointingAtAnObtainedAwardSwellsItsPictureOnTheButton)
{
    key::awardShow[1] = true;
    cAwards& screen = wall();
    screen.show();
    screen.enable();
    cAwardButton& button = *screen.getButton(1);
    button.hovered();
    EXPECT_TRUE(button.getAward()->isOwnVisible());
    EXPECT_EQ(button.getAward()->getState(), cAward::SWELLING);
    EXPECT_EQ(button.getAward()->getPosition(), button.getPosition());
    EXPECT_FALSE(lit(button)) << "the swelling picture stands in for the button";
    m_engine.frames(10);
    button.unhovered();
    EXPECT_EQ(button.getAward()->getState(), cAward::SHRINKING);
    m_engine.frames(40);
    EXPECT_FALSE(button.getAward()->isOwnVisible());
    EXPECT_TRUE(lit(button));
}

TEST_F(AwardScreens, ReturnLeavesOnceHoweverOftenItIsClicked)
{
    wall().show();
    cAwards::onReturn(nullptr);
    cAwards::onReturn(nullptr);
    EXPECT_EQ(s_leaves, 1);
    m_engine.frames(30);
}

struct sPanelWords {
    const char* praiseWidth;
    std::vector<std::u16string> praise;
    std::vector<Float> praiseAt;
    Float wordsAt;
};

// The praise "well done 0" in letters 4 wide and 64 high and spaces 4 wide, in a box reaching
// down from 270, over the words "won 0" in a box reaching down to 380: wider than its box, the
// praise breaks into lines of like length, 20 apart; the praise and the words stand 10 apart,
// the pair in the middle of the room.
TEST_F(AwardScreens, ThePanelsWordsBreakEvenlyAndStandTogetherInTheMiddleOfTheirRoom)
{
    cAward award(nullptr, cAwardManager::eAwardType(0));
    for (const sPanelWords& c : {sPanelWords{"40", {u"well", u"done 0"}, {278, 298}, 372},
                                 sPanelWords{"200", {u"well done 0"}, {288}, 362}}) {
        cAwardPanel panel(&award, nullptr);
        const std::string font = "Font=\"fonts/name.fnt\" Texture=\"fonts/name.png\" SpaceWidth=\"4\" Localized=\"0\" "
                                 "WrapText=\"1\" Interlinear=\"20\" VerticalAlign=\"0\"";
        const std::string xml = makeXml16("<AwardPanel TextGap=\"10\"><CongratulationText " + font +
                                          " position=\"400 300\" size=\"" + c.praiseWidth + " 60\" /><Text " + font +
                                          " position=\"400 360\" size=\"200 40\" /></AwardPanel>");
        cXML file("AwardPanel.xml", xml.data(), ULong(xml.size()));
        panel.loadXML(&file);
        std::vector<std::u16string> praise;
        std::vector<Float> praiseAt;
        for (cText* line : panel.getCongratulationText()->getLines()) {
            praise.push_back(line->getString());
            praiseAt.push_back(line->getPosition().y);
        }
        EXPECT_EQ(praise, c.praise) << c.praiseWidth;
        EXPECT_EQ(praiseAt, c.praiseAt) << c.praiseWidth;
        ASSERT_EQ(panel.getText()->getLines().size(), 1u) << c.praiseWidth;
        EXPECT_EQ(panel.getText()->getLines().front()->getPosition().y, c.wordsAt) << c.praiseWidth;
    }
}

class AwardScreensOfAFewAwards : public AwardScreens {
protected:
    AwardScreensOfAFewAwards() : AwardScreens(3) {}
};

TEST_F(AwardScreensOfAFewAwards, AwardsTheFileLacksStayEmpty)
{
    cAwards& screen = wall();
    EXPECT_EQ(screen.getDescription(2), u"about 2");
    EXPECT_TRUE(screen.getDescription(3).empty());
    EXPECT_TRUE(screen.getButton(2)->isOwnVisible());
    EXPECT_FALSE(screen.getButton(3)->isOwnVisible());
    EXPECT_TRUE(screen.getButton(20)->getAward()->getPanelText().empty());
}

} // namespace
