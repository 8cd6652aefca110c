#include "Game/Tutorial/ActionTips.h"

#include "engine/logs/ErrorStack.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Tutorial/TutorialManager.h"

namespace {

void holdClock(Bool _hold)
{
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->setHold(_hold);
}

} // namespace

void cActionTips::startup(const Vector2& _offset, const Vector2& _arrow_offset, const WString& _str,
                          cControl* _pointed_control, fTipsFunc _func)
{
    GUARD_BEGIN
    if (!_func)
        throw "cActionTips::startup";
    cArrowHelpTips::startup(_offset, _arrow_offset, _str, _pointed_control);
    holdClock(true);
    m_condition = _func;
    GUARD_END("void cActionTips::startup(Vector2& _offset, const WString& _str, cControl* _pointed_control, "
              "fTipsFunc _func)")
}

void cActionTips::process()
{
    GUARD_BEGIN
    cArrowHelpTips::process();
    if (!isOpen() || !m_condition)
        return;
    if (!m_condition(getPointed())) {
        cTutorialManager* tutorial = cTutorialManager::getInstance();
        if (!tutorial)
            return;
        // A tip whose action the game does not allow rather steps back than hold the clock:
        // for good once the action can never come back, else until it can.
        if (!tutorial->takeActionDone()) {
            const cTutorialManager::eTipChance chance = tutorial->getCurrentTipChance();
            if (chance == cTutorialManager::TIP_LATER)
                withdraw();
            if (chance != cTutorialManager::TIP_NEVER)
                return;
        }
    }
    close();
    GUARD_END("void cActionTips::process()")
}

void cActionTips::fadingOut()
{
    holdClock(false);
}
