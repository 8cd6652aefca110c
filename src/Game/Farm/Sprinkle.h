#pragma once
#include "Game/Farm/ActionArea.h"
#include "Game/GameKeys.h"

// A sprinkler set down on the farm, in one of three slots whose state the game variables keep.
// Not filled in yet: it keeps its slot and status, and has no look and waters nothing.
class cSprinkle : public cActionArea {
public:
    // 0 set down and watering, 1 pressed, 2 hanging on the mouse.
    enum eStatus : UInt { SET_DOWN = 0, PRESSED = 1, ON_MOUSE = 2 };

    cSprinkle(cView* _parent, UInt _status, UInt _index) : cActionArea(_parent, AAT_SPRINKLE), m_index(_index)
    {
        setStatus(_status);
    }

    UInt getIndex() const { return m_index; }
    UInt getStatus() const { return key::SPStatus[m_index]; }
    void setStatus(UInt _status) { key::SPStatus[m_index] = _status; }

private:
    UInt m_index;
};
