#pragma once
#include "engine/Types.h"

namespace platform {

// SIGTERM and SIGINT become the window's close request, so a game stopped by its session or
// from a terminal still leaves through its normal exit and saves the player's progress. Each
// handler is used once: a second signal ends a process that no longer answers.
void watchStopSignals();

// True once for every stop signal that arrived since the last call.
Bool takeStopSignal();

} // namespace platform
