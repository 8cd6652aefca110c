#pragma once
#include "engine/Singleton.h"

// The scripted time-line of the game's events and the game clock's position on it.
// Not filled in yet: the game makes it and finds it, and no event fires.
class cGameplay : public cSingleton<cGameplay> {
public:
    cGameplay() = default;
};
