#include "engine/Timer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A scripted millisecond clock: each frame's duration is queued by the test.
struct sFakeClock {
    static UInt now;
    static std::vector<UInt> sleeps;
    static UInt ticks() { return now; }
    static void sleep(UInt _ms)
    {
        sleeps.push_back(_ms);
        now += _ms;
    }
    static void nothing() {}
    static cTimer::sClock clock() { return {ticks, sleep, nothing, nothing}; }
};
UInt sFakeClock::now = 0;
std::vector<UInt> sFakeClock::sleeps;

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sFakeClock::now = 1000;
        sFakeClock::sleeps.clear();
        m_timer = std::make_unique<cTimer>(sFakeClock::clock());
    }
    void frame(UInt _ms)
    {
        sFakeClock::now += _ms;
        m_timer->process();
    }
    std::unique_ptr<cTimer> m_timer;
};

TEST_F(TimerTest, LongFrameIsClampedToMinFpsAndSpeedScalesTheStep)
{
    frame(500);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 1.0f / 15);
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 1.0f / 15);
    EXPECT_FLOAT_EQ(m_timer->getTime(), 0.5f) << "the total time is neither clamped nor scaled";
    m_timer->setMinFps(0);
    frame(500);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 1.0f / 15) << "a MinFps of 0 is ignored";
    m_timer->setMinFps(4);
    frame(500);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 0.25f);
    m_timer->setMinFps(15);
    m_timer->setSpeed(2);
    frame(500);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 2.0f / 15) << "speed scales the step, not the real frame time";
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 1.0f / 15);
    frame(20);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 0.04f);
}

TEST_F(TimerTest, AZeroFrameSleepsOnceOnly)
{
    frame(0);
    EXPECT_EQ(sFakeClock::sleeps, std::vector<UInt>{1});
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 0.001f);
    frame(20);
    EXPECT_EQ(sFakeClock::sleeps.size(), 1u) << "a frame slower than MaxFps never sleeps";
}

TEST_F(TimerTest, AverageWindowFromTheTenthFrame)
{
    // Frames 1-9 fill the first window; the tenth frame closes it before adding its own time.
    Float sum = 0;
    for (UInt i = 1; i <= 9; ++i) {
        frame(10 + 5 * i);
        sum += (10 + 5 * i) * 0.001f;
        EXPECT_FLOAT_EQ(m_timer->getFrameTime(), (10 + 5 * i) * 0.001f) << "frame " << i << " uses its own time";
    }
    frame(200);
    const Float average = sum / 10;
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), average);
    EXPECT_FLOAT_EQ(m_timer->getFps(), 1 / average);
    for (int i = 0; i < 9; ++i) {
        frame(40);
        EXPECT_FLOAT_EQ(m_timer->getFrameTime(), average) << "changes only every tenth frame";
    }
    frame(40); // frame 20 closes the window of frames 10-19
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), (0.2f + 9 * 0.04f) / 10);
}

TEST_F(TimerTest, AFixedFrameTimeStandsForWhateverTheClockSays)
{
    m_timer->setFixedFrameTime(0.025f);
    const UInt clock[] = {3, 500, 40, 0, 7, 16, 1000, 2, 90, 33, 1, 60};
    for (UInt ms : clock)
        frame(ms);
    EXPECT_FLOAT_EQ(m_timer->getFrameTime(), 0.025f);
    EXPECT_FLOAT_EQ(m_timer->getFps(), 40);
    EXPECT_FLOAT_EQ(m_timer->getTime(), 12 * 0.025f);
    m_timer->setFixedFrameTime(0.5f);
    frame(3);
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 1.0f / 15) << "clamped like a measured frame";
    m_timer->setFixedFrameTime(0);
    frame(40);
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 0.04f) << "measured again from the last frame on";
}

TEST_F(TimerTest, CounterWrapIsHarmless)
{
    sFakeClock::now = 0xFFFFFFF0u;
    m_timer = nullptr;
    m_timer = std::make_unique<cTimer>(sFakeClock::clock());
    frame(0x20);
    EXPECT_FLOAT_EQ(m_timer->getRealFrameTime(), 0.032f);
}

} // namespace
