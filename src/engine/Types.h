#pragma once
#include <cstdint>
#include <string>

// The scalar names that interfaces, files and profile properties use as type tags.
// Long and ULong are 32 bits, as in the files the game writes.
using String = std::string;    // UTF-8
using WString = std::u16string; // UTF-16, as the data files are
using Int = std::int32_t;
using UInt = std::uint32_t;
using Long = std::int32_t;
using ULong = std::uint32_t;
using LongLong = std::int64_t;
using UInt16 = std::uint16_t;
using Float = float;
using Double = double;
using Bool = bool;

struct Vector2 {
    Float x = 0, y = 0;

    Vector2() = default;
    Vector2(Float _x, Float _y) : x(_x), y(_y) {}
    // Scales to the given length; the zero vector has no direction and stays as it is.
    void setLength(Float _length);
    Float length() const;
    bool operator==(const Vector2& _other) const { return x == _other.x && y == _other.y; }
    bool operator!=(const Vector2& _other) const { return !(*this == _other); }
};

struct Vector3 {
    Float x = 0, y = 0, z = 0;

    // Scales to the given length through fastSqrt, whose exact bits the animation blend is
    // tuned to; the zero vector has no direction and stays as it is.
    void setLength(Float _length);
    bool operator==(const Vector3& _other) const { return x == _other.x && y == _other.y && z == _other.z; }
};

struct Vector4 {
    Float x = 0, y = 0, z = 0, w = 0;
    bool operator==(const Vector4& _other) const
    {
        return x == _other.x && y == _other.y && z == _other.z && w == _other.w;
    }
};

// A colour as four channels, 1.0 meaning full intensity; files write it as hexadecimal ARGB.
struct DXColor {
    Float r = 0, g = 0, b = 0, a = 0;
    bool operator==(const DXColor& _other) const
    {
        return r == _other.r && g == _other.g && b == _other.b && a == _other.a;
    }
};

// A rectangle in logical screen units; y grows downwards.
struct sRect {
    Float left = 0, top = 0, right = 0, bottom = 0;
};
