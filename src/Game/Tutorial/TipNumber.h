#pragma once
#include "engine/Types.h"

class cControl;

// A tutorial tip's number, 0..49.
using eTips = UInt;
inline constexpr UInt TIPS_COUNT = 50;

// An action tip's completion test, asked each frame with the control the tip points at
// (null when it points at none).
using fTipsFunc = Bool (*)(cControl* _pointed);
