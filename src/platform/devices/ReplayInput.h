#pragma once
#include "engine/Types.h"

// Scripted input for a replay. Each backend puts it where its own devices' and window's
// events enter, so a replayed event takes the whole road a player's would: key and button
// records reach the devices' buffers, the cursor really moves, and typed text arrives as the
// window's character events.
class iReplayInput {
public:
    virtual ~iReplayInput() = default;
    // The cursor to client pixel (_x, _y); the mouse's movement follows.
    virtual void moveMouse(Int _x, Int _y) = 0;
    // A button in Windows order: 0 left, 1 right, 2 middle, then the side buttons.
    virtual void setButton(UInt _button, Bool _down) = 0;
    // A Windows key code (the eControl numbering); throws for a key this backend cannot make.
    virtual void setKey(UInt _code, Bool _down) = 0;
    // UTF-8 text, typed as character events.
    virtual void typeText(const String& _utf8) = 0;
};
