#include "Game/Manufacture/ProductionLaw.h"

#include <algorithm>

sProductionStep stepProduction(UInt _count, Float _pct, Float _rate, Float _frameTime, UInt _freeSpace)
{
    sProductionStep step;
    step.count = _count;
    step.pct = _pct;
    if (_count == 0)
        return step;
    step.pct = std::min(_pct + _frameTime * _rate, 100.0f);
    if (step.pct < 100.0f) {
        step.animAdvance = _frameTime;
        step.animates = true;
        return step;
    }
    if (_freeSpace == 0) {
        step.waiting = true;
        return step;
    }
    step.count = _count - 1;
    step.pct = 0;
    step.delivered = true;
    step.animAdvance = _frameTime;
    step.animates = true;
    return step;
}

Float productionRate(Float _maxTime)
{
    return _maxTime > 0 ? 100.0f / _maxTime : 0.0f;
}

Float loadedPercent(UInt _count, UInt _capacity)
{
    if (_capacity == 0)
        return 0;
    return Float(std::min(_count, _capacity)) * 100.0f / Float(_capacity);
}
