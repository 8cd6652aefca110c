#pragma once
#include "engine/Types.h"

#include <vector>

// A replay: timed input read from a text file, one event a line, keyed by frame number (the
// first frame is 1). The README describes the format.
enum eReplayAction : UInt {
    REPLAY_MOVE,      // the cursor to client pixel (x, y)
    REPLAY_PRESS,     // mouse button `code` (Windows order) down
    REPLAY_RELEASE,   // ... and up
    REPLAY_KEY_DOWN,  // Windows key code `code`
    REPLAY_KEY_UP,
    REPLAY_TEXT,      // `text` typed
    REPLAY_SHOT,      // the picture of the frame written to the PNG file `text`
};

struct sReplayEvent {
    UInt frame = 0;
    eReplayAction action = REPLAY_MOVE;
    Int x = 0;
    Int y = 0;
    UInt code = 0;
    String text;

    bool operator==(const sReplayEvent& _other) const
    {
        return frame == _other.frame && action == _other.action && x == _other.x && y == _other.y &&
               code == _other.code && text == _other.text;
    }
};

// The events of _text in file order. A line that does not parse throws a text naming
// _fileName and the line number.
std::vector<sReplayEvent> parseReplay(const String& _text, const String& _fileName);
// The same for the file at _path; a file that cannot be read throws too.
std::vector<sReplayEvent> loadReplay(const String& _path);
