#include "Game/Manufacture/BuyBuilding.h"

#include "engine/ErrorStack.h"
#include "engine/FileManager.h"
#include "engine/Logic.h"
#include "engine/Rect.h"
#include "engine/Resource.h"
#include "engine/ResourceManager.h"
#include "engine/SoundManager.h"
#include "engine/TextConvert.h"
#include "engine/ValueConvert.h"
#include "engine/XML.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/HouseKind.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Tutorial/TutorialManager.h"
#include "input/Input.h"
#include "Ui/ChildParts.h"
#include "Ui/PriceText.h"
#include "Ui/ResourceHold.h"
#include "Ui/Text.h"
#include "Ui/ViewFile.h"
#include "Ui/XmlAttribute.h"

#include <string>

namespace {

const char* const PANEL_XML = "UI/gameUI/BuyBuilding.xml";
constexpr eTips TIP_BUILD_PANEL = 35;
constexpr eTips TIP_BUY = 36;

const Vector2& cursor()
{
    static const Vector2 s_nowhere(-1.0e9f, -1.0e9f);
    cLogic* logic = cLogic::getInstance();
    return logic ? logic->getCursor() : s_nowhere;
}

Bool containsCursor(cControl* _control)
{
    return isPointInRect(centredRect(_control->getPosition(), _control->getSize()), cursor().x, cursor().y);
}

// While the tutorial still teaches building, the first building costs nothing.
Bool isTutorialPriceFree()
{
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    return tutorial && tutorial->isTutorialEnabled() &&
           (!tutorial->isTipPassed(TIP_BUILD_PANEL) || !tutorial->isTipPassed(TIP_BUY));
}

void moveBy(cControl* _control, const Vector2& _offset)
{
    const Vector2& at = _control->getPosition();
    _control->setPosition(Vector2(at.x + _offset.x, at.y + _offset.y));
}

} // namespace

cBuyBuilding::cBuyBuilding(cView* _parent) : cMovableUnion(_parent)
{
    GUARD_BEGIN
    makeItems();
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(PANEL_XML))
        loadViewFile(this, PANEL_XML);
    for (sItem& item : m_items)
        item.BuyButton->setOnClick(&cBuyBuilding::onBuy);
    GUARD_END("cBuyBuilding::cBuyBuilding(cView* _parent)")
}

cBuyBuilding::~cBuyBuilding()
{
    bindClose(false);
    if (m_buySound)
        m_buySound->release();
}

void cBuyBuilding::makeItems()
{
    for (sItem& item : m_items) {
        item.BuyButton = new cButton(this);
        item.BuyMask = new cTips<cButton>(this);
        item.Text = new cText(this);
        item.PriceText = new cPriceText(item.BuyButton);
    }
}

UInt cBuyBuilding::inputKindOf(UInt _type)
{
    const sHouseKind* kind = findHouseKind(_type);
    return kind ? ::inputKindOf(*kind) : 0;
}

UInt cBuyBuilding::outputKindOf(UInt _type)
{
    const sHouseKind* kind = findHouseKind(_type);
    return kind ? ::outputKindOf(*kind) : 0;
}

void cBuyBuilding::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cMovableUnion::loadXML(_xml_doc);
    iXML* group = nullptr;
    iXML* child = nullptr;
    if (_xml_doc->get("ItemPlace", group))
        for (UInt i = 0; i < ITEM_COUNT && i < group->getChildCount(); ++i)
            if (group->get(i, child))
                readXmlAttribute(child, u"place", m_places[i], &toVector2);
    if (_xml_doc->get("ItemConfig", group))
        for (UInt i = 0; i < ITEM_COUNT && i < group->getChildCount(); ++i) {
            if (!group->get(i, child))
                continue;
            m_configs[i].name = (*child)[u"name"];
            iXML* state = nullptr;
            if (child->get("State", state))
                m_configs[i].State.loadXML(state);
        }
    const String sound = toString((*_xml_doc)[u"BuySound"]);
    if (!sound.empty())
        holdByPath(m_buySound, sound, &cResourceManager::getSound);
    loadItems(_xml_doc);
    setPosition(getHiddenPlace());
    GUARD_END("void cBuyBuilding::loadXML(iXML* xml_doc)")
}

void cBuyBuilding::loadItems(iXML* _xml_doc)
{
    iXML* proto = nullptr;
    if (!_xml_doc->get("ItemProto", proto))
        return;
    for (UInt i = 0; i < ITEM_COUNT; ++i) {
        sItem& item = m_items[i];
        loadChildPart(proto, "BuyButton", item.BuyButton);
        loadChildPart(proto, "BuyMask", item.BuyMask);
        loadChildPart(proto, "PriceText", item.PriceText);
        loadChildPart(proto, "Text", item.Text);
        // The price is the button's child and moves with it.
        for (cControl* control : {static_cast<cControl*>(item.BuyButton), static_cast<cControl*>(item.BuyMask),
                 static_cast<cControl*>(item.Text)})
            moveBy(control, m_places[i]);
    }
}

void cBuyBuilding::fillItem(sItem& _item, UInt _type)
{
    const sConfig& config = m_configs[_type];
    _item.Text->setString(config.name);
    _item.Text->show();
    static_cast<cState&>(*_item.BuyButton) = config.State;
    _item.BuyButton->setTransformDirty();
    _item.BuyButton->show();
    const cGame* game = cGame::getInstance();
    UInt price = game ? game->getUpgradeCost(cGame::eUpgradeItem(_type), 0) : 0;
    if (isTutorialPriceFree())
        price = 0;
    _item.PriceText->setString(toWString(std::to_string(price)));
    _item.BuyButton->setUserValue(_type);
    _item.PriceText->show();
    _item.BuyMask->show();
    const Bool affordable = LongLong(price) <= LongLong(cGame::getMoney());
    for (cView* view : {static_cast<cView*>(_item.BuyButton), static_cast<cView*>(_item.PriceText)}) {
        if (affordable)
            view->enable();
        else
            view->disable();
    }
    const std::vector<cControl*>& parts = _item.BuyMask->getTipParts();
    if (game && parts.size() > 2) {
        if (const cGame::sProdInfo* input = game->getProdInfo(inputKindOf(_type)))
            static_cast<cState&>(*parts[1]) = input->Icon;
        if (const cGame::sProdInfo* output = game->getProdInfo(outputKindOf(_type)))
            static_cast<cState&>(*parts[2]) = output->Icon;
        parts[1]->setTransformDirty();
        parts[2]->setTransformDirty();
    }
}

void cBuyBuilding::draw()
{
    GUARD_BEGIN
    enable();
    UInt k = 0;
    for (UInt type = 0; type < HOUSE_KIND_COUNT; ++type)
        if (key::upgradeAvail(type) != NONE_VALUE)
            fillItem(m_items[k++], type);
    for (; k < ITEM_COUNT; ++k) {
        m_items[k].Text->hide();
        m_items[k].BuyButton->hide();
        m_items[k].PriceText->hide();
        m_items[k].BuyMask->hideAll();
    }
    bindClose(true);
    startMove(2, getHiddenPlace(), getShownPlace());
    GUARD_END("void cBuyBuilding::draw()")
}

void cBuyBuilding::undraw()
{
    GUARD_BEGIN
    bindClose(false);
    disable();
    startMove(1, getPosition(), getHiddenPlace());
    GUARD_END("void cBuyBuilding::undraw()")
}

void cBuyBuilding::bindClose(Bool _bind)
{
    cInput* input = cInput::getInstance();
    if (!input)
        return;
    if (_bind)
        input->bind(CONTROL_BUTTON_PRESSED, &cBuyBuilding::onLeftMouseDown, this);
    else
        input->unbind(CONTROL_BUTTON_PRESSED, &cBuyBuilding::onLeftMouseDown, this);
}

void cBuyBuilding::releaseMenu()
{
    // Both holds go: a bar left out of the absolute pass would stop the game clock for good.
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().release(this);
        menu->getAbsoluteHold().release(this);
    }
}

Bool cBuyBuilding::isAnyButtonHovered()
{
    GUARD_BEGIN
    if (!isEnabled())
        return false;
    if (containsCursor(this))
        return true;
    for (const auto& child : getChildren()) {
        cControl* control = child.second->asControl();
        if (control && control->isOwnVisible() && containsCursor(control))
            return true;
    }
    return false;
    GUARD_END("Bool cBuyBuilding::isAnyButtonHovered()")
}

void cBuyBuilding::onLeftMouseDown(cView* _view)
{
    GUARD_BEGIN
    auto* panel = static_cast<cBuyBuilding*>(_view);
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!panel->isEnabled() || (tutorial && tutorial->isTipRunning()) || panel->isAnyButtonHovered())
        return;
    panel->releaseMenu();
    panel->undraw();
    GUARD_END("void cBuyBuilding::onLeftMouseDown(cView* _view)")
}

void cBuyBuilding::onBuy(cView* _button)
{
    GUARD_BEGIN
    cBuyBuilding* panel = getInstance();
    if (!panel)
        return;
    panel->releaseMenu();
    if (cManufacture* manufacture = cManufacture::getInstance())
        manufacture->createBuilding(getOfferedType(static_cast<cButton*>(_button)), -1);
    panel->undraw();
    if (cSoundManager* sound = cSoundManager::getInstance())
        if (panel->m_buySound)
            sound->play(panel->m_buySound);
    GUARD_END("void cBuyBuilding::onBuy(cView* _button)")
}

void cBuyBuilding::process()
{
    GUARD_BEGIN
    cMovableUnion::process();
    if (getSlide().isMoving())
        return;
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!tutorial)
        return;
    if (tutorial->canRunTip(TIP_BUILD_PANEL))
        tutorial->runArrowHelpTip2(TIP_BUILD_PANEL, this);
    else if (tutorial->canRunTip(TIP_BUY))
        tutorial->runActionTip2(TIP_BUY, m_items[0].BuyButton);
    GUARD_END("void cBuyBuilding::process()")
}
