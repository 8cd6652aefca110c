#include "ManufactureHarness.h"

#include "Ui/PriceText.h"
#include "Ui/Text.h"

namespace {

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

TEST_F(cBuyBuildingTest, AClickBesideThePanelClosesIt)
{
    open();
    m_engine.moveTo(400, 580);
    m_engine.press(true);
    m_engine.press(false);
    m_engine.frames(10);
    EXPECT_FALSE(m_panel->isOwnVisible());
    EXPECT_FALSE(cGameMenu::getInstance()->getEnableHold().isHeld());
}
