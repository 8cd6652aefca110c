#include "Game/GameMenu/GameMenu.h"

#include "engine/logs/ErrorStack.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Letters/Journal.h"
#include "Game/Farm/Buildings/WareDetail.h"
#include "Game/Game.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Market/Market.h"
#include "Game/Shell/Menu.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Ui/controls/Picture.h"

#include <initializer_list>

namespace {

// The three screens lie side by side: market, farm, production.
constexpr Float ON_VIEW = -1.0f;
constexpr Float OFF_LEFT = -801.0f;
constexpr Float OFF_RIGHT = 799.0f;

Bool isCarrying()
{
    return cFarm::s_seedOnMouse || cFarm::s_sprinkleOnMouse;
}

// While a tip runs, only the action it asks for goes through.
Bool tipAllows(std::initializer_list<eTips> _tips)
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!tutorial || !tutorial->isTipRunning())
        return true;
    for (eTips tip : _tips)
        if (tutorial->isCurrentTip(tip))
            return true;
    return false;
}

void slide(cMovableBack* _screen, Int _mode, Float _from, Float _to)
{
    if (_screen)
        _screen->startMove(_mode, Vector2(_from, 0), Vector2(_to, 0));
}

// The screen that stays out of the switch waits at the middle, hidden.
void park(cMovableBack* _screen)
{
    if (!_screen)
        return;
    _screen->startMove(0, Vector2(ON_VIEW, 0), Vector2(ON_VIEW, 0));
    _screen->getSlidingPicture()->setPosition(Vector2(ON_VIEW, 0));
    _screen->hide();
}

Bool isShown(const cMovableBack* _screen)
{
    return _screen && _screen->isOwnVisible();
}

cMovableBack* screenOf(cContractPlaces::eScreen _screen)
{
    switch (_screen) {
    case cContractPlaces::MARKET: return cMarket::getInstance();
    case cContractPlaces::MANUFACTURE: return cManufacture::getInstance();
    default: return cFarm::getInstance();
    }
}

} // namespace

Vector2 cGameMenu::cardsScreenOffset(Float _ahead) const
{
    const cMovableBack* screen = screenOf(m_contractPlaces.getScreen());
    if (!screen)
        return Vector2(0, 0);
    Vector2 at = screen->getSlidingPicture()->getPosition();
    cSlide step = screen->getSlide();
    step.advance(_ahead, at);
    return Vector2(at.x - ON_VIEW, at.y);
}

void cGameMenu::gotoFarm()
{
    GUARD_BEGIN
    cFarm* farm = cFarm::getInstance();
    cMarket* market = cMarket::getInstance();
    cManufacture* manufacture = cManufacture::getInstance();
    if (isShown(manufacture)) {
        slide(manufacture, 1, ON_VIEW, OFF_RIGHT);
        slide(farm, 2, OFF_LEFT, ON_VIEW);
        park(market);
    } else {
        slide(market, 1, ON_VIEW, OFF_LEFT);
        slide(farm, 2, OFF_RIGHT, ON_VIEW);
        park(manufacture);
    }
    m_marketButton->enable();
    m_farmButton->disable();
    updateManufactureButton();
    m_contractPlaces.aim(cContractPlaces::FARM);
    afterSwitch();
    GUARD_END("void cGameMenu::gotoFarm()")
}

void cGameMenu::gotoMarket()
{
    GUARD_BEGIN
    cFarm* farm = cFarm::getInstance();
    cManufacture* manufacture = cManufacture::getInstance();
    const Bool fromProduction = isShown(manufacture);
    slide(fromProduction ? static_cast<cMovableBack*>(manufacture) : farm, 1, ON_VIEW, OFF_RIGHT);
    slide(cMarket::getInstance(), 2, OFF_LEFT, ON_VIEW);
    park(fromProduction ? static_cast<cMovableBack*>(farm) : manufacture);
    m_marketButton->disable();
    m_farmButton->enable();
    if (cManufacture::anyDepotAvailableToBuild())
        m_producingButton->enable();
    else
        m_producingButton->disable();
    m_contractPlaces.aim(cContractPlaces::MARKET);
    afterSwitch();
    GUARD_END("void cGameMenu::gotoMarket()")
}

void cGameMenu::gotoManufacture()
{
    GUARD_BEGIN
    cFarm* farm = cFarm::getInstance();
    cMarket* market = cMarket::getInstance();
    const Bool fromMarket = isShown(market);
    slide(fromMarket ? static_cast<cMovableBack*>(market) : farm, 1, ON_VIEW, OFF_LEFT);
    slide(cManufacture::getInstance(), 2, OFF_RIGHT, ON_VIEW);
    park(fromMarket ? static_cast<cMovableBack*>(farm) : market);
    m_marketButton->enable();
    m_farmButton->enable();
    m_producingButton->disable();
    m_contractPlaces.aim(cContractPlaces::MANUFACTURE);
    afterSwitch();
    GUARD_END("void cGameMenu::gotoManufacture()")
}

void cGameMenu::afterSwitch()
{
    playSound(m_changeSound.get());
    if (cBuyBuilding* building = cBuyBuilding::getInstance())
        building->hide();
    if (cBuySeeds* seeds = cBuySeeds::getInstance())
        seeds->hide();
    if (cWareDetail* detail = cWareDetail::getInstance()) {
        detail->undraw();
        detail->hide();
    }
}

void cGameMenu::showFarmFast()
{
    GUARD_BEGIN
    if (cFarm* farm = cFarm::getInstance()) {
        farm->startMove(0, Vector2(ON_VIEW, 0), Vector2(ON_VIEW, 0));
        farm->getSlidingPicture()->setPosition(Vector2(ON_VIEW, 0));
        farm->show();
        farm->enable();
        farm->riseControls();
    }
    park(cMarket::getInstance());
    park(cManufacture::getInstance());
    m_contractPlaces.aim(cContractPlaces::FARM);
    m_contractPlaces.follow(cardsScreenOffset(0));
    m_farmButton->disable();
    updateManufactureButton();
    updateMarketButton();
    GUARD_END("void cGameMenu::showFarmFast()")
}

void cGameMenu::pause()
{
    cGameMenu* menu = getInstance();
    if (!menu || isCarrying())
        return;
    if (cGame* game = cGame::getInstance()) {
        game->disable();
        game->absoluteDisable();
    }
    menu->m_pauseMenu->showTransparently();
    menu->m_pauseMenu->enable();
    // The player stops here: what they did is written at the end of this frame.
    cGame::requestSave();
}

void cGameMenu::onGotoMainMenu(cView* /*_view*/)
{
    GUARD_BEGIN
    pause();
    GUARD_END("void cGameMenu::onGotoMainMenu(cView* _view)")
}

void cGameMenu::onEsc(cView* /*_view*/)
{
    GUARD_BEGIN
    if (!isAnyScreenSliding())
        pause();
    GUARD_END("void cGameMenu::onEsc(cView* _view)")
}

void cGameMenu::onGotoMarket(cView* /*_view*/)
{
    GUARD_BEGIN
    cGameMenu* menu = getInstance();
    if (menu && !isCarrying() && tipAllows({6, 41, 44}))
        menu->gotoMarket();
    GUARD_END("void cGameMenu::onGotoMarket(cView* _view)")
}

void cGameMenu::onGotoFarm(cView* /*_view*/)
{
    GUARD_BEGIN
    cGameMenu* menu = getInstance();
    if (menu && tipAllows({7}))
        menu->gotoFarm();
    GUARD_END("void cGameMenu::onGotoFarm(cView* _view)")
}

void cGameMenu::onGotoManufacture(cView* /*_view*/)
{
    GUARD_BEGIN
    cGameMenu* menu = getInstance();
    if (menu && !isCarrying() && tipAllows({30, 41, 44}))
        menu->gotoManufacture();
    GUARD_END("void cGameMenu::onGotoManufacture(cView* _view)")
}

void cGameMenu::onJournal(cView* /*_view*/)
{
    GUARD_BEGIN
    if (!tipAllows({39}))
        return;
    if (cTutorialManager* tutorial = cTutorialManager::getInstance())
        tutorial->setTipPassed(39);
    if (cJournal* journal = cJournal::getInstance())
        journal->draw();
    GUARD_END("void cGameMenu::onJournal(cView* _view)")
}

void cGameMenu::onWareHover(cView* /*_view*/)
{
    GUARD_BEGIN
    cGameMenu* menu = getInstance();
    if (!menu)
        return;
    menu->m_wareLoadingLighter->show();
    cWareDetail* detail = cWareDetail::getInstance();
    // Back before the panel went: it stays.
    if (detail && detail->isShown())
        detail->stopHideCountdown();
    else if (detail)
        detail->drawHovered();
    GUARD_END("void cGameMenu::onWareHover(cView* _view)")
}

void cGameMenu::onWareUnhover(cView* /*_view*/)
{
    GUARD_BEGIN
    cGameMenu* menu = getInstance();
    if (!menu)
        return;
    menu->m_wareLoadingLighter->hide();
    cWareDetail* detail = cWareDetail::getInstance();
    if (detail && detail->isShown())
        detail->startHideCountdown();
    GUARD_END("void cGameMenu::onWareUnhover(cView* _view)")
}
