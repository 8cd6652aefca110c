#pragma once
#include "Game/Manufacture/StartStopButton.h"
#include "Game/Upgrade.h"
#include "Ui/buttons/Tips.h"

#include <vector>

class cPicture;
class cProgressFloat;
class cScrollBox;
class cText;
class iResource;
struct sHouseKind;

// A production building in one of the twenty slots of the production screen: it takes one
// kind of goods from the warehouse, a unit at a time, and gives back its own good. The eleven
// kinds differ only in data (HouseKind.h). The whole state lives in the game variables of the
// slot, so a continued game rebuilds the house as it was.
//
// A house is also moved with the mouse: a new one hangs on the cursor until it is placed (and
// paid) or given up; a placed one is dragged by pressing on it and moving the cursor.
class cProductionHouse : public cTips<cOverlayButton>, public cUpgrade {
public:
    using cStartStopButton = ::cStartStopButton;

    enum eFlags : UInt {
        TAKEN = 1,          // follows the cursor
        WORKING = 2,        // holds at least one loaded unit
        STOPPED = 4,        // the player stopped it
        PRESS_PENDING = 8,  // the button went down on it: a drag may start
    };

    struct sLevel {
        UInt ProductionNum = 0;
        Float MaxProductionTime = 0;
        cState normal;
        cState hovered;
        String texture_mask;
        VECTOR_VECTOR_BOOL mask;
    };

    static constexpr Float TAKEN_DEEP = 1730.0f;
    // Squared cursor travel beyond which a press becomes a drag.
    static constexpr Float DRAG_START_DISTANCE2 = 32.0f;

    // A house of the kind _type in _slot with its panel controls, before any data is read.
    // Writes "ProdType" of the slot; a type outside 0..10 raises "unknown building".
    cProductionHouse(UInt _type, UInt _slot, cView* _parent);
    // The kind's house read from its data file: a new one (the slot's level is -1) hangs on
    // the cursor, a saved one comes back as it was left.
    static cProductionHouse* create(UInt _type, UInt _slot, cView* _parent);
    ~cProductionHouse() override;

    void process() override;
    void absoluteProcess() override;
    void loadXML(iXML* _xml_doc) override;
    void enabled() override;
    void disabled() override;
    // A house on the cursor stands at the top of the game only while the game runs: the pause
    // menu and an award's presentation cover everything of the game.
    void absoluteEnabled() override;
    void absoluteDisabled() override;
    void clicked() override;
    void unclicked() override;
    void hovered() override;
    void unhovered() override;
    // The house wears its level's look in every state: a state lights or darkens the overlay
    // only, where the button alone would put back the picture its data file starts with.
    void setStatePicture(eButtonState _state) override;
    // A taken house answers by its rectangle alone, so a mask clear under the cursor can
    // never leave it unplaceable.
    Bool pointInRect(const Vector2& _point) override;
    void updateUpgrade() override;
    // Refuses a level that would make production divide by zero.
    void loadUpgrade(UInt _level, iXML* _xml) override;

    UInt getProdCount() const;
    // The only writer of the loaded count: clamped to the level's capacity.
    void setProdCount(UInt _count);
    Float getProdPct() const;
    void setProdPct(Float _pct);
    Bool isStopped() const;
    void setStopped(Bool _stopped);
    void setPos(const Vector2& _position, Bool _save);
    // Raises "bad level" past 3.
    const cState& getUpgradeState(UInt _level) const;
    WString getName() const;

    // Shows the panel where all of it stays in the yard.
    void showPanel();
    void hidePanel();
    void updateWarehouseText();
    // Ends a drag where it began.
    void returnToPlace();
    Bool isAnyPanelControlHovered();
    void showPodlogka(Bool _show);

    // One frame of production over _frameTime seconds of standing-adjusted time.
    void produce(Float _frameTime);

    // The click and collision mask of the current level, null when it has none.
    const VECTOR_VECTOR_BOOL* getCurrentMask() const;
    void setLevelMask(UInt _level, const VECTOR_VECTOR_BOOL& _mask);

    UInt getHouseType() const { return m_type; }
    const sHouseKind& getKind() const { return *m_kind; }
    UInt getInputKind() const;
    UInt getOutputKind() const;
    UInt getFlags() const { return m_flags; }
    Bool isBuilt() const { return m_built; }
    Float getRate() const { return m_rate; }
    Float getBaseDeep() const { return m_baseDeep; }
    const sLevel& getLevel(UInt _level) const { return m_levels[_level]; }
    UInt getCapacity() const;
    cScrollBox* getLoaded() const { return m_loaded; }
    cProgressFloat* getLoadedFloat() const { return m_loadedFloat; }
    cText* getLoadedQtyTag() const { return m_loadedQtyTag; }
    cText* getWarehouseQtyTag() const { return m_warehouseQtyTag; }
    cAnimButton* getAddDepotButton() const { return m_addDepotButton; }
    cAnimButton* getAddStockButton() const { return m_addStockButton; }
    cStartStopButton* getStartStopButton() const { return m_startStopButton; }
    cPicture* getPodlogka() const { return m_podlogka; }
    cButtonPrototype* getTakeIcon() const { return m_takeIcon; }
    cButtonPrototype* getGivenIcon() const { return m_givenIcon; }
    iResource* getDestroySound() const { return m_destroySound; }

    static Bool isHouseTaken() { return s_taken != nullptr; }
    static cProductionHouse* getTakenHouse() { return s_taken; }

    static void onAddDepot(cView* _button);
    static void onAddStock(cView* _button);
    static void onStartStop(cView* _button);
    static void onLoadedChange(cView* _box, Float _value);
    static void onLoadedDrag(cView* _box, Bool _dragging);

private:
    friend class cSensorPanel;

    void makeControls();
    void loadPanel(iXML* _xml_doc);
    void loadSounds(iXML* _xml_doc);
    void placePanel();
    void startNew();
    void restore();
    void applyLook(const cState& _look, Bool _hovered);
    void refreshHover();
    const sLevel& currentLevel() const;
    Int currentLevelIndex() const;
    void returnExcess(UInt _capacity);
    void playHouseSound(iResource* _sound);
    void setTooltipText();
    void keepPanelInYard();

    // Placing (HousePlacing.cpp).
    void followCursor();
    void testDragStart();
    void startDrag();
    void drop(Bool _buttonDown);
    void giveUp();
    Bool isOwnPanelControlActive();
    Bool fitsHere();

    static cProductionHouse* s_taken;

    UInt m_type;
    const sHouseKind* m_kind;
    Float m_rate = 0;
    sLevel m_levels[cUpgrade::MAX_LEVELS];
    UInt m_flags = 0;
    Bool m_built = false;
    Float m_baseDeep = 0;
    Bool m_showsHovered = false;
    // How far the panel stands from its place under the house, to stay in the yard.
    Vector2 m_panelShift{0, 0};

    cButtonPrototype* m_takeIcon = nullptr;
    cButtonPrototype* m_givenIcon = nullptr;
    cStartStopButton* m_startStopButton = nullptr;
    cText* m_warehouseQtyTag = nullptr;
    cText* m_loadedQtyTag = nullptr;
    // What the two count tags say, "{count}" standing for the number.
    WString m_warehouseWords = u"x{count}";
    WString m_loadedWords = u"x{count}";
    cProgressFloat* m_loadedFloat = nullptr;
    cScrollBox* m_loaded = nullptr;
    cAnimButton* m_addStockButton = nullptr;
    cAnimButton* m_addDepotButton = nullptr;
    cButton* m_sensorPanel = nullptr;
    cPicture* m_iPodlogka = nullptr;
    cPicture* m_loadedSubst = nullptr;
    cPicture* m_podlogka = nullptr;

    Vector2 m_pressPoint{0, 0};
    Vector2 m_grabOffset{0, 0};
    Vector2 m_dragStartPos{0, 0};

    DXColor m_ownColor{1, 1, 1, 1};
    DXColor m_unfitColor{1, 0.5f, 0.5f, 1};
    DXColor m_podlogkaFitColor{0.5f, 1, 0.5f, 0.6f};
    DXColor m_podlogkaUnfitColor{1, 0.4f, 0.4f, 0.6f};

    iResource* m_jobDoneSound = nullptr;
    iResource* m_buildSound = nullptr;
    iResource* m_takeHouseSound = nullptr;
    iResource* m_dropHouseSound = nullptr;
    iResource* m_destroySound = nullptr;

    UInt m_iconType = 0;
};
