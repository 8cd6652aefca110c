#pragma once
#include "Game/GameKeys.h"
#include "Ui/screens/MovableBack.h"
#include "Ui/buttons/Tips.h"
#include "engine/Singleton.h"

#include <vector>

class cGame;
class cPicture;
class cPriceText;
class cProductionHouse;
class cText;
class iResource;

// The production screen, where up to twenty production buildings are placed, selected,
// upgraded and destroyed. It owns the twenty slots (the slot is the buildings' key suffix in
// the game variables), decides where a building may stand and keeps the panel that describes
// the selected one. A continued game gets its buildings back in their slots.
class cManufacture : public cMovableBack, public cViewSingleton<cManufacture> {
public:
    using cTipButton = cTips<cAnimButton>;
    static constexpr UInt SLOT_COUNT = key::SLOT_COUNT;
    // Left, top, right, bottom: a press there on empty ground deselects.
    static constexpr sRect FIELD_RECT{10.0f, 10.0f, 790.0f, 500.0f};

    // Reads "UI/gameUI/Manufacture.xml" when the data has it, then rebuilds the saved
    // buildings. A slot whose saved kind is unknown is emptied and logged, so a damaged
    // profile can still be played.
    explicit cManufacture(cView* _parent);
    ~cManufacture() override;

    void loadXML(iXML* _xml_doc) override;
    void process() override;
    void enabled() override;
    void disabled() override;
    void showed() override;

    // From _slot on (0 for -1), into the first empty slot; nothing when all are taken.
    void createBuilding(UInt _type, Int _slot);
    // Inside the depot area, touching no anti-area, and no set mask pixel shared with
    // another building.
    Bool isFit(cProductionHouse* _house);
    void selectDepot(cProductionHouse* _house, Bool _playSound);
    // Nothing is refunded; only a building that stood leaves an explosion.
    void destroyBuilding(cProductionHouse* _house);
    void getDepots(std::vector<cProductionHouse*>& _out) const;
    // The lowest slot's building whose rectangle holds _point.
    cProductionHouse* getHouseAt(const Vector2& _point) const;
    UInt getBuiltCount() const;
    // A production slot stands empty: a new workshop can be built without taking one down.
    Bool hasFreeSlot() const;
    // The building of the lowest slot that stands, chosen with its panel shown.
    void selectFirstBuilt();
    UInt getCount() const { return m_count; }
    Bool isAnyHousePanelHovered() const;
    // Some production building type is on sale.
    static Bool anyDepotAvailableToBuild();
    // The stock texts of every building follow the warehouse.
    void updateWarehouseInfo();
    void disableControls();
    void enableControls();
    // Whether the selected building can go one level up, whatever the money: on sale, and
    // a level the building has data for.
    static Bool canOfferUpgrade(const cProductionHouse* _house);

    void unhoverAll(cProductionHouse* _except);
    void showAllPodlogka(Bool _show);

    cProductionHouse* getSelected() const { return m_selected; }
    cProductionHouse* getSlot(UInt _slot) const { return _slot < SLOT_COUNT ? m_slots[_slot] : nullptr; }
    const sRect& getDepotArea() const { return m_depotArea; }
    const std::vector<sRect>& getAntiAreas() const { return m_antiAreas; }
    cTipButton* getBuildButton() const { return m_buildButton; }
    cTipButton* getDestroyButton() const { return m_destroyButton; }
    cTipButton* getUpgradeButton() const { return m_upgradeButton; }
    cPriceText* getUpgradeText() const { return m_upgradeText; }
    // A child of the upgrade text: shown and hidden with it.
    cText* getUpgradeCaption() const { return m_upgradeCaption; }
    cText* getCurrentBuildingText() const { return m_currentBuildingText; }
    cPicture* getCurrentBuildingPic() const { return m_currentBuildingPic; }
    cPicture* getFootCards() const { return m_footCards; }
    cText* getFootHint() const { return m_footHint; }

    static void onClickBuild(cView* _button);
    static void onClickDestroy(cView* _button);
    static void onClickUpgradeBuilding(cView* _button);
    static void onClickField(cView* _view);
    static void onRightClick(cView* _view);

private:
    void makeControls();
    void rebuildSlots();
    void loadAntiAreas(iXML* _xml_doc);
    void startTips();
    void hideUpgrade();
    // The tutorial gives one upgrade while its tip asks for it, and only then.
    Bool isUpgradeFree() const;
    UInt upgradeCost(const cGame& _game, const cProductionHouse& _house, UInt _next) const;
    Bool isOnOwnControls(const Vector2& _point) const;

    sRect m_depotArea{0, 0, 800, 600};
    std::vector<sRect> m_antiAreas;
    cTipButton* m_buildButton = nullptr;
    cText* m_currentBuildingText = nullptr;
    cPicture* m_currentBuildingPic = nullptr;
    // The cards the selected building's picture and name lie on, and the word that stands in
    // their place while none is selected.
    cPicture* m_footCards = nullptr;
    cText* m_footHint = nullptr;
    cTipButton* m_destroyButton = nullptr;
    cTipButton* m_upgradeButton = nullptr;
    cPriceText* m_upgradeText = nullptr;
    cText* m_upgradeCaption = nullptr;
    Bool m_upgradeWasEnabled = false;
    Bool m_freeUpgradeGiven = false;
    cProductionHouse* m_slots[SLOT_COUNT] = {};
    UInt m_count = 0;
    cProductionHouse* m_selected = nullptr;
    iResource* m_selectSound = nullptr;
};
