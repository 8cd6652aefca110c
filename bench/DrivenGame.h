#pragma once
// The engine over the demo data on one platform, its frames driven as the engine's loop drives
// them (each lasting a fixed 20 ms of game time), each timed: the wall clock a player sees and
// the CPU of this thread. Its program defines FURROW_GAME_DIR, the build folder beside the demo
// data.
#include "engine/Engine.h"
#include "engine/frame/Logic.h"
#include "engine/frame/Replay.h"
#include "engine/frame/Timer.h"
#include "engine/frame/WindowProc.h"
#include "platform/Platform.h"

#include <time.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class cDrivenGame {
public:
    static constexpr float FRAME_SECONDS = 0.02f;

    explicit cDrivenGame(const std::string& _platform) : m_platform(platform::createPlatform(_platform))
    {
        m_engine = std::make_unique<cEngine>(FURROW_GAME_DIR "/Data", nullptr);
        cTimer::getInstance()->setFixedFrameTime(FRAME_SECONDS);
    }
    // Input for the frames to come, at frames counted from the next one (1).
    void play(const std::string& _walk)
    {
        std::vector<sReplayEvent> events = parseReplay(_walk, "walk");
        for (sReplayEvent& event : events)
            event.frame += m_frames;
        m_replay = std::make_unique<cReplay>(std::move(events), *m_platform);
    }
    // One frame: its input, the window's events, then the frame itself.
    void frame()
    {
        const auto started = std::chrono::steady_clock::now();
        const double cpuStarted = threadCpu();
        ++m_frames;
        if (m_replay)
            m_replay->feed(m_frames);
        iWindow& window = m_platform->getWindow();
        sWindowEvent event;
        while (window.pollEvent(event))
            if (event.m_type != WE_QUIT)
                windowProc(event);
        cLogic::getInstance()->process();
        m_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        m_cpu = threadCpu() - cpuStarted;
    }
    double seconds() const { return m_seconds; }
    double cpu() const { return m_cpu; }

private:
    static double threadCpu()
    {
        timespec time{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
    }

    std::unique_ptr<iPlatform> m_platform;
    std::unique_ptr<cEngine> m_engine;
    std::unique_ptr<cReplay> m_replay;
    UInt m_frames = 0;
    double m_seconds = 0;
    double m_cpu = 0;
};
