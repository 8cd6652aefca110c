#include "Game/Awards/AwardManager.h"

#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Awards/Award.h"
#include "Game/Awards/AwardButton.h"
#include "Game/Awards/AwardConditions.h"
#include "Game/Awards/Awards.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"

namespace {

const char* const AWARDS_XML = "UI/Awards.xml";

} // namespace

cAwardManager::cAwardManager(cView* _parent) : cView(_parent)
{
    GUARD_BEGIN
    for (UInt i = 0; i < AWARD_COUNT; ++i)
        m_done[i] = key::Award[i];
    // Only the view's keys: the rest of the file is the awards screen's.
    loadViewFile(this, AWARDS_XML);
    // An award whose presentation was cut short by leaving the game was never seen.
    for (UInt i = 0; i < AWARD_COUNT; ++i)
        key::awardShow[i] = key::Award[i];
    GUARD_END("cAwardManager::cAwardManager()")
}

cAwardManager::~cAwardManager()
{
    delete m_award;
    delete m_screen.get();
}

void cAwardManager::setForcedIndex(Int _index)
{
    if (_index >= -1 && _index < Int(AWARD_COUNT))
        m_forced = _index;
}

void cAwardManager::process()
{
    GUARD_BEGIN
    if (m_award) {
        presentStep();
        return;
    }
    // The manager has no parent: the pause menu does not stop it, so it asks the game.
    if (m_query->isGameHeld() || m_query->isScreenSliding() || m_query->isDialogOpen())
        return;
    const Int found = findEarned();
    if (found >= 0)
        present(UInt(found));
    GUARD_END("void cAwardManager::process()")
}

Int cAwardManager::findEarned()
{
    for (UInt i = 0; i < AWARD_COUNT; ++i) {
        if (m_done[i])
            continue;
        m_done[i] = isAwardEarned(i, *m_query);
        if (m_done[i] || Int(i) == m_forced)
            return Int(i);
    }
    return -1;
}

cAwards* cAwardManager::requireScreen()
{
    cAwards* screen = cAwards::getInstance();
    if (!screen) {
        screen = new cAwards(nullptr);
        m_screen.set(screen);
        screen->hide();
        screen->setLeaveCallback(&cAwardManager::onAwardsOk);
        screen->disable();
    }
    return screen;
}

void cAwardManager::present(UInt _index)
{
    m_forced = -1;
    // A forced award is presented once, like an earned one.
    m_done[_index] = true;
    cAwards* screen = requireScreen();
    m_award = new cAward(nullptr, _index);
    m_award->show();
    m_award->enable();
    if (cAwardButton* button = screen->getButton(_index))
        m_award->setTarget(button->getPosition());
    if (cGame* game = cGame::getInstance()) {
        game->disable();
        game->absoluteDisable();
    }
}

void cAwardManager::presentStep()
{
    switch (m_award->getState()) {
    case cAward::GROWN: showPanelWhenReady(requireScreen()); break;
    case cAward::AT_REST: finishPresentation(requireScreen()); break;
    default: break;
    }
}

void cAwardManager::showPanelWhenReady(cAwards* _screen)
{
    if (!_screen->isVisible()) {
        _screen->showTransparently();
        // The farm's pictures lie deeper than the wall's shelves: the game steps aside while
        // the wall is up, as it does when the pause menu opens the wall.
        if (cGame* game = cGame::getInstance())
            game->hideTransparently();
        return;
    }
    if (_screen->getFadeState() != FADE_NONE)
        return;
    m_award->setState(cAward::ON_PANEL);
    _screen->showNewAwardPanel(m_award);
}

void cAwardManager::finishPresentation(cAwards* _screen)
{
    const UInt index = m_award->getIndex();
    key::awardShow[index] = true;
    _screen->showAward(index);
    _screen->enable();
    m_award->hide();
    discard(m_award, "void cAwardManager::process()");
    m_award = nullptr;
}

void cAwardManager::onAwardsOk()
{
    GUARD_BEGIN
    if (cGame* game = cGame::getInstance()) {
        game->enable();
        game->absoluteEnable();
        game->showTransparently();
    }
    GUARD_END("void cAwardManager::onAwardsOk()")
}
