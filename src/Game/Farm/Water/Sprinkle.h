#pragma once
#include "Game/Farm/ActionArea.h"
#include "Game/Farm/Farm.h"
#include "Game/GameKeys.h"

class cSprinkleEffect;
class iResource;

// A sprinkler, in one of three slots whose state the game variables keep ("SPStatus",
// "SPExist", and "SPXPos", "SPYPos": where it was set down, from the farm's ground, so a slide
// of the farm never moves the place it keeps). Bought at the water source it hangs on the mouse; set down
// on a free place it is paid (once) and waters every owned field within its radius, each
// frame, at the water source's flow; pressed and moved it is carried again. The worker never
// walks to it: its clicks are its own.
class cSprinkle : public cActionArea {
public:
    // 0 set down and watering, 1 pressed, 2 hanging on the mouse.
    enum eStatus : UInt { SET_DOWN = 0, PRESSED = 1, ON_MOUSE = 2 };
    // Past this many pixels from where it was pressed, a pressed sprinkle is carried.
    static constexpr Float LIFT_DISTANCE = 4.0f;
    // The spray rises from the sprinkler's head.
    static constexpr Float SPRAY_HEIGHT = 10.0f;

    // Reads "Farm/ActionAreas/Sprinkle.xml" and "Effects/SprinkleEffect.xml"; stands where its
    // slot was left.
    cSprinkle(cView* _parent, UInt _status, UInt _index);
    ~cSprinkle() override;

    void process() override;
    // The action area's keys, "Radius", "UnfitColor" and the sounds "DropSound",
    // "InstallSound" and "TakeSound".
    void loadXML(iXML* _xml_doc) override;
    // The plain button's look: no lit overlay on a sprinkler.
    void setStatePicture(eButtonState _state) override;
    void clicked() override;
    void unclicked() override;
    void hovered() override;
    void setStatus(UInt _status);
    UInt getStatus() const { return key::SPStatus[m_index]; }
    UInt getIndex() const { return m_index; }
    Bool exists() const { return m_exists; }
    Float getRadius() const { return m_radius; }
    const FARM_FIELD_HOLDER& getWateredFields() const { return m_fields; }
    cSprinkleEffect* getEffect() const { return m_effect; }

    // Pours _dt seconds of the water source's flow into every field it waters.
    void water(Float _dt);

private:
    struct sReleaseSound {
        void operator()(iResource* _sound) const;
    };
    using tSound = std::unique_ptr<iResource, sReleaseSound>;

    static const Vector2& cursor();
    static void play(const tSound& _sound);
    static tSound loadSound(iXML* _xml_doc, const char16_t* _name);
    // Set down at the cursor when the farm has room there, paid the first time; an unpaid
    // sprinkle that cannot be paid, or pressed where it does not fit, is given back.
    void setDown(Bool _undoWithoutRoom);
    // The corner of the farm's ground the kept place counts from.
    Vector2 groundOrigin() const;
    // Writes where it stands into its slot.
    void keepPlace();
    void undoPurchase();
    void followCursor();
    void placeEffect();
    void takeOffMouse();
    void refreshSprinkleButton();

    UInt m_index;
    Float m_radius = 0;
    Bool m_exists = false;
    Vector2 m_grabPoint{0, 0};
    Vector2 m_grabOffset{0, 0};
    // A child of the sprinkle.
    cSprinkleEffect* m_effect = nullptr;
    FARM_FIELD_HOLDER m_fields;
    tSound m_installSound;
    tSound m_takeSound;
    tSound m_dropSound;
    DXColor m_normalColor{1, 1, 1, 1};
    DXColor m_unfitColor{1, 0.4f, 0.4f, 0.8f};
};
