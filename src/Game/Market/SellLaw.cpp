#include "Game/Market/SellLaw.h"

#include <algorithm>
#include <cmath>

namespace sell {

LongLong effectivePrice(UInt _stored)
{
    return std::max<LongLong>(0, static_cast<Int>(_stored));
}

Float share(const sTerms& _terms)
{
    const LongLong low = _terms.effective - _terms.radius;
    if (_terms.price >= _terms.effective + _terms.radius)
        return 0.0f;
    if (_terms.price <= low)
        return 1.0f;
    // Only reached with a positive radius: the two tests above cover every price otherwise.
    return 1.0f - Float(_terms.price - low) / Float(2 * _terms.radius);
}

Float rate(const sTerms& _terms)
{
    return share(_terms) * _terms.maxFrequency;
}

Float wait(Float _rate)
{
    if (!(_rate > 0))
        return NO_WAIT;
    const Float seconds = 1.0f / _rate;
    return std::isfinite(seconds) ? seconds : NO_WAIT;
}

Float roll(UInt _random)
{
    return Float(_random) * 3.0515457e-05f + 0.0001f;
}

Bool advanceTimer(Float& _timer, Float _rate, Float _frameTime)
{
    if (!(_timer > 0) || !std::isfinite(_timer)) {
        _timer = wait(_rate);
        if (_timer == NO_WAIT)
            return false;
    }
    _timer -= _frameTime;
    return !(_timer > 0);
}

UInt attitude(LongLong _price, LongLong _effective, LongLong _radius)
{
    const LongLong difference = _price - _effective;
    if (difference > _radius)
        return 0;
    if (difference < -_radius)
        return 2;
    return 1;
}

Int nextPriceStep(Int _step, Float _sinceLastClick, Float _period)
{
    return _sinceLastClick <= _period ? _step + 1 : 1;
}

UInt raisedPrice(UInt _price, Int _step)
{
    return UInt(std::clamp<LongLong>(LongLong(_price) + _step, MIN_PRICE, MAX_PRICE));
}

UInt loweredPrice(UInt _price, Int _step)
{
    return UInt(std::clamp<LongLong>(LongLong(_price) - _step, MIN_PRICE, MAX_PRICE));
}

std::vector<Float> forecastBars(const std::vector<Float>& _points, UInt _count)
{
    auto point = [&_points](UInt _i) { return _i < _points.size() ? _points[_i] : 0.0f; };
    std::vector<Float> bars(_count);
    for (UInt i = 0; i < _count; ++i)
        bars[i] = (point(i) + point(i + 1)) * 0.5f;
    return bars;
}

} // namespace sell
