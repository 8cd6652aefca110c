#include "engine/frame/Timer.h"

#include "engine/logs/ErrorStack.h"
#include "engine/settings/Settings.h"

#include <chrono>
#include <thread>

namespace {

UInt steadyTicks()
{
    using namespace std::chrono;
    return static_cast<UInt>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void sleepFor(UInt _milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(_milliseconds));
}

void nothing() {}

// Reads a frame-rate limit; values of 0 or less would divide by zero and are ignored.
void readFps(const char* _key, Float& _fps)
{
    cSettings* settings = cSettings::getInstance();
    Float value = _fps;
    if (!settings->getPropertyT("Time", _key, value))
        settings->setPropertyT("Time", _key, _fps);
    else if (value > 0)
        _fps = value;
}

} // namespace

const cTimer::sClock& cTimer::systemClock()
{
    static const sClock s_clock = {steadyTicks, sleepFor, nothing, nothing};
    return s_clock;
}

cTimer::cTimer(const sClock& _clock) : m_clock(_clock)
{
    GUARD_BEGIN
    if (cSettings::exists()) {
        readFps("MinFps", m_minFps);
        readFps("MaxFps", m_maxFps);
    }
    m_maxFrameTime = 1 / m_minFps;
    m_minFrameTime = 1 / m_maxFps;
    start();
    GUARD_END("cTimer::cTimer()")
}

cTimer::~cTimer()
{
    stop();
}

void cTimer::start()
{
    m_clock.begin();
    m_lastTick = m_clock.ticks();
}

void cTimer::stop()
{
    m_clock.end();
}

void cTimer::process()
{
    update();
}

void cTimer::update()
{
    // The window closes before this frame's time is added: the first window holds nine
    // frames, every later one ten.
    if (++m_windowFrames % m_averageWindow == 0) {
        m_averageFrameTime = m_windowSeconds / m_averageWindow;
        m_windowFrames = 0;
        m_windowSeconds = 0;
        m_fps = 1 / m_averageFrameTime;
        if (m_averageFrameTime > m_maxFrameTime)
            m_averageFrameTime = m_maxFrameTime;
        m_averageFrameTime *= m_speed;
    }

    const Float measured = measure();
    const Float seconds = m_fixedFrameTime > 0 ? m_fixedFrameTime : measured;
    m_previousTotalTime = m_totalTime;
    m_frameTime = seconds;
    m_totalTime += seconds;
    m_windowSeconds += seconds;
    if (m_frameTime > m_maxFrameTime)
        m_frameTime = m_maxFrameTime;
    m_frameTime *= m_speed;
    if (m_fixedFrameTime > 0) {
        // Exactly the step, not an average over a window that may hold fewer frames.
        m_averageFrameTime = m_frameTime;
        m_fps = 1 / m_fixedFrameTime;
    }
}

Float cTimer::measure()
{
    UInt now = m_clock.ticks();
    UInt elapsed = now - m_lastTick; // unsigned: a wrap of the counter is harmless
    if (elapsed * 0.001f < m_minFrameTime) {
        // One short sleep at most: a frame is never held back longer than this.
        m_clock.sleep(1);
        now = m_clock.ticks();
        elapsed = now - m_lastTick;
    }
    m_lastTick = now;
    return elapsed * 0.001f;
}

Float& cTimer::getFrameTime()
{
    return m_averageFrameTime > 0 ? m_averageFrameTime : m_frameTime;
}

Float cTimer::getRealFrameTime() const
{
    return m_frameTime / m_speed;
}

void cTimer::setMinFps(const Float& _minFps)
{
    if (_minFps <= 0)
        return;
    m_minFps = _minFps;
    m_maxFrameTime = 1 / _minFps;
}
