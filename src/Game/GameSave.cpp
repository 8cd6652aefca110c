#include "Game/Game.h"

#include "Game/GameKeys.h"
#include "engine/ErrorStack.h"
#include "engine/LogManager.h"
#include "engine/Profile.h"
#include "engine/ProgressPick.h"
#include "engine/SaveFailure.h"
#include "engine/ValueConvert.h"

#include <limits>

namespace {

// A kill, a crash or a lost display costs at most this much play.
constexpr Float SAVE_PERIOD = 120.0f;

} // namespace

void cGame::atSafePoint(Float _realSeconds)
{
    cGame* game = getInstance();
    if (!game)
        return;
    // Real time, not the game clock: a tip or a dialog that holds the clock holds no save.
    game->m_sinceSave += _realSeconds;
    if (game->m_sinceSave < SAVE_PERIOD && !game->m_saveRequested)
        return;
    saveProgress();
}

void cGame::requestSave()
{
    if (cGame* game = getInstance())
        game->m_saveRequested = true;
}

Bool cGame::saveProgress() noexcept
{
    // The next try is a whole period away, whether this one worked or not.
    if (cGame* game = getInstance()) {
        game->m_sinceSave = 0;
        game->m_saveRequested = false;
    }
    try {
        try {
            saveLevelState();
        } catch (...) {
            rethrowWithSignature("Bool cGame::saveProgress()");
        }
        return true;
    } catch (const String& _error) {
        logError(_error);
    } catch (...) {
        logError("The progress could not be saved.");
    }
    if (cProfile* profile = cProfile::getInstance())
        tellSaveFailed(profile->getProgressFiles());
    return false;
}

Bool cGame::isSavedValueUsable(const sSavedVariable& _variable)
{
    // A clock set back to 0 would pay the time-line's early gifts again.
    if (_variable.name != "GameTime")
        return true;
    Float time = std::numeric_limits<Float>::quiet_NaN();
    toFloat(time, _variable.value);
    return key::GameTime.accepts(time);
}
