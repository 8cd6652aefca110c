#pragma once
#include "engine/Types.h"

// Numbers as the game's files write them: the classic locale's default stream form
// (six significant digits for floats: "200", "0.5", "0.0666667").
String formatFloat(Double _value);
// Lower-case hexadecimal without leading zeros.
String formatHex(ULong _value);
