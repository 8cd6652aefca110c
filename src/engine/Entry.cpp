#include "engine/Entry.h"

#include "engine/Engine.h"
#include "engine/ErrorStack.h"
#include "engine/FatalError.h"
#include "platform/Platform.h"

namespace {

// Runs the teardown on every way out of the loop, before the engine goes.
struct sTeardown {
    fEntryTeardown m_teardown;
    ~sTeardown()
    {
        if (m_teardown)
            m_teardown();
    }
};

void run(const char* _root, UInt _frameLimit, fEntryTeardown _teardown)
{
    GUARD_BEGIN
    cEngine engine(_root, nullptr);
    engine.setFrameLimit(_frameLimit);
    sTeardown teardown{_teardown};
    engine.process();
    GUARD_END("Main")
}

} // namespace

void drainWindowEvents()
{
    iPlatform* platform = iPlatform::getInstance();
    if (!platform)
        return;
    iWindow& window = platform->getWindow();
    window.postQuit(0);
    sWindowEvent event;
    while (window.pollEvent(event))
        if (event.m_type == WE_QUIT)
            return;
}

int runEntry(const char* _root, UInt _frameLimit, fEntryTeardown _teardown)
{
    try {
        run(_root, _frameLimit, _teardown);
        return 0;
    } catch (...) {
        // run has turned every failure into the stack ending in "Main".
    }
    reportFatalError(getErrorCallStack());
    drainWindowEvents();
    return 1;
}
