#pragma once
#include "engine/Types.h"

// Text to value, as every XML reader uses them. Leading white space is skipped and reading
// stops at the first character that does not fit ("12abc" reads 12). A failed or
// out-of-range read leaves _res unchanged. Always the classic locale, never the user's.
Int& toInt(Int& _res, const WString& _text);
UInt& toUInt(UInt& _res, const WString& _text);
Long& toLong(Long& _res, const WString& _text);
LongLong& toLongLong(LongLong& _res, const WString& _text);
UInt16& toUInt16(UInt16& _res, const WString& _text);
Float& toFloat(Float& _res, const WString& _text);
Double& toDouble(Double& _res, const WString& _text);
// 0 or 1; the words true and false do not read.
Bool& toBool(Bool& _res, const WString& _text);
// Numbers separated by exactly one character of any kind ("1, 2", "1;2", "1 2");
// each component that reads is written, up to the first that does not.
Vector2& toVector2(Vector2& _res, const WString& _text);
Vector3& toVector3(Vector3& _res, const WString& _text);
Vector4& toVector4(Vector4& _res, const WString& _text);
// Decimal, or hexadecimal after a leading "0x" (lower-case x only).
ULong& toULong(ULong& _res, const WString& _text);
// Hexadecimal ARGB, with or without "0x"/"0X".
DXColor& toDXColor(DXColor& _res, const WString& _text);

ULong colorToARGB(const DXColor& _color);
DXColor& colorFromARGB(DXColor& _res, ULong _argb);

// The approximate square root that the volume curve and the animation blend are tuned to;
// its exact bits matter, so it must not be replaced by std::sqrt.
Float fastSqrt(Float _x);
