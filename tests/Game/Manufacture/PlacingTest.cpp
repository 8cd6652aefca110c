#include "ManufactureHarness.h"

#include "Game/Manufacture/DepotExplos.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/HouseFit.h"
#include "Game/Tutorial/CommonHelpTips.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Game/Farm/TextMoney.h"
#include "Ui/texts/PriceText.h"
#include "Ui/texts/Text.h"

namespace {

class cPlacingTest : public cManufactureTest {
protected:
    UInt explosions() const
    {
        UInt count = 0;
        for (const auto& child : m_screen->getChildren())
            count += dynamic_cast<cDepotExplos*>(child.second) ? 1 : 0;
        return count;
    }
};

class cBuyBuildingTest : public cManufactureTest {
protected:
    cBuyBuildingTest() { m_panel = cBuyBuilding::getInstance(); }
    // The panel opened on one offer, the sheep fold's.
    void open()
    {
        key::upgradeAvail(1) = 0;
        cManufacture::onClickBuild(m_screen->getBuildButton());
        EXPECT_TRUE(cGameMenu::getInstance()->getAbsoluteHold().isHeld());
        m_engine.frames(3);
    }
    cBuyBuilding* m_panel = nullptr;
};

} // namespace

TEST_F(cPlacingTest, ANewHouseIsPaidWhereItFitsAndGivenUpFreeWhereItDoesNot)
{
    key::Money() = 500;
    cProductionHouse* house = buy(cGame::HEN_HOUSE, 200, 300);
    ASSERT_NE(house, nullptr);
    EXPECT_EQ(house->getDeep(), house->getBaseDeep() + cProductionHouse::TAKEN_DEEP);
    EXPECT_FALSE(m_screen->getBuildButton()->isEnabled()) << "the screen waits while a house is on the cursor";
    m_engine.press(true);
    m_engine.press(false);
    EXPECT_EQ(cGame::getMoney(), 350);
    EXPECT_FALSE(cProductionHouse::isHouseTaken());
    EXPECT_EQ(house->getUpgrade(), 0);
    EXPECT_EQ(key::XProdPos[house->getIndex()], 200.0f);
    EXPECT_TRUE(key::awManDepotBuild[cGame::HEN_HOUSE]);
    EXPECT_EQ(m_screen->getSelected(), house);
    EXPECT_TRUE(m_screen->getBuildButton()->isEnabled());

    cProductionHouse* second = buy(cGame::HEN_HOUSE, 230, 300);
    const UInt slot = second->getIndex();
    m_engine.press(true);
    m_engine.press(false);
    EXPECT_EQ(cGame::getMoney(), 350) << "an overlapping house is given up unpaid";
    EXPECT_EQ(key::SlotUpgrade[slot], -1);
    EXPECT_EQ(m_screen->getCount(), 1u);
    EXPECT_EQ(explosions(), 0u) << "a house that never stood leaves no cloud";

    buy(cGame::SHEEP_FOLD, 450, 300);
    key::Money() = 40;
    m_engine.press(true);
    m_engine.press(false);
    EXPECT_EQ(cGame::getMoney(), 0) << "placed while the money fell below the price";
}

// Escape pauses the game over a house on the cursor: the house goes under the pause menu,
// which covers everything of the game, and comes back on top of the game when it goes on.
TEST_F(cPlacingTest, APauseCoversAHouseOnTheCursor)
{
    key::Money() = 500;
    cProductionHouse* house = buy(cGame::HEN_HOUSE, 200, 300);
    ASSERT_TRUE(cProductionHouse::isHouseTaken());
    cGameMenu::onEsc(nullptr);
    ASSERT_FALSE(m_game->isAbsoluteEnabled()) << "paused";
    EXPECT_LT(house->getDeep(), cProductionHouse::TAKEN_DEEP);
    m_game->enable();
    m_game->absoluteEnable();
    EXPECT_EQ(house->getDeep(), house->getBaseDeep() + cProductionHouse::TAKEN_DEEP);
    EXPECT_TRUE(cProductionHouse::isHouseTaken());
}

TEST_F(cPlacingTest, APressMovedNoFurtherThanTheThresholdSelectsAndAFartherOneDrags)
{
    key::Money() = 500;
    cProductionHouse* house = place(cGame::HEN_HOUSE, 200, 300);
    m_screen->selectDepot(nullptr, false);
    struct sCase { Int dx, dy; Bool drags; };
    for (const sCase& c : {sCase{4, 4, false}, sCase{5, 5, true}}) {
        m_engine.moveTo(200, 300);
        m_engine.press(true);
        m_engine.moveTo(200 + c.dx, 300 + c.dy);
        EXPECT_EQ(cProductionHouse::isHouseTaken(), c.drags) << c.dx;
        m_engine.moveTo(200, 300);
        m_engine.press(false);
        EXPECT_FALSE(cProductionHouse::isHouseTaken());
        EXPECT_EQ(m_screen->getSelected() == house, !c.drags) << c.dx;
        m_screen->selectDepot(nullptr, false);
    }
    EXPECT_EQ(cGame::getMoney(), 350) << "moving costs nothing";
}

TEST_F(cPlacingTest, ARightClickTakesADraggedHouseBackButLeavesANewOneOnTheCursor)
{
    key::Money() = 500;
    cProductionHouse* house = buy(cGame::HEN_HOUSE, 180, 300);
    rightClick();
    EXPECT_EQ(cProductionHouse::getTakenHouse(), house);
    m_engine.moveTo(200, 300);
    EXPECT_EQ(house->getPosition(), Vector2(200, 300));
    m_engine.press(true);
    m_engine.press(false);
    m_engine.press(true);
    m_engine.moveTo(260, 320);
    m_engine.moveTo(300, 340);
    m_engine.press(false);
    EXPECT_EQ(key::XProdPos[house->getIndex()], 300.0f);
    EXPECT_EQ(key::YProdPos[house->getIndex()], 340.0f);
    m_engine.press(true);
    m_engine.moveTo(400, 400);
    ASSERT_EQ(cProductionHouse::getTakenHouse(), house);
    rightClick();
    EXPECT_FALSE(cProductionHouse::isHouseTaken());
    EXPECT_EQ(house->getPosition(), Vector2(300, 340));
    EXPECT_EQ(key::XProdPos[house->getIndex()], 300.0f);
    EXPECT_EQ(cGame::getMoney(), 350);
}

TEST_F(cPlacingTest, ADestroyedHouseLeavesACloudAndAnEmptySlotAndNothingElseCounts)
{
    key::Money() = 500;
    cProductionHouse* house = place(cGame::HEN_HOUSE, 200, 300);
    const UInt slot = house->getIndex();
    cManufacture::onClickDestroy(nullptr);
    EXPECT_EQ(key::SlotUpgrade[slot], -1);
    EXPECT_EQ(key::ProdType[slot], UInt(cGame::HEN_HOUSE));
    EXPECT_EQ(explosions(), 1u);
    EXPECT_EQ(key::awQDestroy(), 1u);
    cManufacture::onClickDestroy(nullptr);
    EXPECT_EQ(key::awQDestroy(), 1u) << "nothing selected, nothing destroyed";
    EXPECT_EQ(cGame::getMoney(), 350) << "nothing is refunded";
}

TEST_F(cPlacingTest, TheUpgradeIsOfferedByMoneyAndLevelsPaidOnceAndHiddenAtTheTop)
{
    key::Money() = 1000;
    cProductionHouse* house = place(cGame::SHEEP_FOLD, 200, 300);
    struct sCase { UInt avail; Int money; Bool shown, enabled; };
    for (const sCase& c : {sCase{3, 200, true, true}, sCase{3, 199, true, false}, sCase{0, 5000, false, false}}) {
        key::upgradeAvail(cGame::SHEEP_FOLD) = c.avail;
        key::Money() = c.money;
        m_screen->selectDepot(house, false);
        EXPECT_EQ(m_screen->getUpgradeButton()->isOwnVisible(), c.shown) << c.money;
        EXPECT_EQ(m_screen->getUpgradeButton()->isEnabled(), c.enabled) << c.money;
        EXPECT_EQ(m_screen->getUpgradeText()->isVisible(), c.shown) << c.money;
        EXPECT_EQ(m_screen->getUpgradeCaption()->isVisible(), c.shown) << "the price is said to be the upgrade's";
    }
    key::upgradeAvail(cGame::SHEEP_FOLD) = 3;
    key::Money() = 1000;
    m_screen->selectDepot(house, false);
    EXPECT_EQ(m_screen->getUpgradeText()->getString(), u"200");
    cManufacture::onClickUpgradeBuilding(nullptr);
    EXPECT_EQ(house->getUpgrade(), 1);
    EXPECT_EQ(cGame::getMoney(), 800) << "the next level, paid once";
    key::Money() = 5000;
    house->setUpgrade(3, false);
    m_screen->selectDepot(house, false);
    EXPECT_FALSE(m_screen->getUpgradeButton()->isOwnVisible());
    cManufacture::onClickUpgradeBuilding(nullptr);
    EXPECT_EQ(cGame::getMoney(), 5000) << "no level past the top is sold";
}

// A hen house whose data describes one level only, though more are on sale.
class cOneLevelTest : public cManufactureTest {
protected:
    cOneLevelTest()
        : cManufactureTest({{"Manufacture/HenHouse.xml", houseXml("HenHouse", "<Up0 MaxProductionTime=\"5\" ProductionNum=\"2\" />")}})
    {
    }
};

TEST_F(cOneLevelTest, NoLevelIsSoldThatTheDataDoesNotHave)
{
    key::Money() = 1000;
    cProductionHouse* small = place(cGame::HEN_HOUSE, 450, 300);
    key::upgradeAvail(cGame::HEN_HOUSE) = 3;
    const Int money = cGame::getMoney();
    m_screen->selectDepot(small, false);
    EXPECT_FALSE(m_screen->getUpgradeButton()->isOwnVisible());
    cManufacture::onClickUpgradeBuilding(nullptr);
    EXPECT_EQ(cGame::getMoney(), money) << "a level without data is never paid for";
}

// A game whose tutorial is on, every tip seen.
class cFreeUpgradeTest : public cManufactureTest {
protected:
    cFreeUpgradeTest()
        : cManufactureTest({{"Tutorial/Tutorial.xml",
                                makeXml16("<Tutorial Visible=\"1\" Enable=\"1\" TutorialEnable=\"1\"><Tips /></Tutorial>")},
                               {"Tutorial/ActionTip.xml", makeXml16("<ActionTip Visible=\"0\" Enable=\"1\" />")}})
    {
        m_tutorial = cTutorialManager::getInstance();
        for (eTips n = 0; n < TIPS_COUNT; ++n)
            key::tip[n] = true;
        if (m_tutorial->isTipRunning())
            m_tutorial->getCommonTips()->close();
        m_engine.frames(30);
    }
    cTutorialManager* m_tutorial = nullptr;
};

// The tutorial gives one upgrade while its tip asks for it: before the tip and after it the
// panel shows the price, and that is what the upgrade costs.
TEST_F(cFreeUpgradeTest, TheUpgradeIsFreeOnlyWhileItsTipShowsItAndOnlyOnce)
{
    key::Money() = 1000;
    cProductionHouse* house = place(cGame::SHEEP_FOLD, 200, 300);
    key::upgradeAvail(cGame::SHEEP_FOLD) = 3;
    struct sCase {
        const char* moment;
        Bool passed, shown;
        const char16_t* price;
        Int paid;
        Int levelAfterTwoClicks;
    };
    const sCase cases[] = {{"before its tip", false, false, u"200", 200, 2},
                           {"during its tip", false, true, u"0", 0, 1},
                           {"after its tip", true, false, u"200", 200, 2}};
    for (const sCase& c : cases) {
        house->setUpgrade(0, false);
        key::Money() = 1000;
        key::tip[34] = c.passed;
        if (c.shown)
            m_engine.frames(5);
        ASSERT_EQ(m_tutorial->isCurrentTip(34), c.shown) << c.moment;
        m_screen->selectDepot(house, false);
        EXPECT_EQ(m_screen->getUpgradeText()->getString(), c.price) << c.moment;
        cManufacture::onClickUpgradeBuilding(nullptr);
        EXPECT_EQ(cGame::getMoney(), 1000 - c.paid) << c.moment;
        EXPECT_EQ(m_screen->getUpgradeText()->getString(), u"300") << c.moment << ": the next level's price";
        cManufacture::onClickUpgradeBuilding(nullptr);
        EXPECT_EQ(house->getUpgrade(), c.levelAfterTwoClicks) << c.moment;
        m_engine.frames(30);
        EXPECT_FALSE(m_tutorial->isTipRunning()) << c.moment;
        EXPECT_TRUE(m_tutorial->isTipPassed(34)) << c.moment;
    }
}

TEST_F(cPlacingTest, TwentyHousesFillTheScreenAndAFurtherPurchaseIsIgnored)
{
    for (UInt i = 0; i < cManufacture::SLOT_COUNT; ++i) {
        key::SlotUpgrade[i] = 0;
        m_screen->createBuilding(cGame::MILL, Int(i));
    }
    EXPECT_EQ(m_screen->getCount(), cManufacture::SLOT_COUNT);
    EXPECT_FALSE(m_screen->getUpgradeButton()->isOwnVisible());
    m_screen->createBuilding(cGame::MILL, -1);
    EXPECT_EQ(m_screen->getCount(), cManufacture::SLOT_COUNT);
}

TEST_F(cPlacingTest, APressOnTheFieldDeselectsButNotBesideItOrOnTheScreensButtons)
{
    key::Money() = 1000;
    cProductionHouse* house = place(cGame::HEN_HOUSE, 200, 300);
    struct sCase { Int x, y; Bool deselects; };
    for (const sCase& c : {sCase{5, 300, false}, sCase{200, 300, false}, sCase{700, 550, false}, sCase{400, 300, true}}) {
        m_screen->selectDepot(house, false);
        m_engine.moveTo(c.x, c.y);
        cManufacture::onClickField(m_screen);
        EXPECT_EQ(m_screen->getSelected() == nullptr, c.deselects) << c.x << "," << c.y;
    }
}

TEST_F(cPlacingTest, HousesCollideOnlyWhereTheirMasksShareAPixel)
{
    cControl a(nullptr), b(nullptr);
    a.setSize(Vector2(10, 10));
    b.setSize(Vector2(10, 10));
    a.setPosition(Vector2(5, 5));
    // Set only in the left half, and only in the right half.
    VECTOR_VECTOR_BOOL left(10, std::vector<Bool>(10, false)), right = left;
    for (UInt x = 0; x < 5; ++x)
        for (UInt y = 0; y < 10; ++y) {
            left[x][y] = true;
            right[x + 5][y] = true;
        }
    struct sCase { Float bx; const VECTOR_VECTOR_BOOL *maskA, *maskB; Bool collide; };
    for (const sCase& c : {sCase{15, nullptr, nullptr, false}, sCase{20, nullptr, nullptr, false},
             sCase{12, nullptr, nullptr, true}, sCase{9, &left, &right, false}, sCase{6, &right, &left, true}}) {
        b.setPosition(Vector2(c.bx, 5));
        EXPECT_EQ(isHousesCollide(a, c.maskA, b, c.maskB), c.collide) << c.bx;
    }
}

TEST_F(cBuyBuildingTest, OnlyTheKindsOnSaleAreOfferedInOrder)
{
    key::upgradeAvail(2) = 0;
    key::upgradeAvail(9) = 1;
    key::Money() = 10000;
    m_panel->draw();
    EXPECT_EQ(cBuyBuilding::getOfferedType(m_panel->getItem(0).BuyButton), 2u);
    EXPECT_EQ(cBuyBuilding::getOfferedType(m_panel->getItem(1).BuyButton), 9u);
    EXPECT_EQ(m_panel->getItem(0).Text->getString(), u"kind 2");
    for (UInt slot = 2; slot < cBuyBuilding::ITEM_COUNT; ++slot)
        EXPECT_FALSE(m_panel->getItem(slot).BuyButton->isOwnVisible()) << slot;
}

TEST_F(cBuyBuildingTest, AnItemEnabledFromMoneyEqualToItsPriceIsBoughtOntoTheCursorUnpaidAndThePanelCloses)
{
    key::upgradeAvail(1) = 0;
    for (const auto& c : {std::make_pair(150, true), std::make_pair(149, false)}) {
        key::Money() = c.first;
        m_panel->draw();
        EXPECT_EQ(m_panel->getItem(0).PriceText->getString(), u"150");
        EXPECT_EQ(m_panel->getItem(0).BuyButton->isEnabled(), c.second) << c.first;
    }
    key::Money() = 500;
    open();
    cBuyBuilding::onBuy(m_panel->getItem(0).BuyButton);
    ASSERT_TRUE(cProductionHouse::isHouseTaken());
    EXPECT_EQ(cProductionHouse::getTakenHouse()->getHouseType(), 1u);
    EXPECT_EQ(cGame::getMoney(), 500);
    EXPECT_FALSE(cGameMenu::getInstance()->getAbsoluteHold().isHeld()) << "the game clock runs again";
    m_engine.frames(10);
    EXPECT_FALSE(m_panel->isOwnVisible());
}

TEST_F(cBuyBuildingTest, AClickBesideThePanelOrOnItsCloseButtonClosesIt)
{
    // Beside the panel; the close button in its corner.
    for (const Vector2& at : {Vector2(400, 580), Vector2(730, 170)}) {
        open();
        m_engine.moveTo(Int(at.x), Int(at.y));
        m_engine.press(true);
        m_engine.press(false);
        m_engine.frames(10);
        EXPECT_FALSE(m_panel->isOwnVisible()) << at.x;
        EXPECT_FALSE(cGameMenu::getInstance()->getEnableHold().isHeld()) << at.x;
        EXPECT_FALSE(cGameMenu::getInstance()->getAbsoluteHold().isHeld()) << at.x;
    }
}
