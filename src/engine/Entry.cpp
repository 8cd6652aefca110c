#include "engine/Entry.h"

#include "engine/Engine.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/FatalError.h"
#include "engine/frame/Replay.h"
#include "engine/frame/Timer.h"
#include "platform/Platform.h"

namespace {

// Runs the teardown on every way out of the loop, before the engine goes.
struct sTeardown {
    void (*m_teardown)();
    ~sTeardown()
    {
        if (m_teardown)
            m_teardown();
    }
};

void run(const char* _root, const sRunOptions& _options)
{
    GUARD_BEGIN
    // Read before the window opens, so a broken replay shows nothing but the report.
    std::vector<sReplayEvent> replay;
    if (!_options.replayFile.empty())
        replay = loadReplay(_options.replayFile);
    cEngine engine(_root, nullptr);
    engine.setFrameLimit(_options.frameLimit);
    if (_options.frameTime > 0)
        cTimer::getInstance()->setFixedFrameTime(_options.frameTime);
    if (!_options.replayFile.empty())
        engine.setReplay(std::make_unique<cReplay>(std::move(replay), *iPlatform::getInstance()));
    sTeardown teardown{_options.teardown};
    if (_options.start)
        _options.start();
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

int runEntry(const char* _root, const sRunOptions& _options)
{
    try {
        run(_root, _options);
        return 0;
    } catch (...) {
        // run has turned every failure into the stack ending in "Main".
    }
    reportFatalError(getErrorCallStack());
    drainWindowEvents();
    return 1;
}
