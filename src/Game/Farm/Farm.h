#pragma once
#include "Game/GameKeys.h"
#include "Game/ScreenLook.h"
#include "Ui/MovableBack.h"
#include "engine/Singleton.h"

struct sContractEvent;

// The farm screen with its field tiles, post box and shop buttons. Everything on the ground
// hangs on its scrolling layer, so it slides with the screen.
// Not filled in yet: the game makes it and calls its refreshes, which have nothing to show;
// it shows only its backdrop.
class cFarm : public cMovableBack, public cViewSingleton<cFarm> {
public:
    explicit cFarm(cView* _parent) : cMovableBack(_parent) { loadScreenLook(*this, "UI/gameUI/farm.xml"); }

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
};
