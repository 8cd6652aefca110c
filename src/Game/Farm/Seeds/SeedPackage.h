#pragma once
#include "Game/Farm/ActionArea.h"

#include <memory>

class cProgressDiscrete;
class iResource;

// A bag of seeds of one crop lying on the farm. The player drags it about, clicks it to send
// the worker for it, and the worker sows one field per seed until it is empty. A package
// just bought hangs on the pointer and is paid only when it is put down where it fits.
class cSeedPackage : public cActionArea {
public:
    enum eState : UInt {
        LYING = 0,
        PRESSED = 1,
        ON_MOUSE = 2,
        TAKEN = 3,
    };
    // The seeds of a package from the shop.
    static constexpr UInt BOUGHT_COUNT = 4;
    // A press turns into a drag once the pointer has moved this far.
    static constexpr Float DRAG_DISTANCE = 4.0f;

    // Reads "Farm/ActionAreas/SeedPackage.xml"; a package made ON_MOUSE hangs on the pointer.
    cSeedPackage(cView* _parent, UInt _seedType, UInt _count, const Vector2& _position, UInt _state, Bool _bought);
    ~cSeedPackage() override;

    // The action area's keys, then "UnfitColor", the counter "Use", "TakeSound", "DropSound".
    void loadXML(iXML* _xml_doc) override;
    void process() override;
    void clicked() override;
    void unclicked() override;
    void hovered() override;
    void unhovered() override;

    using cFieldObject::setState;
    UInt getState() const { return m_state; }
    // Going onto the pointer locks the farm's seeds button; any other change unlocks it.
    void setState(UInt _state);
    UInt getSeedType() const { return m_seedType; }
    UInt getCount() const { return m_count; }
    void setCount(UInt _count);
    Bool isBought() const { return m_bought; }
    cProgressDiscrete* getCounter() const { return m_counter; }
    const DXColor& getUnfitColor() const { return m_unfitColor; }

    // The shop's purchase: a package of BOUGHT_COUNT seeds of _seedType on the pointer, not
    // yet paid.
    static cSeedPackage* makeBought(UInt _seedType);
    // After the game has cleared what hangs on the pointer: a package saved on it takes the
    // pointer again.
    static void retakePointer();

private:
    struct sReleaseResource {
        void operator()(iResource* _resource) const;
    };
    using SOUND = std::unique_ptr<iResource, sReleaseResource>;

    static const Vector2& cursor();
    Vector2 target() const;
    Bool fitsAt(const Vector2& _point) const;
    void putDown(const Vector2& _point);
    void takePointer();
    void leavePointer();
    void pay();
    void clickWithoutDrag();
    void runLyingTips();
    void showLook();
    static void play(const SOUND& _sound);
    static SOUND loadSound(iXML* _xml_doc, const char16_t* _key);

    UInt m_state = LYING;
    UInt m_seedType;
    UInt m_count;
    Bool m_bought;
    Vector2 m_pressPoint{0, 0};
    Vector2 m_grabOffset{0, 0};
    DXColor m_normalColor{1, 1, 1, 1};
    DXColor m_unfitColor{1, 0.5f, 0.5f, 1};
    // A child of the package.
    cProgressDiscrete* m_counter;
    SOUND m_takeSound;
    SOUND m_dropSound;
};
