#pragma once
#include "engine/Types.h"

#include <algorithm>
#include <limits>

// The purse after _amount more (or less, when negative): it never wraps past the largest
// amount it can hold, and never goes below nothing. Every income goes through here, so a
// bonus near the top is kept the same way as a sale.
inline Int moneyPlus(Int _money, LongLong _amount)
{
    const LongLong sum = LongLong(_money) + _amount;
    return Int(std::clamp<LongLong>(sum, 0, std::numeric_limits<Int>::max()));
}
