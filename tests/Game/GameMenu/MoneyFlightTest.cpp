#include "Game/Game.h"
#include "Game/GameHarness.h"
#include "Game/GameKeys.h"
#include "Ui/NameFont.h"
#include "Ui/texts/FlyText.h"
#include "support/ImageFixtures.h"

#include <gtest/gtest.h>

namespace {

// Money flying by the purse in letters of some height.
class cMoneyFlightTest : public cGameTest {
protected:
    cMoneyFlightTest()
        : cGameTest({{"UI/FlyTextIncome.xml",
                      makeXml16("<FlyText Visible=\"1\" Enable=\"1\" Font=\"fonts/name.fnt\" Texture=\"fonts/name.png\" "
                                "Localized=\"0\" Speed=\"50\"><PositionPoints><Point position=\"0 100\" /><Point "
                                "position=\"0 0\" /></PositionPoints><AlphaPoints><Point alpha=\"1\" distance=\"0\" />"
                                "<Point alpha=\"0\" distance=\"1\" /></AlphaPoints></FlyText>")},
                     {"fonts/name.fnt", makeNameFont()},
                     {"fonts/name.png", makePng(makeImage(64, 64, [](UInt, UInt) { return 0xFFFFFFFFu; }))}},
                    cEngineHarness::eRenderer::recording)
    {
    }
};

// Money that comes before the last amount has flown its own height joins it; later money flies
// on its own, clear of the one before.
TEST_F(cMoneyFlightTest, MoneyComingCloseTogetherFliesAsOneAmount)
{
    key::Money() = 0;
    cGame::setMoney(100);
    cGame::setMoney(150);
    ASSERT_EQ(flyTexts().size(), 1u);
    cFlyText* first = flyTexts()[0];
    for (int frame = 0; frame < 500 && first->getTravelled() < first->getHeight(); ++frame)
        m_engine.frames(1);
    cGame::setMoney(170);
    ASSERT_EQ(flyTexts().size(), 2u);
    EXPECT_EQ(first->getString(), u"+150");
    EXPECT_EQ(flyTexts()[1]->getString(), u"+20");
}

} // namespace
