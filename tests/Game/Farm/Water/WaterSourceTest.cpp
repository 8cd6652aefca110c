#include "Game/Farm/Water/WaterSource.h"
#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Water/Sprinkle.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Farm/FarmHarness.h"
#include "engine/text/TextConvert.h"

namespace {

// The water source of the shared game data: capacities 5, 8 and 10; levels 1 and 2 cost 300
// and 800; a sprinkle costs 100.
class cWaterSourceTest : public cGameTest {
protected:
    cWaterSourceTest()
    {
        std::string rows;
        for (int i = 0; i < 13; ++i)
            rows += "<I />";
        load("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\"><Costs>" + rows + "<I><Up0>0</Up0><Up1>300</Up1><Up2>800</Up2><Up3>1500</Up3></I></Costs></Game>");
    }
    cWaterSource& source() { return *cWaterSource::getInstance(); }
    // A new water source over what the profile now holds, as at the start of a game.
    void rebuild()
    {
        delete cWaterSource::getInstance();
        new cWaterSource(cFarm::getInstance()->getSlidingPicture());
    }
    void atLevel(Int _level)
    {
        key::upgradeLevel(33) = _level;
        source().updateUpgrade();
    }
    static Bool on(const cView* _view) { return _view->isVisible() && _view->isEffectivelyEnabled(); }
};

TEST_F(cWaterSourceTest, TheCanHoldsWhatTheLevelGivesAndALevelPastTheDataIsTheLast)
{
    // The game builds its buildings before its worker: a pump level still takes the can.
    delete cPerson::getInstance();
    const std::tuple<Int, Int, Float> table[] = {{0, 0, 5.0f}, {1, 1, 8.0f}, {2, 2, 10.0f}, {3, 2, 10.0f}};
    for (const auto& [level, kept, capacity] : table) {
        key::upgradeLevel(33) = level;
        key::PCarry() = 1;
        rebuild();
        EXPECT_EQ(source().getUpgrade(), kept) << level;
        EXPECT_EQ(source().getCapacity(), capacity) << level;
        EXPECT_EQ(key::PCarry(), level == 0 ? 1u : 0u) << level;
    }
}

TEST_F(cWaterSourceTest, AFourthLevelIsRefusedAtLoad)
{
    const std::string xml = "<WaterSource><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList><Upgrades><Up0 /><Up1 /><Up2 />"
                            "<Up3 WaterCapacity=\"99\" /></Upgrades></WaterSource>";
    const String error = thrownText([&] { load(xml, source()); });
    EXPECT_NE(error.find("Farm/ActionAreas/WaterSource.xml"), String::npos) << error;
    EXPECT_NE(error.find("Up3"), String::npos) << error;
}

TEST_F(cWaterSourceTest, UpgradingTakesTheCanFromTheWorker)
{
    key::upgradeAvail(cGame::WATER_SOURCE) = 2;
    key::Money() = 1000;
    key::PCarry() = 1;
    source().updateUpgrade();
    EXPECT_TRUE(source().showsNoInstrument());
    source().buyUpgrade();
    EXPECT_EQ(source().getUpgrade(), 1);
    EXPECT_EQ(cGame::getMoney(), 700);
    EXPECT_EQ(key::PCarry(), 0u);
    EXPECT_TRUE(cElasticAnimation::getInstance()->isFlying());
    EXPECT_EQ(cElasticAnimation::getInstance()->getFlightType(), cElasticAnimation::EA_WATER_CAN);
    EXPECT_TRUE(source().showsNoInstrument()) << "until the can has landed";
    m_engine.frames(200);
    EXPECT_FALSE(source().showsNoInstrument()) << "the can is home";
    key::PCarry() = 11;
    source().updateInstrumentView();
    EXPECT_TRUE(source().showsNoInstrument()) << "the worker has the hose";
}

TEST_F(cWaterSourceTest, TheUpgradeIsOfferedByMoneyAndAvailabilityAndHiddenAtTheTop)
{
    struct sOffer {
        Int level;
        UInt avail;
        Int money;
        Bool shown;
        Bool enabled;
        const char* cost;
    };
    const sOffer table[] = {
        {0, 0, 5000, false, false, nullptr}, {0, 1, 299, true, false, "300"}, {0, 1, 300, true, true, "300"},
        {1, 2, 800, true, true, "800"}, {2, 2, 5000, false, false, nullptr},
    };
    for (const sOffer& row : table) {
        key::upgradeAvail(cGame::WATER_SOURCE) = row.avail;
        key::Money() = row.money;
        atLevel(row.level);
        EXPECT_EQ(source().getUpgradeButton()->isOwnVisible(), row.shown) << row.level << "/" << row.money;
        EXPECT_EQ(source().getCostText()->isOwnVisible(), row.shown) << row.level << "/" << row.money;
        // A hidden button must not take the presses meant for what stands under it.
        EXPECT_EQ(source().getUpgradeButton()->isEnabled(), row.enabled) << row.level << "/" << row.money;
        if (row.cost) {
            EXPECT_EQ(source().getCostText()->getString(), toWString(row.cost));
        }
    }
    key::Money() = 5000;
    atLevel(2);
    source().buyUpgrade();
    EXPECT_EQ(cGame::getMoney(), 5000) << "no level past the data is sold";
}

TEST_F(cWaterSourceTest, TheSprinkleButtonCountsTheSprinklesBought)
{
    key::Money() = 1000;
    EXPECT_FALSE(source().getSprinkleButton()->isOwnVisible()) << "only the motor pump sells them";
    atLevel(2);
    for (UInt bought = 0; bought < 3; ++bought) {
        ASSERT_TRUE(source().getSprinkleButton()->isOwnVisible()) << bought;
        EXPECT_EQ(source().getSprinkleButton()->getAnimColumns(), bought + 1) << bought;
        EXPECT_TRUE(on(source().getSprinkleButton())) << bought;
        EXPECT_EQ(source().getSprinkleButton()->getDeep(), 20.0f);
        source().buySprinkle();
        EXPECT_TRUE(cFarm::s_sprinkleOnMouse) << bought;
        EXPECT_FALSE(on(source().getSprinkleButton())) << "off while a sprinkle hangs on the mouse";
        EXPECT_EQ(source().getSprinkleButton()->getDeep(), 5.0f) << "drawn beneath the sprinkle on the mouse";
        // Set down where it stands, and paid.
        key::SPExist[bought] = true;
        cFarm::s_sprinkleOnMouse = false;
        source().updateSprinkleButton();
    }
    EXPECT_FALSE(source().getSprinkleButton()->isOwnVisible()) << "a fourth is not sold";
    EXPECT_FALSE(source().getSprinkleButton()->isEnabled());
    EXPECT_FALSE(source().getSprinkleCostText()->isOwnVisible());
}

TEST_F(cWaterSourceTest, TheSprinkleButtonIsOffWithAPackageOnTheMouseOrTooLittleMoney)
{
    const std::tuple<Int, Bool, Bool> table[] = {{100, false, true}, {99, false, false}, {1000, true, false}};
    for (const auto& [money, package, enabled] : table) {
        key::Money() = money;
        cFarm::s_seedOnMouse = package;
        atLevel(2);
        EXPECT_EQ(on(source().getSprinkleButton()), enabled) << money << " " << package;
        EXPECT_EQ(source().getSprinkleCostText()->isEffectivelyEnabled(), enabled) << money << " " << package;
    }
    cFarm::s_seedOnMouse = false;
}

TEST_F(cWaterSourceTest, APressOnTheSprinkleButtonHandsASprinkleOnTheMouse)
{
    key::Money() = 500;
    atLevel(2);
    m_engine.moveTo(260, 150);
    m_engine.press(true);
    m_engine.press(false);
    m_engine.frame();
    EXPECT_TRUE(cFarm::s_sprinkleOnMouse);
    EXPECT_EQ(cFarm::getSprinkleCount(), 1u);
}

} // namespace
