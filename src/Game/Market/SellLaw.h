#pragma once
#include "engine/Types.h"

#include <vector>

// How the market sells, apart from any screen: the rate of sale attempts and the chance of
// each fall off linearly as the player's price climbs from (demand - radius) to
// (demand + radius). Prices are worked out in signed 64-bit arithmetic, so neither a negative
// demand nor a price from an edited profile can wrap around.
namespace sell {

// What one kind's sale depends on.
struct sTerms {
    LongLong price = 0;       // the player's price
    LongLong effective = 0;   // the demand, never below 0 (effectivePrice)
    LongLong radius = 0;      // PriceRadius
    Float maxFrequency = 0;   // MaxSellFrequency, attempts per second at the cheapest
};

// Stored as "no attempt pending": the next frame starts a new wait.
inline constexpr Float NO_WAIT = -1.0f;
inline constexpr UInt MIN_PRICE = 1;
inline constexpr UInt MAX_PRICE = 99;

// The demand the time-line stored, read as the signed number it is; a negative demand buys
// nothing, so it counts as 0.
LongLong effectivePrice(UInt _stored);

// Share of the full rate and chance at this price: 1 at or below demand - radius, 0 at or
// above demand + radius, linear between.
Float share(const sTerms& _terms);
// Sale attempts per second.
Float rate(const sTerms& _terms);
// Seconds until the next attempt; NO_WAIT when none will come (a rate of 0, or one so small
// or broken that its wait would not be a finite number, which the profile could not keep).
Float wait(Float _rate);
// The dice of one attempt from one draw of the game's random source (0..32767): 0.0001 up to
// exactly 1.0 in single precision, so a chance of 1 always sells.
Float roll(UInt _random);
// The attempt succeeds unless the chance falls short of the roll.
inline Bool sells(Float _chance, Float _roll) { return !(_chance < _roll); }

// One frame of a kind's timer: _timer is the stored time to the next attempt (any value not
// above zero, or not a number, starts a new wait at _rate); the frame takes _frameTime.
// True when an attempt is due now; _timer then holds what is left (not above zero).
Bool advanceTimer(Float& _timer, Float _rate, Float _frameTime);

// The player's price against the demand: 0 too dear, 1 fair (both bounds included), 2 cheap.
UInt attitude(LongLong _price, LongLong _effective, LongLong _radius);

// The step of a price click: quick clicks (no longer apart than _period) grow it by one.
Int nextPriceStep(Int _step, Float _sinceLastClick, Float _period);
// The price one click moves to, kept within 1..99.
UInt raisedPrice(UInt _price, Int _step);
UInt loweredPrice(UInt _price, Int _step);

// The chart's bars from _count + 1 forecast points: bar i is the mean of points i and i + 1.
// Points missing at the end count as 0.
std::vector<Float> forecastBars(const std::vector<Float>& _points, UInt _count);

} // namespace sell
