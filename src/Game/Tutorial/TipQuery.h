#pragma once
#include "engine/Types.h"

#include <vector>

class cControl;

// What the tutorial asks of the game to start its own tips and to see whether the action a tip
// asks for is done. Every answer stands for an object that may be missing: a missing object
// answers "not there" (false, -1 or an empty list), never a guess.
class iTipQuery {
public:
    // The screens, panels and windows a tip looks at.
    enum eView : UInt {
        FARM,
        MARKET,
        PRODUCTION,
        SEED_PANEL,
        BUILD_PANEL,
        JOURNAL,
        CONTRACT_CONFIRM,
        CONTRACT_GOALS,
        CONTRACT_DELIVERY,
        VIEW_COUNT
    };
    // The farm buildings with a level a tip asks for.
    enum eBuilding : UInt { WATER_SOURCE, MOW_BUILDING, WAREHOUSE };

    // A field tile as the tutorial sees it.
    struct sField {
        cControl* control = nullptr;
        Float water = 0;
        Float capacity = 0;
        // 0 growing, 1 grown, 2 dead, 3 ploughed.
        UInt status = 0;
    };

    virtual ~iTipQuery() = default;

    virtual Bool exists(eView _view) const = 0;
    // Own and parent-chain flags.
    virtual Bool isShown(eView _view) const = 0;
    virtual Bool isSliding(eView _view) const = 0;
    // Paused, an award on its way, or a contract dialog open.
    virtual Bool isGameHeld() const = 0;
    virtual Float getGameTime() const = 0;
    // A production building finished its first unit.
    virtual Bool isProductionComplete() const = 0;

    // The owned fields, in the farm's order.
    virtual std::vector<sField> getUpgradedFields() const = 0;
    // False when _control is no field tile.
    virtual Bool getField(const cControl* _control, sField& _field) const = 0;

    virtual Bool hasWorker() const = 0;
    // 0 nothing, 1 can, 2 spade, 6 scythe, 10 seed package, 11 hose.
    virtual UInt getCarry() const = 0;
    // The worker's job animation: 0-3 ploughing, 4-7 harvesting, 8 sowing, 10 watering with
    // the can; -1 for none or no worker.
    virtual Int getJob() const = 0;
    virtual Float getCanWater() const = 0;
    virtual Bool canBasketTakeMore() const = 0;

    // -1 when the building is missing.
    virtual Int getLevel(eBuilding _building) const = 0;
    // What a full can holds; -1 when unknown.
    virtual Float getWaterSourceCapacity() const = 0;
    // The building the worker goes to, null when it is no control.
    virtual cControl* getControl(eBuilding _building) const = 0;

    // -1 without a warehouse.
    virtual Int getStock(UInt _kind) const = 0;
    virtual Int getFreeSpace() const = 0;
    // -1 without a market.
    virtual Int getOnSale(UInt _kind) const = 0;

    virtual Bool isSeedOnMouse() const = 0;
    // The state of the farm's first seed package; -1 when there is none.
    virtual Int getFirstSeedPackageState() const = 0;
    // -1 when _control is no letter slot.
    virtual Int getLetterState(const cControl* _control) const = 0;

    // -1 without a production screen.
    virtual Int getHouseCount() const = 0;
    // The first production building's level and flag word; -1 when there is none.
    virtual Int getFirstHouseLevel() const = 0;
    virtual Int getFirstHouseFlags() const = 0;
    // The first production building's next level is in its data and on sale.
    virtual Bool canUpgradeFirstHouse() const = 0;
    // The loaded input of the building that owns _control; -1 when none owns it.
    virtual Int getLoadedInput(const cControl* _control) const = 0;
    // A bought building hangs on the cursor.
    virtual Bool isHouseTaken() const = 0;
};

// The answers of the running game.
class cGameTipQuery : public iTipQuery {
public:
    Bool exists(eView _view) const override;
    Bool isShown(eView _view) const override;
    Bool isSliding(eView _view) const override;
    Bool isGameHeld() const override;
    Float getGameTime() const override;
    Bool isProductionComplete() const override;
    std::vector<sField> getUpgradedFields() const override;
    Bool getField(const cControl* _control, sField& _field) const override;
    Bool hasWorker() const override;
    UInt getCarry() const override;
    Int getJob() const override;
    Float getCanWater() const override;
    Bool canBasketTakeMore() const override;
    Int getLevel(eBuilding _building) const override;
    Float getWaterSourceCapacity() const override;
    cControl* getControl(eBuilding _building) const override;
    Int getStock(UInt _kind) const override;
    Int getFreeSpace() const override;
    Int getOnSale(UInt _kind) const override;
    Bool isSeedOnMouse() const override;
    Int getFirstSeedPackageState() const override;
    Int getLetterState(const cControl* _control) const override;
    Int getHouseCount() const override;
    Int getFirstHouseLevel() const override;
    Int getFirstHouseFlags() const override;
    Bool canUpgradeFirstHouse() const override;
    Int getLoadedInput(const cControl* _control) const override;
    Bool isHouseTaken() const override;
};
