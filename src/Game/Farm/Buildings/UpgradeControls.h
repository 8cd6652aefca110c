#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/TextButton.h"
#include "Ui/buttons/Tips.h"

class cTextMoney;
class cUpgrade;
class iXML;

// The upgrade button under a farm building and the price of the next level beside it. The
// button is enabled while the next level is on sale and affordable, disabled while it is
// only too dear; it goes with its price and tooltip while the next level is not on sale yet
// or there is none. Every upgradable farm building (the tool buildings, the warehouse, the
// water source) buys its levels through it.
class cUpgradeControls {
public:
    using cButton = cTips<cTextButtonT<cAnimButton>>;

    // Both are children of _parent; the button calls _onClick.
    cUpgradeControls(cView* _parent, fButtonEvent _onClick);

    // "UpgradeButton" and "CostText" of _xml, each when present.
    void loadXML(iXML* _xml);
    // Follows the building's level, what is on sale and the money.
    void update(const cUpgrade& _building);

    cButton* getButton() const { return m_button; }
    cTextMoney* getCostText() const { return m_costText; }

    // Points tutorial tip _tip at the button while the player could press it.
    void pointTip(UInt _tip) const;

    // Pays for the building's next level and sets it, with the upgrade sound, when its data
    // describes one and it is on sale and affordable. True when it was bought.
    static Bool buyNextLevel(cUpgrade& _building);

private:
    cButton* m_button;
    cTextMoney* m_costText;
};
