#pragma once
#include "Game/AwardKey.h"
#include "Game/Awards/AwardQuery.h"
#include "Ui/views/View.h"
#include "Ui/views/ViewWatch.h"
#include "engine/Singleton.h"

class cAward;
class cAwards;

// Watches the award counters during a game and presents each award as it is won: the award's
// picture grows in over the game, the awards screen fades in with a congratulation, and the
// picture flies to its place there. The game stands from the moment an award is earned until
// the player leaves the awards screen. It waits for a quiet moment: never while a screen
// slides, a dialog or panel is open, or the game is paused or held.
class cAwardManager : public cView, public cViewSingleton<cAwardManager> {
public:
    enum eAwardType : UInt {
        GROW_100,
        PRODUCE_100,
        GROW_1000,
        PRODUCE_1000,
        MAKE_20_TASK,
        MAKE_40_TASK,
        EARN_1000_PER_MINUTE,
        UPGRADE_ALL_FARM_DEPOTS,
        BUILD_ALL_MANUFACTURE_DEPOTS,
        UPGRADE_ALL_MANUFACTURE_DEPOTS,
        DESTROY_100_DEPOTS,
        GROW_ALL_AT_ONE_TIME,
        NO_WATER_NEED_IN_20_MINUTE,
        PLAY_30_MINUTE,
        PLAY_3_HOUR,
        SELL_ITEM_PER_40,
        GETTING_1000_GOLD,
        GETTING_10000_GOLD,
        MAX_MARKET_ASSORTIMENT,
        MEGAPLANNING,
        COLLECT_ALL_AWARDS,
        AWARD_TYPE_COUNT
    };
    static_assert(AWARD_TYPE_COUNT == AWARD_COUNT);

    // Awards won in earlier games count as done, and show as obtained; reads the view keys of
    // "UI/Awards.xml".
    explicit cAwardManager(cView* _parent = nullptr);
    // Takes along the award on its way and the awards screen it made, if still there.
    ~cAwardManager() override;

    void process() override;

    // The awards screen's leaving: the game goes on.
    static void onAwardsOk();

    // The award that the next quiet frame presents even if not earned; -1 for none. An index
    // outside the awards is ignored, and an award already won is never presented again.
    void setForcedIndex(Int _index);
    Int getForcedIndex() const { return m_forced; }
    Bool isDone(UInt _index) const { return _index < AWARD_COUNT && m_done[_index]; }
    cAward* getPresented() const { return m_award; }
    // Tests answer for the game; null gives the game's own answers back.
    void setQuery(const iAwardQuery* _query) { m_query = _query ? _query : &m_gameQuery; }

private:
    void presentStep();
    void showPanelWhenReady(cAwards* _screen);
    void finishPresentation(cAwards* _screen);
    Int findEarned();
    void present(UInt _index);
    cAwards* requireScreen();

    Bool m_done[AWARD_COUNT] = {};
    cAward* m_award = nullptr;
    Int m_forced = -1;
    cGameAwardQuery m_gameQuery;
    const iAwardQuery* m_query = &m_gameQuery;
    // The awards screen this manager made, to take along with the game.
    cViewWatch m_screen;
};
