#pragma once
#include "Game/Tutorial/TipNumber.h"

// The completion test of each action tip, null for the tips closed by their Ok button (and for
// tips 0 and 10, which nothing starts). Each asks the tutorial manager's query, so a test can
// answer in the game's place; with no manager, or an object the test needs missing, the action
// is not done.
fTipsFunc getTipCondition(eTips _n);
