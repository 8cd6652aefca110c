#include "Game/Tutorial/TutorialManager.h"

#include "Game/GameKeys.h"

#include "engine/logs/ErrorStack.h"

#include <algorithm>

namespace {

constexpr eTips WELCOME_TIP = 0;
constexpr eTips WATER_SOURCE_TIP = 1;
constexpr eTips FIELD_TIP = 2;
constexpr eTips HARVEST_TIP = 4;
constexpr eTips WAREHOUSE_TIP = 5;
constexpr eTips FIRST_PRODUCT_TIP = 43;
// Seconds of game time before the first tip: the player may find the water alone.
constexpr Float WATER_TIP_TIME = 6.0f;
constexpr UInt CARRY_CAN = 1;

Bool anyWatered(const std::vector<iTipQuery::sField>& _fields)
{
    return std::any_of(_fields.begin(), _fields.end(), [](const iTipQuery::sField& _f) { return _f.water != 0; });
}

} // namespace

void cTutorialManager::process()
{
    GUARD_BEGIN
    followPause();
    if (!m_tutorialEnabled)
        return;
    startWelcomeTip();
    startWaterTip();
    startFieldTip();
    startWarehouseTip();
    startProductionTip();
    GUARD_END("void cTutorialManager::process()")
}

Bool cTutorialManager::isFarmQuiet() const
{
    const iTipQuery& q = *m_query;
    return q.exists(iTipQuery::FARM) && !q.isSliding(iTipQuery::FARM) && q.isShown(iTipQuery::FARM);
}

// The greeting belongs to a farm that is new. A farm already past the well tip (a profile from
// before the greeting was shown) is not stopped to be welcomed: the tip is only marked seen.
void cTutorialManager::startWelcomeTip()
{
    // Under an award or a dialog that already holds the game it would stand unseen: it waits.
    if (!canRunTip(WELCOME_TIP) || !isFarmQuiet() || m_query->isGameHeld())
        return;
    if (isTipPassed(WATER_SOURCE_TIP)) {
        key::tip[WELCOME_TIP] = true;
        return;
    }
    runCommonHelpTip(WELCOME_TIP, nullptr);
}

// A player who found the water alone never sees the two watering tips.
void cTutorialManager::startWaterTip()
{
    const iTipQuery& q = *m_query;
    if (!canRunTip(WATER_SOURCE_TIP) || !isFarmQuiet() || !(q.getGameTime() > WATER_TIP_TIME))
        return;
    if (anyWatered(q.getUpgradedFields()) || (q.hasWorker() && q.getCarry() == CARRY_CAN)) {
        setTipPassed(WATER_SOURCE_TIP);
        return;
    }
    if (cControl* source = q.getControl(iTipQuery::WATER_SOURCE))
        runActionTip(WATER_SOURCE_TIP, source);
}

void cTutorialManager::startFieldTip()
{
    const iTipQuery& q = *m_query;
    if (!canRunTip(FIELD_TIP) || !isFarmQuiet() || canRunTip(WATER_SOURCE_TIP))
        return;
    const std::vector<iTipQuery::sField> fields = q.getUpgradedFields();
    if (anyWatered(fields)) {
        setTipPassed(FIELD_TIP);
        return;
    }
    // Without an owned field the tip has nothing to point at: it waits for one.
    if (!fields.empty() && fields.front().control)
        runActionTip(FIELD_TIP, fields.front().control);
}

void cTutorialManager::startWarehouseTip()
{
    if (m_lastPassedTip != Int(HARVEST_TIP) || !canRunTip(WAREHOUSE_TIP) || !isFarmQuiet())
        return;
    if (cControl* warehouse = m_query->getControl(iTipQuery::WAREHOUSE))
        runActionTip(WAREHOUSE_TIP, warehouse);
}

// The note would stop a game that an award, a dialog or the pause menu already holds, and
// would stand under them: it waits until the game runs.
void cTutorialManager::startProductionTip()
{
    const iTipQuery& q = *m_query;
    if (!q.isProductionComplete() || q.isSliding(iTipQuery::FARM) || q.isSliding(iTipQuery::PRODUCTION) ||
        q.isSliding(iTipQuery::MARKET) || q.isGameHeld() || !canRunTip(FIRST_PRODUCT_TIP))
        return;
    runCommonHelpTip(FIRST_PRODUCT_TIP, nullptr);
}

void cTutorialManager::followPause()
{
    // A note still fading in or out finishes first; the next frame hides or shows it.
    if (!m_shownView || m_shownView->getFadeState() != cView::FADE_NONE)
        return;
    const Bool paused = isGamePaused();
    if (paused && !m_hiddenByPause && m_shownView->isOwnVisible()) {
        m_shownView->hide();
        m_hiddenByPause = true;
    } else if (!paused && m_hiddenByPause) {
        m_shownView->show();
        m_hiddenByPause = false;
    }
}
