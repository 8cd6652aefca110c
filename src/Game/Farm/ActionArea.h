#pragma once
#include "Game/Farm/ActionAreaType.h"
#include "Game/Farm/FieldObject.h"
#include "Ui/buttons/Tips.h"

#include <vector>

class cPicture;

// A farm object the worker can be sent to. A click queues a worker job whose move mark stands
// on the next click offset; the worker stands on the parking offset of what it carries and of
// the building's level. The area lights up under the pointer: while hovered or pressed it
// writes its shape into the stencil and a faint overlay brightens just that shape.
class cActionArea : public cTips<cFieldObject> {
public:
    static constexpr UInt PARKING_LEVELS = 4;
    // One column per carry state of the worker, spade and scythe per tool level included.
    static constexpr UInt PARKING_CARRY_STATES = 12;
    // The bit of the render type that writes the area's shape into the stencil.
    static constexpr UInt HIGHLIGHT_RENDER_BIT = 4;
    static constexpr UInt OVERLAY_RENDER_TYPE = 9;

    struct sClickOffset {
        Vector2 Offset{0, 0};
        void loadXML(iXML* _xml_doc);
    };

    // Registers the area with the farm, when there is one.
    cActionArea(cView* _parent, eActionAreaType _type);
    ~cActionArea() override;

    // The tooltip button's keys; the overlay from "OverlayColor"; "ClickOffsetList";
    // "ParkingOffsets" (4 levels of 12 carry states, attribute "offset"). An area that queues
    // worker jobs must give at least one click offset.
    void loadXML(iXML* _xml_doc) override;
    void setStatePicture(eButtonState _state) override;
    // The press: closes the tutorial's click tip, the button's press, the tooltip fades, one
    // worker job is queued.
    void clicked() override;
    // A sprinkle or seed package lying under the pointer takes the press: a building beneath
    // it is only pressed and sends the worker nowhere.
    Bool isCoveredAtPointer() const;

    // Queues one worker job here; every call queues one, the jobs past the last click offset
    // all stand on it.
    void goToNextParking();
    // Where the worker stands to work here while carrying _carry.
    virtual Vector2 getGoal(UInt _carry);
    // Where the next job's move mark stands.
    Vector2 getNextClickPoint() const;
    // Where the mark of the _n-th waiting job of this area stands, counted from 0.
    Vector2 getClickPoint(UInt _n) const;

    eActionAreaType getAreaType() const { return m_type; }
    UInt getQueued() const { return m_queued; }
    // The worker counts its jobs here up and down; never below zero.
    void addQueued() { ++m_queued; }
    void removeQueued()
    {
        if (m_queued > 0)
            --m_queued;
    }
    const std::vector<sClickOffset>& getClickOffsets() const { return m_clickOffsets; }
    const Vector2& getParkingOffset(UInt _level, UInt _carry) const { return m_parking[_level][_carry]; }
    cPicture* getOverlay() const { return m_overlay; }

private:
    void loadClickOffsets(iXML* _xml_doc);
    void loadParkingOffsets(iXML* _xml_doc);

    eActionAreaType m_type;
    Vector2 m_parking[PARKING_LEVELS][PARKING_CARRY_STATES];
    std::vector<sClickOffset> m_clickOffsets;
    UInt m_queued = 0;
    // A child of the area.
    cPicture* m_overlay;
};

extern template class cTips<cFieldObject>;
