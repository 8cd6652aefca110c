#pragma once
#include "Game/Tutorial/ActionTips.h"

// The action tip over a panel, a view of its own so that it can stand beside the first.
class cActionTips2 : public cActionTips {};
