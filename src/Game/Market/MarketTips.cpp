#include "Game/GameKeys.h"
#include "Game/Market/Market.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/PriceText.h"
#include "engine/logs/ErrorStack.h"

#include <vector>

// The tutorial's walk through the market: what the screen is, where the goods come from and
// how to bring some, then the price, then the chart.
namespace {

constexpr eTips TIP_MARKET_HELLO = 8;
constexpr eTips TIP_PRODUCT = 9;
constexpr eTips TIP_PRICE = 11;
constexpr eTips TIP_CHART = 12;
constexpr eTips TIP_BRING_GRASS = 45;
// The chart the price tip explains: ups and downs to point at, whatever the forecast says.
const std::vector<Float> SAMPLE_FORECAST = {100, 50, 200, 25, 50, 75, 100, 150, 100, 10};

} // namespace

void cMarket::process()
{
    GUARD_BEGIN
    cMovableBack::process();
    runTips();
    GUARD_END("void cMarket::process()")
}

void cMarket::runTips()
{
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!tutorial)
        return;
    const Bool quiet = !getSlide().isMoving() && isVisible();
    const cProductLine& first = *m_lines.front();
    switch (key::marketIt()) {
    case 1:
        if (tutorial->canRunTip(TIP_MARKET_HELLO) && quiet && isEnabled()) {
            tutorial->runTip(TIP_MARKET_HELLO, nullptr);
        } else if (tutorial->canRunTip(TIP_PRODUCT)) {
            tutorial->runTip(TIP_PRODUCT, first.getProductIcon());
        } else if (tutorial->canRunTip(TIP_BRING_GRASS) && quiet) {
            tutorial->runTip(TIP_BRING_GRASS, first.getInc10QtyButton());
        }
        break;
    case 2:
        if (tutorial->canRunTip(TIP_PRICE))
            tutorial->runTip(TIP_PRICE, first.getPriceLabel());
        break;
    case 3:
        if (tutorial->canRunTip(TIP_CHART)) {
            first.getPriceGrowHistogram()->setMaxValue(100.0f);
            first.getPriceGrowHistogram()->setBars(SAMPLE_FORECAST);
            tutorial->runTip(TIP_CHART, first.getPriceGrowHistogram());
        }
        break;
    default: break;
    }
    // A first visit with no grass to bring leaves the stall's tip waiting: it comes on the visit
    // that has some.
    if (key::marketIt() > 1 && quiet && tutorial->isTipPassed(TIP_PRODUCT) && tutorial->canRunTip(TIP_BRING_GRASS))
        tutorial->runTip(TIP_BRING_GRASS, first.getInc10QtyButton());
}
