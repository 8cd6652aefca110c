#pragma once
#include "engine/Types.h"

inline constexpr UInt AWARD_COUNT = 21;

// The key of award _index (the award manager's numbering, 0..20) among the Bool game
// variables: "Award00Grow100" ... "Award21CollectAllAwards". There is no key numbered 18; the
// numbers in the keys are the shipped files' and stay. Any other index gives an empty key.
const String& getAwardKey(UInt _index);
