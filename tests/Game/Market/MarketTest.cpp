#include "engine/progress/Profile.h"
#include "Game/Awards/AwardManager.h"
#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractDialogs.h"
#include "Game/Contracts/ContractStatus.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/GameRandom.h"
#include "Game/Timeline/Gameplay.h"
#include "MarketHarness.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/PriceText.h"

#include <cmath>
#include <cstdlib>
#include <regex>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr Float FRAME = 0.02f;

// A kind that the tables let nobody deal in yet: no seeds, no stock, no building.
TEST_F(cMarketTest, LinesArePackedInKindOrderWithoutGaps)
{
    key::SeedAvail[3] = 1;
    key::MGoodCount[12] = 4;
    key::DepotUpAvail[2] = 0; // the cow shed: milk (10) from grass (0)
    stock(5, 2);
    const std::vector<UInt> kinds = {0, 3, 5, 10, 12};
    for (UInt j = 0; j < cMarket::LINE_COUNT; ++j) {
        const cProductLine& line = market().getLine(j);
        EXPECT_EQ(line.getBack()->isOwnVisible(), j < kinds.size()) << j;
        for (cControl* control : line.getControls())
            EXPECT_EQ(control->isOwnVisible(), j < kinds.size()) << j;
        if (j < kinds.size()) {
            EXPECT_EQ(line.getKind(), kinds[j]) << j;
        }
    }
}

// The data's line order puts the goods a player meets first on top, whatever their kind
// numbers; a kind past 18, a word that is no number and a kind named twice name no line; the
// kinds left out follow in kind order.
TEST_F(cMarketTest, TheDataOrderKeepsALineInItsRowAsGoodsComeOnSale)
{
    const std::string xml = marketXml("LineOrder=\"10 3 x 99 10 5\"");
    cXML file("Market.xml", xml.data(), ULong(xml.size()));
    market().loadXML(&file);
    key::DepotUpAvail[2] = 0; // the cow shed: milk (10) from grass (0)
    market().updateProductStatus();
    EXPECT_EQ(market().getLine(0).getKind(), 10u);
    EXPECT_EQ(market().getLine(1).getKind(), 0u) << "grass, the next kind on sale";
    // Cucumbers and then a stock of 12 come on sale: the milk keeps its row.
    key::SeedAvail[3] = 1;
    stock(12, 1);
    const std::vector<UInt> kinds = {10, 3, 0, 12};
    for (UInt j = 0; j < kinds.size(); ++j)
        EXPECT_EQ(market().getLine(j).getKind(), kinds[j]) << j;
    EXPECT_FALSE(market().getLine(UInt(kinds.size())).getBack()->isOwnVisible());
}

TEST_F(cMarketTest, ALineShowsStockOnSalePriceAndAVerdictFairUpToBothBounds)
{
    stock(0, 7);
    offer(0, 3, 46);
    const cProductLine& line = *lineOf(0);
    EXPECT_EQ(line.getWareQtyLabel()->getString(), u"x7");
    EXPECT_EQ(line.getMarketQtyLabel()->getString(), u"3");
    EXPECT_EQ(line.getPriceLabel()->getString(), u"46");
    EXPECT_EQ(line.getPriceAttitudeIcon()->getFramesCount(), 1u + cMarket::PA_EXPENSIVE);
    market().setPlayerPriceOfKind(0, 34);
    EXPECT_EQ(line.getPriceAttitudeIcon()->getFramesCount(), 1u + cMarket::PA_CHEAP);
    // Both bounds of the verdict radius are fair.
    EXPECT_EQ(market().getPriceAttitude(0, 45), cMarket::PA_FAIR);
    EXPECT_EQ(market().getPriceAttitude(0, 35), cMarket::PA_FAIR);
    // Fewer than ten in stock: only the ten-button is off.
    EXPECT_TRUE(line.getIncQtyButton()->isEnabled());
    EXPECT_TRUE(line.getIncAllQtyButton()->isEnabled());
    EXPECT_FALSE(line.getInc10QtyButton()->isEnabled());
}

TEST_F(cMarketTest, AKindPastTheLastIsAProgrammingError)
{
    EXPECT_EQ(thrownText([] { cMarket::getQtyOfKind(19); }), "_type>=OVERALL_PROD_COUNT");
    EXPECT_EQ(thrownText([] { cMarket::getPlayerPriceOfKind(19); }), "_type>=OVERALL_PROD_COUNT");
    EXPECT_NE(thrownText([this] { market().setQtyOfKind(19, 1); }).find("_type>=OVERALL_PROD_COUNT"), std::string::npos);
}

struct sBring { fButtonEvent handler; UInt stock, moved; };

TEST_F(cMarketTest, QuantityButtonsBringWhatTheWarehouseGives)
{
    for (const sBring& c : {sBring{&cMarket::onIncQty, 7, 1}, sBring{&cMarket::onInc10Qty, 7, 7},
                            sBring{&cMarket::onInc10Qty, 25, 10}, sBring{&cMarket::onIncAllQty, 25, 25},
                            sBring{&cMarket::onIncQty, 0, 0}}) {
        stock(8, c.stock);
        key::MGoodCount[8] = 2;
        key::MSellTime[8] = 0.4f;
        market().updateProductStatus();
        c.handler(lineOf(8)->getInc10QtyButton());
        EXPECT_EQ(cMarket::getQtyOfKind(8), 2 + c.moved) << c.stock;
        EXPECT_EQ(cWareHouse::getInstance()->getGoodCount(8), c.stock - c.moved) << c.stock;
        EXPECT_EQ(key::MSellTime[8], c.moved ? -1.0f : 0.4f) << c.stock;
    }
}

TEST_F(cMarketTest, QuickPriceClicksStepOneTwoThreeAndStayWithinOneToNinetyNine)
{
    offer(0, 0, 10);
    m_engine.frames(20);
    cAnimButton* up = lineOf(0)->getIncPriceButton();
    cAnimButton* down = lineOf(0)->getDecPriceButton();
    for (UInt expected : {11u, 13u, 16u}) {
        cMarket::onIncMarketPrice(up);
        EXPECT_EQ(cMarket::getPlayerPriceOfKind(0), expected);
        m_engine.frame();
    }
    m_engine.frames(20);
    cMarket::onIncMarketPrice(up);
    EXPECT_EQ(cMarket::getPlayerPriceOfKind(0), 17u) << "a slow click steps by one again";
    market().setPlayerPriceOfKind(0, 98);
    m_engine.frames(20);
    for (int i = 0; i < 3; ++i)
        cMarket::onIncMarketPrice(up);
    EXPECT_EQ(cMarket::getPlayerPriceOfKind(0), 99u);
    market().setPlayerPriceOfKind(0, 2);
    cMarket::onDecMarketPrice(down);
    EXPECT_EQ(cMarket::getPlayerPriceOfKind(0), 1u);
}

// A newcomer's first crops were sold for 2 while worth 10: until the player names a price the
// stall asks the good's value of the day, within the buttons' range; a price once named stays.
TEST_F(cMarketTest, AnUnsetPriceAsksTheGoodsValueUntilThePlayerNamesOne)
{
    struct sCase {
        Int demand;
        UInt asked;
    };
    for (const sCase& c : {sCase{24, 24}, sCase{150, 99}, sCase{-5, 1}}) {
        key::MGoodPrice[10] = cMarket::UNSET_PRICE;
        key::MEffPrice[10] = c.demand;
        EXPECT_EQ(cMarket::getPlayerPriceOfKind(10), c.asked) << c.demand;
    }
    stock(10, 4);
    key::MEffPrice[10] = 24;
    market().updateProductStatus();
    EXPECT_EQ(lineOf(10)->getPriceLabel()->getString(), u"24") << "the stall shows the asked price";
    m_engine.frames(20);
    cMarket::onIncMarketPrice(lineOf(10)->getIncPriceButton());
    EXPECT_EQ(key::MGoodPrice[10], 25u) << "a click names a price from the value";
    key::MEffPrice[10] = 40;
    EXPECT_EQ(cMarket::getPlayerPriceOfKind(10), 25u) << "and the named price no longer follows";
}

TEST_F(cMarketTest, APriceOrQuantityChangeRestartsTheWait)
{
    offer(0, 5, 40);
    market().sellStep(0, FRAME);
    EXPECT_NEAR(key::MSellTime[0], 1.0f - FRAME, 1e-5f) << "at the demand: half of 2 attempts a second";
    market().setPlayerPriceOfKind(0, 30);
    EXPECT_EQ(key::MSellTime[0], -1.0f);
    market().sellStep(0, FRAME);
    EXPECT_NEAR(key::MSellTime[0], 0.5f - FRAME, 1e-5f);
    market().setQtyOfKind(0, 6);
    EXPECT_EQ(key::MSellTime[0], -1.0f);
}

struct sSale { UInt price; Bool award; };

TEST_F(cMarketTest, ASalePaysThePriceAndCountsTheEarnings)
{
    for (const sSale& c : {sSale{79, false}, sSale{80, true}}) {
        key::awHighSold() = false;
        key::Money() = 100;
        key::RunTime() = 30.0f;
        // Far below the demand: every attempt sells, one a half second.
        offer(4, 3, c.price, 200);
        const UInt earned = m_game->getEarnedSum();
        const size_t flying = flyTexts().size(), goods = flyTexts(market().getContent()).size();
        for (int i = 0; i < 25; ++i)
            market().sellStep(4, FRAME);
        EXPECT_EQ(cMarket::getQtyOfKind(4), 2u) << c.price;
        EXPECT_EQ(key::Money(), Int(100 + c.price)) << c.price;
        EXPECT_EQ(key::awHighSold(), c.award) << c.price;
        EXPECT_EQ(m_game->getEarnedSum(), earned + c.price) << c.price;
        EXPECT_EQ(m_game->getEarnedWindowStart(), 30.0f - 60.0f) << c.price;
        EXPECT_EQ(flyTexts().size(), flying + 1) << "the income, at " << c.price;
        EXPECT_EQ(flyTexts(market().getContent()).size(), goods) << "nothing off the stall out of sight, at " << c.price;
        EXPECT_EQ(key::MSellTime[4], -1.0f) << c.price;
    }
}

TEST_F(cMarketTest, AtTheDemandASaleComesEveryFourWaitsOnAverage)
{
    offer(0, 100000, 40);
    UInt sold = 0;
    const Float seconds = 400.0f;
    for (Float t = 0; t < seconds; t += FRAME) {
        const UInt before = cMarket::getQtyOfKind(0);
        market().sellStep(0, FRAME);
        sold += before - cMarket::getQtyOfKind(0);
    }
    // Rate 1 a second, chance one half: a sale every 2 s, one frame lost per attempt.
    EXPECT_NEAR(seconds / Float(sold), 4.0f / 2.0f, 0.25f);
}

// The frames sell while the screen is away; at or above the demand plus the radius nothing sells
// and nothing endless is stored.
TEST_F(cMarketTest, TheFramesSellBelowDemandPlusRadiusOnly)
{
    ASSERT_FALSE(market().isVisible());
    offer(2, 5, 20);
    m_engine.frames(100);
    EXPECT_LT(cMarket::getQtyOfKind(2), 5u);
    for (UInt price : {50u, 99u}) {
        offer(0, 5, price);
        m_engine.frames(50);
        EXPECT_EQ(cMarket::getQtyOfKind(0), 5u) << price;
        EXPECT_EQ(key::MSellTime[0], -1.0f) << price;
    }
}

TEST_F(cMarketTest, ANegativeDemandSellsNothingAtTheRadiusAndIsNeverCheap)
{
    offer(0, 5, 10, -5);
    m_engine.frames(100);
    EXPECT_EQ(cMarket::getQtyOfKind(0), 5u);
    EXPECT_NE(market().getPriceAttitude(0, 1), cMarket::PA_CHEAP);
    EXPECT_EQ(lineOf(0)->getPriceAttitudeIcon()->getFramesCount(), 1u + cMarket::PA_EXPENSIVE);
}

TEST_F(cMarketTest, TheChartShowsTheForecastOnAScaleOfHundred)
{
    market().updateProductStatus();
    std::vector<Float> points;
    cGameplay::getInstance()->getPricePrognos(0, 1.0f, 11, points);
    market().updateProductPrognos();
    const cProductLine::cChart& chart = *lineOf(0)->getPriceGrowHistogram();
    ASSERT_EQ(chart.getBarCount(), 10u);
    EXPECT_EQ(chart.getThreshold(), 70.0f);
    for (UInt i = 0; i < 10; ++i) {
        EXPECT_FLOAT_EQ(chart.getBar(i)->getValue(), (points[i] + points[i + 1]) * 0.5f) << i;
        EXPECT_EQ(chart.getBar(i)->getMaximum(), 100.0f) << i;
    }
    // The demand rises at nine seconds: only the eleventh point sees it in the last bar.
    EXPECT_GT(chart.getBar(9)->getValue(), chart.getBar(8)->getValue());
    // A demand of 195 forecasts the level 150, kept above the scale.
    key::SeedAvail[1] = 1;
    key::MEffPrice[1] = 195;
    market().updateProductStatus();
    market().updateProductPrognos();
    const cProductLine::cChart& tomatoes = *lineOf(1)->getPriceGrowHistogram();
    EXPECT_FLOAT_EQ(tomatoes.getBar(0)->getValue(), 150.0f);
    EXPECT_EQ(tomatoes.getBar(0)->getMaximum(), 100.0f);
}

TEST_F(cMarketTest, AChartFillsMissingValuesWithNothingOnTheLargestScale)
{
    cProductLine::cChart chart(m_game);
    load("<C position=\"10 10\" BarCount=\"5\" Step=\"6 0\"><Bar position=\"0 0\" size=\"4 20\" /></C>", chart);
    ASSERT_EQ(chart.getBarCount(), 5u);
    EXPECT_EQ(chart.getBar(4)->getPosition().x, 10.0f + 24.0f);
    chart.setBars({10, 30, 20, 99, 99, 99, 99});
    chart.setBars({10, 30, 20});
    for (UInt i = 0; i < 5; ++i)
        EXPECT_EQ(chart.getBar(i)->getMaximum(), 30.0f) << i;
    EXPECT_EQ(chart.getBar(2)->getValue(), 20.0f);
    EXPECT_EQ(chart.getBar(3)->getValue(), 0.0f);
    EXPECT_EQ(chart.getBar(4)->getValue(), 0.0f);
    chart.setMaxValue(100.0f);
    EXPECT_EQ(chart.getBar(0)->getMaximum(), 100.0f);
}

TEST_F(cMarketTest, EachArrivalOfTheScreenIsCountedAndItsPlusButtonBringsOneUnit)
{
    stock(0, 5);
    cGameMenu::getInstance()->gotoMarket();
    m_engine.frames(40);
    EXPECT_TRUE(market().isVisible());
    EXPECT_EQ(key::marketIt(), 1);
    const Vector2 at = lineOf(0)->getIncQtyButton()->getPosition();
    m_engine.moveTo(Int(at.x), Int(at.y));
    m_engine.press(true);
    m_engine.press(false);
    m_engine.frames(2);
    EXPECT_EQ(cMarket::getQtyOfKind(0), 1u);
    EXPECT_EQ(key::WGoodCount[0], 4u);
    cGameMenu::getInstance()->gotoFarm();
    m_engine.frames(40);
    cGameMenu::getInstance()->gotoMarket();
    m_engine.frames(40);
    EXPECT_EQ(key::marketIt(), 2);
}

TEST_F(cMarketTest, AMarketInProgressGoesOnAfterARestart)
{
    {
        cProfile profile(u"Ann");
        offer(6, 4, 20);
        offer(7, 4, 99);
        market().sellStep(6, FRAME);
        market().sellStep(7, FRAME);
    }
    clearProperties();
    {
        cProfile profile(u"Ann");
        EXPECT_EQ(cMarket::getQtyOfKind(6), 4u);
        EXPECT_EQ(cMarket::getPlayerPriceOfKind(6), 20u);
        EXPECT_NEAR(key::MSellTime[6], 0.5f - FRAME, 1e-5f);
        EXPECT_EQ(key::MSellTime[7], -1.0f);
        for (int i = 0; i < 25; ++i)
            market().sellStep(6, FRAME);
        EXPECT_EQ(cMarket::getQtyOfKind(6), 3u);
    }
}

size_t viewsUnder(const cView* _view)
{
    size_t count = 1;
    for (const auto& child : _view->getChildren())
        count += viewsUnder(child.second);
    return count;
}

// Four kinds sell twice a second each for three minutes with the farm shown: no goods wait in the
// air for the market to come back, and the game holds no more views than ten seconds in, when
// the money flying by the purse came to its steady number. Every award is won, so that none
// stops the game to be presented.
TEST_F(cMarketTest, GoodsSoldOutOfSightLeaveNoFlightsOrViewsBehind)
{
    ASSERT_FALSE(market().isVisible());
    for (UInt i = 0; i < AWARD_COUNT; ++i)
        key::Award[i] = key::awardShow[i] = true;
    delete cAwardManager::getInstance();
    new cAwardManager();
    for (UInt kind : {0u, 4u, 8u, 12u})
        offer(kind, 1000, 1, 200);
    m_engine.frames(500);
    const size_t held = viewsUnder(m_game);
    m_engine.frames(9000);
    EXPECT_LT(cMarket::getQtyOfKind(12), 1000u - 300u) << "the stall sold";
    EXPECT_TRUE(flyTexts(market().getContent()).empty());
    EXPECT_LE(viewsUnder(m_game), held + 20);
}

} // namespace

namespace {

// The market, the menu bar and its contract cards as the game ships them, a warehouse with room
// for every good, the grass's demand changing at nine seconds and a contract that waits for
// more than the barn holds.
class cShippedMarketTest : public cGameTest {
protected:
    cShippedMarketTest() : cGameTest(files(), cEngineHarness::eRenderer::recording) {}
    static std::string shipped(const std::string& _file)
    {
        const char* data = std::getenv("FURROW_DATA");
        return readFileBytes(std::string(data ? data : "") + "/" + _file);
    }
    // The three screens' files, and every picture, font and sound they name.
    static tDataFiles files()
    {
        tDataFiles files = {
            {"game.xml", marketGameXml()},
            {"Farm/ActionAreas/Warehouse.xml",
             makeXml16("<Warehouse Visible=\"1\" Enable=\"1\" position=\"30 580\" size=\"20 20\"><ClickOffsetList><O Offset=\"0 10\" /></ClickOffsetList><Upgrades>"
                       "<Up0 ProductionNum=\"1000\" /></Upgrades></Warehouse>")},
            {"Gameplay/Gameplay.xml",
             makeXml16("<Gameplay><Events><E Type=\"6\" Time=\"0:00:09\"><Data><P ProductType=\"0\" Value=\"100\" />"
                       "</Data></E><E Type=\"9\" Time=\"0:10:00\" /><E Type=\"5\" Time=\"9:00:00\"><Data "
                       "WinTime=\"1:00:00\" LetterTime=\"0:01:00\" Bonus=\"300\" Penalty=\"0\" RandomFactor=\"1\">"
                       "<Requirements><R ProductType=\"5\" Count=\"900\" ReqType=\"0\" /><R ReqType=\"1\" />"
                       "</Requirements></Data></E></Events></Gameplay>")}};
        const std::regex named("(?:Picture|Font|Texture|Click|Hover|Sound)=\"([^\"]+)\"");
        std::set<std::string> paths;
        // The names the game asks for, and where the build put the files.
        for (const auto& [name, screen] : {std::pair{"UI/gameUI/Market.xml", "Ui/gameUI/Market.xml"},
                                           {"UI/gameUI/GameMenu.xml", "Ui/gameUI/GameMenu.xml"},
                                           {"ui/gameui/ContractStatus.xml", "Ui/gameUI/ContractStatus.xml"}}) {
            const std::string bytes = shipped(screen);
            files.push_back({name, bytes});
            std::string text;
            for (char byte : bytes)
                if (byte != 0)
                    text += byte;
            for (std::sregex_iterator it(text.begin(), text.end(), named), end; it != end; ++it)
                paths.insert((*it)[1]);
        }
        for (const std::string& path : paths)
            files.push_back({path, shipped(path)});
        return files;
    }
    static cMarket& market() { return *cMarket::getInstance(); }
};

// What a player sees of a kind at the stall: how many are on sale and at what price.
std::pair<UInt, UInt> stallOf(UInt _kind)
{
    return {cMarket::getQtyOfKind(_kind), cMarket::getPlayerPriceOfKind(_kind)};
}

// Every good in the barn and at the market. A click on a line's control acts on its good and
// opens no contract window: with three contracts running, on each control of the first three
// lines of both columns; and on the first line's All pressed in the very frame in which an
// event of the time-line lays the lines out anew.
TEST_F(cShippedMarketTest, AClickOnAControlOfALineActsOnItsGood)
{
    ASSERT_TRUE(std::getenv("FURROW_DATA"));
    // Every award won already: none is presented over the market.
    for (UInt i = 0; i < AWARD_COUNT; ++i)
        key::Award[i] = true;
    cGame::endGame();
    cGame::startGame();
    m_game = cGame::getInstance();
    struct sCase {
        const char* what;
        UInt contracts;
        std::vector<UInt> lines;
        Bool allOnly;
        Bool eventInPressFrame;
    };
    // The event's row first, before the time-line passes it.
    const sCase cases[] = {
        {"an event lays the lines out in the press's frame", 0, {0}, true, true},
        {"three contracts running", 3, {0, 1, 2, 10, 11, 12}, false, false},
    };
    for (const sCase& c : cases) {
        for (UInt kind = 0; kind < OVERALL_PROD_COUNT; ++kind) {
            cWareHouse::getInstance()->addGoods(kind, 40, true, false);
            key::MGoodPrice[kind] = 50;
        }
        for (UInt i = 0; i < c.contracts; ++i)
            cGameMenu::getInstance()->acceptContract(static_cast<sContractEvent*>(cGameplay::getInstance()->findEvent(2)));
        cGameMenu::getInstance()->gotoMarket();
        m_engine.frames(60);
        ASSERT_TRUE(market().isVisible() && !cGameMenu::isAnyScreenSliding()) << c.what;
        for (UInt j : c.lines) {
            const cProductLine& line = market().getLine(j);
            ASSERT_TRUE(line.getBack()->isVisible()) << c.what << ", line " << j;
            std::vector<cAnimButton*> buttons = {line.getIncAllQtyButton()};
            if (!c.allOnly)
                buttons = {line.getIncQtyButton(), line.getInc10QtyButton(), line.getIncAllQtyButton(),
                           line.getIncPriceButton(), line.getDecPriceButton()};
            for (cAnimButton* button : buttons) {
                const UInt kind = line.getKind();
                const auto before = stallOf(kind);
                m_engine.moveTo(Int(button->getPosition().x), Int(button->getPosition().y));
                if (c.eventInPressFrame) {
                    ASSERT_NE(key::MEffPrice[0], 100) << c.what << ": the event waits";
                    key::GameTime() = 9.0f - 0.01f;
                }
                m_engine.press(true);
                if (c.eventInPressFrame) {
                    ASSERT_EQ(key::MEffPrice[0], 100) << c.what << ": the event fired in the press's frame";
                }
                m_engine.press(false);
                m_engine.frame();
                EXPECT_NE(stallOf(kind), before) << c.what << ", line " << j << ", control at "
                                                 << button->getPosition().x << " " << button->getPosition().y;
                EXPECT_FALSE(cContractDialogs::isAnyOpen()) << c.what << ", line " << j;
                if (cContractDialogs::isAnyOpen()) {
                    cContractAim::onOk(nullptr);
                    m_engine.frames(30);
                }
                m_engine.frames(20);
            }
        }
        cGameMenu::getInstance()->gotoFarm();
        m_engine.frames(60);
    }
}

} // namespace
