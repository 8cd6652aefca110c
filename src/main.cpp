#include "Game/Game.h"
#include "engine/Entry.h"
#include "engine/ErrorStack.h"
#include "engine/FatalError.h"
#include "engine/Profile.h"
#include "engine/TextConvert.h"
#include "engine/ValueConvert.h"
#include "platform/Platform.h"

#include <cstdlib>

namespace {

// FURROW_FRAMES=N ends the run after N frames, for smoke runs and measurements.
UInt readFrameLimit()
{
    UInt frames = 0;
    if (const char* text = std::getenv("FURROW_FRAMES"))
        toUInt(frames, toWString(text));
    return frames;
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
    try {
        backend = makePlatform();
    } catch (...) {
        reportFatalError(getErrorCallStack());
        return 1;
    }
    setFatalMessageHandler(platform::showFatalMessage);
    // Every profile, new or loaded, starts from the game's defaults.
    g_profileInitHook = cGame::onInitProfile;
    const int status = runEntry("Data", readFrameLimit(), cGame::endGame);
    setFatalMessageHandler(nullptr);
    return status;
}
