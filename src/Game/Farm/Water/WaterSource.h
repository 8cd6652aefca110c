#pragma once
#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Buildings/UpgradeControls.h"
#include "Game/Game.h"
#include "Game/Upgrade.h"
#include "Ui/controls/State.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

#include <array>

class cTextMoney;

// The farm's water source: at its first level a well where the worker takes the watering can,
// later a pump whose hose the worker sprays fields with. Its level fixes the water of a full
// can (and the flow of the hose and the sprinkles); at its last level it sells sprinkles, one
// at a time and at most three, each paid when it is first set down.
class cWaterSource : public cActionArea, public cUpgrade, public cViewSingleton<cWaterSource> {
public:
    using cBuyButton = cUpgradeControls::cButton;

    // The worker's arrival knows a can (level 0) and a hose (levels 1 and 2), nothing beyond.
    static constexpr UInt LEVEL_COUNT = 3;
    static constexpr UInt SPRINKLE_LEVEL = 2;
    static constexpr UInt SPRINKLE_LOOKS = 3;

    // Reads "Farm/ActionAreas/WaterSource.xml"; a level the worker could not use, or none at
    // all, is refused there.
    explicit cWaterSource(cView* _parent);

    // The action area's keys, "Upgrades" (Up0..Up2), "SprinkleCost", the children
    // "UpgradeButton", "SprinkleButton", "CostText", "SprinkleCostText",
    // "SprinkleButtonDeepThanGet" and the three looks of "SprinkleButtonStates".
    void loadXML(iXML* _xml_doc) override;
    // "WaterCapacity", "texture_mask", the look, its "Hovered" child, and a "NoInstrument" look
    // with its own mask and "Hovered" child, shown while the worker has this building's tool.
    void loadUpgrade(UInt _level, iXML* _xml) override;
    void updateUpgrade() override;
    void process() override;
    void setStatePicture(eButtonState _state) override;
    void clicked() override;
    void unclicked() override;
    void hovered() override;

    // The water of a full can at the current level, also the flow of the hose and of each
    // sprinkle, per second; 0 for a level no data describes.
    Float getCapacity() const;
    // The building's look and click mask: its tool stands by it unless the worker holds it.
    void updateInstrumentView();
    // The sprinkle button at the sprinkle level: its look counts the sprinkles bought, it
    // goes once there are three, and it is off while anything hangs on the mouse or the
    // money does not reach.
    void updateSprinkleButton();

    Int getSprinkleCost() const { return m_sprinkleCost; }
    Float getSprinkleButtonDeepThanGet() const { return m_sprinkleButtonDeepThanGet; }
    Float getSprinkleButtonDeep() const { return m_sprinkleButtonDeep; }
    cBuyButton* getUpgradeButton() const { return m_upgrade.getButton(); }
    cBuyButton* getSprinkleButton() const { return m_sprinkleButton; }
    cTextMoney* getCostText() const { return m_upgrade.getCostText(); }
    cTextMoney* getSprinkleCostText() const { return m_sprinkleCostText; }
    const cState& getSprinkleLook(UInt _n) const { return m_sprinkleLooks.at(_n); }
    // Whether the look now shown is the one without the tool.
    Bool showsNoInstrument() const { return m_noInstrument; }

    static void onUpgradeButton(cView* _button);
    static void onSprinkleButton(cView* _button);
    // Pays the next level and takes it; a can in the worker's hands flies home.
    void buyUpgrade();
    // Hands the player a sprinkle on the mouse, to be paid where it is set down.
    void buySprinkle();

private:
    struct sLook {
        cState normal;
        cState hovered;
        String mask;
        Bool hasHovered = false;
    };
    struct sLevel {
        Float WaterCapacity = 0;
        sLook withTool;
        sLook noInstrument;
        Bool hasNoInstrument = false;
    };

    static void loadLook(iXML* _xml, sLook& _look);
    // The level now in use, or null for one no data describes.
    const sLevel* currentLevel() const;
    void applyLook(Bool _hovered);
    // Whether _button is shown and the cursor is on it.
    static Bool isPointerOn(cBuyButton* _button);
    void runTips();

    Int m_sprinkleCost = 0;
    std::array<sLevel, MAX_LEVELS> m_levels{};
    std::array<cState, SPRINKLE_LOOKS> m_sprinkleLooks{};
    Float m_sprinkleButtonDeepThanGet = 0;
    Float m_sprinkleButtonDeep = 0;
    Bool m_noInstrument = false;
    Bool m_hoveredLook = false;
    // Children of the building.
    cUpgradeControls m_upgrade;
    cBuyButton* m_sprinkleButton;
    cTextMoney* m_sprinkleCostText;
};
