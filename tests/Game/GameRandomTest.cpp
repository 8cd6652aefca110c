#include "Game/GameRandom.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<UInt> draw(int _count)
{
    std::vector<UInt> values;
    for (int i = 0; i < _count; ++i)
        values.push_back(gameRand());
    return values;
}

TEST(GameRandom, TheBuiltInSequenceStaysInRangeAndStartsAgainWhenPutBack)
{
    setRandomSource(nullptr);
    const std::vector<UInt> first = draw(1000);
    for (UInt value : first)
        EXPECT_LE(value, GAME_RAND_MAX);
    EXPECT_NE(first[0], first[1]);
    setRandomSource(nullptr);
    EXPECT_EQ(draw(1000), first);
}

TEST(GameRandom, ATestSourceIsHeldToTheContract)
{
    static UInt s_next = 0;
    setRandomSource([] { return s_next; });
    s_next = 12;
    EXPECT_EQ(gameRand(), 12u);
    s_next = 40000;
    EXPECT_EQ(gameRand(), GAME_RAND_MAX);
    setRandomSource(nullptr);
}

} // namespace
