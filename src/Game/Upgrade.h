#pragma once
#include "engine/Types.h"

class iXML;

// The part of a building that has an upgrade level bought with money. The level lives in the
// Int game variable "Upgrade" followed by the index (-1 not built, then 0..3); the item picks
// the cost row and the "UpAvail" variable. The building reads the data of each level through
// loadUpgrade and follows the current level in updateUpgrade.
class cUpgrade {
public:
    static constexpr UInt MAX_LEVELS = 4;

    cUpgrade(UInt _item, UInt _index) : m_item(_item), m_index(_index) {}
    // Its buildings are views, whose destructors may pass a failure on.
    virtual ~cUpgrade() noexcept(false) {}

    // Brings the building's look and behaviour in line with its level and the money.
    virtual void updateUpgrade() = 0;
    // The data of one level; a building whose levels carry no data of their own reads nothing.
    virtual void loadUpgrade(UInt /*_level*/, iXML* /*_xml*/) {}

    Int getUpgrade() const;
    // Whether the next level may be bought: on sale ("UpAvail") when _checkAvail, affordable
    // when _checkMoney. Asking for the money past the last level raises "bad level".
    Bool canUpgrade(Bool _checkMoney, Bool _checkAvail) const;
    // Clamps _level to the levels loaded and stores it when it differs, with the upgrade
    // sound when _playSound; the building is refreshed in every case. A building with no
    // level loaded keeps the level it has. The buyer pays.
    void setUpgrade(UInt _level, Bool _playSound);
    // What the levels bought so far are taken to be worth: the costs of levels 1 up to, not
    // including, the current one. The game clock counts it as money toward its money goals.
    Int getUpgradesCost() const;
    // "Upgrades" › "Up0".."Up3", looked for up to the number of its children; a level left out
    // is passed over.
    void loadXML(iXML* _xml_doc);

    UInt getItem() const { return m_item; }
    UInt getIndex() const { return m_index; }
    UInt getLevelCount() const { return m_levelCount; }

private:
    UInt m_item;
    UInt m_index;
    UInt m_levelCount = 0;
};
