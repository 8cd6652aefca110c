#pragma once
#include "engine/frame/ReplayScript.h"

#include <vector>

class iPlatform;

// Plays a replay into the running game: before each frame the input that frame is due goes
// to the platform's replay input; after the frame is drawn its shots are written. When the
// events run out the game simply goes on.
class cReplay {
public:
    // Throws when the replay has input but the platform takes none.
    cReplay(std::vector<sReplayEvent> _events, iPlatform& _platform);

    // Hands the input of frame _frame (counted from 1) to the platform, once: true when there
    // was some, so the window events it made are taken before the frame runs.
    Bool feed(UInt _frame);
    // After frame _frame was drawn: its shots. Where the platform keeps no picture, each shot
    // is skipped and the "replay" log says so.
    void shoot(UInt _frame);

private:
    // The next event at or after _index that is (or is not) a shot.
    std::size_t next(std::size_t _index, Bool _shot) const;

    std::vector<sReplayEvent> m_events;
    iPlatform& m_platform;
    std::size_t m_nextInput = 0;
    std::size_t m_nextShot = 0;
};
