#include "Game/GameRandom.h"
#include "GameHarness.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using cGameTablesTest = cGameTest;

TEST_F(cGameTablesTest, CostRowsSetOnlyTheLevelsTheyName)
{
    load("<Game><Costs><Item><Up0>100</Up0><Up1>200</Up1></Item>"
         "<Item><Up0>7</Up0><Up1>8</Up1><Up2>9</Up2><Up3>10</Up3><Up4>11</Up4></Item></Costs></Game>");
    const UInt expected[2][4] = {{100, 200, 0, 0}, {7, 8, 9, 10}};
    for (UInt item = 0; item < 2; ++item)
        for (UInt level = 0; level < 4; ++level)
            EXPECT_EQ(m_game->getUpgradeCost(cGame::eUpgradeItem(item), level), expected[item][level]) << item << level;
}

TEST_F(cGameTablesTest, AMissingPartKeepsWhatTheTableHeld)
{
    load("<Game><Costs><Item><Up0>100</Up0></Item></Costs><Seeds><Seed Price=\"5\" /></Seeds></Game>");
    load("<Game><UpgradeStrings><s string=\"one\" /></UpgradeStrings></Game>");
    EXPECT_EQ(m_game->getUpgradeCost(cGame::SHEEP_FOLD, 0), 100u);
    EXPECT_EQ(m_game->getSeedsInfo(cGame::GRASS)->Price, 5u);
    EXPECT_EQ(m_game->getUpgradeString(0), u"one");
}

TEST_F(cGameTablesTest, ProductsAndSeedsAreReadInOrderAndExtraOnesIgnored)
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

TEST_F(cGameTablesTest, LookupsOutsideTheTablesAnswerNone)
{
    EXPECT_FALSE(m_game->getProdInfo(19));
    EXPECT_FALSE(m_game->getCultivationInfo(cGame::eCultivationType(8)));
    EXPECT_FALSE(m_game->getGoodInfo(-1));
    EXPECT_FALSE(m_game->getGoodInfo(11));
    EXPECT_FALSE(m_game->getSeedsInfo(cGame::eCultivationType(8)));
    EXPECT_TRUE(m_game->getGoodInfo(10));
}

TEST_F(cGameTablesTest, UpgradeCostRefusesLevelFirstThenItem)
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

TEST(ProductNames, NamesAndAwardKeysEndWithTheirTables)
{
    EXPECT_EQ(cGame::getStaticProductTag(18), u"Кексы");
    EXPECT_EQ(cGame::getStaticProductTag(19), u"");
    EXPECT_EQ(getAwardKey(20), "Award21CollectAllAwards");
    EXPECT_EQ(getAwardKey(21), "");
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

} // namespace
