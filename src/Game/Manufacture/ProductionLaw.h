#pragma once
#include "engine/Types.h"

// One frame of a working house, apart from any view: the loaded units, the progress of the
// current one in percent, and what the frame did.
struct sProductionStep {
    UInt count = 0;
    Float pct = 0;
    // One unit went to the warehouse.
    Bool delivered = false;
    // The unit is done but the warehouse has no room: it waits at 100.
    Bool waiting = false;
    // How far the house's animation moves; it rests at its first frame otherwise.
    Float animAdvance = 0;
    Bool animates = false;
};

// _rate is percent per second; _freeSpace the warehouse's room. A finished unit leaves only
// when the warehouse can take it, so no good is ever made into nothing.
sProductionStep stepProduction(UInt _count, Float _pct, Float _rate, Float _frameTime, UInt _freeSpace);

// Percent per second for a level that turns one unit in _maxTime seconds.
Float productionRate(Float _maxTime);

// The share of the capacity loaded, in percent; the count is taken within the capacity.
Float loadedPercent(UInt _count, UInt _capacity);
