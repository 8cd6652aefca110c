#pragma once
#include "engine/Types.h"

// What the environment asks of a run besides the platform; everything off by default.
struct sRunOptions {
    UInt frameLimit = 0;  // when not 0, the run ends after that many frames
    String replayFile;    // a replay to play (see ReplayScript.h), "" for none
    Float frameTime = 0;  // a fixed time step in seconds, 0 to measure each frame
    // Opens the game's first screen once the engine exists, before the first frame.
    void (*start)() = nullptr;
    // Runs after the message loop while the engine still exists, also after a failure: the
    // game's objects go there, before the managers they use. It must not throw.
    void (*teardown)() = nullptr;
};

// The whole run of the game over the data folder _root, on the platform that already exists:
// the engine, its message loop until the quit, and the teardown. Returns the exit status:
// 0 after a normal end, 1 after a failure, which has then been reported (error log, stderr,
// message box), a replay that cannot be read among them.
int runEntry(const char* _root, const sRunOptions& _options);

// After a failure: takes what the window still has queued, up to a quit of our own, without
// running a frame (the engine is gone by then).
void drainWindowEvents();
