#pragma once
#include "Ui/Picture.h"
#include "Ui/View.h"
#include "engine/Singleton.h"

// The farm screen with its field tiles, post box and shop buttons. Everything on the ground
// hangs on its scrolling layer, so it slides with the screen.
// Not filled in yet: the game makes it and calls its refreshes, which have nothing to show.
class cFarm : public cView, public cViewSingleton<cFarm> {
public:
    explicit cFarm(cView* _parent) : cView(_parent), m_sliding(new cPicture(this)) {}

    cPicture* getSlidingPicture() const { return m_sliding; }
    void updateUpgradeButton() {}

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
    // A child: it goes with the screen.
    cPicture* m_sliding;
};
