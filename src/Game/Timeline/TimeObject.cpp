#include "Game/Timeline/TimeObject.h"

#include "engine/files/XML.h"

#include <cmath>
#include <limits>
#include <tuple>

namespace {

// One run of decimal digits at _pos; false for none or one that does not fit.
Bool readNumber(const WString& _text, size_t& _pos, UInt& _value)
{
    const size_t start = _pos;
    unsigned long long value = 0;
    for (; _pos < _text.size() && _text[_pos] >= u'0' && _text[_pos] <= u'9'; ++_pos) {
        value = value * 10 + UInt(_text[_pos] - u'0');
        if (value > std::numeric_limits<UInt>::max())
            return false;
    }
    _value = UInt(value);
    return _pos > start;
}

void appendPart(WString& _text, UInt _part)
{
    if (_part < 10)
        _text += u'0';
    for (char digit : std::to_string(_part))
        _text += char16_t(digit);
}

UInt wholePart(Float _t)
{
    // A clock is never negative, and one past the range of the fields has no meaning.
    if (!(_t > 0))
        return 0;
    if (_t >= Float(std::numeric_limits<UInt>::max()))
        return std::numeric_limits<UInt>::max();
    return UInt(std::trunc(_t));
}

} // namespace

void sTimeObject::setSeconds(Float _t)
{
    hours = wholePart(_t / 3600.0f);
    minutes = wholePart((_t - Float(hours) * 3600.0f) / 60.0f);
    seconds = wholePart(_t - Float(hours) * 3600.0f - Float(minutes) * 60.0f);
}

WString sTimeObject::toString(Bool _noHours) const
{
    WString text;
    if (!_noHours) {
        appendPart(text, hours);
        text += u':';
    }
    appendPart(text, minutes);
    text += u':';
    appendPart(text, seconds);
    return text;
}

void sTimeObject::loadXML(iXML* _node, const char16_t* _attribute)
{
    const WString text = (*_node)[_attribute];
    size_t pos = 0;
    UInt parts[3] = {};
    for (UInt i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != u':')
                throw "Invalid time format";
            ++pos;
        }
        if (!readNumber(text, pos, parts[i]))
            throw "Invalid time format";
    }
    hours = parts[0];
    minutes = parts[1];
    seconds = parts[2];
}

Bool sTimeObject::operator<(const sTimeObject& _other) const
{
    return std::tie(hours, minutes, seconds) < std::tie(_other.hours, _other.minutes, _other.seconds);
}

Bool sTimeObject::operator==(const sTimeObject& _other) const
{
    return hours == _other.hours && minutes == _other.minutes && seconds == _other.seconds;
}
