#include "Game/Upgrade.h"

#include "Game/GameHarness.h"
#include "platform/headless/HeadlessSoundLibrary.h"

#include <string>
#include <vector>

namespace {

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
        loadLevels("<Building><Upgrades><Up0/><Up1/><Up2/><Up3/></Upgrades></Building>");
        m_engine.platform().getHeadlessSoundLibrary().clearCalls();
    }

    void loadLevels(const std::string& _element)
    {
        const std::string bytes = makeXml16(_element);
        cXML xml("building.xml", bytes.data(), ULong(bytes.size()));
        m_building.loadXML(&xml);
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

TEST_F(cUpgradeTest, LevelsStopAtTheFirstOneMissing)
{
    struct sCase {
        const char* upgrades;
        std::vector<UInt> loaded;
    };
    const sCase cases[] = {
        {"<Up0/><Up3/>", {0}},
        {"<Up0/><Up2/><Up3/>", {0}},
        {"<Up1/><Up0/><Up2/>", {0, 1, 2}},
        {"<Up0/><Up1/><Up2/><Up3/><Up4/>", {0, 1, 2, 3}},
    };
    for (const sCase& c : cases) {
        m_building.m_loaded.clear();
        loadLevels(std::string("<Building><Upgrades>") + c.upgrades + "</Upgrades></Building>");
        EXPECT_EQ(m_building.m_loaded, c.loaded) << c.upgrades;
        EXPECT_EQ(m_building.getLevelCount(), c.loaded.size()) << c.upgrades;
    }
}

} // namespace
