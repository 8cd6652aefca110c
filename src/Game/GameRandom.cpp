#include "Game/GameRandom.h"

#include <algorithm>
#include <cstdint>

namespace {

// The classic linear congruential sequence of the runtime's rand(), seeded with 1.
std::uint32_t s_state = 1;

UInt builtInRand()
{
    s_state = s_state * 214013u + 2531011u;
    return (s_state >> 16) & GAME_RAND_MAX;
}

fRandomSource s_source = builtInRand;

} // namespace

UInt gameRand()
{
    // A test's source is trusted no further than the contract every caller relies on.
    return std::min(s_source(), GAME_RAND_MAX);
}

void setRandomSource(fRandomSource _source)
{
    s_state = 1;
    s_source = _source ? _source : builtInRand;
}
