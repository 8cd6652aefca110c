#include "Game/Farm/Seeds/BuySeeds.h"

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
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/Farm/TextMoney.h"
#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Tutorial/TutorialManager.h"
#include "input/Input.h"
#include "Ui/ChildParts.h"
#include "Ui/Picture.h"
#include "Ui/ResourceHold.h"
#include "Ui/Text.h"
#include "Ui/ViewFile.h"
#include "Ui/XmlAttribute.h"

#include <string>

namespace {

const char* const PANEL_XML = "UI/gameUI/BuySeeds.xml";
constexpr eTips SHOP_ARROW_TIP = 14;
constexpr eTips BUY_TIP = 15;
// The price text shows frame 1 while the crop costs more than the player has.
constexpr UInt FRAME_AFFORDABLE = 0;
constexpr UInt FRAME_TOO_DEAR = 1;

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

Bool isHoveredOrPressed(const cButtonPrototype* _button)
{
    return _button->getState() == BS_HOVERED || _button->getState() == BS_PRESSED;
}

void moveBy(cControl* _control, const Vector2& _offset)
{
    const Vector2& at = _control->getPosition();
    _control->setPosition(Vector2(at.x + _offset.x, at.y + _offset.y));
}

} // namespace

cBuySeeds::cBuySeeds(cView* _parent) : cMovableUnion(_parent)
{
    GUARD_BEGIN
    makeSlots();
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(PANEL_XML))
        loadViewFile(this, PANEL_XML);
    m_cancelButton->setOnClick(&cBuySeeds::onCancel);
    for (sSlot& slot : m_slots)
        slot.BuyButton->setOnClick(&cBuySeeds::onBuy);
    GUARD_END("cBuySeeds::cBuySeeds(cView* _parent)")
}

cBuySeeds::~cBuySeeds()
{
    bindClose(false);
    if (m_buySound)
        m_buySound->release();
}

void cBuySeeds::makeSlots()
{
    cControl* content = getContent();
    m_cancelButton = new cCancelButton(content);
    for (sSlot& slot : m_slots) {
        slot.BuyButton = new cAnimButton(content);
        slot.PriceText = new cTextMoney(slot.BuyButton);
        slot.Text = new cText(content);
    }
}

void cBuySeeds::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cMovableUnion::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "CancelButton", m_cancelButton);
    loadPlaces(_xml_doc);
    loadItems(_xml_doc);
    const String sound = toString((*_xml_doc)[u"BuySound"]);
    if (!sound.empty())
        holdByPath(m_buySound, sound, &cResourceManager::getSound);
    loadSlots(_xml_doc);
    setPosition(getHiddenPlace());
    GUARD_END("void cBuySeeds::loadXML(iXML* xml_doc)")
}

void cBuySeeds::loadPlaces(iXML* _xml_doc)
{
    iXML* group = nullptr;
    iXML* child = nullptr;
    if (_xml_doc->get("ItemPlace", group))
        for (UInt i = 0; i < PLACE_COUNT && i < group->getChildCount(); ++i)
            if (group->get(i, child))
                readXmlAttribute(child, u"place", m_places[i], &toVector2);
}

void cBuySeeds::loadItems(iXML* _xml_doc)
{
    iXML* group = nullptr;
    iXML* child = nullptr;
    if (!_xml_doc->get("ItemConfig", group))
        return;
    // Child 0 stands for grass, which the shop never sells.
    for (UInt k = 1; k < PLACE_COUNT && k < group->getChildCount(); ++k) {
        if (!group->get(k, child))
            continue;
        m_items[k].name = (*child)[u"name"];
        iXML* state = nullptr;
        if (child->get("State", state))
            m_items[k].look.loadXML(state);
    }
}

void cBuySeeds::loadSlots(iXML* _xml_doc)
{
    iXML* proto = nullptr;
    if (!_xml_doc->get("ItemProto", proto))
        return;
    for (UInt i = 0; i < SLOT_COUNT; ++i) {
        sSlot& slot = m_slots[i];
        loadChildPart(proto, "BuyButton", slot.BuyButton);
        loadChildPart(proto, "PriceText", slot.PriceText);
        loadChildPart(proto, "Text", slot.Text);
        // The price is the button's child and moves with it.
        moveBy(slot.BuyButton, m_places[i]);
        moveBy(slot.Text, m_places[i]);
    }
}

void cBuySeeds::fillSlot(sSlot& _slot, UInt _crop)
{
    const sItem& item = m_items[_crop];
    _slot.Text->setString(item.name);
    _slot.Text->show();
    static_cast<cState&>(*_slot.BuyButton) = item.look;
    _slot.BuyButton->setTransformDirty();
    _slot.BuyButton->setUserValue(_crop);
    _slot.BuyButton->show();
    const cGame* game = cGame::getInstance();
    const cGame::sSeedsInfo* info = game ? game->getSeedsInfo(cGame::eCultivationType(_crop)) : nullptr;
    const UInt price = info ? info->Price : 0;
    _slot.PriceText->setString(toWString(std::to_string(price)));
    _slot.PriceText->show();
    const Bool affordable = LongLong(price) <= LongLong(cGame::getMoney());
    if (affordable)
        _slot.BuyButton->enable();
    else
        _slot.BuyButton->disable();
    // The coin beside the price is what shows it: grey while the crop is too dear.
    const UInt frame = affordable ? FRAME_AFFORDABLE : FRAME_TOO_DEAR;
    _slot.PriceText->setAnimFrame(frame);
    _slot.PriceText->getCoin()->setAnimFrame(frame);
}

void cBuySeeds::hideSlot(sSlot& _slot)
{
    _slot.BuyButton->hide();
    _slot.PriceText->hide();
    _slot.Text->hide();
}

void cBuySeeds::draw()
{
    GUARD_BEGIN
    enable();
    UInt j = 0;
    for (UInt crop = cGame::TOMATOES; crop < cGame::CULTIVATION_COUNT; ++crop)
        if (key::SeedAvail[crop] != 0)
            fillSlot(m_slots[j++], crop);
    for (; j < SLOT_COUNT; ++j)
        hideSlot(m_slots[j]);
    bindClose(true);
    startMove(2, getPosition(), getShownPlace());
    GUARD_END("void cBuySeeds::draw(Bool _first)")
}

void cBuySeeds::close()
{
    GUARD_BEGIN
    bindClose(false);
    disable();
    startMove(1, getPosition(), getHiddenPlace());
    GUARD_END("void cBuySeeds::close()")
}

void cBuySeeds::hid()
{
    GUARD_BEGIN
    cMovableUnion::hid();
    bindClose(false);
    GUARD_END("void cBuySeeds::hid()")
}

void cBuySeeds::bindClose(Bool _bind)
{
    cInput* input = cInput::getInstance();
    if (!input)
        return;
    // Opened twice, the panel still hears one press.
    input->unbind(CONTROL_BUTTON_PRESSED, &cBuySeeds::onLeftMouseDown, this);
    if (_bind)
        input->bind(CONTROL_BUTTON_PRESSED, &cBuySeeds::onLeftMouseDown, this);
}

void cBuySeeds::releaseMenu()
{
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().release(this);
        menu->getAbsoluteHold().release(this);
    }
}

Bool cBuySeeds::isAnyButtonHovered()
{
    GUARD_BEGIN
    if (!isVisible() || !isEnabled())
        return false;
    if (containsCursor(this))
        return true;
    for (cControl* background : getBackground())
        if (containsCursor(background))
            return true;
    if (isHoveredOrPressed(m_cancelButton))
        return true;
    for (const sSlot& slot : m_slots)
        if (isHoveredOrPressed(slot.BuyButton))
            return true;
    return false;
    GUARD_END("Bool cBuySeeds::isAnyButtonHovered()")
}

void cBuySeeds::onCancel(cView* /*_button*/)
{
    GUARD_BEGIN
    cBuySeeds* shop = getInstance();
    if (!shop)
        return;
    shop->releaseMenu();
    shop->close();
    GUARD_END("void cBuySeeds::onCancel(cView* _view)")
}

void cBuySeeds::onBuy(cView* _button)
{
    GUARD_BEGIN
    cBuySeeds* shop = getInstance();
    if (!shop)
        return;
    onCancel(_button);
    cSoundManager* sound = cSoundManager::getInstance();
    if (sound && shop->m_buySound)
        sound->play(shop->m_buySound);
    // Paid only when the package is put down on the farm.
    cSeedPackage::makeBought(getSeedType(static_cast<cAnimButton*>(_button)));
    GUARD_END("void cBuySeeds::onBuy(cView* _view)")
}

void cBuySeeds::onLeftMouseDown(cView* _view)
{
    GUARD_BEGIN
    auto* shop = static_cast<cBuySeeds*>(_view);
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!shop->isVisible() || !shop->isEnabled() || (tutorial && tutorial->isTipRunning()) || shop->isAnyButtonHovered())
        return;
    onCancel(shop);
    GUARD_END("void cBuySeeds::onLeftMouseDown(cView* _view)")
}

void cBuySeeds::process()
{
    GUARD_BEGIN
    cMovableUnion::process();
    if (getSlide().isMoving())
        return;
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!tutorial)
        return;
    if (tutorial->canRunTip(SHOP_ARROW_TIP))
        tutorial->runArrowHelpTip2(SHOP_ARROW_TIP, this);
    else if (tutorial->canRunTip(BUY_TIP))
        tutorial->runActionTip2(BUY_TIP, m_slots[0].BuyButton);
    GUARD_END("void cBuySeeds::process()")
}
