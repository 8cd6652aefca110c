#include "Game/Market/SellLaw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr Float F = 2.0f;

struct sPoint {
    LongLong price;
    LongLong effective;
    LongLong radius;
    Float rate;    // share of the full frequency
    Float chance;
};

TEST(SellLaw, RateAndChanceFallLinearlyAcrossTheRadius)
{
    for (const sPoint& c : {sPoint{30, 40, 10, 1.0f, 1.0f}, sPoint{40, 40, 10, 0.5f, 0.5f},
                            sPoint{49, 40, 10, 0.05f, 0.05f}, sPoint{50, 40, 10, 0.0f, 0.0f},
                            sPoint{1, 40, 10, 1.0f, 1.0f}, sPoint{99, 40, 10, 0.0f, 0.0f},
                            // Without a radius the demand itself is the line.
                            sPoint{40, 40, 0, 0.0f, 0.0f}, sPoint{39, 40, 0, 1.0f, 1.0f}}) {
        const sell::sTerms terms{c.price, c.effective, c.radius, F};
        EXPECT_NEAR(sell::rate(terms), c.rate * F, 1e-5f) << c.price << " against " << c.effective;
        EXPECT_NEAR(sell::share(terms), c.chance, 1e-5f) << c.price << " against " << c.effective;
    }
}

TEST(SellLaw, AWaitIsTheInverseRateAndNeverEndless)
{
    struct sWait { Float rate, wait; };
    for (const sWait& c : {sWait{2.0f, 0.5f}, sWait{0.1f, 10.0f}, sWait{0.0f, sell::NO_WAIT}, sWait{-1.0f, sell::NO_WAIT},
                           sWait{1e-45f, sell::NO_WAIT}, sWait{std::numeric_limits<Float>::quiet_NaN(), sell::NO_WAIT}}) {
        const Float wait = sell::wait(c.rate);
        EXPECT_TRUE(std::isfinite(wait)) << c.rate;
        EXPECT_FLOAT_EQ(wait, c.wait) << c.rate;
    }
}

TEST(SellLaw, TheRollSpansUpToExactlyOneSoACertainSaleAlwaysSells)
{
    EXPECT_FLOAT_EQ(sell::roll(0), 0.0001f);
    EXPECT_EQ(sell::roll(32767), 1.0f);
    for (UInt draw : {0u, 16384u, 32767u}) {
        EXPECT_TRUE(sell::sells(1.0f, sell::roll(draw))) << draw;
        EXPECT_FALSE(sell::sells(0.0f, sell::roll(draw))) << draw;
    }
    EXPECT_TRUE(sell::sells(0.5f, sell::roll(16000)));
    EXPECT_FALSE(sell::sells(0.5f, sell::roll(17000)));
}

TEST(SellLaw, TheTimerWaitsThenCallsAnAttemptAndStoresOnlyFiniteValues)
{
    struct sFrame { Float timer, rate; Bool attempt; Float after; };
    const Float nan = std::numeric_limits<Float>::quiet_NaN();
    const Float inf = std::numeric_limits<Float>::infinity();
    for (const sFrame& c : {sFrame{-1.0f, 2.0f, false, 0.48f}, sFrame{0.01f, 2.0f, true, -0.01f},
                            sFrame{0.3f, 2.0f, false, 0.28f}, sFrame{-1.0f, 0.0f, false, sell::NO_WAIT},
                            sFrame{0.0f, 0.0f, false, sell::NO_WAIT}, sFrame{nan, 2.0f, false, 0.48f},
                            sFrame{inf, 2.0f, false, 0.48f}, sFrame{-1.0f, 100.0f, true, -0.01f}}) {
        Float timer = c.timer;
        EXPECT_EQ(sell::advanceTimer(timer, c.rate, 0.02f), c.attempt) << c.timer << " at " << c.rate;
        EXPECT_NEAR(timer, c.after, 1e-6f) << c.timer << " at " << c.rate;
    }
}

TEST(SellLaw, QuickPriceClicksTakeGrowingStepsWithinOneToNinetyNine)
{
    EXPECT_EQ(sell::nextPriceStep(1, 0.1f, 0.3f), 2);
    EXPECT_EQ(sell::nextPriceStep(2, 0.3f, 0.3f), 3);
    EXPECT_EQ(sell::nextPriceStep(3, 0.31f, 0.3f), 1);
    struct sClick { UInt price; Int step; UInt raised, lowered; };
    for (const sClick& c : {sClick{1, 1, 2, 1}, sClick{98, 3, 99, 95}, sClick{50, 2, 52, 48}, sClick{0, 1, 1, 1},
                            sClick{4000000000u, 1, 99, 99}})
    {
        EXPECT_EQ(sell::raisedPrice(c.price, c.step), c.raised) << c.price;
        EXPECT_EQ(sell::loweredPrice(c.price, c.step), c.lowered) << c.price;
    }
}

TEST(SellLaw, EachBarIsTheMeanOfTwoNeighbouringPoints)
{
    const std::vector<Float> bars = sell::forecastBars({10, 30, 50, 20}, 3);
    EXPECT_EQ(bars, (std::vector<Float>{20, 40, 35}));
    EXPECT_EQ(sell::forecastBars({10, 30}, 3), (std::vector<Float>{20, 15, 0}));
    EXPECT_TRUE(sell::forecastBars({}, 0).empty());
}

} // namespace
