#pragma once
#include "Game/Farm/ActionAreaType.h"
#include "Game/GameKeys.h"
#include "Game/ScreenLook.h"
#include "Ui/screens/MovableBack.h"
#include "Ui/buttons/Tips.h"
#include "engine/Singleton.h"

#include <memory>
#include <vector>

class cActionArea;
class cContractLetterSlot;
class cFarmFieldTile;
class cHoseEffect;
class cPicture;
class cSeedPackage;
class cSprinkle;
class cText;
class cTextMoney;
class iResource;
struct sContractEvent;

using FARM_FIELD_HOLDER = std::vector<cFarmFieldTile*>;
using ACTION_AREA_LIST = std::vector<cActionArea*>;

// The farm screen. Everything on the ground (fields, buildings, packages, sprinkles, the
// worker) hangs on its sliding picture and slides with it; every action area registers here,
// and the farm answers what stands where: what the pointer is over, whether an object may be
// put down, which fields lie around a point. It also sells the fields block by block, keeps
// the post box's letter places, and marks fields for the field-destroy event.
class cFarm : public cMovableBack, public cViewSingleton<cFarm> {
public:
    using cSeedsButton = cTips<cAnimButton>;
    using cFieldsButton = cTips<cTextButtonT<cAnimButton>>;

    static constexpr UInt FIELD_LEVELS = 4;
    static constexpr UInt LETTER_PLACES = 3;
    static constexpr UInt MAX_SPRINKLES = 3;
    // Where objects may be put down, bounds included.
    static constexpr sRect PLACE_RECT{40, 80, 760, 500};

    // Where a field of the FieldArray stands and from which field level it is owned.
    struct sFieldPlace {
        Int upgradeIndex = 0;
        Vector2 center{0, 0};
    };

    explicit cFarm(cView* _parent);
    ~cFarm() override;

    // The screen's keys, then its controls, "FieldsBuyPlaces", "UpgradePrices",
    // "FieldArray", "LetterPlace" and "LetterSound".
    void loadXML(iXML* _xml_doc) override;
    void absoluteProcess() override;
    // Shown: the farm hears the mouse buttons. Hidden: it stops.
    void showed() override;
    void hid() override;
    void disabled() override;

    virtual Bool& isMouseDown() { return m_mouseDown; }
    virtual void setMouseDown(Bool _down) { m_mouseDown = _down; }
    virtual Bool& isDragWork() { return m_dragWork; }
    virtual void setDragWork(Bool _drag) { m_dragWork = _drag; }

    // Area registry. Every action area joins on construction and leaves when deleted.
    void addActionArea(cActionArea* _area);
    // Takes the area off the farm for good: the worker drops every job on it, then it is
    // deleted after the frame.
    void removeActionArea(cActionArea* _area);
    // The area is being deleted: no list and no job may keep it.
    void forgetActionArea(cActionArea* _area);
    const ACTION_AREA_LIST& getActionAreas() const { return m_areas; }
    void getSeedPackageList(std::vector<cSeedPackage*>& _list) const;
    void getUpgradedFieldList(FARM_FIELD_HOLDER& _list) const;

    // Hit tests, over the areas whose kind is within _mask.
    cActionArea* onObjectCorrect(const Vector2& _point, UInt _mask) const;
    // The front-most hit area; the first registered wins a tie.
    cActionArea* getDeepNearestObject(const Vector2& _point, UInt _mask) const;
    // Appends every hit area; true when the list holds any afterwards.
    Bool getAlertedObjectList(const Vector2& _point, UInt _mask, ACTION_AREA_LIST& _list) const;
    Bool isMouseWithObjectOnSprinkle(const cActionArea* _object) const;
    Bool isMouseWithObjectOnSeed(const cActionArea* _object) const;
    static Bool isInPlaceRect(const Vector2& _point);
    // Whether _area may stand at _point: inside the place rectangle and over no other visible
    // area but seed packages and sprinkles (and fields, for a sprinkle).
    Bool havePlaceToFitArea(cActionArea* _area, const Vector2& _point) const;
    Bool havePlaceToFitSprinkle(cActionArea* _area, const Vector2& _point) const;
    // Clears _fields, then gathers every owned field within _radius of _center.
    void getFieldWithinRadius(const Vector2& _center, Float _radius, FARM_FIELD_HOLDER& _fields) const;
    cFarmFieldTile* getAnyUngrowGrassField() const;
    Bool haveAnyReadyFieldOfType(UInt _crop) const;
    Bool haveAnyDryField() const { return m_dryFields != 0; }
    // The dry fields are counted as their water changes: each field reports its own, and
    // every frame starts by counting them all again, so water written past the fields (a
    // loaded game, a test) is counted too.
    void countDryField(cFarmFieldTile& _field);
    void countDryFields();
    // A field counted dry is being deleted.
    void forgetDryField() { --m_dryFields; }
    void clearAllUnderwaterSign();
    void lightField(cFarmFieldTile* _field);
    void unlightField(cFarmFieldTile* _field);
    cFarmFieldTile* getLightedField() const { return m_lightedField; }

    // Field sales. Levels run 0..3.
    Int getFieldPrice(Int _level) const;
    static void onBuyFields(cView* _button);
    void buyFields();
    void setFieldsCurrentUpgrade(Int _level);
    // The time-line releases the next field level; any other level is refused.
    void setFieldsUpgradeAvail(Int _level);
    void updateUpgradeButton();
    static Int getFieldsCurrentUpgrade() { return key::fcu(); }
    static Int getFieldsUpgradeAvail() { return key::fua(); }

    static void onSeedsBuyButton(cView* _button);
    void updateSeedsButton();
    // A package or sprinkle on the mouse holds the seeds button off; let go, the button comes
    // back only when seeds are for sale.
    void lockSeedsButton();
    void unlockSeedsButton();

    // At most three sprinkles stand on the farm; the caller pays.
    cSprinkle* buySprinkle(Int _cost);
    void destroySprinkle(cSprinkle* _sprinkle);
    static UInt getSprinkleCount() { return s_sprinkleCount; }

    // The post box: the time-line asks for room before it sends a contract letter; a letter
    // without a free place is dropped.
    Bool haveLetterRoom() const { return m_letterCount != LETTER_PLACES; }
    void addLetter(sContractEvent* _event);
    void clearLetterSlot(cContractLetterSlot* _slot);
    cContractLetterSlot* getLetterSlot(UInt _place) const { return m_letterSlots[_place]; }
    UInt getLetterCount() const { return m_letterCount; }
    // Where the post box's letters lie, from "LetterPlace".
    const std::vector<Vector2>& getLetterPlaces() const { return m_letterPlaces; }
    iResource* getLetterSound() const { return m_letterSound.get(); }

    // The field-destroy event: with probability _randomFactor, up to _count sown fields are
    // doomed.
    void destroyFields(Int _count, Float _randomFactor);
    // The hose's jet from _from towards _to, the nozzle turned by _angle degrees, until
    // hideHose; the drops in the air then finish their way.
    void showHose(const Vector2& _from, const Vector2& _to, Float _angle);
    void hideHose();
    cHoseEffect* getHoseEffect() const { return m_hoseEffect; }

    const std::vector<sFieldPlace>& getFieldPlaces() const { return m_fieldPlaces; }
    const FARM_FIELD_HOLDER& getFields() const { return m_fields; }
    cFieldsButton* getFieldsBuyButton() const { return m_fieldsBuyButton; }
    cTextMoney* getFieldsBuyCostText() const { return m_fieldsBuyCostText; }
    cSeedsButton* getSeedsBuyButton() const { return m_seedsBuyButton; }
    cPicture* getFieldLighter() const { return m_fieldLighter; }
    const Vector2& getFieldsBuyPlace(UInt _level) const { return m_fieldsBuyPlaces[_level]; }

    // What hangs on the mouse pointer: a seed package or a sprinkler, and which object.
    static inline Bool s_seedOnMouse = false;
    static inline Bool s_sprinkleOnMouse = false;
    static inline cView* s_objectOnMouse = nullptr;
    static void clearObjectOnMouse()
    {
        s_seedOnMouse = false;
        s_sprinkleOnMouse = false;
        s_objectOnMouse = nullptr;
    }

private:
    struct sReleaseResource {
        void operator()(iResource* _resource) const;
    };

    void makeControls();
    void loadFieldArray(iXML* _xml_doc);
    void loadTables(iXML* _xml_doc);
    void restoreSprinkles();
    // The seed lesson's coins, given once.
    static void payForFirstSeeds();
    void makeLetterSlots();
    void restoreLetters();
    void bindMouse();
    void unbindMouse();
    void runTutorialTips();
    // Fields of a FieldArray past the variables kept for them are refused.
    static constexpr UInt MAX_FIELDS = key::FIELD_COUNT;
    Bool fits(cActionArea* _area, const Vector2& _point, UInt _ignored) const;
    static const Vector2& getCursor();
    static void onLeftDown(cView* _farm);
    static void onLeftUp(cView* _farm);
    static void onRightDown(cView* _farm);

    // How many sprinkles stand on the farm, counted across the whole program.
    static inline UInt s_sprinkleCount = 0;

    ACTION_AREA_LIST m_areas;
    FARM_FIELD_HOLDER m_fields;
    std::vector<sFieldPlace> m_fieldPlaces;
    std::vector<Vector2> m_letterPlaces;
    Vector2 m_fieldsBuyPlaces[FIELD_LEVELS];
    Int m_upgradePrices[FIELD_LEVELS] = {};
    cFarmFieldTile* m_lightedField = nullptr;
    // Fields counted dry; each field knows whether it is among them.
    UInt m_dryFields = 0;
    Bool m_mouseDown = false;
    Bool m_dragWork = false;
    std::unique_ptr<iResource, sReleaseResource> m_letterSound;
    // Children of the screen's content.
    cContractLetterSlot* m_letterSlots[LETTER_PLACES] = {};
    UInt m_letterCount = 0;
    // Children of the screen's content.
    cPicture* m_postBox = nullptr;
    cSeedsButton* m_seedsBuyButton = nullptr;
    cFieldsButton* m_fieldsBuyButton = nullptr;
    cTextMoney* m_fieldsBuyCostText = nullptr;
    cPicture* m_fieldLighter = nullptr;
    cText* m_seedText = nullptr;
    cText* m_mailText = nullptr;
    cHoseEffect* m_hoseEffect = nullptr;
};
