#pragma once
#include "engine/Types.h"

// The whole run of the game over the data folder _root, on the platform that already exists:
// the engine, its message loop until the quit, and the teardown. Returns the exit status:
// 0 after a normal end, 1 after a failure, which has then been reported (error log, stderr,
// message box). _frameLimit, when not 0, ends the run after that many frames.
// _teardown, when given, runs after the message loop while the engine still exists: the game's
// objects go there, before the managers they use. It must not throw.
using fEntryTeardown = void (*)();
int runEntry(const char* _root, UInt _frameLimit, fEntryTeardown _teardown = nullptr);

// After a failure: takes what the window still has queued, up to a quit of our own, without
// running a frame (the engine is gone by then).
void drainWindowEvents();
