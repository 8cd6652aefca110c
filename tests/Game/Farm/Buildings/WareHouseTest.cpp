#include "Game/GameHarness.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameMenu/GameMenu.h"
#include "Ui/boxes/ProgressFloat.h"

namespace {

class cWareHouseTest : public cGameTest {
protected:
    cWareHouse& warehouse() { return *cWareHouse::getInstance(); }
    // A new warehouse over what the profile now holds, as at the start of a game.
    void rebuild()
    {
        delete cWareHouse::getInstance();
        new cWareHouse(cFarm::getInstance()->getSlidingPicture());
    }
    void store(UInt _type, UInt _count)
    {
        key::WGoodCount[_type] = _count;
        rebuild();
    }
};

struct sMove {
    UInt stored;
    UInt asked;
    UInt moved;
    UInt after;
};

TEST_F(cWareHouseTest, AddingStoresOnlyWhatFits)
{
    // Level 0 holds 30.
    for (const sMove& move : {sMove{28, 5, 2, 30}, sMove{0, 5, 5, 5}, sMove{30, 1, 0, 30}, sMove{10, 0, 0, 10}}) {
        store(4, move.stored);
        EXPECT_EQ(warehouse().addGoods(4, move.asked, true, false), move.moved) << move.stored << "+" << move.asked;
        EXPECT_EQ(warehouse().getGoodCount(4), move.after);
        EXPECT_EQ(warehouse().getFreeSpace(), 30 - move.after);
        if (move.moved) {
            EXPECT_EQ(cGameMenu::getInstance()->getWareLoading()->getValue(), move.after * 100.0f / 30.0f) << "the gauge";
        }
    }
    EXPECT_EQ(warehouse().getLoadingPercent(), 100.0f / 3.0f);
}

TEST_F(cWareHouseTest, RemovingTakesOnlyWhatIsThere)
{
    for (const sMove& move : {sMove{3, 10, 3, 0}, sMove{12, 5, 5, 7}, sMove{0, 4, 0, 0}}) {
        store(9, move.stored);
        EXPECT_EQ(warehouse().removeGoods(9, move.asked, false, false), move.moved) << move.stored << "-" << move.asked;
        EXPECT_EQ(warehouse().getGoodCount(9), move.after);
        EXPECT_EQ(warehouse().getTotal(), move.after);
    }
}

TEST_F(cWareHouseTest, NothingMovedRefreshesNothing)
{
    store(1, 15);
    // The level changes behind the warehouse's back: only a refresh shows the new fill.
    key::upgradeLevel(32) = 1;
    warehouse().removeGoods(5, 4, true, false);
    warehouse().addGoods(1, 0, true, false);
    warehouse().addGoods(19, 2, true, false);
    EXPECT_EQ(warehouse().getLoadingPercent(), 50.0f);
    warehouse().addGoods(1, 1, true, false);
    EXPECT_EQ(warehouse().getLoadingPercent(), 16.0f * 100.0f / 60.0f);
}

TEST_F(cWareHouseTest, KindsPastTheLastAreIgnored)
{
    for (UInt type : {19u, 20u, 0xFFFFFFFFu}) {
        EXPECT_EQ(warehouse().addGoods(type, 3, true, false), 0u) << type;
        EXPECT_EQ(warehouse().removeGoods(type, 3, true, false), 0u) << type;
        EXPECT_EQ(warehouse().getGoodCount(type), 0u) << type;
    }
    EXPECT_EQ(warehouse().getTotal(), 0u);
}

TEST_F(cWareHouseTest, TheTotalIsCountedFromTheProfileAtTheStart)
{
    key::WGoodCount[0] = 4;
    key::WGoodCount[18] = 6;
    store(7, 5);
    EXPECT_EQ(warehouse().getTotal(), 15u);
    EXPECT_EQ(warehouse().getFreeSpace(), 15u);
}

TEST_F(cWareHouseTest, AnUpgradeRaisesTheRoomAndKeepsTheStock)
{
    store(3, 24);
    key::upgradeAvail(12) = 3;
    for (const auto& [level, capacity] : {std::pair{1u, 60u}, {3u, 160u}, {7u, 160u}}) {
        warehouse().setUpgrade(level, false);
        EXPECT_EQ(warehouse().getCapacity(), capacity) << level;
        EXPECT_EQ(warehouse().getGoodCount(3), 24u);
        EXPECT_EQ(warehouse().getLoadingPercent(), 24.0f * 100.0f / Float(capacity));
    }
}

TEST_F(cWareHouseTest, AStockAboveTheRoomTakesNothingMore)
{
    // An edited profile: more than level 0 holds.
    store(6, 45);
    EXPECT_EQ(warehouse().getFreeSpace(), 0u);
    EXPECT_EQ(warehouse().addGoods(6, 10, true, false), 0u);
    EXPECT_EQ(warehouse().getGoodCount(6), 45u);
    EXPECT_EQ(warehouse().getLoadingPercent(), 150.0f);
    EXPECT_EQ(cGameMenu::getInstance()->getWareLoading()->getValue(), 100.0f);
    EXPECT_EQ(warehouse().removeGoods(6, 20, true, false), 20u);
    EXPECT_EQ(warehouse().getFreeSpace(), 5u);
}

TEST_F(cWareHouseTest, TheInvestmentCountsTheLevelsBelowTheCurrentOne)
{
    load("<Game><Costs><Item /><Item /><Item /><Item /><Item /><Item /><Item /><Item /><Item /><Item /><Item /><Item />"
         "<Item><Up0>0</Up0><Up1>250</Up1><Up2>600</Up2><Up3>1200</Up3></Item></Costs></Game>");
    for (const auto& [level, cost] : {std::pair{0, 0}, {1, 0}, {2, 250}, {3, 850}}) {
        key::upgradeLevel(32) = level;
        EXPECT_EQ(warehouse().getUpgradesCost(), cost) << level;
    }
}

TEST_F(cWareHouseTest, ALevelWithoutRoomOrNoFirstLevelIsRefused)
{
    const std::pair<const char*, const char*> cases[] = {
        {"<Up0 ProductionNum=\"30\" /><Up1 ProductionNum=\"0\" />", "Farm/ActionAreas/Warehouse.xml: warehouse level Up1 has no ProductionNum."},
        {"<Up0 />", "Farm/ActionAreas/Warehouse.xml: warehouse level Up0 has no ProductionNum."},
        {"<Up1 ProductionNum=\"30\" />", "Farm/ActionAreas/Warehouse.xml: the warehouse has no level Up0."},
        {"", "Farm/ActionAreas/Warehouse.xml: the warehouse has no level Up0."}};
    for (const auto& [levels, error] : cases)
        EXPECT_EQ(thrownText([&] { load("<Warehouse><Upgrades>" + std::string(levels) + "</Upgrades></Warehouse>", warehouse()); }, true), error)
            << levels;
}

} // namespace
