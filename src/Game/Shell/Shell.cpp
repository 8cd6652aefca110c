#include "Game/Shell/Shell.h"

#include "Game/Game.h"

#include "Game/Cheats.h"
#include "Game/Shell/Credits.h"
#include "Game/Shell/HightScores.h"
#include "Game/Shell/LogLoad.h"
#include "Game/Shell/MainMenu.h"
#include "Game/Shell/Options.h"
#include "Game/Shell/Preload.h"
#include "engine/ErrorStack.h"
#include "engine/LogManager.h"
#include "engine/Profile.h"

void startShell()
{
    GUARD_BEGIN
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
    cGame::endGame();
    runOrLog("delete cCheats", [] { delete cCheats::getInstance(); });
    // Screens hidden and disabled are in no set of the UI manager, which would leave them.
    runOrLog("delete cOptions", [] { delete cOptions::getInstance(); });
    runOrLog("delete cCredits", [] { delete cCredits::getInstance(); });
    runOrLog("delete cHightScores", [] { delete cHightScores::getInstance(); });
    runOrLog("delete cMainMenu", [] { delete cMainMenu::getInstance(); });
    runOrLog("delete fixed back", [] { delete static_cast<cView*>(cMainMenu::getFixedBack()); });
    runOrLog("delete cProfile", [] { delete cProfile::getInstance(); });
    runOrLog("cLogLoad::endRun()", [] { cLogLoad::endRun(); });
}
