#include "Game/Ui/Shell.h"

#include "Game/Game.h"

#include "Game/Ui/Credits.h"
#include "Game/Ui/HightScores.h"
#include "Game/Ui/LogLoad.h"
#include "Game/Ui/MainMenu.h"
#include "Game/Ui/Options.h"
#include "Game/Ui/Preload.h"
#include "engine/ErrorStack.h"
#include "engine/LogManager.h"
#include "engine/Profile.h"

namespace {

// A step of the teardown that fails is written down; the steps after it still run.
template <class Step>
void tearDown(Step _step, const char* _signature)
{
    try {
        try {
            _step();
        } catch (...) {
            rethrowWithSignature(_signature);
        }
    } catch (const String& _stack) {
        getLog("error")->print(_stack);
    }
}

} // namespace

void startShell()
{
    GUARD_BEGIN
    cMainMenu::setGameStart(&cGame::startGame);
    cPreload* logos = new cPreload();
    logos->hide();
    logos->showTransparently();
    GUARD_END("void startShell()")
}

void endShell()
{
    cGame::endGame();
    // Screens hidden and disabled are in no set of the UI manager, which would leave them.
    tearDown([] { delete cOptions::getInstance(); }, "delete cOptions");
    tearDown([] { delete cCredits::getInstance(); }, "delete cCredits");
    tearDown([] { delete cHightScores::getInstance(); }, "delete cHightScores");
    tearDown([] { delete cMainMenu::getInstance(); }, "delete cMainMenu");
    tearDown([] { delete static_cast<cView*>(cMainMenu::getFixedBack()); }, "delete fixed back");
    tearDown([] { delete cProfile::getInstance(); }, "delete cProfile");
    tearDown([] { cLogLoad::endRun(); }, "cLogLoad::endRun()");
}
