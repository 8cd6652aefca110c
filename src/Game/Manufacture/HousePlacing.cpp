// How a production building is moved with the mouse: pressed, dragged, dropped, given up.
#include "Game/Manufacture/ProductionHouse.h"

#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/boxes/ScrollBox.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/SoundManager.h"

namespace {

// The tutorial's placing tip: the house stays on the cursor and costs nothing.
constexpr eTips TIP_PLACE_HOUSE = 37;

Bool isCurrentTip(eTips _tip)
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    return tutorial && tutorial->isCurrentTip(_tip);
}

Float distance2(const Vector2& _a, const Vector2& _b)
{
    const Float dx = _a.x - _b.x, dy = _a.y - _b.y;
    return dx * dx + dy * dy;
}

} // namespace

Bool cProductionHouse::fitsHere()
{
    cManufacture* manufacture = cManufacture::getInstance();
    return manufacture && manufacture->isFit(this);
}

void cProductionHouse::followCursor()
{
    // A building brought back on the mouse by a return waits for its screen to ask for its place.
    const cManufacture* manufacture = cManufacture::getInstance();
    const Bool onScreen = manufacture && manufacture->isVisible() && !manufacture->getSlide().isMoving();
    if (cTutorialManager* tutorial = cTutorialManager::getInstance())
        if (onScreen && tutorial->canRunTip(TIP_PLACE_HOUSE))
            tutorial->runActionTip(TIP_PLACE_HOUSE, nullptr);
    const Vector2& cursor = getCursor();
    setPos(Vector2(cursor.x - m_grabOffset.x, cursor.y - m_grabOffset.y), false);
    setAnimFrame(0);
    const Bool fits = fitsHere();
    setColor(fits ? m_ownColor : m_unfitColor);
    m_podlogka->setColor(fits ? m_podlogkaFitColor : m_podlogkaUnfitColor);
}

void cProductionHouse::testDragStart()
{
    if (distance2(getCursor(), m_pressPoint) > DRAG_START_DISTANCE2)
        startDrag();
}

void cProductionHouse::absoluteEnabled()
{
    GUARD_BEGIN
    cTips<cOverlayButton>::absoluteEnabled();
    if (s_taken == this)
        setDeep(m_baseDeep + TAKEN_DEEP);
    GUARD_END("void cProductionHouse::absoluteEnabled()")
}

void cProductionHouse::absoluteDisabled()
{
    GUARD_BEGIN
    cTips<cOverlayButton>::absoluteDisabled();
    if (s_taken == this)
        setDeep(m_baseDeep);
    GUARD_END("void cProductionHouse::absoluteDisabled()")
}

void cProductionHouse::startDrag()
{
    m_flags = (m_flags & ~UInt(PRESS_PENDING)) | TAKEN;
    s_taken = this;
    setDeep(m_baseDeep + TAKEN_DEEP);
    playHouseSound(m_takeHouseSound);
    hidePanel();
    if (cManufacture* manufacture = cManufacture::getInstance()) {
        manufacture->disableControls();
        manufacture->showAllPodlogka(true);
    }
}

Bool cProductionHouse::isOwnPanelControlActive()
{
    cButtonPrototype* const controls[] = {m_loaded, m_startStopButton, m_loaded->getSlider(), m_addStockButton,
        m_addDepotButton};
    for (cButtonPrototype* control : controls)
        if (control->getState() == BS_HOVERED || control->getState() == BS_PRESSED)
            return true;
    return false;
}

void cProductionHouse::clicked()
{
    GUARD_BEGIN
    if (s_taken && s_taken != this)
        return;
    cManufacture* manufacture = cManufacture::getInstance();
    if (manufacture && manufacture->isAnyHousePanelHovered())
        return;
    if (!(m_flags & TAKEN)) {
        if (!isOwnPanelControlActive()) {
            m_flags |= PRESS_PENDING;
            m_pressPoint = getCursor();
            m_grabOffset = Vector2(m_pressPoint.x - getPosition().x, m_pressPoint.y - getPosition().y);
            m_dragStartPos = getPosition();
        }
        cTips<cOverlayButton>::clicked();
        return;
    }
    if (fitsHere()) {
        drop(true);
        cTips<cOverlayButton>::clicked();
        return;
    }
    if (m_built) {
        cTips<cOverlayButton>::clicked();
        return;
    }
    if (!isCurrentTip(TIP_PLACE_HOUSE))
        giveUp();
    GUARD_END("void cProductionHouse::clicked()")
}

void cProductionHouse::unclicked()
{
    GUARD_BEGIN
    if (s_taken && s_taken != this)
        return;
    if (!(m_flags & TAKEN)) {
        if (m_flags & PRESS_PENDING) {
            m_flags &= ~UInt(PRESS_PENDING);
            // A press ended by the focus going selects nothing.
            cManufacture* manufacture = isPlayersRelease() ? cManufacture::getInstance() : nullptr;
            if (manufacture) {
                cProductionHouse* selected = manufacture->getSelected();
                if (selected && selected != this)
                    selected->hidePanel();
                manufacture->selectDepot(this, true);
            }
        }
        cTips<cOverlayButton>::unclicked();
        return;
    }
    // Only a placed house is ever dragged: this ends its drag, and never pays.
    if (fitsHere())
        drop(false);
    cTips<cOverlayButton>::unclicked();
    GUARD_END("void cProductionHouse::unclicked()")
}

void cProductionHouse::drop(Bool _buttonDown)
{
    m_flags &= ~UInt(TAKEN);
    setDeep(m_baseDeep);
    setColor(m_ownColor);
    setPos(getPosition(), true);
    s_taken = nullptr;
    cManufacture* manufacture = cManufacture::getInstance();
    if (manufacture) {
        manufacture->enableControls();
        manufacture->showAllPodlogka(false);
    }
    if (m_built) {
        playHouseSound(m_dropHouseSound);
    } else if (_buttonDown) {
        m_built = true;
        key::ProdOnMouse() = 0;
        key::awManDepotBuild[getItem()] = true;
        setUpgrade(0, false);
        m_startStopButton->show();
        playHouseSound(m_buildSound);
        const cGame* game = cGame::getInstance();
        const UInt cost = isCurrentTip(TIP_PLACE_HOUSE) || !game ? 0 : game->getUpgradeCost(cGame::eUpgradeItem(getItem()), 0);
        // The price is taken even when the money fell below it meanwhile; the money stops at 0.
        const LongLong left = LongLong(cGame::getMoney()) - LongLong(cost);
        cGame::setMoney(left < 0 ? 0 : Int(left));
        cGame::requestSave();
        if (manufacture) {
            if (cProductionHouse* selected = manufacture->getSelected())
                selected->hidePanel();
            manufacture->selectDepot(this, false);
        }
    }
    showPanel();
}

void cProductionHouse::giveUp()
{
    s_taken = nullptr;
    key::ProdOnMouse() = 0;
    if (cManufacture* manufacture = cManufacture::getInstance()) {
        manufacture->enableControls();
        manufacture->destroyBuilding(this);
        manufacture->showAllPodlogka(false);
    }
    showPodlogka(false);
}

void cProductionHouse::returnToPlace()
{
    GUARD_BEGIN
    m_flags &= ~UInt(TAKEN);
    setDeep(m_baseDeep);
    setColor(m_ownColor);
    setPos(m_dragStartPos, true);
    s_taken = nullptr;
    if (cManufacture* manufacture = cManufacture::getInstance()) {
        manufacture->enableControls();
        manufacture->showAllPodlogka(false);
    }
    playHouseSound(m_dropHouseSound);
    GUARD_END("void cProductionHouse::returnToPlace()")
}
