#include "Game/Farm/FarmHarness.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/Picture.h"
#include "Ui/boxes/ProgressDiscrete.h"
#include "Ui/views/Scavenger.h"

#include <gtest/gtest.h>

namespace {

// A package of 40 by 40 with two click offsets and a counter of four seeds; tomato seeds cost 15.
std::string packageXml()
{
    return makeXml16("<SeedPackage Visible=\"1\" Enable=\"1\" size=\"40 40\" UnfitColor=\"0xFFFF0000\">"
                     "<ClickOffsetList><O Offset=\"-6 16\" /><O Offset=\"6 16\" /></ClickOffsetList>"
                     "<Use Visible=\"0\" Enable=\"1\" position=\"-15 -27\" ProgressMaxValue=\"4\" Step=\"10 0\" MaxLength=\"40\" /></SeedPackage>");
}

class cSeedPackageTest : public cFarmTest {
protected:
    static constexpr Int PRICE = 15;

    cSeedPackageTest()
        : cFarmTest({{"Farm/ActionAreas/SeedPackage.xml", packageXml()},
              {"UI/gameUI/farm.xml", bareFarmXml()}})
    {
        load("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\"><Seeds><S Price=\"5\" /><S Price=\"15\" /></Seeds></Game>");
        cGame::setMoney(100);
        m_engine.frame();
    }

    cSeedPackage* lying(Int _x, Int _y, UInt _state = cSeedPackage::LYING)
    {
        return new cSeedPackage(ground(), cGame::TOMATOES, 4, Vector2(Float(_x), Float(_y)), _state, false);
    }
    void click()
    {
        m_engine.press(true);
        m_engine.press(false);
    }
    // Down at the point and along to the second, still held.
    void hold(Int _x, Int _y, Int _toX, Int _toY)
    {
        m_engine.moveTo(_x, _y);
        m_engine.press(true);
        m_engine.moveTo(_toX, _toY);
    }
    void drag(Int _x, Int _y, Int _toX, Int _toY)
    {
        hold(_x, _y, _toX, _toY);
        m_engine.press(false);
    }
};

TEST_F(cSeedPackageTest, AShortMoveIsAClickThatSendsTheWorkerAndALongerOneADrag)
{
    struct sCase {
        Int grab, move, drop;
        UInt held;
        UInt jobs;
        Float x, y;
        // The focus goes instead of the button coming up.
        Bool focusGoes = false;
    };
    // A drag is free, keeps where the package was grabbed and holds the seeds button off meanwhile.
    key::SeedAvail[cGame::TOMATOES] = 1;
    farm().updateSeedsButton();
    ASSERT_TRUE(farm().getSeedsBuyButton()->isEnabled());
    for (const sCase& c : {sCase{0, 3, 0, cSeedPackage::PRESSED, 1, 200, 300}, sCase{0, 4, 0, cSeedPackage::ON_MOUSE, 0, 204, 300},
                           sCase{5, 100, 50, cSeedPackage::ON_MOUSE, 0, 300, 350},
                           sCase{0, 3, 0, cSeedPackage::PRESSED, 0, 200, 300, true}}) {
        cSeedPackage* package = lying(200, 300);
        m_person->m_jobs.clear();
        hold(200 + c.grab, 300, 200 + c.grab + c.move, 300 + c.drop);
        EXPECT_EQ(package->getState(), c.held) << c.move;
        EXPECT_EQ(cFarm::s_objectOnMouse, c.held == cSeedPackage::ON_MOUSE ? package : nullptr) << c.move;
        EXPECT_EQ(farm().getSeedsBuyButton()->isEnabled(), c.held != cSeedPackage::ON_MOUSE) << c.move;
        if (c.focusGoes) {
            m_engine.send(WE_DEACTIVATE);
            m_engine.frame();
            m_engine.send(WE_ACTIVATE);
        } else {
            m_engine.press(false);
        }
        EXPECT_TRUE(farm().getSeedsBuyButton()->isEnabled()) << c.move;
        EXPECT_EQ(package->getState(), UInt(cSeedPackage::LYING)) << c.move;
        EXPECT_EQ(m_person->m_jobs.size(), c.jobs) << c.move;
        EXPECT_FLOAT_EQ(package->getPosition().x, c.x) << c.move;
        EXPECT_FLOAT_EQ(package->getPosition().y, c.y) << c.move;
        EXPECT_EQ(cGame::getMoney(), 100);
        EXPECT_EQ(cFarm::s_objectOnMouse, nullptr);
        delete package;
    }
}

TEST_F(cSeedPackageTest, ClicksPastTheClickOffsetsAskNothingMoreOfTheWorker)
{
    cSeedPackage* package = lying(200, 300);
    m_engine.moveTo(200, 300);
    for (int i = 0; i < 4; ++i)
        click();
    ASSERT_EQ(m_person->m_jobs.size(), 2u);
    EXPECT_EQ(package->getQueued(), 2u);
    EXPECT_FLOAT_EQ(m_person->m_jobs[0].point.x, 194);
    EXPECT_FLOAT_EQ(m_person->m_jobs[1].point.x, 206);
    EXPECT_FLOAT_EQ(m_person->m_jobs[1].point.y, 316);
}

TEST_F(cSeedPackageTest, ABoughtPackageIsPaidOnceWhenPutDown)
{
    m_engine.moveTo(300, 300);
    cSeedPackage* package = cSeedPackage::makeBought(cGame::TOMATOES);
    ASSERT_NE(package, nullptr);
    EXPECT_EQ(package->getCount(), cSeedPackage::BOUGHT_COUNT);
    EXPECT_TRUE(package->isBought());
    EXPECT_EQ(cGame::getMoney(), 100) << "nothing is paid while it hangs on the pointer";
    click();
    EXPECT_EQ(package->getState(), UInt(cSeedPackage::LYING));
    EXPECT_EQ(cGame::getMoney(), 100 - PRICE);
    drag(300, 300, 400, 300);
    click();
    EXPECT_EQ(cGame::getMoney(), 100 - PRICE) << "moved again for free";
}

TEST_F(cSeedPackageTest, ABoughtPackageLetGoAtTheEndOfADragIsPaidToo)
{
    m_engine.moveTo(300, 560);
    cSeedPackage* package = cSeedPackage::makeBought(cGame::TOMATOES);
    // While the lesson asks for it to be put down, a press where it does not fit keeps it.
    cTutorialManager::getInstance()->runActionTip(16, nullptr);
    m_engine.press(true);
    ASSERT_EQ(package->getState(), UInt(cSeedPackage::ON_MOUSE));
    m_engine.moveTo(300, 300);
    m_engine.press(false);
    EXPECT_EQ(package->getState(), UInt(cSeedPackage::LYING));
    EXPECT_FALSE(package->isBought());
    EXPECT_EQ(cGame::getMoney(), 100 - PRICE);
}

TEST_F(cSeedPackageTest, ABoughtPackageThatCannotGoDownIsCalledOffUnpaid)
{
    m_engine.moveTo(300, 560);
    cSeedPackage* package = cSeedPackage::makeBought(cGame::TOMATOES);
    m_engine.frame();
    EXPECT_EQ(package->getColor().r, 1);
    EXPECT_EQ(package->getColor().g, 0) << "tinted where it does not fit";
    click();
    m_engine.frame();
    EXPECT_TRUE(packages().empty());
    EXPECT_EQ(cGame::getMoney(), 100);
    EXPECT_EQ(cFarm::s_objectOnMouse, nullptr);
}

TEST_F(cSeedPackageTest, APackageInTheWorkersHandsPassesPressesToWhatLiesUnder)
{
    cSeedPackage* under = lying(200, 300);
    cSeedPackage* held = lying(200, 310, cSeedPackage::TAKEN);
    ASSERT_GT(held->getDeep(), under->getDeep());
    m_engine.moveTo(200, 300);
    m_engine.press(true);
    EXPECT_EQ(under->getState(), UInt(cSeedPackage::PRESSED));
    EXPECT_EQ(held->getState(), UInt(cSeedPackage::TAKEN));
    m_engine.press(false);
    ASSERT_EQ(m_person->m_jobs.size(), 1u);
    EXPECT_EQ(m_person->m_jobs[0].area, under);
}

TEST_F(cSeedPackageTest, AWorkerTakingAPackageLeavesTheShopShutWhileASprinkleHangsOnThePointer)
{
    key::SeedAvail[cGame::TOMATOES] = 1;
    farm().updateSeedsButton();
    cSeedPackage* package = lying(200, 300);
    cPicture sprinkle(nullptr);
    cFarm::s_sprinkleOnMouse = true;
    cFarm::s_objectOnMouse = &sprinkle;
    farm().lockSeedsButton();
    package->setState(cSeedPackage::TAKEN);
    EXPECT_FALSE(farm().getSeedsBuyButton()->isEnabled());
    cFarm::clearObjectOnMouse();
    package->setState(cSeedPackage::LYING);
    EXPECT_TRUE(farm().getSeedsBuyButton()->isEnabled());
}

TEST_F(cSeedPackageTest, TheCounterShowsTheSeedsLeftWhileThePointerIsOnThePackage)
{
    cSeedPackage* package = lying(200, 300);
    package->setCount(3);
    EXPECT_EQ(package->getCounter()->getValue(), 3u);
    EXPECT_FALSE(package->getCounter()->isOwnVisible());
    m_engine.moveTo(200, 300);
    EXPECT_TRUE(package->getCounter()->isOwnVisible());
    const auto& seeds = package->getCounter()->getSegments();
    ASSERT_EQ(seeds.size(), 4u);
    EXPECT_FLOAT_EQ(seeds[3]->getPosition().x - seeds[0]->getPosition().x, 30) << "a row of seeds above the package";
    m_engine.moveTo(500, 300);
    EXPECT_FALSE(package->getCounter()->isOwnVisible());
}

TEST_F(cSeedPackageTest, APackageGoneFromThePointerLeavesNothingPointingAtIt)
{
    cSeedPackage* package = lying(200, 300);
    hold(200, 300, 250, 300);
    ASSERT_EQ(cFarm::s_objectOnMouse, package);
    delete package;
    EXPECT_EQ(cFarm::s_objectOnMouse, nullptr);
    EXPECT_FALSE(cFarm::s_seedOnMouse);
}

} // namespace
