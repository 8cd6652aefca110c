#pragma once
#include "Game/GameHarness.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Market/Market.h"

#include <string>

// Every kind sells up to twice a second with a price radius of 10 and a verdict radius of 5.
inline std::string marketGameXml()
{
    std::string products;
    for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k)
        products += "<P CreationTime=\"10\" DieTime=\"60\" MaxSellFrequency=\"2\" PriceRadius=\"10\" GoodAttPriceRadius=\"5\" />";
    return makeXml16("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\"><ProductionInfo>" + products +
                     "</ProductionInfo></Game>");
}

// A market of 19 places 30 apart; each line's controls side by side, a chart of 10 bars; the
// three verdict looks told apart by their frame counts (1, 2, 3); _attributes join the root's.
inline std::string marketXml(const std::string& _attributes = "")
{
    std::string places;
    for (UInt i = 0; i < OVERALL_PROD_COUNT; ++i)
        places += "<P pos=\"0 " + std::to_string(80 + i * 30) + "\" />";
    std::string line;
    const char* parts[] = {"Back", "ProductIcon", "WareQtyLabel", "IncQtyButton", "Inc10QtyButton", "IncAllQtyButton",
                           "MarketQtyLabel", "DecPriceButton", "PriceLabel", "IncPriceButton", "PriceAttitudeIcon"};
    Int x = 20;
    for (const char* part : parts) {
        line += std::string("<") + part + " Visible=\"1\" Enable=\"1\" position=\"" + std::to_string(x) +
                " 0\" size=\"24 24\" />";
        x += 30;
    }
    line += "<PriceGrowHistogram Visible=\"1\" Enable=\"1\" position=\"400 0\" BarCount=\"10\" Step=\"5 0\" Threshold=\"70\">"
            "<Bar Visible=\"1\" Enable=\"1\" position=\"0 0\" size=\"4 20\" Side=\"2\" /></PriceGrowHistogram>";
    return makeXml16("<Market Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\" MoveSpeed=\"4000\" IconType=\"0\" "
                     "PriceCheckPeriod=\"1\" PriceUpdatePeriod=\"0.5\" ChangePricePeriod=\"0.3\" SellSound=\"sounds/sell.wav\" " +
                     _attributes + ">"
                     "<ProductPlaces>" + places + "</ProductPlaces><Texts><Title String=\"Market\" /></Texts>"
                     "<ProductLine>" + line + "</ProductLine><AttitudeIconStates><S frames_count=\"1\" anim_columns=\"3\" />"
                     "<S frames_count=\"2\" anim_columns=\"3\" /><S frames_count=\"3\" anim_columns=\"3\" /></AttitudeIconStates></Market>");
}

// Demand of grass rises from 10 to 100 at nine seconds.
inline std::string marketGameplayXml()
{
    return makeXml16("<Gameplay><Events><E Type=\"6\" Time=\"0:00:09\"><Data><P ProductType=\"0\" Value=\"100\" /></Data></E>"
                     "<E Type=\"9\" Time=\"0:10:00\" /></Events></Gameplay>");
}

class cMarketTest : public cGameTest {
protected:
    cMarketTest()
        : cGameTest({{"game.xml", marketGameXml()}, {"UI/gameUI/Market.xml", marketXml()},
                     {"Gameplay/Gameplay.xml", marketGameplayXml()}, {"sounds/sell.wav", "ding"}})
    {
    }

    cMarket& market() { return *cMarket::getInstance(); }
    // _count units of _kind in a warehouse with room for 160.
    void stock(UInt _kind, UInt _count)
    {
        key::upgradeLevel(32) = 3;
        delete cWareHouse::getInstance();
        key::WGoodCount[_kind] = _count;
        new cWareHouse(cFarm::getInstance()->getSlidingPicture());
        market().updateProductStatus();
    }
    // _count on sale at _price against a demand of _demand.
    void offer(UInt _kind, UInt _count, UInt _price, Int _demand = 40)
    {
        key::MEffPrice[_kind] = _demand;
        market().setPlayerPriceOfKind(_kind, _price);
        market().setQtyOfKind(_kind, _count);
    }
    // The line that shows _kind, or null.
    const cProductLine* lineOf(UInt _kind)
    {
        for (UInt j = 0; j < cMarket::LINE_COUNT; ++j)
            if (market().getLine(j).getBack()->isOwnVisible() && market().getLine(j).getKind() == _kind)
                return &market().getLine(j);
        return nullptr;
    }
};
