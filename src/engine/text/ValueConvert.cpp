#include "engine/text/ValueConvert.h"

#include "engine/text/NumberReader.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

template <class T, class V>
T& assignIf(T& _res, const std::optional<V>& _value)
{
    if (_value)
        _res = static_cast<T>(*_value);
    return _res;
}

template <class T>
T& readSigned(T& _res, const WString& _text)
{
    cNumberReader reader(_text);
    return assignIf(_res, reader.readSigned(std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// Reads up to _count floats separated by one arbitrary character, writing each one that reads.
void readFloats(Float* _out[], int _count, const WString& _text)
{
    cNumberReader reader(_text);
    for (int i = 0; i < _count; ++i) {
        if (i > 0 && !reader.skipOne())
            return;
        const auto value = reader.readFloat();
        if (!value)
            return;
        *_out[i] = *value;
    }
}

} // namespace

Int& toInt(Int& _res, const WString& _text)
{
    return readSigned(_res, _text);
}

Long& toLong(Long& _res, const WString& _text)
{
    return readSigned(_res, _text);
}

LongLong& toLongLong(LongLong& _res, const WString& _text)
{
    return readSigned(_res, _text);
}

UInt& toUInt(UInt& _res, const WString& _text)
{
    cNumberReader reader(_text);
    return assignIf(_res, reader.readUnsigned(std::numeric_limits<UInt>::max()));
}

UInt16& toUInt16(UInt16& _res, const WString& _text)
{
    // The game writes these as 0..65535, so that is the range that must read back.
    cNumberReader reader(_text);
    return assignIf(_res, reader.readSigned(0, std::numeric_limits<UInt16>::max()));
}

Float& toFloat(Float& _res, const WString& _text)
{
    cNumberReader reader(_text);
    return assignIf(_res, reader.readFloat());
}

Double& toDouble(Double& _res, const WString& _text)
{
    cNumberReader reader(_text);
    return assignIf(_res, reader.readDouble());
}

Bool& toBool(Bool& _res, const WString& _text)
{
    cNumberReader reader(_text);
    const auto value = reader.readSigned(std::numeric_limits<long>::min(), std::numeric_limits<long>::max());
    if (value && (*value == 0 || *value == 1))
        _res = *value == 1;
    return _res;
}

Vector2& toVector2(Vector2& _res, const WString& _text)
{
    Float* out[] = {&_res.x, &_res.y};
    readFloats(out, 2, _text);
    return _res;
}

Vector3& toVector3(Vector3& _res, const WString& _text)
{
    Float* out[] = {&_res.x, &_res.y, &_res.z};
    readFloats(out, 3, _text);
    return _res;
}

Vector4& toVector4(Vector4& _res, const WString& _text)
{
    Float* out[] = {&_res.x, &_res.y, &_res.z, &_res.w};
    readFloats(out, 4, _text);
    return _res;
}

ULong& toULong(ULong& _res, const WString& _text)
{
    if (_text.empty())
        return _res;
    const bool hex = _text.size() >= 2 && _text[0] == u'0' && _text[1] == u'x';
    const WString digits = hex ? _text.substr(2) : _text;
    cNumberReader reader(digits);
    return assignIf(_res, reader.readUnsigned(std::numeric_limits<ULong>::max(), hex ? 16 : 10));
}

DXColor& toDXColor(DXColor& _res, const WString& _text)
{
    if (_text.empty())
        return _res;
    cNumberReader reader(_text);
    reader.skipHexPrefix(true);
    const auto value = reader.readUnsigned(std::numeric_limits<ULong>::max(), 16);
    if (value)
        colorFromARGB(_res, static_cast<ULong>(*value));
    return _res;
}

namespace {

ULong channelToByte(Float _channel)
{
    if (_channel >= 1)
        return 255;
    // A channel that is not a number (an endless fade times nothing) packs as nothing.
    if (!(_channel > 0))
        return 0;
    return static_cast<ULong>(_channel * 255 + 0.5f);
}

} // namespace

ULong colorToARGB(const DXColor& _color)
{
    return channelToByte(_color.a) << 24 | channelToByte(_color.r) << 16 | channelToByte(_color.g) << 8 |
           channelToByte(_color.b);
}

DXColor& colorFromARGB(DXColor& _res, ULong _argb)
{
    const Float scale = 1.0f / 255.0f;
    _res.a = static_cast<Float>((_argb >> 24) & 0xFF) * scale;
    _res.r = static_cast<Float>((_argb >> 16) & 0xFF) * scale;
    _res.g = static_cast<Float>((_argb >> 8) & 0xFF) * scale;
    _res.b = static_cast<Float>(_argb & 0xFF) * scale;
    return _res;
}

Float fastSqrt(Float _x)
{
    std::uint32_t i;
    std::memcpy(&i, &_x, sizeof i);
    // An arithmetic shift by one, spelled out so that it does not depend on the compiler.
    const std::uint32_t d = 0xBE800000u - i;
    const std::uint32_t j = (d >> 1) | (d & 0x80000000u);
    Float y;
    std::memcpy(&y, &j, sizeof y);
    y = std::fabs(y * (1.47f - 0.47f * _x * y * y));
    return _x * 0.5f * y * (3.0f - _x * y * y);
}
