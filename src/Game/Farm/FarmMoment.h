#pragma once
#include "engine/Types.h"

class cControl;
class cTutorialManager;

// What the farm's objects ask of the moment: the frame's time, whether the player is looking
// at the farm, and the tutorial (null when there is none).
namespace farm {

Float frameTime();
// The farm is shown and not sliding.
Bool isOnScreen();
cTutorialManager* tutorial();
// A tutorial tip or a dialog holds the game clock: the player cannot play on, so the beds
// hold too (nothing dries, grows or spoils meanwhile).
Bool isHeld();
// Tip _n may start now.
Bool canRunTip(UInt _n);
Bool isTipPassed(UInt _n);
// Starts an action tip pointing at _pointed, when the tutorial knows how it closes.
void runActionTip(UInt _n, cControl* _pointed);
void runArrowHelpTip(UInt _n, cControl* _pointed);
// Starts arrow tip _n at _button while the player could press it: the button shown and
// enabled on the farm in view, and the tip free to start.
void runArrowTipAtButton(UInt _n, cControl* _button);
// A uniform draw in [0, 1] from the game's random source.
Float random01();

} // namespace farm
