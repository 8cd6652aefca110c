#include "Game/Manufacture/Manufacture.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/frame/Logic.h"
#include "engine/logs/LogManager.h"
#include "engine/Rect.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Game.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Manufacture/DepotExplos.h"
#include "Game/Manufacture/HouseFit.h"
#include "Game/Manufacture/HouseKind.h"
#include "Game/Manufacture/ProductionHouse.h"
#include "Game/Tutorial/TutorialManager.h"
#include "input/Input.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/PriceText.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/views/Scavenger.h"
#include "Ui/boxes/ScrollBox.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

const char* const SCREEN_XML = "UI/gameUI/Manufacture.xml";
constexpr eControl CONTROL_RIGHT_BUTTON_PRESSED = CONTROL_BUTTON_PRESSED + 1;
constexpr eTips TIP_DESTROY = 33;
constexpr eTips TIP_FREE_UPGRADE = 34;
constexpr eTips TIP_LOAD_GAUGE = 38;

Bool isCurrentTip(eTips _tip)
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    return tutorial && tutorial->isCurrentTip(_tip);
}

Bool isTipRunning()
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    return tutorial && tutorial->isTipRunning();
}

const Vector2& cursor()
{
    static const Vector2 s_nowhere(-1.0e9f, -1.0e9f);
    cLogic* logic = cLogic::getInstance();
    return logic ? logic->getCursor() : s_nowhere;
}

WString decimal(UInt _value)
{
    return toWString(std::to_string(_value));
}

void enableBoth(cView* _a, cView* _b, Bool _on)
{
    for (cView* view : {_a, _b}) {
        if (_on)
            view->enable();
        else
            view->disable();
    }
}

} // namespace

cManufacture::cManufacture(cView* _parent) : cMovableBack(_parent)
{
    GUARD_BEGIN
    // Slides advance in the absolute pass, which also runs while the screen is hidden.
    absoluteEnable();
    makeControls();
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(SCREEN_XML))
        loadViewFile(this, SCREEN_XML);
    m_buildButton->setOnClick(&cManufacture::onClickBuild);
    m_destroyButton->setOnClick(&cManufacture::onClickDestroy);
    m_upgradeButton->setOnClick(&cManufacture::onClickUpgradeBuilding);
    rebuildSlots();
    m_buildButton->show();
    hideUpgrade();
    GUARD_END("cManufacture::cManufacture(cView* _parent)")
}

cManufacture::~cManufacture()
{
    if (cInput* input = cInput::getInstance()) {
        input->unbind(CONTROL_BUTTON_PRESSED, &cManufacture::onClickField, this);
        input->unbind(CONTROL_RIGHT_BUTTON_PRESSED, &cManufacture::onRightClick, this);
    }
    if (m_selectSound)
        m_selectSound->release();
}

void cManufacture::makeControls()
{
    cControl* content = getContent();
    m_buildButton = new cTipButton(content);
    m_currentBuildingText = new cText(content);
    m_currentBuildingPic = new cPicture(content);
    m_footCards = new cPicture(content);
    m_footHint = new cText(content);
    m_destroyButton = new cTipButton(content);
    m_upgradeButton = new cTipButton(content);
    // The next level's price with its coin, and a caption that says what the price is for:
    // a bare number beside a building the tutorial gave away would read as its own price.
    m_upgradeText = new cTextMoney(content);
    m_upgradeCaption = new cText(m_upgradeText);
}

void cManufacture::rebuildSlots()
{
    for (UInt slot = 0; slot < SLOT_COUNT; ++slot) {
        if (key::SlotUpgrade[slot] == -1)
            continue;
        const UInt type = key::ProdType[slot];
        // One damaged slot must not keep the player out of every later game.
        if (!findHouseKind(type)) {
            getLog("error")->print("Production slot " + std::to_string(slot) + " holds the unknown building type " +
                                   std::to_string(type) + ": the slot is emptied.");
            key::SlotUpgrade[slot] = -1;
            continue;
        }
        createBuilding(type, Int(slot));
    }
    // A building bought and still on the mouse when the game was left comes back on the mouse.
    if (const UInt onMouse = key::ProdOnMouse())
        createBuilding(onMouse - 1, -1);
}

void cManufacture::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cMovableBack::loadXML(_xml_doc);
    const std::pair<const char*, cView*> parts[] = {{"CurrentBuildingPic", m_currentBuildingPic},
        {"BuildButton", m_buildButton}, {"DestroyButton", m_destroyButton}, {"UpgradeButton", m_upgradeButton},
        {"UpgradeText", m_upgradeText}, {"UpgradeCaption", m_upgradeCaption},
        {"CurrentBuildingText", m_currentBuildingText}, {"FootCards", m_footCards},
        {"FootHint", m_footHint}};
    for (const auto& part : parts)
        loadChildPart(_xml_doc, part.first, part.second);
    const String sound = toString((*_xml_doc)[u"SelectSound"]);
    if (!sound.empty())
        holdByPath(m_selectSound, sound, &cResourceManager::getSound);
    Vector4 area{m_depotArea.left, m_depotArea.top, m_depotArea.right, m_depotArea.bottom};
    if (readXmlAttribute(_xml_doc, u"DepotArea", area, &toVector4))
        m_depotArea = sRect{area.x, area.y, area.z, area.w};
    loadAntiAreas(_xml_doc);
    GUARD_END("void cManufacture::loadXML(iXML* xml_doc)")
}

void cManufacture::loadAntiAreas(iXML* _xml_doc)
{
    iXML* list = nullptr;
    if (!_xml_doc->get("AntiDepotAreaList", list))
        return;
    m_antiAreas.clear();
    m_antiAreas.reserve(list->getChildCount());
    iXML* child = nullptr;
    for (UInt i = 0, count = list->getChildCount(); i < count; ++i) {
        if (!list->get(i, child))
            continue;
        Vector4 rect;
        readXmlAttribute(child, u"Rect", rect, &toVector4);
        m_antiAreas.push_back(sRect{rect.x, rect.y, rect.z, rect.w});
    }
}

void cManufacture::createBuilding(UInt _type, Int _slot)
{
    GUARD_BEGIN
    if (m_count >= SLOT_COUNT)
        return;
    UInt slot = _slot < 0 ? 0 : UInt(_slot);
    while (slot < SLOT_COUNT && m_slots[slot])
        ++slot;
    if (slot >= SLOT_COUNT)
        return;
    m_slots[slot] = cProductionHouse::create(_type, slot, getSlidingPicture());
    ++m_count;
    if (m_count == SLOT_COUNT)
        m_upgradeButton->hideAll();
    GUARD_END("cProductionHouse* cManufacture::createBuilding(eProductionHouseType _type)")
}

Bool cManufacture::isFit(cProductionHouse* _house)
{
    GUARD_BEGIN
    if (!_house)
        return false;
    if (!isInDepotArea(centredRect(_house->getPosition(), _house->getSize()), m_depotArea, m_antiAreas))
        return false;
    for (cProductionHouse* other : m_slots) {
        if (!other || other == _house)
            continue;
        if (isHousesCollide(*other, other->getCurrentMask(), *_house, _house->getCurrentMask()))
            return false;
    }
    return true;
    GUARD_END("Bool cManufacture::isFit()")
}

Bool cManufacture::canOfferUpgrade(const cProductionHouse* _house)
{
    if (!_house)
        return false;
    // A level the building has no data for, or past the cost table, could be paid for and
    // never given.
    const Int next = _house->getUpgrade() + 1;
    return next < Int(_house->getLevelCount()) && next < Int(cUpgrade::MAX_LEVELS) && _house->canUpgrade(false, true);
}

Bool cManufacture::isUpgradeFree() const
{
    return !m_freeUpgradeGiven && isCurrentTip(TIP_FREE_UPGRADE);
}

UInt cManufacture::upgradeCost(const cGame& _game, const cProductionHouse& _house, UInt _next) const
{
    return isUpgradeFree() ? 0 : _game.getUpgradeCost(cGame::eUpgradeItem(_house.getItem()), _next);
}

void cManufacture::hideUpgrade()
{
    m_upgradeButton->hideAll();
    m_upgradeText->hide();
}

void cManufacture::selectDepot(cProductionHouse* _house, Bool _playSound)
{
    GUARD_BEGIN
    if (!_house) {
        m_currentBuildingText->hide();
        m_currentBuildingPic->hide();
        m_footCards->hide();
        m_footHint->show();
        m_destroyButton->hideAll();
        hideUpgrade();
        m_selected = nullptr;
        return;
    }
    if (_house != m_selected && _playSound && m_selectSound)
        if (cSoundManager* sound = cSoundManager::getInstance())
            sound->play(m_selectSound);
    m_destroyButton->show();
    m_footHint->hide();
    m_footCards->show();
    const Int level = std::max(_house->getUpgrade(), 0);
    static_cast<cState&>(*m_currentBuildingPic) = _house->getUpgradeState(UInt(level));
    m_currentBuildingPic->setTransformDirty();
    m_currentBuildingPic->show();
    m_currentBuildingText->setString(_house->getName());
    m_currentBuildingText->show();
    const cGame* game = cGame::getInstance();
    if (game && canOfferUpgrade(_house)) {
        const UInt next = UInt(_house->getUpgrade() + 1);
        const UInt cost = upgradeCost(*game, *_house, next);
        m_upgradeText->setString(decimal(cost));
        m_upgradeText->show();
        m_upgradeButton->show();
        enableBoth(m_upgradeButton, m_upgradeText, LongLong(cost) <= LongLong(cGame::getMoney()));
    } else {
        hideUpgrade();
    }
    m_selected = _house;
    GUARD_END("void cManufacture::selectDepot( cProductionHouse* _house )")
}

void cManufacture::destroyBuilding(cProductionHouse* _house)
{
    GUARD_BEGIN
    if (!_house)
        return;
    UInt slot = 0;
    while (slot < SLOT_COUNT && m_slots[slot] != _house)
        ++slot;
    if (slot >= SLOT_COUNT)
        return;
    const Vector2 position = _house->getPosition();
    const Bool built = _house->isBuilt();
    selectDepot(nullptr, true);
    m_slots[slot] = nullptr;
    _house->setProdPct(0);
    _house->setProdCount(0);
    _house->setStopped(false);
    // The level of an empty slot is -1 whatever levels the building had data for.
    key::SlotUpgrade[slot] = -1;
    if (built)
        if (cSoundManager* sound = cSoundManager::getInstance())
            if (iResource* destroySound = _house->getDestroySound())
                sound->play(destroySound);
    _house->disable();
    _house->hideAll();
    discard(_house, String(__FILE__) + ":" + std::to_string(__LINE__));
    --m_count;
    if (built)
        new cDepotExplos(position, this);
    GUARD_END("void cManufacture::destroyBuilding(cProductionHouse* _house)")
}

void cManufacture::getDepots(std::vector<cProductionHouse*>& _out) const
{
    for (cProductionHouse* house : m_slots)
        if (house)
            _out.push_back(house);
}

cProductionHouse* cManufacture::getHouseAt(const Vector2& _point) const
{
    for (cProductionHouse* house : m_slots)
        if (house && isPointInRect(centredRect(house->getPosition(), house->getSize()), _point.x, _point.y))
            return house;
    return nullptr;
}

UInt cManufacture::getBuiltCount() const
{
    UInt count = 0;
    for (const cProductionHouse* house : m_slots)
        if (house && house->isBuilt())
            ++count;
    return count;
}

Bool cManufacture::isAnyHousePanelHovered() const
{
    for (cProductionHouse* house : m_slots)
        if (house && house->isAnyPanelControlHovered())
            return true;
    return false;
}

Bool cManufacture::anyDepotAvailableToBuild()
{
    for (UInt t = 0; t < HOUSE_KIND_COUNT; ++t)
        if (key::upgradeAvail(t) != NONE_VALUE)
            return true;
    return false;
}

void cManufacture::updateWarehouseInfo()
{
    for (cProductionHouse* house : m_slots)
        if (house)
            house->updateWarehouseText();
}

void cManufacture::disableControls()
{
    GUARD_BEGIN
    m_upgradeWasEnabled = m_upgradeButton->isEnabled();
    m_buildButton->disable();
    m_destroyButton->disable();
    m_upgradeButton->disable();
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->disableControls();
    GUARD_END("void cManufacture::disableControls()")
}

void cManufacture::enableControls()
{
    GUARD_BEGIN
    m_buildButton->enable();
    if (m_upgradeWasEnabled)
        m_upgradeButton->enable();
    else
        m_upgradeButton->disable();
    m_destroyButton->enable();
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->enableControls();
    GUARD_END("void cManufacture::enableControls()")
}

void cManufacture::unhoverAll(cProductionHouse* _except)
{
    for (cProductionHouse* house : m_slots)
        if (house && house != _except)
            house->unhovered();
}

void cManufacture::showAllPodlogka(Bool _show)
{
    for (cProductionHouse* house : m_slots)
        if (house)
            house->showPodlogka(_show);
}

void cManufacture::enabled()
{
    GUARD_BEGIN
    if (cInput* input = cInput::getInstance()) {
        input->bind(CONTROL_BUTTON_PRESSED, &cManufacture::onClickField, this);
        input->bind(CONTROL_RIGHT_BUTTON_PRESSED, &cManufacture::onRightClick, this);
    }
    updateWarehouseInfo();
    cMovableBack::enabled();
    for (cProductionHouse* house : m_slots) {
        if (!house || house == m_selected || !house->isEffectivelyEnabled())
            continue;
        if (house->pointInRect(cursor()))
            house->hovered();
        else
            house->unhovered();
    }
    GUARD_END("void cManufacture::enabled()")
}

void cManufacture::disabled()
{
    GUARD_BEGIN
    if (cInput* input = cInput::getInstance()) {
        input->unbind(CONTROL_BUTTON_PRESSED, &cManufacture::onClickField, this);
        input->unbind(CONTROL_RIGHT_BUTTON_PRESSED, &cManufacture::onRightClick, this);
    }
    cMovableBack::disabled();
    GUARD_END("void cManufacture::disabled()")
}

void cManufacture::showed()
{
    GUARD_BEGIN
    cMovableBack::showed();
    // The workshop chosen before the player left stays chosen, its gauge and load button at
    // hand: coming back to load it again is the common errand.
    cProductionHouse* chosen = m_selected;
    selectDepot(nullptr, false);
    if (chosen && std::find(std::begin(m_slots), std::end(m_slots), chosen) != std::end(m_slots)) {
        selectDepot(chosen, false);
        chosen->showPanel();
    }
    GUARD_END("void cManufacture::showed()")
}

void cManufacture::onClickBuild(cView* /*_button*/)
{
    GUARD_BEGIN
    if (isTipRunning() && !isCurrentTip(32))
        return;
    cBuyBuilding* panel = cBuyBuilding::getInstance();
    if (!panel)
        return;
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().take(panel);
        menu->getAbsoluteHold().take(panel);
    }
    panel->draw();
    GUARD_END("void cManufacture::onClickBuild(cView* _button)")
}

void cManufacture::onClickDestroy(cView* /*_button*/)
{
    GUARD_BEGIN
    cManufacture* screen = getInstance();
    if (!screen || !screen->m_selected)
        return;
    if (isCurrentTip(TIP_LOAD_GAUGE) || isCurrentTip(TIP_FREE_UPGRADE) || isCurrentTip(48))
        return;
    const UInt before = screen->m_count;
    screen->destroyBuilding(screen->m_selected);
    // Only a building actually taken down counts toward the award.
    if (screen->m_count < before)
        key::awQDestroy() += 1;
    GUARD_END("void cManufacture::onClickDestroy(cView* _button)")
}

void cManufacture::onClickUpgradeBuilding(cView* /*_button*/)
{
    GUARD_BEGIN
    cManufacture* screen = getInstance();
    const cGame* game = cGame::getInstance();
    if (!screen || !game)
        return;
    // While a tip runs, only its free upgrade goes through, once.
    if (isTipRunning() && !screen->isUpgradeFree())
        return;
    cProductionHouse* house = screen->m_selected;
    // The button may outlive what it offered: the house or its next level may be gone.
    if (!canOfferUpgrade(house))
        return;
    const UInt next = UInt(house->getUpgrade() + 1);
    const UInt cost = screen->upgradeCost(*game, *house, next);
    if (LongLong(cost) > LongLong(cGame::getMoney()))
        return;
    const Bool gift = screen->isUpgradeFree();
    cGame::setMoney(cGame::getMoney() - Int(cost));
    house->setUpgrade(next, true);
    if (gift) {
        // One gift only: the tip closes, also when the workshop upgraded is not the one it
        // watches.
        screen->m_freeUpgradeGiven = true;
        cTutorialManager::getInstance()->setActionDone();
    }
    cGame::requestSave();
    screen->selectDepot(nullptr, true);
    screen->selectDepot(house, true);
    GUARD_END("void cManufacture::onClickUpgradeBuilding(cView* _button)")
}

Bool cManufacture::isOnOwnControls(const Vector2& _point) const
{
    for (cTipButton* button : {m_buildButton, m_destroyButton, m_upgradeButton})
        if (button->isVisible() && button->containsPoint(_point))
            return true;
    // A press on the bar leaves for another screen: the workshop chosen stays chosen for the
    // way back.
    if (const cGameMenu* menu = cGameMenu::getInstance())
        for (cControl* button : {static_cast<cControl*>(menu->getMainMenuButton()), static_cast<cControl*>(menu->getMarketButton()),
                 static_cast<cControl*>(menu->getFarmButton()), static_cast<cControl*>(menu->getProducingButton()),
                 static_cast<cControl*>(menu->getJournalButton())})
            if (button && button->isVisible() && button->containsPoint(_point))
                return true;
    return false;
}

void cManufacture::onClickField(cView* _view)
{
    GUARD_BEGIN
    auto* screen = static_cast<cManufacture*>(_view);
    if (isCurrentTip(TIP_LOAD_GAUGE) || isCurrentTip(TIP_FREE_UPGRADE) || isCurrentTip(TIP_DESTROY))
        return;
    const Vector2& point = cursor();
    if (!isPointInRect(FIELD_RECT, point.x, point.y) || cProductionHouse::isHouseTaken())
        return;
    if (screen->getHouseAt(point))
        return;
    // A press on the screen's own buttons or on a building's panel is theirs: deselecting
    // first would hide those buttons before their release.
    if (screen->isOnOwnControls(point) || screen->isAnyHousePanelHovered())
        return;
    if (screen->m_selected)
        screen->m_selected->hidePanel();
    screen->selectDepot(nullptr, true);
    GUARD_END("void cManufacture::onClickField(cView* _view)")
}

void cManufacture::onRightClick(cView* /*_view*/)
{
    GUARD_BEGIN
    cProductionHouse* house = cProductionHouse::getTakenHouse();
    if (house && house->isBuilt())
        house->returnToPlace();
    GUARD_END("void cManufacture::onRightClick(cView* _view)")
}
