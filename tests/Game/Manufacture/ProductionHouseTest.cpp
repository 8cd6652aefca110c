#include "ManufactureHarness.h"

#include "Ui/boxes/ScrollBox.h"
#include "Ui/texts/Text.h"
#include "engine/frame/Timer.h"
#include "support/Thrown.h"

namespace {

class cProductionHouseTest : public cManufactureTest {
protected:
    cProductionHouse* standing(UInt _count)
    {
        key::Money() = 1000;
        cProductionHouse* house = place(cGame::HEN_HOUSE, 200, 300);
        house->setProdCount(_count);
        return house;
    }
};

// Saved slots: a hen house at level 1 in slot 3, stopped with 2 units at 40 percent; a mill in
// slot 7; a damaged slot 5 naming type 12.
class cRestoreTest : public cManufactureTest {
protected:
    cRestoreTest()
    {
        cGame::endGame();
        key::SlotUpgrade[3] = 1;
        key::ProdType[3] = cGame::HEN_HOUSE;
        key::ProdCount[3] = 2;
        key::ProdPct[3] = 40.0f;
        key::ProdStop[3] = 1;
        key::XProdPos[3] = 250.0f;
        key::YProdPos[3] = 260.0f;
        key::SlotUpgrade[7] = 0;
        key::ProdType[7] = cGame::MILL;
        key::SlotUpgrade[5] = 0;
        key::ProdType[5] = 12;
        cGame::startGame();
        m_game = cGame::getInstance();
        m_screen = cManufacture::getInstance();
    }
};

} // namespace

TEST_F(cProductionHouseTest, ALoadedHouseTurnsEachUnitInTenSecondsThenRestsAndReportsWhenEmpty)
{
    cProductionHouse* house = standing(3);
    std::vector<Float> outputs;
    for (int frame = 1; frame <= 80; ++frame) {
        const UInt before = m_ware->getGoodCount(house->getOutputKind());
        house->produce(0.5f);
        if (m_ware->getGoodCount(house->getOutputKind()) > before)
            outputs.push_back(Float(frame) * 0.5f);
    }
    EXPECT_EQ(outputs, (std::vector<Float>{10.0f, 20.0f, 30.0f}));
    EXPECT_TRUE(key::TProdCompl());
    EXPECT_EQ(key::awQProcess(), 3u);
    EXPECT_EQ(house->getLoadedQtyTag()->getString(), u"0 loaded") << "the tag says what it counts";
    EXPECT_FALSE(house->getFlags() & cProductionHouse::WORKING);
}

TEST_F(cProductionHouseTest, AFullWarehouseHoldsTheUnitAtAHundredUntilThereIsRoom)
{
    cProductionHouse* house = standing(2);
    m_ware->addGoods(0, m_ware->getFreeSpace(), false, false);
    house->setProdPct(99.9f);
    house->produce(1.0f);
    EXPECT_FLOAT_EQ(house->getProdPct(), 100.0f);
    EXPECT_EQ(house->getProdCount(), 2u);
    m_ware->removeGoods(0, 1, false, false);
    house->produce(0.0f);
    EXPECT_EQ(house->getProdCount(), 1u);
    EXPECT_FLOAT_EQ(house->getProdPct(), 0.0f);
}

TEST_F(cProductionHouseTest, AStoppedHouseOrASlidingScreenHoldsTheProgressAndItGoesOnFromThere)
{
    cProductionHouse* house = standing(2);
    house->setProdPct(30.0f);
    cProductionHouse::onStartStop(house->getStartStopButton());
    EXPECT_TRUE(house->isStopped());
    EXPECT_EQ(key::ProdStop[house->getIndex()], 1u);
    m_engine.frames(50);
    EXPECT_FLOAT_EQ(house->getProdPct(), 30.0f);
    cProductionHouse::onStartStop(house->getStartStopButton());
    m_engine.frames(50);
    EXPECT_NEAR(house->getProdPct(), 40.0f, 0.3f);
    const Float progress = house->getProdPct();
    cGameMenu::getInstance()->gotoFarm();
    m_engine.frame();
    ASSERT_TRUE(cGameMenu::isAnyScreenSliding());
    m_engine.frame();
    EXPECT_FLOAT_EQ(house->getProdPct(), progress) << "time stands while a screen slides";
    m_engine.frames(60);
    EXPECT_GT(house->getProdPct(), progress) << "the house works on while another screen is shown";
}

TEST_F(cProductionHouseTest, LoadingTakesFromTheWarehouseWithinTheCapacityAndGivingBackNeedsRoom)
{
    cProductionHouse* house = standing(0);
    const UInt input = house->getInputKind();
    cProductionHouse::onAddDepot(house->getAddDepotButton());
    EXPECT_EQ(house->getProdCount(), 0u) << "nothing to load";
    m_ware->addGoods(input, 5, false, false);
    for (int i = 0; i < 5; ++i)
        cProductionHouse::onAddDepot(house->getAddDepotButton());
    EXPECT_EQ(house->getProdCount(), 3u);
    EXPECT_EQ(m_ware->getGoodCount(input), 2u);
    EXPECT_EQ(house->getWarehouseQtyTag()->getString(), u"x2");
    house->setProdCount(9);
    EXPECT_EQ(key::ProdCount[house->getIndex()], 3u) << "clamped to the capacity";
    m_ware->addGoods(0, m_ware->getFreeSpace(), false, false);
    cProductionHouse::onAddStock(house->getAddStockButton());
    EXPECT_EQ(house->getProdCount(), 3u) << "no room to give back";
    m_ware->removeGoods(0, 1, false, false);
    cProductionHouse::onAddStock(house->getAddStockButton());
    EXPECT_EQ(house->getProdCount(), 2u);
}

// The panel stands under its house unless that would take it out of the yard: a house low in
// the yard shows it above itself, one by a side pulls it in.
TEST_F(cProductionHouseTest, ThePanelStaysInTheYard)
{
    key::Money() = 1000;
    const struct {
        Int x, y;
        Float loadX, loadY;
    } cases[] = {{200, 300, 260, 380}, {200, 440, 260, 360}, {740, 300, 780, 380}};
    for (const auto& c : cases) {
        const Vector2& load = place(cGame::HEN_HOUSE, c.x, c.y)->getAddDepotButton()->getPosition();
        EXPECT_FLOAT_EQ(load.x, c.loadX) << c.x << ", " << c.y;
        EXPECT_FLOAT_EQ(load.y, c.loadY) << c.x << ", " << c.y;
    }
}

TEST_F(cProductionHouseTest, ASmallerLevelGivesTheUnitsThatNoLongerFitBackAndNoLevelPastTheDataExists)
{
    cProductionHouse* house = standing(0);
    house->setUpgrade(2, false);
    EXPECT_FLOAT_EQ(house->getRate(), 100.0f / 6.0f) << "the level's time per unit";
    house->setProdCount(8);
    const UInt before = m_ware->getGoodCount(house->getInputKind());
    house->setUpgrade(3, false);
    EXPECT_EQ(house->getProdCount(), 2u);
    EXPECT_EQ(m_ware->getGoodCount(house->getInputKind()), before + 6);
    EXPECT_TRUE(key::awDepotUpg[cGame::HEN_HOUSE]);
    EXPECT_EQ(thrownText([house] { house->getUpgradeState(4); }, true), "bad level");
    EXPECT_EQ(house->getName(), u"Курятник");
}

TEST_F(cRestoreTest, SavedBuildingsComeBackInTheirSlotsAndABadKindIsDropped)
{
    ASSERT_NE(m_screen->getSlot(3), nullptr);
    ASSERT_NE(m_screen->getSlot(7), nullptr);
    EXPECT_EQ(m_screen->getSlot(0), nullptr);
    EXPECT_EQ(m_screen->getSlot(5), nullptr);
    EXPECT_EQ(key::SlotUpgrade[5], -1);
    cProductionHouse* house = m_screen->getSlot(3);
    EXPECT_EQ(house->getHouseType(), UInt(cGame::HEN_HOUSE));
    EXPECT_EQ(house->getUpgrade(), 1);
    EXPECT_EQ(house->getProdCount(), 2u);
    EXPECT_FLOAT_EQ(house->getProdPct(), 40.0f);
    EXPECT_EQ(house->getFlags() & 6u, 6u);
    EXPECT_TRUE(house->isBuilt());
    EXPECT_EQ(house->getPosition(), Vector2(250, 260));
    EXPECT_EQ(m_screen->getBuiltCount(), 2u);
}

class cBadLevelTest : public cManufactureTest {
protected:
    cBadLevelTest()
        : cManufactureTest({{"Manufacture/Mill.xml", houseXml("Mill", "<Up0 MaxProductionTime=\"0\" ProductionNum=\"3\" />")}})
    {
    }
};

TEST_F(cBadLevelTest, ALevelThatCouldNeverProduceIsRefusedNamingTheFile)
{
    const String error = thrownText([this] { m_screen->createBuilding(cGame::MILL, -1); }, false);
    EXPECT_NE(error.find("Manufacture/Mill.xml: level 0"), String::npos) << error;
    EXPECT_EQ(m_screen->getCount(), 0u);
}
