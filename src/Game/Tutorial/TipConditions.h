#pragma once
#include "Game/Tutorial/TipNumber.h"

// The completion test of each action tip, null for the tips closed by their Ok button (and for
// tips 0 and 10, which nothing starts). Each asks the tutorial manager's query, so a test can
// answer in the game's place; with no manager, or an object the test needs missing, the action
// is not done.
fTipsFunc getTipCondition(eTips _n);
// Whether the game's state lets the action of tip _n be done now, for the action tips whose
// action the state can rule out (a building already past the level the tip needs, nothing to
// bring); null for the others, whose action can always be done. A tip that cannot be met is
// not shown: it would hold the game clock.
fTipsFunc getTipPossible(eTips _n);
// Whether a ruled-out action of tip _n stays ruled out for good (a building past the level the
// tip asks for never goes back); otherwise the tip only waits until the game allows it.
Bool isTipLostWhenRuledOut(eTips _n);
