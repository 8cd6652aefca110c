#include "Game/GameMenu/GameMenu.h"

#include "engine/logs/ErrorStack.h"
#include "engine/frame/Timer.h"
#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GoalSign.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Market/Market.h"
#include "Game/Timeline/Gameplay.h"
#include "Game/Tutorial/TutorialManager.h"
#include "input/Input.h"
#include "Ui/controls/Picture.h"

#include <algorithm>
#include <iterator>

namespace {

// The worker's looping sounds, in the order they start again: can, hose, tractor, shovel, scythe.
constexpr cPerson::eSoundType LOOP_SOUNDS[5] = {cPerson::WORK_WATERING_CAN, cPerson::WORK_HOSE,
                                                cPerson::WORK_TRACTOR, cPerson::WORK_SHOVEL,
                                                cPerson::WORK_SCYTHE};
constexpr Float LIGHT_PERIOD = 0.5f;
constexpr eTips TIP_GOTO_MARKET = 6;
constexpr eTips TIP_FARM_QUIET = 5;
constexpr eTips TIP_GOTO_FARM = 7;
constexpr eTips TIP_MARKET_QUIET = 45;
constexpr eTips TIP_GOTO_PRODUCTION = 30;
constexpr eTips TIP_JOURNAL = 39;
constexpr size_t JOURNAL_TIP_NOTES = 3;

Float frameTime()
{
    cTimer* timer = cTimer::getInstance();
    return timer ? timer->getFrameTime() : 0.0f;
}

Bool isSliding(const cMovableBack* _screen)
{
    return _screen && _screen->getSlide().isMoving();
}

// Visible, enabled and still.
Bool isOnScreen(const cMovableBack* _screen)
{
    return _screen && _screen->isVisible() && _screen->isEnabled() && !isSliding(_screen);
}

Bool isOn(const cView* _view)
{
    return _view->isVisible() && _view->isEnabled();
}

Int investment(const cUpgrade* _building)
{
    return _building ? _building->getUpgradesCost() : 0;
}

} // namespace

Bool cGameMenu::isAnyScreenSliding()
{
    return isSliding(cFarm::getInstance()) || isSliding(cManufacture::getInstance()) ||
           isSliding(cMarket::getInstance());
}

void cGameMenu::absoluteProcess()
{
    GUARD_BEGIN
    const Float dt = frameTime();
    // Counted in double: a Float gaining a frame at a time runs slow past 18 hours of play and
    // stops at 2^19 s. A value written from outside (a load, a cheat) is taken up.
    Float& runTime = key::RunTime();
    if (runTime != m_playTimeWritten)
        m_playTime = runTime;
    m_playTime += dt;
    runTime = m_playTimeWritten = Float(m_playTime);
    if (!isAnyScreenSliding() && !m_hold && runGameTime()) {
        key::GameTime() += dt;
        if (cGameplay* gameplay = cGameplay::getInstance())
            gameplay->process();
    }
    blinkJournal(dt);
    blinkWareLight(dt);
    // The screens are the bar's children, made after it, so each frame they slide after the bar
    // has run: the cards take the step their screen is about to take, and the frame shows both
    // at once.
    m_contractPlaces.follow(cardsScreenOffset(dt));
    startTips();
    GUARD_END("void cGameMenu::absoluteProcess()")
}

// The goals the time-line sets: the clock waits until the player has the money (counting
// what went into the farm buildings) and the warehouse level. A met goal is cleared for good.
// While one waits, the sign under the clock says which and how far the farm has come.
Bool cGameMenu::runGameTime()
{
    const Int goal = key::mTrigger();
    if (goal != 0) {
        const LongLong total = LongLong(key::Money()) + investment(cWareHouse::getInstance()) +
                               investment(cWaterSource::getInstance()) + investment(cMowBuilding::getInstance()) +
                               investment(cDigBuilding::getInstance());
        if (total < goal) {
            m_goalSign->showMoney(total, goal);
            return false;
        }
        key::mTrigger() = 0;
    }
    const Int level = key::wlTrigger();
    if (level != -1) {
        if (key::upgradeLevel(32) < level) {
            m_goalSign->showBarn(level);
            return false;
        }
        key::wlTrigger() = -1;
    }
    m_goalSign->clear();
    return true;
}

void cGameMenu::blinkJournal(Float _frameTime)
{
    if (!m_journalBlinking)
        return;
    if (m_journalButton->getState() == BS_HOVERED) {
        m_journalButton->setColor(m_journalNormalColor);
        m_journalBlinkCountdown = m_journalBlinkPeriod;
        return;
    }
    m_journalBlinkCountdown -= _frameTime;
    if (m_journalBlinkCountdown > 0)
        return;
    m_journalBlinkCountdown = m_journalBlinkPeriod;
    const Bool blinkColor = m_journalButton->getColor() == m_journalBlinkColor;
    m_journalButton->setColor(blinkColor ? m_journalNormalColor : m_journalBlinkColor);
}

void cGameMenu::blinkWareLight(Float _frameTime)
{
    const cWareHouse* warehouse = cWareHouse::getInstance();
    // A warehouse without room at all is not full: its gauge is empty.
    if (!warehouse || warehouse->getCapacity() == 0 || warehouse->getFreeSpace() != 0)
        return;
    const eButtonState state = m_wareLoadingButton->getState();
    if (state == BS_HOVERED || state == BS_PRESSED)
        return;
    m_lighterCountdown -= _frameTime;
    if (m_lighterCountdown > 0)
        return;
    m_lighterCountdown = LIGHT_PERIOD;
    if (isOn(m_wareLoadingLighter))
        m_wareLoadingLighter->hide();
    else
        m_wareLoadingLighter->show();
}

void cGameMenu::startTips()
{
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!tutorial)
        return;
    const Bool farm = isOnScreen(cFarm::getInstance());
    const Bool market = isOnScreen(cMarket::getInstance());
    const Bool production = isOnScreen(cManufacture::getInstance());
    if (tutorial->canRunTip(TIP_GOTO_MARKET) && isOn(m_marketButton) && farm && !tutorial->canRunTip(TIP_FARM_QUIET))
        tutorial->runTip(TIP_GOTO_MARKET, m_marketButton);
    if (tutorial->canRunTip(TIP_GOTO_FARM) && isOn(m_farmButton) && market && !tutorial->canRunTip(TIP_MARKET_QUIET))
        tutorial->runTip(TIP_GOTO_FARM, m_farmButton);
    if (tutorial->canRunTip(TIP_GOTO_PRODUCTION) && isOn(m_producingButton) && (farm || market))
        tutorial->runTip(TIP_GOTO_PRODUCTION, m_producingButton);
    if (tutorial->canRunTip(TIP_JOURNAL) && (farm || market || production) && m_journalBlinking &&
        m_notes.size() >= JOURNAL_TIP_NOTES)
        tutorial->runTip(TIP_JOURNAL, m_journalButton);
}

void cGameMenu::absoluteEnabled()
{
    GUARD_BEGIN
    cBack::absoluteEnabled();
    if (cPerson* person = cPerson::getInstance()) {
        for (UInt i = 0; i < 5; ++i)
            if (m_workerSoundFlags[i])
                person->playSound(LOOP_SOUNDS[i]);
    }
    // The notification may come again for one change: the sounds start once, Escape binds once.
    std::fill(std::begin(m_workerSoundFlags), std::end(m_workerSoundFlags), false);
    if (cInput* input = cInput::getInstance()) {
        input->unbind(KEY_ESCAPE, &cGameMenu::onEsc, this);
        input->bind(KEY_ESCAPE, &cGameMenu::onEsc, this);
    }
    GUARD_END("void cGameMenu::absoluteEnabled()")
}

void cGameMenu::absoluteDisabled()
{
    GUARD_BEGIN
    cBack::absoluteDisabled();
    if (cPerson* person = cPerson::getInstance()) {
        for (UInt i = 0; i < 5; ++i) {
            // A repeated notification finds them stopped already and keeps what was recorded.
            if (!person->isLoopSoundPlaying(LOOP_SOUNDS[i]))
                continue;
            m_workerSoundFlags[i] = true;
            person->stopLoopSound(LOOP_SOUNDS[i]);
        }
    } else {
        std::fill(std::begin(m_workerSoundFlags), std::end(m_workerSoundFlags), false);
    }
    if (cInput* input = cInput::getInstance())
        input->unbind(KEY_ESCAPE, &cGameMenu::onEsc, this);
    GUARD_END("void cGameMenu::absoluteDisabled()")
}
