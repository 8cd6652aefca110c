#pragma once
#include "engine/Singleton.h"
#include "engine/Types.h"

// What the UI framework asks of the tutorial, which lives in the game above it: the game's
// tutorial manager, a view, is this singleton too. While none exists, no tutorial tip is
// running.
class iTutorialTips : public cViewSingleton<iTutorialTips> {
public:
    // True while a tutorial tip is on screen.
    virtual Bool isTipRunning() = 0;

    static Bool isAnyTipRunning()
    {
        iTutorialTips* tutorial = getInstance();
        return tutorial && tutorial->isTipRunning();
    }
};
