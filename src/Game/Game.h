#pragma once
#include "Game/AwardKey.h"
#include "Game/GameMenu/MoneyFlight.h"
#include "Ui/controls/State.h"
#include "Ui/views/View.h"
#include "engine/Singleton.h"
#include "engine/Types.h"

#include <list>
#include <memory>
#include <vector>

class cChannel;
class iResource;
class iXML;
struct sLevelState;
struct sSavedVariable;

// Number of product kinds: 0..7 the crops, 8..18 the manufactured goods (good = kind - 8).
inline constexpr UInt OVERALL_PROD_COUNT = 19;

// The running game: the root view of the game scene, which builds every screen, building,
// panel and dialog of a game in a fixed order and takes them down again. It also holds the
// tables of "game.xml" (products, seeds, upgrade costs) and keeps the money with its flying
// texts, the market earnings of the last minute and the effects of the cheat words.
class cGame : public cView, public cViewSingleton<cGame> {
public:
    enum eCultivationType : UInt {
        GRASS,
        TOMATOES,
        MELON,
        CUCUMBERS,
        ROSE,
        WATERMELON,
        PINEAPPLE,
        WHEAT,
        CULTIVATION_COUNT
    };
    // 0..10 the production building types in their own order; then the four farm buildings.
    enum eUpgradeItem : UInt {
        SHEEP_FOLD,
        HEN_HOUSE,
        COW_SHED,
        PIG_PEN,
        CHEESE_DAIRY,
        CREAMERY,
        WEAVERY,
        INCUBATOR,
        TEXTILE_DEP,
        BAKERY,
        MILL,
        MOW_BUILDING,
        WARE_HOUSE,
        WATER_SOURCE,
        DIG_BUILDING,
        UPGRADE_ITEM_COUNT
    };
    static constexpr UInt UPGRADE_LEVEL_COUNT = 4;
    static constexpr UInt GOODS_COUNT = OVERALL_PROD_COUNT - CULTIVATION_COUNT;
    static constexpr UInt UPGRADE_STRING_COUNT = 5;

    struct sProdInfo {
        Float DieTime = 0;
        Int PriceRadius = 0;
        Int GoodAttPriceRadius = 0;
        Float MaxSellFrequency = 0;
        cState Icon;
        cState IconLarge;
        Float CreationTime = 0;
    };
    struct sSeedsInfo {
        UInt Price = 0;
        cState Icon;
    };

    // Builds the whole game and shows the farm. A failure on the way takes down what was
    // built so far and passes on; the player's level state is then left as it was.
    cGame();
    // Saves the level state; a failure of any step is logged and the rest still runs.
    ~cGame() override;

    // The root's view keys, then "ProductionInfo", "Costs", "Seeds", "UpgradeStrings" and the
    // "UpgradeSound"; a missing part keeps what the table held.
    void loadXML(iXML* _xml_doc) override;

    // Null outside each table's range.
    const sProdInfo* getProdInfo(UInt _type) const;
    const sProdInfo* getCultivationInfo(eCultivationType _type) const;
    const sProdInfo* getGoodInfo(Int _good) const;
    const sSeedsInfo* getSeedsInfo(eCultivationType _type) const;
    // Raises "bad level" for a level past 3, then "bad upgrade item" for an item past 14.
    UInt getUpgradeCost(eUpgradeItem _item, UInt _level) const;
    // The tooltip of an upgradable building at level + 1; empty past the table.
    const WString& getUpgradeString(UInt _index) const;

    static Int getMoney();
    // Stores max(_money, 0), refreshes everything that shows or depends on the money, and
    // flies the change actually made as an income or an expense.
    static void setMoney(Int _money);
    // setMoney of the purse plus _amount, saturated (moneyPlus).
    static void addMoney(LongLong _amount);
    void startFlyExpense(UInt _money);
    void startFlyIncome(UInt _money);
    // One unit of the product flies off the market's stall while the market is on screen;
    // nothing flies while it is not, nor for a kind past 18.
    void startFlyProduct(UInt _type);

    // A sale on the market at _time seconds of play ("RunTime"), the clock that goes on through
    // the time-line's loops. 1000 or more earned within the last minute wins the "awEarn" award
    // flag, which stays won.
    void addEarnedFromMarket(UInt _money, Float _time);
    UInt getEarnedSum() const { return m_earnedSum; }
    Float getEarnedWindowStart() const { return m_earnedWindowStart; }

    // Every upgrade control follows the money and the levels on sale.
    static void updateUpgradeControls();
    void playUpgradeSound();

    // The product's name as the player reads it; empty for a kind past 18.
    static const WString& getStaticProductTag(UInt _type);

    // Stores the default of every game variable: the profile's initialisation hook.
    static void onInitProfile();

    // The level-state file beside the profile: read while the game is built, written when
    // it goes.
    static void loadLevelState();
    static void saveLevelState();
    // Called once a frame when every view has run, where no update is half done: writes the
    // progress when two minutes of real time have passed since the last save, or a save was
    // asked for.
    static void atSafePoint(Float _realSeconds);
    // The next safe point saves (the pause menu opens, say).
    static void requestSave();
    // The level state and the variables; a failure is logged and told to the player, and the
    // next safe point tries again. True when both were handed to the disk (a failure there is
    // told at a later safe point).
    static Bool saveProgress() noexcept;
    // Whether a value of the saved variables can be used as it is: the profile takes one that
    // cannot and whose default would cost the player (money gone, a clock that reads no time)
    // from the copy before, and tells the player _what.
    static Bool isSavedValueUsable(const sSavedVariable& _variable, WString& _what);
    // Of variables salvaged from a damaged copy, the words for what that check refuses or the
    // copy lacks, and the game cannot have from the rest: it starts from its default.
    static std::vector<WString> lostValues(const std::vector<sSavedVariable>& _salvaged);

    static void cheatAddMoney();
    static void cheatAddUpgrades();
    static void cheatAddSeeds();
    static void cheatAddProduction(cView* _caller);

    // The game start of the main menu: a new game object, built and shown.
    static void startGame();
    // At program end: the game goes, when there is one, while the engine still runs.
    static void endGame() noexcept;

private:
    struct sEarning {
        Float time;
        UInt money;
    };
    struct sReleaseResource {
        void operator()(iResource* _resource) const;
    };

    void build();
    void loadProducts(iXML* _xml_doc);
    void loadCosts(iXML* _xml_doc);
    void loadSeeds(iXML* _xml_doc);
    void loadUpgradeStrings(iXML* _xml_doc);
    void loadUpgradeSound(iXML* _xml_doc);
    void startFly(cView* _parent, const char* _xml, const WString& _text, const cState* _icon);
    void clearEarnings();
    static void applyLevelState(const sLevelState& _state);

    sProdInfo m_products[OVERALL_PROD_COUNT];
    sSeedsInfo m_seeds[CULTIVATION_COUNT];
    UInt m_costs[UPGRADE_ITEM_COUNT][UPGRADE_LEVEL_COUNT] = {};
    std::list<sEarning> m_earnings;
    UInt m_earnedSum = 0;
    Float m_earnedWindowStart = 0;
    cMoneyFlight m_incomeFlight{"UI/FlyTextIncome.xml", u'+'};
    cMoneyFlight m_expenseFlight{"UI/FlyTextExpence.xml", u'-'};
    Float m_sinceSave = 0;
    Bool m_saveRequested = false;
    std::unique_ptr<iResource, sReleaseResource> m_upgradeSound;
    std::unique_ptr<cChannel> m_upgradeChannel;
    WString m_upgradeStrings[UPGRADE_STRING_COUNT];
};
