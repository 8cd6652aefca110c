#pragma once
#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Buildings/UpgradeControls.h"
#include "Game/Upgrade.h"
#include "Game/Tutorial/TipNumber.h"

#include <array>

// A farm building that keeps one of the worker's tools: the worker walks here to take it or
// bring it back, and the player buys better levels with the button under it. Each level has
// two looks, with the tool standing at the building and without it (the worker has it), each
// with its own click mask. The building changes look when the worker takes or returns the
// tool, and when a tool flying home lands.
class cToolBuilding : public cActionArea, public cUpgrade {
public:
    // What tells the two tool buildings apart.
    struct sToolInfo {
        eActionAreaType kind;
        UInt item;
        UInt index;
        const char* file;
        // The worker's carry state with this tool.
        UInt carry;
        // The flight type of the level 0 tool; one per level follows.
        Int firstFlight;
    };

    cToolBuilding(cView* _parent, const sToolInfo& _info);

    void process() override;
    // The area's keys, the levels under "Upgrades", then "UpgradeButton" and "CostText".
    void loadXML(iXML* _xml_doc) override;
    // Only a button press while a sprinkler or seed package stands under the cursor too.
    void clicked() override;
    void updateUpgrade() override;

    // The look of the level, with or without the tool by what the worker carries.
    void updateInstrumentView();
    // Whether the worker has this building's tool.
    Bool isToolCarried() const;
    // The player's purchase: the next level, paid; a tool the worker carries flies home.
    void upgradeFromButton();

    cUpgradeControls& getUpgradeControls() { return m_upgrade; }
    Bool isShowingNoTool() const { return m_noToolShown; }

protected:
    // The looks of one level: the level element and its "NoInstrument" child.
    void loadLooks(UInt _level, iXML* _xml);
    // The current level, or -1 when no level data describes it.
    Int getValidLevel() const;
    const sToolInfo& getInfo() const { return m_info; }

    // The building's own part of a new look (the mow building's harvest sign).
    virtual void afterInstrumentView() {}
    // The building's own part of a new level (the worker's basket).
    virtual void afterLevelChange() {}
    // The tutorial tip that points at the upgrade button now; -1 for none.
    virtual Int getUpgradeTip() const = 0;

private:
    struct sLooks {
        cState normal;
        String normalMask;
        cState noTool;
        String noToolMask;
    };

    sToolInfo m_info;
    std::array<sLooks, MAX_LEVELS> m_looks;
    cUpgradeControls m_upgrade;
    Bool m_noToolShown = false;
};
