#pragma once
#include "engine/Types.h"

struct sContractEvent;

// What the time-line's events act on besides the game variables. The game's own objects
// answer by default (each only while it exists); a test puts a recorder in their place.
class iEventTargets {
public:
    virtual ~iEventTargets() = default;

    // An unread note in the journal.
    virtual void addNote(const WString& _note) = 0;
    virtual void setMoney(Int _money) = 0;
    virtual Bool haveLetterRoom() = 0;
    virtual void addLetter(sContractEvent* _event) = 0;
    virtual void destroyFields(Int _count, Float _randomFactor) = 0;
    virtual void setFieldsUpgradeAvail(Int _level) = 0;
    virtual void updateSeedsButton() = 0;
    // The market's product lines, when the market is on view.
    virtual void refreshMarketLines() = 0;
    // The warehouse detail panel, when it is on view.
    virtual void refreshWareDetail() = 0;
    virtual void onChangeEffectivePrice() = 0;
    // The building of upgrade item _item follows a new level on sale.
    virtual void refreshUpgradeItem(UInt _item) = 0;
    // The menu bar's production and market buttons.
    virtual void updateMenuButtons() = 0;
};

// The targets of a running game.
class cGameEventTargets : public iEventTargets {
public:
    void addNote(const WString& _note) override;
    void setMoney(Int _money) override;
    Bool haveLetterRoom() override;
    void addLetter(sContractEvent* _event) override;
    void destroyFields(Int _count, Float _randomFactor) override;
    void setFieldsUpgradeAvail(Int _level) override;
    void updateSeedsButton() override;
    void refreshMarketLines() override;
    void refreshWareDetail() override;
    void onChangeEffectivePrice() override;
    void refreshUpgradeItem(UInt _item) override;
    void updateMenuButtons() override;
};
