#pragma once
#include "Game/Farm/ActionAreaType.h"
#include "Game/GameKeys.h"
#include "Game/ScreenLook.h"
#include "Ui/MovableBack.h"
#include "Ui/Tips.h"
#include "engine/Singleton.h"

#include <memory>
#include <vector>

class cActionArea;
class cFarmFieldTile;
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

    // Area registry. Every action area joins on construction and leaves when deleted.
    void addActionArea(cActionArea* _area);
    // Takes the area off the farm for good: the worker drops every job on it, then it is
    // deleted after the frame.
    void removeActionArea(cActionArea* _area);
    // The area is being deleted: no list and no job may keep it.
    void forgetActionArea(cActionArea* _area);
    const ACTION_AREA_LIST& getActionAreas() const { return m_areas; }

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
    void updateUpgradeButton() {}
    void updateSeedsButton() {}
    // No letters are shown yet, so the post box always has room; a letter goes nowhere.
    Bool haveLetterRoom() const { return true; }
    void addLetter(sContractEvent* /*_event*/) {}
    void destroyFields(Int /*_count*/, Float /*_randomFactor*/) {}
    // The next field level may be bought; the fields that show it do not exist yet.
    void setFieldsUpgradeAvail(Int _level) { key::fua() = _level; }

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
    static const Vector2& getCursor();
    Bool fits(cActionArea* _area, const Vector2& _point, UInt _ignored) const;

    ACTION_AREA_LIST m_areas;
};
