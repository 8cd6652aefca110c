#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/GameRandom.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "Game/Market/Market.h"
#include "Game/Upgrade.h"
#include "GameHarness.h"
#include "platform/headless/HeadlessSoundLibrary.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// A selected building that counts how often its upgrade control is brought up to date.
class cCountingHouse : public cProductionHouse {
public:
    cCountingHouse() : cProductionHouse(cGame::MILL, 0, nullptr) {}
    void updateUpgrade() override { ++m_updates; }
    int m_updates = 0;
};

// A farm building standing in for the game's own, noting each time its upgrade is refreshed.
template <class T>
class cNotedBuilding : public T {
public:
    cNotedBuilding(std::vector<std::string>& _log, std::string _name) : T(nullptr), m_log(_log), m_name(std::move(_name)) {}
    void updateUpgrade() override
    {
        T::updateUpgrade();
        m_log.push_back(m_name);
    }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

template <class T>
void noteBuilding(std::vector<std::string>& _log, const char* _name,
                  std::vector<std::unique_ptr<cView>>& _buildings)
{
    delete T::getInstance();
    _buildings.emplace_back(new cNotedBuilding<T>(_log, _name));
}

class cGameMoneyTest : public cGameTest {
protected:
    // The game clock goes back from 0:02:00 to 0:01:00: a minute of play may hold a loop.
    cGameMoneyTest()
        : cGameTest({{"Gameplay/Gameplay.xml",
              makeXml16("<Gameplay><Events><E Type=\"9\" Time=\"0:01:00\" /><E Type=\"4\" Time=\"0:02:00\" /></Events></Gameplay>")}})
    {
    }
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

// The same amount again flies nothing but refreshes.
TEST_F(cGameMoneyTest, MoneyNeverGoesBelowZeroAndOnlyTheTrueChangeFlies)
{
    cCountingHouse house;
    cManufacture::getInstance()->selectDepot(&house, false);
    key::Money() = 30;
    cGame::setMoney(-50);
    EXPECT_EQ(cGame::getMoney(), 0);
    cGame::setMoney(120);
    house.m_updates = 0;
    cGame::setMoney(120);
    expectFlies({{EXPENSE_COLOR, u"-30"}, {INCOME_COLOR, u"+120"}});
    EXPECT_GT(house.m_updates, 0);
    EXPECT_EQ(cManufacture::getInstance()->getSelected(), &house) << "the selection is renewed, not lost";
    cManufacture::getInstance()->selectDepot(nullptr, false);
}

// Every upgrade control is refreshed first; then the four farm buildings follow the money again.
TEST_F(cGameMoneyTest, MoneyRefreshesTheFarmBuildingsUpgradesInTheirOrder)
{
    std::vector<std::string> log;
    std::vector<std::unique_ptr<cView>> buildings;
    noteBuilding<cMowBuilding>(log, "mow", buildings);
    noteBuilding<cWareHouse>(log, "warehouse", buildings);
    noteBuilding<cWaterSource>(log, "water", buildings);
    noteBuilding<cDigBuilding>(log, "dig", buildings);
    log.clear();
    cGame::setMoney(75);
    EXPECT_EQ(log, (std::vector<std::string>{"mow", "warehouse", "water", "dig", "dig", "mow", "warehouse", "water"}));
}

// The goods rise from the stall on the market's screen while the player sees it: sold with the
// farm shown, nothing flies; the goods still rising when the market leaves end with it.
TEST_F(cGameMoneyTest, ASoldProductFliesWithItsIconOnlyOnTheMarketShownAndAnUnknownOneNever)
{
    const cView* stall = cMarket::getInstance()->getContent();
    m_game->startFlyProduct(3);
    EXPECT_TRUE(flyTexts(stall).empty()) << "the farm is shown";
    cGameMenu::getInstance()->gotoMarket();
    m_engine.frames(40);
    ASSERT_TRUE(stall->isVisible());
    m_game->startFlyProduct(19);
    EXPECT_TRUE(flyTexts(stall).empty());
    m_game->startFlyProduct(3);
    EXPECT_TRUE(flyTexts().empty());
    const std::vector<cFlyText*> flies = flyTexts(stall);
    ASSERT_EQ(flies.size(), 1u);
    EXPECT_EQ(flies[0]->getTextColor(), PRODUCT_COLOR);
    EXPECT_EQ(flies[0]->getString(), u"1");
    EXPECT_TRUE(flies[0]->isVisible());
    cGameMenu::getInstance()->gotoFarm();
    m_engine.frames(40);
    EXPECT_TRUE(flyTexts(stall).empty()) << "the goods in the air when the market left";
}

// Sales by their own times; then the market selling ten times a second (at most) through the
// time-line's loops, after some play without sales: only a minute of play that earned a thousand wins.
TEST_F(cGameMoneyTest, EarningsWithinOneMinuteWinTheAward)
{
    struct sCase {
        const char* what;
        std::vector<std::pair<UInt, Float>> sales;
        Float clock = 0, idle = 0, selling = 0;
        UInt price = 0;
        bool won = false;
        // What the window holds after sales by their own times.
        UInt earned = 0;
    };
    const sCase cases[] = {{"600 at 10 s, 500 at 65 s", {{600, 10.0f}, {500, 65.0f}}, 0, 0, 0, 0, true, 1100},
        {"600 at 10 s, 500 at 71 s", {{600, 10.0f}, {500, 71.0f}}, 0, 0, 0, 0, false, 500},
        {"a coin a tenth of a second through three loops", {}, 100, 0, 200, 1, false},
        {"three coins a tenth of a second before a loop", {}, 0, 0, 59, 3, true},
        {"three coins a tenth of a second after three loops", {}, 100, 130, 59, 3, true}};
    for (const sCase& c : cases) {
        // An award presented holds the game.
        key::awEarn() = key::Award[6] = false;
        key::GameTime() = c.clock;
        cGame::endGame();
        cGame::startGame();
        m_game = cGame::getInstance();
        for (const auto& [coins, at] : c.sales)
            m_game->addEarnedFromMarket(coins, at);
        if (!c.sales.empty()) {
            EXPECT_EQ(m_game->getEarnedSum(), c.earned) << c.what;
            EXPECT_FLOAT_EQ(m_game->getEarnedWindowStart(), c.sales.back().second - 60.0f) << c.what;
        }
        load("<Game><ProductionInfo><P MaxSellFrequency=\"10\" PriceRadius=\"10\" /></ProductionInfo></Game>");
        key::MEffPrice[0] = 100;
        cMarket::getInstance()->setPlayerPriceOfKind(0, c.price);
        m_engine.frames(int(c.idle * 50));
        cMarket::getInstance()->setQtyOfKind(0, c.price ? 100000 : 0);
        m_engine.frames(int(c.selling * 50));
        cMarket::getInstance()->setQtyOfKind(0, 0);
        EXPECT_EQ(key::awEarn(), c.won) << c.what;
        EXPECT_LT(key::GameTime(), 120.0f) << c.what << ": the clock loops";
    }
}

TEST_F(cGameMoneyTest, CheatsGiveMoneyUpgradesAndSeeds)
{
    cGame::cheatAddMoney();
    EXPECT_EQ(cGame::getMoney(), 1000);
    expectFlies({{INCOME_COLOR, u"+1000"}});
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

// A cost row sets only the levels it names, and a load without a part keeps what the table held.
TEST_F(cGameTest, ALoadSetsOnlyWhatItNames)
{
    load("<Game><Costs><Item><Up0>100</Up0><Up1>200</Up1></Item>"
         "<Item><Up0>7</Up0><Up1>8</Up1><Up2>9</Up2><Up3>10</Up3><Up4>11</Up4></Item></Costs>"
         "<Seeds><Seed Price=\"5\" /></Seeds></Game>");
    load("<Game><UpgradeStrings><s string=\"one\" /></UpgradeStrings></Game>");
    const UInt expected[2][4] = {{100, 200, 0, 0}, {7, 8, 9, 10}};
    for (UInt item = 0; item < 2; ++item)
        for (UInt level = 0; level < 4; ++level)
            EXPECT_EQ(m_game->getUpgradeCost(cGame::eUpgradeItem(item), level), expected[item][level]) << item << level;
    EXPECT_EQ(m_game->getSeedsInfo(cGame::GRASS)->Price, 5u);
    EXPECT_EQ(m_game->getUpgradeString(0), u"one");
}

TEST_F(cGameTest, ProductsAndSeedsAreReadInOrderAndExtraOnesIgnored)
{
    std::string products, seeds, strings;
    for (int i = 0; i < 21; ++i) {
        const std::string n = std::to_string(i);
        products += "<P CreationTime=\"" + n + ".5\" DieTime=\"" + n + "\" MaxSellFrequency=\"0.25\" PriceRadius=\"" + n +
                    "\" GoodAttPriceRadius=\"-" + n + "\" />";
        seeds += "<S Price=\"" + n + "\" />";
        strings += "<U string=\"s" + n + "\" />";
    }
    load("<Game><ProductionInfo>" + products + "</ProductionInfo><Seeds>" + seeds + "</Seeds><UpgradeStrings>" +
         strings + "</UpgradeStrings></Game>");
    const cGame::sProdInfo* good = m_game->getGoodInfo(3);
    ASSERT_TRUE(good);
    EXPECT_EQ(good, m_game->getProdInfo(11));
    EXPECT_FLOAT_EQ(good->CreationTime, 11.5f);
    EXPECT_FLOAT_EQ(good->DieTime, 11.0f);
    EXPECT_FLOAT_EQ(good->MaxSellFrequency, 0.25f);
    EXPECT_EQ(good->PriceRadius, 11);
    EXPECT_EQ(good->GoodAttPriceRadius, -11);
    EXPECT_EQ(m_game->getCultivationInfo(cGame::WHEAT), m_game->getProdInfo(7));
    EXPECT_EQ(m_game->getSeedsInfo(cGame::WHEAT)->Price, 7u);
    EXPECT_EQ(m_game->getUpgradeString(4), u"s4");
    EXPECT_EQ(m_game->getUpgradeString(5), u"");
}

TEST_F(cGameTest, LookupsOutsideTheTablesAnswerNone)
{
    EXPECT_FALSE(m_game->getProdInfo(19));
    EXPECT_FALSE(m_game->getCultivationInfo(cGame::eCultivationType(8)));
    EXPECT_FALSE(m_game->getGoodInfo(-1));
    EXPECT_FALSE(m_game->getGoodInfo(11));
    EXPECT_FALSE(m_game->getSeedsInfo(cGame::eCultivationType(8)));
    EXPECT_TRUE(m_game->getGoodInfo(10));
    EXPECT_EQ(cGame::getStaticProductTag(18), u"Кексы");
    EXPECT_EQ(cGame::getStaticProductTag(19), u"");
    EXPECT_EQ(getAwardKey(20), "Award21CollectAllAwards");
    EXPECT_EQ(getAwardKey(21), "");
}

TEST_F(cGameTest, UpgradeCostRefusesLevelFirstThenItem)
{
    struct sCase {
        UInt item, level;
        const char* error;
    };
    const sCase cases[] = {{15, 4, "bad level"}, {0, 4, "bad level"}, {15, 0, "bad upgrade item"},
        // An item made from a negative number must not read before the table.
        {UInt(-1), 0, "bad upgrade item"}, {14, 3, "no error"}};
    for (const sCase& c : cases)
        EXPECT_EQ(thrownText([&] { m_game->getUpgradeCost(cGame::eUpgradeItem(c.item), c.level); }, true), c.error)
            << c.item << ", " << c.level;
}

std::vector<UInt> draw(int _count)
{
    std::vector<UInt> values;
    for (int i = 0; i < _count; ++i)
        values.push_back(gameRand());
    return values;
}

TEST(GameRandom, TheBuiltInSequenceStaysInRangeAndStartsAgainWhenPutBack)
{
    setRandomSource(nullptr);
    const std::vector<UInt> first = draw(1000);
    for (UInt value : first)
        EXPECT_LE(value, GAME_RAND_MAX);
    EXPECT_NE(first[0], first[1]);
    setRandomSource(nullptr);
    EXPECT_EQ(draw(1000), first);
}

TEST(GameRandom, ATestSourceIsHeldToTheContract)
{
    static UInt s_next = 0;
    setRandomSource([] { return s_next; });
    s_next = 12;
    EXPECT_EQ(gameRand(), 12u);
    s_next = 40000;
    EXPECT_EQ(gameRand(), GAME_RAND_MAX);
    setRandomSource(nullptr);
}

constexpr UInt DIG_INDEX = 34;

// A building whose levels are plain records.
class cLevelledBuilding : public cUpgrade {
public:
    cLevelledBuilding() : cUpgrade(cGame::DIG_BUILDING, DIG_INDEX) {}
    ~cLevelledBuilding() noexcept override = default;
    void updateUpgrade() override { ++m_updates; }
    void loadUpgrade(UInt _level, iXML* /*_xml*/) override { m_loaded.push_back(_level); }

    int m_updates = 0;
    std::vector<UInt> m_loaded;
};

class cUpgradeTest : public cGameTest {
protected:
    cUpgradeTest()
    {
        // The dig building's row is the fifteenth: 100, 200, 300, 400.
        std::string costs = "<Game><Costs>";
        for (UInt item = 0; item < cGame::UPGRADE_ITEM_COUNT; ++item)
            costs += "<Item><Up0>100</Up0><Up1>200</Up1><Up2>300</Up2><Up3>400</Up3></Item>";
        load(costs + "</Costs></Game>");
        load("<Building><Upgrades><Up0/><Up1/><Up2/><Up3/></Upgrades></Building>", m_building);
        m_engine.platform().getHeadlessSoundLibrary().clearCalls();
    }

    int sounds() { return m_engine.platform().getHeadlessSoundLibrary().countCalls("play"); }

    cLevelledBuilding m_building;
};

// Past the last level lands on the last; the same level, or a building without levels, only
// refreshes; every call refreshes once.
TEST_F(cUpgradeTest, SettingALevelClampsAndSoundsOnlyAChange)
{
    cLevelledBuilding bare;
    const struct {
        cLevelledBuilding* building;
        Int from;
        UInt to;
        Int level;
        int sounds;
    } cases[] = {{&m_building, 0, 7, 3, 1}, {&m_building, 2, 2, 2, 0}, {&bare, 1, 3, 1, 0}};
    for (const auto& c : cases) {
        key::upgradeLevel(DIG_INDEX) = c.from;
        c.building->m_updates = 0;
        m_engine.platform().getHeadlessSoundLibrary().clearCalls();
        c.building->setUpgrade(c.to, true);
        EXPECT_EQ(key::upgradeLevel(DIG_INDEX), c.level) << c.from << " to " << c.to;
        EXPECT_EQ(sounds(), c.sounds) << c.from << " to " << c.to;
        EXPECT_EQ(c.building->m_updates, 1) << c.from << " to " << c.to;
    }
}

TEST_F(cUpgradeTest, TheNextLevelMustBeAffordableAndOnSaleWhereAsked)
{
    struct sCase {
        Int money;
        Int level;
        UInt onSale;
        Bool checkMoney;
        Bool checkSale;
        Bool can;
    };
    const sCase cases[] = {
        {200, 0, 0, true, false, true}, {199, 0, 0, true, false, false}, {300, 1, 0, true, false, true},
        {0, 0, 0, false, true, false},  {0, 0, 1, false, true, true},    {0, 0, 0, false, false, true},
    };
    for (const sCase& c : cases) {
        key::Money() = c.money;
        key::upgradeLevel(DIG_INDEX) = c.level;
        key::upgradeAvail(cGame::DIG_BUILDING) = c.onSale;
        EXPECT_EQ(m_building.canUpgrade(c.checkMoney, c.checkSale), c.can) << c.money << " at level " << c.level;
    }
}

// Only as many levels are looked for as there are children; a missing one is passed over.
TEST_F(cUpgradeTest, AMissingLevelIsPassedOver)
{
    struct sCase {
        const char* upgrades;
        std::vector<UInt> loaded;
    };
    const sCase cases[] = {
        {"<Up0/><Up3/>", {0}},
        {"<Up0/><Up2/><Up3/>", {0, 2}},
        {"<Up1/><Up3/><x/><Up2/>", {1, 2, 3}},
        {"<Up1/><Up0/><Up2/>", {0, 1, 2}},
        {"<Up0/><Up1/><Up2/><Up3/><Up4/>", {0, 1, 2, 3}},
    };
    for (const sCase& c : cases) {
        m_building.m_loaded.clear();
        load(std::string("<Building><Upgrades>") + c.upgrades + "</Upgrades></Building>", m_building);
        EXPECT_EQ(m_building.m_loaded, c.loaded) << c.upgrades;
        EXPECT_EQ(m_building.getLevelCount(), c.loaded.size()) << c.upgrades;
    }
}

} // namespace
