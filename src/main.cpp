#include "Game/Game.h"
#include "Game/LevelState.h"
#include "Game/Shell/Shell.h"
#include "engine/Entry.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/FatalError.h"
#include "engine/progress/Profile.h"
#include "engine/progress/ProgressPick.h"
#include "engine/files/KillPoint.h"
#include "engine/files/PutInPlace.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "platform/Platform.h"
#include "platform/system/StopSignal.h"

#include <cstdlib>

namespace {

// FURROW_FRAMES=N ends the run after N frames, for smoke runs and measurements.
// FURROW_REPLAY=file plays timed input from the file; FURROW_FRAME_TIME=seconds makes every
// frame last exactly that long, so a replay runs the same every time. FURROW_SAVE_FAULT and
// FURROW_KILL_AT are checked here too.
sRunOptions readRunOptions()
{
    GUARD_BEGIN
    sRunOptions options;
    if (const char* text = std::getenv("FURROW_FRAMES"))
        toUInt(options.frameLimit, toWString(text));
    if (const char* text = std::getenv("FURROW_REPLAY"))
        options.replayFile = text;
    const char* frameTime = std::getenv("FURROW_FRAME_TIME");
    if (frameTime && *frameTime) {
        Float seconds = 0;
        toFloat(seconds, toWString(frameTime));
        if (!(seconds > 0 && seconds < 3600))
            throw "FURROW_FRAME_TIME is not a frame time in seconds: \"" + String(frameTime) + "\".";
        options.frameTime = seconds;
    }
    // A test whose fault fails nothing would pass for the wrong reason.
    if (const String refused = refusedSaveFault(); !refused.empty())
        throw refused;
    if (const String refused = refusedKillPoint(); !refused.empty())
        throw refused;
    return options;
    GUARD_END("Main")
}

std::unique_ptr<iPlatform> makePlatform()
{
    GUARD_BEGIN
    return platform::createPlatform();
    GUARD_END("Main")
}

} // namespace

int main()
{
    std::unique_ptr<iPlatform> backend;
    sRunOptions options;
    platform::watchStopSignals();
    try {
        options = readRunOptions();
        backend = makePlatform();
    } catch (...) {
        reportFatalError(getErrorCallStack());
        return 1;
    }
    setFatalMessageHandler(platform::showFatalMessage);
    // Every profile, new or loaded, starts from the game's defaults.
    g_profileInitHook = cGame::onInitProfile;
    // The profile pairs the variables with a level state of the same save.
    g_levelStateCheck = checkLevelState;
    g_savedValueCheck = cGame::isSavedValueUsable;
    g_lostValues = cGame::lostValues;
    options.start = startShell;
    options.teardown = endShell;
    const int status = runEntry("Data", options);
    setFatalMessageHandler(nullptr);
    return status;
}
