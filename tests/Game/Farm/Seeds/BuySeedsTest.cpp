#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Farm/FarmHarness.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Tutorial/CommonHelpTips.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "engine/text/TextConvert.h"

#include <gtest/gtest.h>

namespace {

const char* const CROP_NAMES[] = {"Grass", "Tomatoes", "Melons", "Cucumbers", "Roses", "Watermelons", "Pineapples", "Wheat"};

// A panel of 400 by 300 around (400, 300) whose cards stand 50 apart in one row; it slides at
// once.
std::string shopXml()
{
    std::string places, items;
    for (int i = 0; i < 8; ++i) {
        places += "<P place=\"" + std::to_string(250 + 50 * i) + " 250\" />";
        items += std::string("<C name=\"") + CROP_NAMES[i] + "\"><State /></C>";
    }
    return makeXml16("<BuySeeds Visible=\"0\" Enable=\"1\" AbsoluteEnable=\"1\" position=\"400 300\" size=\"400 300\" "
                     "MoveSpeed=\"100000\" HiddenPlace=\"400 -400\"><CancelButton Visible=\"1\" Enable=\"1\" "
                     "position=\"400 420\" size=\"100 40\" /><ItemPlace>" + places + "</ItemPlace><ItemConfig>" + items +
                     "</ItemConfig><ItemProto><BuyButton Visible=\"1\" Enable=\"1\" size=\"40 40\" />"
                     "<PriceText Visible=\"1\" Enable=\"1\" position=\"0 30\"><Coin anim_columns=\"2\" frames_count=\"2\" /></PriceText>"
                     "<Text Visible=\"1\" Enable=\"1\" position=\"0 50\" /></ItemProto></BuySeeds>");
}

class cBuySeedsTest : public cFarmTest {
protected:
    cBuySeedsTest()
        : cFarmTest({{"UI/gameUI/BuySeeds.xml", shopXml()},
              {"Farm/ActionAreas/SeedPackage.xml", makeXml16("<SeedPackage Visible=\"1\" Enable=\"1\" size=\"40 40\">"
                                                             "<ClickOffsetList><O Offset=\"0 16\" /></ClickOffsetList></SeedPackage>")},
              {"UI/gameUI/farm.xml", bareFarmXml()}})
    {
        // Crop k costs 10 k.
        std::string seeds;
        for (int k = 0; k < 8; ++k)
            seeds += "<S Price=\"" + std::to_string(10 * k) + "\" />";
        load("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\"><Seeds>" + seeds + "</Seeds></Game>");
        cGame::setMoney(100);
    }

    cBuySeeds& shop() { return *cBuySeeds::getInstance(); }
    void offer(std::initializer_list<UInt> _crops)
    {
        for (UInt crop : _crops)
            key::SeedAvail[crop] = 1;
    }
    void open()
    {
        shop().draw();
        m_engine.frames(3);
    }
    void clickAt(Int _x, Int _y)
    {
        m_engine.moveTo(_x, _y);
        m_engine.press(true);
        m_engine.press(false);
        m_engine.frames(3);
    }
    // Shown where it slid in to, not on its way out.
    Bool isOpen() { return shop().isVisible() && shop().getPosition().y == shop().getShownPlace().y; }
};

TEST_F(cBuySeedsTest, TheCropsOnSaleFillTheCardsInCropOrder)
{
    struct sCase {
        std::vector<UInt> crops;
    };
    const sCase cases[] = {{{}}, {{7, 2, 5}}, {{1, 2, 3, 4, 5, 6, 7}}};
    for (const sCase& c : cases) {
        for (UInt crop = 0; crop < 8; ++crop)
            key::SeedAvail[crop] = 0;
        for (UInt crop : c.crops)
            key::SeedAvail[crop] = 1;
        std::vector<UInt> sorted = c.crops;
        std::sort(sorted.begin(), sorted.end());
        open();
        for (UInt slot = 0; slot < cBuySeeds::SLOT_COUNT; ++slot) {
            const cBuySeeds::sSlot& card = shop().getSlot(slot);
            const bool shown = slot < sorted.size();
            EXPECT_EQ(card.BuyButton->isOwnVisible(), shown) << sorted.size() << " on sale, card " << slot;
            EXPECT_EQ(card.PriceText->isOwnVisible(), shown) << sorted.size() << " on sale, card " << slot;
            EXPECT_EQ(card.Text->isOwnVisible(), shown) << sorted.size() << " on sale, card " << slot;
            if (!shown)
                continue;
            EXPECT_EQ(cBuySeeds::getSeedType(card.BuyButton), sorted[slot]);
            EXPECT_EQ(card.Text->getString(), toWString(CROP_NAMES[sorted[slot]]));
            EXPECT_EQ(card.PriceText->getString(), toWString(std::to_string(10 * sorted[slot])));
        }
        shop().close();
        m_engine.frames(3);
    }
}

TEST_F(cBuySeedsTest, ACropDearerThanTheMoneyIsOfferedDisabledUntilTheNextOpening)
{
    offer({3, 5, 7});
    cGame::setMoney(50);
    open();
    // Each card shows a coin beside its price; a grey one while the crop costs too much.
    struct sCase {
        UInt slot;
        bool enabled;
        UInt frame;
    };
    for (const sCase& c : {sCase{0, true, 0}, sCase{1, true, 0}, sCase{2, false, 1}}) {
        EXPECT_EQ(shop().getSlot(c.slot).BuyButton->isEnabled(), c.enabled) << c.slot;
        EXPECT_EQ(shop().getSlot(c.slot).PriceText->getCoin()->getAnimFrame(), c.frame) << c.slot;
    }
    cGame::setMoney(80);
    m_engine.frame();
    EXPECT_FALSE(shop().getSlot(2).BuyButton->isEnabled()) << "not refreshed while open";
    shop().close();
    m_engine.frames(3);
    open();
    EXPECT_TRUE(shop().getSlot(2).BuyButton->isEnabled());
    EXPECT_EQ(shop().getSlot(2).PriceText->getCoin()->getAnimFrame(), 0u);
}

TEST_F(cBuySeedsTest, APressBesideThePanelClosesItButNotOnItNorWhileATipShows)
{
    offer({1});
    open();
    ASSERT_TRUE(isOpen());
    clickAt(400, 200);
    EXPECT_TRUE(isOpen()) << "a press on the panel";
    cTutorialManager::getInstance()->runCommonHelpTip(3, nullptr);
    ASSERT_TRUE(cTutorialManager::getInstance()->isTipRunning());
    clickAt(60, 560);
    EXPECT_TRUE(isOpen()) << "a tip on screen";
    cView* tip = cTutorialManager::getInstance()->getCommonTips();
    tip->hide();
    cTutorialManager::getInstance()->onHideTip(tip);
    clickAt(60, 560);
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(shop().getPosition().y, -400);
}

TEST_F(cBuySeedsTest, CancelClosesThePanel)
{
    offer({1});
    open();
    clickAt(400, 420);
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(packages().empty());
}

TEST_F(cBuySeedsTest, APurchaseHangsAnUnpaidPackageOfFourOnThePointer)
{
    offer({2, 6});
    open();
    clickAt(300, 250);
    EXPECT_FALSE(isOpen());
    const auto list = packages();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->getSeedType(), 6u);
    EXPECT_EQ(list[0]->getCount(), 4u);
    EXPECT_EQ(list[0]->getState(), UInt(cSeedPackage::ON_MOUSE));
    EXPECT_TRUE(list[0]->isBought());
    EXPECT_EQ(cFarm::s_objectOnMouse, list[0]);
    EXPECT_EQ(cGame::getMoney(), 100);
}

} // namespace
