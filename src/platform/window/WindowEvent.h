#pragma once
#include "engine/Types.h"

// What the window system tells the game, in our own codes. The window procedure is ordinary
// engine code over these, so tests feed it the same events a player's desktop would.
enum eWindowEvent : UInt {
    WE_CLOSE = 0,       // the window was closed by the player or the session: time to quit
    WE_QUIT,            // the posted quit came round: the message loop ends (m_exitCode)
    WE_ACTIVATE,        // the window got the focus; m_minimised when it is still an icon
    WE_DEACTIVATE,      // the window lost the focus
    WE_APP_ACTIVATE,    // the whole application came to the foreground
    WE_APP_DEACTIVATE,  // the whole application went to the background
    WE_MINIMISE,
    WE_RESTORE,
    WE_MAXIMISE,
    WE_CHAR,            // one UTF-16 unit typed (m_char); characters beyond it come as two
    WE_MOUSE_MOVE,      // the cursor moved over the client area (m_x, m_y in client pixels)
};

struct sWindowEvent {
    eWindowEvent m_type = WE_CLOSE;
    UInt16 m_char = 0;
    Int m_x = 0;
    Int m_y = 0;
    Int m_exitCode = 0;
    Bool m_minimised = false;
};

// A rectangle in desktop pixels; right and bottom are one past the last pixel.
struct sPixelRect {
    Int left = 0, top = 0, right = 0, bottom = 0;
    Int width() const { return right - left; }
    Int height() const { return bottom - top; }
};
