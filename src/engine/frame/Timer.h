#pragma once
#include "engine/Singleton.h"
#include "engine/Types.h"

// Measures each frame and hands out the time step that all animation, fades and game logic
// advance by: long frames are clamped to 1/MinFps, time is scaled by the speed factor, and
// from the tenth frame on the step is the average of the previous ten-frame window.
class cTimer : public cSingleton<cTimer> {
public:
    // The millisecond clock the timer reads; tests give it a scripted one.
    struct sClock {
        UInt (*ticks)();
        void (*sleep)(UInt _milliseconds);
        void (*begin)(); // raise the clock's resolution for the timer's life
        void (*end)();
    };
    static const sClock& systemClock();

    explicit cTimer(const sClock& _clock = systemClock());
    ~cTimer() override;

    void process();
    // The time step of the whole program.
    Float& getFrameTime();
    // The last clamped frame time before the speed factor.
    Float getRealFrameTime() const;
    Float& getSpeed() { return m_speed; }
    void setSpeed(const Float& _speed) { m_speed = _speed; }
    Float& getMinFps() { return m_minFps; }
    void setMinFps(const Float& _minFps);
    Float& getAverageFrameTime() { return m_averageFrameTime; }
    Float& getFps() { return m_fps; }
    Float getTime() const { return m_totalTime; }
    // Every later frame is taken to last exactly _seconds instead of what the clock says, so
    // a replay runs the same every time; 0 measures again. Clamping and speed still apply.
    void setFixedFrameTime(Float _seconds) { m_fixedFrameTime = _seconds; }

private:
    void start();
    void update();
    // The seconds since the last frame by the clock.
    Float measure();
    void stop();

    sClock m_clock;
    Float m_totalTime = 0;
    Float m_previousTotalTime = 0;
    Float m_frameTime = 0.004f;
    UInt m_lastTick = 0;
    Float m_minFps = 15;
    Float m_maxFps = 200;
    Float m_maxFrameTime = 1.0f / 15;
    Float m_minFrameTime = 1.0f / 200;
    Float m_speed = 1;
    Float m_fps = 0;
    Float m_averageFrameTime = 0;
    UInt m_averageWindow = 10;
    UInt m_windowFrames = 0;
    Float m_windowSeconds = 0;
    Float m_fixedFrameTime = 0;
};
