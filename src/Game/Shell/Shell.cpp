#include "Game/Shell/Shell.h"

#include "Game/Game.h"

#include "Game/Cheats.h"
#include "Game/Shell/Credits.h"
#include "Game/Shell/HightScores.h"
#include "Game/Shell/LogLoad.h"
#include "Game/Shell/MainMenu.h"
#include "Game/Shell/Options.h"
#include "Game/Shell/Preload.h"
#include "Ui/screens/Notice.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "engine/frame/Timer.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/Profile.h"
#include "engine/progress/SaveFailure.h"

namespace {

// The end of every frame's update, before it is drawn: the game's safe point for saving,
// and the notices to the player.
void atFrameEnd()
{
    GUARD_BEGIN
    const Float seconds = cTimer::exists() ? cTimer::getInstance()->getRealFrameTime() : 0.0f;
    // A save of the game just left is told on the main menu, not in the next game.
    checkSavesBesideTheGame();
    cGame::atSafePoint(seconds);
    cNotice::update(seconds);
    // A notice kept on the disk for the screen goes from it once shown, before the next save.
    if (cProfile* profile = cProfile::getInstance())
        profile->forgetShownNotices();
    GUARD_END("void atFrameEnd()")
}

} // namespace

void startShell()
{
    GUARD_BEGIN
    if (cLogic* logic = cLogic::getInstance())
        logic->setProcessCallback(&atFrameEnd);
    cMainMenu::setGameStart(&cGame::startGame);
    // The typed words are heard from the first logo to the end of the run.
    new cCheats();
    cPreload* logos = new cPreload();
    logos->hide();
    logos->showTransparently();
    GUARD_END("void startShell()")
}

void endShell()
{
    if (cLogic* logic = cLogic::getInstance())
        logic->setProcessCallback(nullptr);
    cGame::endGame();
    runOrLog("delete cCheats", [] { delete cCheats::getInstance(); });
    // Screens hidden and disabled are in no set of the UI manager, which would leave them.
    runOrLog("delete cOptions", [] { delete cOptions::getInstance(); });
    runOrLog("delete cCredits", [] { delete cCredits::getInstance(); });
    runOrLog("delete cHightScores", [] { delete cHightScores::getInstance(); });
    runOrLog("delete cMainMenu", [] { delete cMainMenu::getInstance(); });
    runOrLog("delete fixed back", [] { delete static_cast<cView*>(cMainMenu::getFixedBack()); });
    runOrLog("delete cProfile", [] { delete cProfile::getInstance(); });
    runOrLog("delete cNotice", [] { delete cNotice::getInstance(); });
    runOrLog("cLogLoad::endRun()", [] { cLogLoad::endRun(); });
}
