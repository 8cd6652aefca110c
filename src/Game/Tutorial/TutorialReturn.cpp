// How the tutorial goes on in a game left while a tip was on screen, or between a step that
// opened a screen, a panel or a letter and the lesson given there.
#include "Game/Tutorial/TutorialManager.h"

#include "Game/GameKeys.h"
#include "engine/logs/ErrorStack.h"
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

// A step that opened a screen or a panel counts as done only once the lesson given there is:
// a game left between the two comes back on the farm, where nothing else would lead there
// again. A lesson tip that waits on the farm (grass to bring, a level on sale) keeps no door
// open: the visit could not give it either.
struct sDoor {
    eTips lead;
    eTips lesson[8];
    size_t count;
};
constexpr eTips MARKET_LAST_TIP = 45;
constexpr sDoor DOORS[] = {
    {TO_MARKET, {8, 9, MARKET_LAST_TIP}, 3},
    {TO_SEED_SHOP, {14, 15}, 2},
    {TO_PRODUCTION, {31, 32, 35, 36, 37, 38, 48, 34}, 8},
    {TO_BUILD_PANEL, {35, 36}, 2},
};

// The first contract's letter: the tip that points at it, and the goal of the contract taken.
constexpr eTips TO_LETTER = 17;
constexpr eTips CONTRACT_GOAL = 18;
constexpr Int LETTER_UNREAD = 0;
constexpr Int LETTER_READ = 1;

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

// The tutorial waits on the first contract until its goal is shown. A letter opened but not
// answered when the game was left is back in the post box unanswered: the tip points at it
// again, and it reads as unopened so that opening it is what closes the tip.
void cTutorialManager::pointAtWaitingLetter()
{
    if (!m_tutorialEnabled || !key::tip[TO_LETTER] || key::tip[CONTRACT_GOAL])
        return;
    Bool waiting = false;
    for (UInt place = 0; place < key::PLACE_COUNT; ++place) {
        if (key::task[place] != -1)
            return;
        waiting = waiting || key::letter[place] != -1;
    }
    if (!waiting)
        return;
    key::tip[TO_LETTER] = false;
    for (UInt place = 0; place < key::PLACE_COUNT; ++place)
        if (key::letter[place] != -1 && key::letState[place] == LETTER_READ)
            key::letState[place] = LETTER_UNREAD;
    getLog("tutorial")->print("Tip " + std::to_string(TO_LETTER) + " comes again: its letter waits unanswered.");
}

void cTutorialManager::reopenUnfinishedLessons()
{
    GUARD_BEGIN
    if (!m_tutorialEnabled)
        return;
    // The market's lesson given, the way back to the farm is the return itself.
    if (key::tip[MARKET_LAST_TIP] && !key::tip[BACK_TO_FARM])
        passOver(BACK_TO_FARM, "the game comes back on the farm.");
    for (const sDoor& door : DOORS) {
        if (!key::tip[door.lead])
            continue;
        const eTips* end = door.lesson + door.count;
        const eTips* open = std::find_if(door.lesson, end, [this](eTips _n) {
            return !key::tip[_n] && getTipChance(_n) == TIP_NOW;
        });
        if (open == end)
            continue;
        key::tip[door.lead] = false;
        // The first visit, left before its lesson, counts again: the market's tips go by visits.
        if (door.lead == TO_MARKET && key::marketIt() == 1)
            key::marketIt() = 0;
        getLog("tutorial")->print("Tip " + std::to_string(door.lead) + " comes again: the game was left before tip " +
                                  std::to_string(*open) + ".");
    }
    GUARD_END("void cTutorialManager::reopenUnfinishedLessons()")
}
