#pragma once
#include "engine/Types.h"

// The whole run of the game over the data folder _root, on the platform that already exists:
// the engine, its message loop until the quit, and the teardown. Returns the exit status:
// 0 after a normal end, 1 after a failure, which has then been reported (error log, stderr,
// message box). _frameLimit, when not 0, ends the run after that many frames.
int runEntry(const char* _root, UInt _frameLimit);

// After a failure: takes what the window still has queued, up to a quit of our own, without
// running a frame (the engine is gone by then).
void drainWindowEvents();
