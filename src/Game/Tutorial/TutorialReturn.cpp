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

// A game comes back on the farm. A lesson given on another screen or in a panel is reached
// again through the steps that lead there from the farm: one row a lesson, with those steps and
// whether the visit they open gives it. Such a step counts as done only once that visit's
// lessons are: a game left between the two brings the step back, as nothing else would lead
// there again. A lesson of a later visit (the market's price and chart) or one that waits for a
// full yard keeps no step open.
struct sLesson {
    eTips tip;
    eTips leads[2];
    size_t leadCount;
    Bool onTheVisit;
};
constexpr eTips TO_MARKET = 6;
constexpr eTips BACK_TO_FARM = 7;
constexpr eTips TO_SEED_SHOP = 13;
constexpr eTips TO_PRODUCTION = 30;
constexpr eTips TO_BUILD_PANEL = 32;
// The market's last lesson of the first visit: once given, the way back to the farm is due.
constexpr eTips MARKET_LAST_TIP = 45;
// In the order they are given: the log names the first one a return goes on from.
constexpr sLesson LESSONS[] = {
    {8, {TO_MARKET}, 1, true},
    {9, {TO_MARKET}, 1, true},
    {MARKET_LAST_TIP, {TO_MARKET}, 1, true},
    {11, {TO_MARKET}, 1, false},
    {12, {TO_MARKET}, 1, false},
    {14, {TO_SEED_SHOP}, 1, true},
    {15, {TO_SEED_SHOP}, 1, true},
    {31, {TO_PRODUCTION}, 1, true},
    {32, {TO_PRODUCTION}, 1, true},
    {35, {TO_PRODUCTION, TO_BUILD_PANEL}, 2, true},
    {36, {TO_PRODUCTION, TO_BUILD_PANEL}, 2, true},
    {37, {TO_PRODUCTION}, 1, true},
    {38, {TO_PRODUCTION}, 1, true},
    {48, {TO_PRODUCTION}, 1, true},
    {34, {TO_PRODUCTION}, 1, true},
    {33, {TO_PRODUCTION}, 1, false},
};

const sLesson* findLesson(Int _tip)
{
    const auto found = std::find_if(std::begin(LESSONS), std::end(LESSONS),
                                    [_tip](const sLesson& _lesson) { return Int(_lesson.tip) == _tip; });
    return found == std::end(LESSONS) ? nullptr : found;
}

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
    // A tip of another screen or a panel left unfollowed is shown there again only once the
    // player is back there: the steps that lead there come again, so the lesson holds the clock
    // as it did and goes on from its step.
    const sLesson* lesson = findLesson(kept);
    if (!lesson)
        return;
    for (size_t i = 0; i < lesson->leadCount; ++i) {
        const eTips lead = lesson->leads[i];
        // The market's tips go by the player's visits: the one left counts again.
        if (lead == TO_MARKET && key::marketIt() > 0)
            --key::marketIt();
        key::tip[lead] = false;
        getLog("tutorial")->print("Tip " + std::to_string(lead) + " comes again: the game was left at tip " +
                                  std::to_string(kept) + ".");
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
    for (const sLesson& lesson : LESSONS) {
        const eTips* leads = lesson.leads;
        const eTips* end = leads + lesson.leadCount;
        // A lesson that waits on the farm (grass to bring, a level on sale) keeps no step open for
        // now: the visit could not give it either.
        if (!lesson.onTheVisit || key::tip[lesson.tip] ||
            std::none_of(leads, end, [](eTips _lead) { return key::tip[_lead]; }) ||
            getTipChance(lesson.tip) != TIP_NOW)
            continue;
        for (const eTips* lead = leads; lead != end; ++lead) {
            if (!key::tip[*lead])
                continue;
            key::tip[*lead] = false;
            // The first visit, left before its lesson, counts again: the market's tips go by visits.
            if (*lead == TO_MARKET && key::marketIt() == 1)
                key::marketIt() = 0;
            getLog("tutorial")->print("Tip " + std::to_string(*lead) + " comes again: the game was left before tip " +
                                      std::to_string(lesson.tip) + ".");
        }
    }
    GUARD_END("void cTutorialManager::reopenUnfinishedLessons()")
}
