// How the tutorial goes on in a game left while a tip was on screen.
#include "Game/Tutorial/TutorialManager.h"

#include "Game/GameKeys.h"
#include "engine/logs/LogManager.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// A game comes back on the farm. A tip of the market, the seed shop or the production screen
// left unfollowed is shown there again only once the player is back there: the tips that lead
// there come again, so the lesson holds the clock as it did and goes on from its step. The
// tip that asked to go back to the farm is followed by the return itself.
struct sLeadBack {
    eTips kept;
    eTips leads[2];
    size_t count;
};
constexpr eTips TO_MARKET = 6;
constexpr eTips BACK_TO_FARM = 7;
constexpr eTips TO_SEED_SHOP = 13;
constexpr eTips TO_PRODUCTION = 30;
constexpr eTips TO_BUILD_PANEL = 32;
constexpr sLeadBack LEAD_BACKS[] = {
    {8, {TO_MARKET}, 1},      {9, {TO_MARKET}, 1},      {11, {TO_MARKET}, 1},     {12, {TO_MARKET}, 1},
    {45, {TO_MARKET}, 1},     {14, {TO_SEED_SHOP}, 1},  {15, {TO_SEED_SHOP}, 1},  {31, {TO_PRODUCTION}, 1},
    {32, {TO_PRODUCTION}, 1}, {33, {TO_PRODUCTION}, 1}, {34, {TO_PRODUCTION}, 1}, {37, {TO_PRODUCTION}, 1},
    {38, {TO_PRODUCTION}, 1}, {48, {TO_PRODUCTION}, 1}, {35, {TO_PRODUCTION, TO_BUILD_PANEL}, 2},
    {36, {TO_PRODUCTION, TO_BUILD_PANEL}, 2},
};

// The market's tips, shown on the player's first, second or third visit.
constexpr eTips MARKET_VISIT_TIPS[] = {8, 9, 45, 11, 12};

} // namespace

void cTutorialManager::goOnFromKeptTip()
{
    const Int kept = key::tutShown();
    key::tutShown() = -1;
    if (kept < 0 || !m_tutorialEnabled || key::tip[UInt(kept)])
        return;
    if (kept == Int(BACK_TO_FARM)) {
        passOver(BACK_TO_FARM, "the game comes back on the farm.");
        return;
    }
    // The market's tips go by the player's visits: the one left counts again.
    if (std::find(std::begin(MARKET_VISIT_TIPS), std::end(MARKET_VISIT_TIPS), eTips(kept)) !=
            std::end(MARKET_VISIT_TIPS) &&
        key::marketIt() > 0)
        --key::marketIt();
    for (const sLeadBack& back : LEAD_BACKS) {
        if (Int(back.kept) != kept)
            continue;
        for (size_t i = 0; i < back.count; ++i) {
            key::tip[back.leads[i]] = false;
            getLog("tutorial")->print("Tip " + std::to_string(back.leads[i]) + " comes again: the game was left at tip " +
                                      std::to_string(kept) + ".");
        }
    }
}
