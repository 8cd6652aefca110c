#include "Game/Farm/Worker/PersonArrival.h"
#include "Game/Farm/Worker/PersonHarness.h"
#include "Game/Farm/Worker/PersonWorkplace.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Worker/Jobs/PersonDropToWarehouse.h"
#include "Game/Tutorial/ActionTips.h"
#include "Game/Tutorial/TutorialManager.h"

#include <gtest/gtest.h>

namespace {

std::string tutorialXml()
{
    std::string xml = "<Tutorial Visible=\"1\" Enable=\"1\" TutorialEnable=\"1\"><Tips>";
    for (int i = 0; i < 50; ++i)
        xml += "<Tip Offset=\"60 180\" ArrowOffset=\"0 70\"><Text>Tip " + std::to_string(i) + "</Text></Tip>";
    return makeXml16(xml + "</Tips></Tutorial>");
}

std::string tipViewXml(const char* _root)
{
    return makeXml16(std::string("<") + _root + " Visible=\"0\" Enable=\"1\"><Image Visible=\"1\" Enable=\"1\" size=\"320 150\" />"
                     "<Text Visible=\"1\" Enable=\"1\" size=\"280 80\" Localized=\"0\" /><OkButton Visible=\"1\" Enable=\"1\" "
                     "size=\"112 40\" /><Arrow Visible=\"1\" Enable=\"1\" size=\"48 72\" /></" + _root + ">");
}

// The worker's game with the tutorial on and every tip seen but "take the harvest to the
// warehouse".
class cPersonTipsTest : public cGameTest {
protected:
    cPersonTipsTest()
        : cGameTest({{"Person/Person.xml", personXml()}, {cFarmFieldTile::DATA_FILE, fieldXml()}, {"sounds/w.wav", "tone"},
                     {"Tutorial/Tutorial.xml", tutorialXml()},
                     {"Tutorial/CommonHelpTip.xml", tipViewXml("CommonHelpTip")},
                     {"Tutorial/ArrowHelpTip.xml", tipViewXml("ArrowHelpTip")},
                     {"Tutorial/ActionTip.xml", tipViewXml("ActionTip")},
                     {"UI/gameUI/GameMenu.xml", makeXml16("<GameMenu Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" />")}})
    {
        for (UInt tip = 0; tip < key::TIP_COUNT; ++tip)
            key::tip[tip] = tip != 40;
        m_field = new cFarmFieldTile(cFarm::getInstance()->getSlidingPicture(), 0, 0, 0);
        m_field->setPosition(Vector2(300, 300));
        cPerson::setCarryState(cPerson::CARRY_SCYTHE);
    }
    cTutorialManager& tutorial() { return *cTutorialManager::getInstance(); }
    // Three arrivals half a second apart; the tip current after each.
    std::vector<Int> attempts(cActionArea* _area)
    {
        std::vector<Int> current;
        for (int i = 0; i < 3; ++i) {
            decideArrival(_area);
            current.push_back(tutorial().getCurrentTip());
            m_engine.frames(25);
        }
        return current;
    }

    cFarmFieldTile* m_field = nullptr;
};

TEST_F(cPersonTipsTest, AFullWarehouseIsPointedOutOnTheThirdQuickTry)
{
    key::tip[40] = 1;
    cWareHouse& warehouse = *cWareHouse::getInstance();
    warehouse.addGoods(8, warehouse.getFreeSpace() - 2, false, false);
    cPerson::setCarriedGood(1, 5);
    cPerson::setCarriedGood(2, 0);
    key::FFC[0] = 1;
    // Two free places still take a part of the basket.
    decideArrival(&warehouse);
    EXPECT_EQ(tutorial().getCurrentTip(), -1);
    warehouse.addGoods(8, warehouse.getFreeSpace(), false, false);
    cPerson::getInstance()->getDealer().setTask(nullptr);
    EXPECT_EQ(attempts(&warehouse), (std::vector<Int>{-1, -1, 41}));
}

TEST_F(cPersonTipsTest, ABasketOfAnotherCropSendsTheWorkerToTheWarehouseFirst)
{
    key::FFC[0] = 1;
    key::FFS[0] = cFarmFieldTile::FS_READY;
    cPerson::setCarriedGood(3, 1);
    const std::vector<Int> current = attempts(m_field);
    EXPECT_EQ(current.front(), -1) << "a basket with room is not called full";
    EXPECT_EQ(current.back(), 44) << "on the third quick try";
    EXPECT_FALSE(key::tip[40]) << "the full basket's tip waits for a full basket";
}

// A full basket at a ripe bed is told so, and the tip stays until the basket is emptied.
TEST_F(cPersonTipsTest, AFullBasketIsToldToGoToTheBarnUntilItIs)
{
    key::FFC[0] = 0;
    key::FFS[0] = cFarmFieldTile::FS_READY;
    cPerson::setCarriedGood(0, workplace::basketCapacity());
    decideArrival(m_field);
    m_engine.frames(100);
    EXPECT_EQ(tutorial().getCurrentTip(), 40);
    cPerson::setCarryState(cPerson::CARRY_NOTHING);
    m_engine.frames(5);
    EXPECT_EQ(tutorial().getCurrentTip(), -1);
    EXPECT_TRUE(key::tip[40]);
}

// Once shown, the other crop's tip comes back for the same beds only after a rest a player can
// read in; a bed of another crop brings it sooner.
TEST_F(cPersonTipsTest, TheOtherCropTipComesBackAtAPaceThatCanBeRead)
{
    key::FFS[0] = cFarmFieldTile::FS_READY;
    cPerson::setCarriedGood(3, 1);
    struct sCase {
        const char* when;
        UInt bed;
        Float rest;
        Int shown;
    } cases[] = {
        {"first", 1, 0, 44},
        {"at once again", 1, 0, -1},
        {"a little later", 1, 10, -1},
        {"after the rest", 1, 30, 44},
        {"at a bed of wheat", 7, 0, 44},
    };
    for (const sCase& c : cases) {
        key::FFC[0] = c.bed;
        key::RunTime() += c.rest;
        EXPECT_EQ(attempts(m_field).back(), c.shown) << c.when;
        if (tutorial().isTipRunning())
            tutorial().getActionTips()->close();
        m_engine.frames(30);
    }
}

// While a tip about something else waits (the contract's), the harvest still goes into the
// barn, so the worker can mow on; a farm lesson keeps him to what it teaches.
TEST_F(cPersonTipsTest, ATipAboutSomethingElseLeavesTheBasketToBeEmptied)
{
    struct sCase {
        eTips running;
        Bool drops;
    } cases[] = {{18, true}, {39, true}, {4, false}};
    cWareHouse& warehouse = *cWareHouse::getInstance();
    cControl pointed(nullptr);
    for (const sCase& c : cases) {
        key::tip[c.running] = false;
        tutorial().runActionTip(c.running, &pointed);
        ASSERT_EQ(tutorial().getCurrentTip(), Int(c.running));
        cPerson::setCarryState(cPerson::CARRY_SCYTHE);
        cPerson::setCarriedGood(0, 3);
        cPerson::getInstance()->getDealer().setTask(nullptr);
        decideArrival(&warehouse);
        const cTask* job = cPerson::getInstance()->getDealer().getTask();
        EXPECT_EQ(dynamic_cast<const cPersonDropToWarehouse*>(job) != nullptr, c.drops) << c.running;
        tutorial().getActionTips()->close();
        m_engine.frames(30);
        ASSERT_FALSE(tutorial().isTipRunning()) << c.running;
    }
}

} // namespace
