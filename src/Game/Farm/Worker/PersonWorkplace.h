#pragma once
#include "engine/Types.h"

// What the worker needs to know of the tool buildings and the water source: their levels and
// what each level lets the worker do. Levels are read from the game variables and brought into
// 0..3, so a building not yet built or a damaged profile never reads outside a table.
namespace workplace {

UInt digLevel();
UInt mowLevel();
// -1 while the water source is not built.
Int waterSourceLevel();
// Seconds of ploughing one field, and of harvesting one, at the tool's current level; 0 while
// no level data describes it.
Float digTime();
Float mowTime();
// How many units the scythe's basket holds.
UInt basketCapacity();
// The water of a full can.
Float canCapacity();
// The tool buildings and the water source show whether their tool stands there.
void refreshToolViews();

} // namespace workplace
