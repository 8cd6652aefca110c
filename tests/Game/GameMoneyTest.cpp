#include "GameHarness.h"

#include "Game/Manufacture/Manufacture.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "platform/headless/HeadlessSoundLibrary.h"

namespace {

// A selected building that counts how often its upgrade control is brought up to date.
class cCountingHouse : public cProductionHouse {
public:
    cCountingHouse() : cProductionHouse(cGame::MILL, 0, nullptr) {}
    void updateUpgrade() override { ++m_updates; }
    int m_updates = 0;
};

class cGameMoneyTest : public cGameTest {
protected:
    void expectFlies(std::vector<std::pair<UInt, std::u16string>> _expected)
    {
        const std::vector<cFlyText*> flies = flyTexts();
        ASSERT_EQ(flies.size(), _expected.size());
        for (size_t i = 0; i < flies.size(); ++i) {
            EXPECT_EQ(flies[i]->getTextColor(), _expected[i].first) << i;
            EXPECT_EQ(flies[i]->getString(), _expected[i].second) << i;
        }
    }
};

TEST_F(cGameMoneyTest, MoneyNeverGoesBelowZeroAndTheTrueChangeFlies)
{
    key::Money() = 30;
    cGame::setMoney(-50);
    EXPECT_EQ(cGame::getMoney(), 0);
    cGame::setMoney(120);
    expectFlies({{EXPENSE_COLOR, u"30"}, {INCOME_COLOR, u"120"}});
}

TEST_F(cGameMoneyTest, TheSameAmountFliesNothingButRefreshes)
{
    cCountingHouse house;
    cManufacture::getInstance()->selectDepot(&house, false);
    key::Money() = 40;
    cGame::setMoney(40);
    EXPECT_TRUE(flyTexts().empty());
    EXPECT_GT(house.m_updates, 0);
    EXPECT_EQ(cManufacture::getInstance()->getSelected(), &house) << "the selection is renewed, not lost";
    cManufacture::getInstance()->selectDepot(nullptr, false);
}

TEST_F(cGameMoneyTest, ASoldProductFliesWithItsIconAndAnUnknownOneDoesNot)
{
    m_game->startFlyProduct(19);
    EXPECT_TRUE(flyTexts().empty());
    m_game->startFlyProduct(3);
    expectFlies({{PRODUCT_COLOR, u"1"}});
}

TEST_F(cGameMoneyTest, EarningsWithinOneMinuteWinTheAward)
{
    struct sCase {
        Float secondTime;
        bool won;
    };
    for (const sCase& c : {sCase{65.0f, true}, sCase{71.0f, false}}) {
        key::awEarn() = false;
        cGame::endGame();
        cGame::startGame();
        m_game = cGame::getInstance();
        m_game->addEarnedFromMarket(600, 10.0f);
        m_game->addEarnedFromMarket(500, c.secondTime);
        EXPECT_EQ(key::awEarn(), c.won) << c.secondTime;
        EXPECT_EQ(m_game->getEarnedSum(), c.won ? 1100u : 500u);
        EXPECT_FLOAT_EQ(m_game->getEarnedWindowStart(), c.secondTime - 60.0f);
    }
}

TEST_F(cGameMoneyTest, CheatsGiveMoneyUpgradesAndSeeds)
{
    cGame::cheatAddMoney();
    EXPECT_EQ(cGame::getMoney(), 1000);
    expectFlies({{INCOME_COLOR, u"1000"}});
    key::Money() = 2147483000;
    cGame::cheatAddMoney();
    EXPECT_EQ(cGame::getMoney(), 2147483647) << "the purse stops at the top";
    cGame::cheatAddUpgrades();
    for (UInt item = 0; item < cGame::UPGRADE_ITEM_COUNT; ++item)
        EXPECT_EQ(key::upgradeAvail(item), item == cGame::WATER_SOURCE ? 2u : 3u) << item;
    cGame::cheatAddSeeds();
    for (UInt crop = 0; crop < cGame::CULTIVATION_COUNT; ++crop)
        EXPECT_EQ(key::SeedAvail[crop], 1u) << crop;
}

TEST_F(cGameMoneyTest, AnUpgradeSoundCutsThePreviousOne)
{
    auto& sound = m_engine.platform().getHeadlessSoundLibrary();
    sound.clearCalls();
    m_game->playUpgradeSound();
    m_game->playUpgradeSound();
    EXPECT_EQ(sound.countCalls("play"), 2);
    EXPECT_EQ(sound.countCalls("stopChannel"), 1);
}

} // namespace
