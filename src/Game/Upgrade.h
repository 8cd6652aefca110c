#pragma once
#include "Game/GameKeys.h"
#include "engine/Types.h"

// The part of a building that has an upgrade level bought with money. The level lives in the
// Int game variable "Upgrade" followed by the index; the item picks the cost row and the
// "UpAvail" variable.
// Not filled in yet: no level data is read, so setting a level only refreshes the building;
// levels themselves are written by the upgrade operation once it exists.
class cUpgrade {
public:
    cUpgrade(UInt _item, UInt _index) : m_item(_item), m_index(_index) {}
    // Its buildings are views, whose destructors may pass a failure on.
    virtual ~cUpgrade() noexcept(false) {}

    // Brings the building's look and behaviour in line with its level and the money.
    virtual void updateUpgrade() = 0;

    Int getUpgrade() const { return key::upgradeLevel(m_index); }
    void setUpgrade(UInt /*_level*/, Bool /*_playSound*/) { updateUpgrade(); }
    UInt getItem() const { return m_item; }
    UInt getIndex() const { return m_index; }

private:
    UInt m_item;
    UInt m_index;
};
