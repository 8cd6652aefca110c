#include "Game/Ui/Shell.h"

#include "Game/Game.h"

#include "Game/Ui/Cheats.h"
#include "Game/Ui/Credits.h"
#include "Game/Ui/HightScores.h"
#include "Game/Ui/LogLoad.h"
#include "Game/Ui/MainMenu.h"
#include "Game/Ui/Options.h"
#include "Game/Ui/Preload.h"
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
