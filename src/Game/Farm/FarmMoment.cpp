#include "Game/Farm/FarmMoment.h"

#include "Game/Farm/Farm.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/GameRandom.h"
#include "Game/Tutorial/TutorialManager.h"
#include "engine/frame/Timer.h"

namespace farm {

Float frameTime()
{
    cTimer* timer = cTimer::getInstance();
    return timer ? timer->getFrameTime() : 0;
}

Bool isOnScreen()
{
    const cFarm* farm = cFarm::getInstance();
    return farm && farm->isVisible() && !farm->getSlide().isMoving();
}

cTutorialManager* tutorial()
{
    return cTutorialManager::getInstance();
}

Bool isHeld()
{
    const cTutorialManager* manager = tutorial();
    if (manager && manager->isTipRunning())
        return true;
    cGameMenu* menu = cGameMenu::getInstance();
    return menu && (menu->getHold() || menu->getAbsoluteHold().isHeld());
}

Bool canRunTip(UInt _n)
{
    const cTutorialManager* manager = tutorial();
    return manager && manager->canRunTip(_n);
}

Bool isTipPassed(UInt _n)
{
    const cTutorialManager* manager = tutorial();
    return manager && manager->isTipPassed(_n);
}

void runActionTip(UInt _n, cControl* _pointed)
{
    // An action tip without its closing test would never close: it is not started.
    cTutorialManager* manager = tutorial();
    if (manager && manager->getTip(_n).condition)
        manager->runActionTip(_n, _pointed);
}

void runArrowHelpTip(UInt _n, cControl* _pointed)
{
    if (cTutorialManager* manager = tutorial())
        manager->runArrowHelpTip(_n, _pointed);
}

void runArrowTipAtButton(UInt _n, cControl* _button)
{
    const cFarm* farm = cFarm::getInstance();
    if (!_button->isVisible() || !_button->isEffectivelyEnabled() || !farm || !farm->isEffectivelyEnabled())
        return;
    if (isOnScreen() && canRunTip(_n))
        runArrowHelpTip(_n, _button);
}

Float random01()
{
    return Float(gameRand()) / Float(GAME_RAND_MAX);
}

} // namespace farm
