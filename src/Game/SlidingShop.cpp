#include "Game/SlidingShop.h"

#include "engine/logs/ErrorStack.h"
#include "engine/frame/Logic.h"
#include "engine/Rect.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Tutorial/TutorialManager.h"
#include "input/Input.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/views/XmlAttribute.h"

namespace {

const Vector2& cursor()
{
    static const Vector2 s_nowhere(-1.0e9f, -1.0e9f);
    cLogic* logic = cLogic::getInstance();
    return logic ? logic->getCursor() : s_nowhere;
}

} // namespace

cSlidingShop::cSlidingShop(cView* _parent, const sShape& _shape)
    : cMovableUnion(_parent), m_shape(_shape), m_places(_shape.placeCount, Vector2(0, 0)),
      m_offers(_shape.placeCount), m_cancelButton(new cCancelButton(getContent()))
{
    m_cancelButton->setOnClick(&cSlidingShop::onCancel);
}

cSlidingShop::~cSlidingShop()
{
    bindClose(false);
    if (m_buySound)
        m_buySound->release();
}

void cSlidingShop::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cMovableUnion::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "CancelButton", m_cancelButton);
    iXML* group = nullptr;
    iXML* child = nullptr;
    if (_xml_doc->get("ItemPlace", group))
        for (UInt i = 0; i < m_shape.placeCount && i < group->getChildCount(); ++i)
            if (group->get(i, child))
                readXmlAttribute(child, u"place", m_places[i], &toVector2);
    if (_xml_doc->get("ItemConfig", group))
        for (UInt k = m_shape.firstOffer; k < m_shape.placeCount && k < group->getChildCount(); ++k) {
            if (!group->get(k, child))
                continue;
            m_offers[k].name = (*child)[u"name"];
            iXML* state = nullptr;
            if (child->get("State", state))
                m_offers[k].look.loadXML(state);
        }
    const String sound = toString((*_xml_doc)[u"BuySound"]);
    if (!sound.empty())
        holdByPath(m_buySound, sound, &cResourceManager::getSound);
    iXML* proto = nullptr;
    if (_xml_doc->get("ItemProto", proto))
        loadCards(proto);
    setPosition(getHiddenPlace());
    GUARD_END("void cSlidingShop::loadXML(iXML* _xml_doc)")
}

void cSlidingShop::open()
{
    enable();
    bindClose(true);
    startMove(2, getPosition(), getShownPlace());
}

void cSlidingShop::close()
{
    GUARD_BEGIN
    bindClose(false);
    disable();
    startMove(1, getPosition(), getHiddenPlace());
    GUARD_END("void cSlidingShop::close()")
}

void cSlidingShop::leave()
{
    // Both holds go: a bar left out of the absolute pass would stop the game clock for good.
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().release(this);
        menu->getAbsoluteHold().release(this);
    }
    close();
}

void cSlidingShop::hid()
{
    GUARD_BEGIN
    cMovableUnion::hid();
    bindClose(false);
    GUARD_END("void cSlidingShop::hid()")
}

void cSlidingShop::bindClose(Bool _bind)
{
    cInput* input = cInput::getInstance();
    if (!input)
        return;
    // Opened twice, the panel still hears one press.
    input->unbind(CONTROL_BUTTON_PRESSED, &cSlidingShop::onPressBeside, this);
    if (_bind)
        input->bind(CONTROL_BUTTON_PRESSED, &cSlidingShop::onPressBeside, this);
}

Bool cSlidingShop::isPointerIn(cControl* _control)
{
    return isPointInRect(centredRect(_control->getPosition(), _control->getSize()), cursor().x, cursor().y);
}

Bool cSlidingShop::isPointerOnPanel()
{
    if (isPointerIn(this))
        return true;
    const cButtonPrototype* cancel = m_cancelButton;
    return cancel->getState() == BS_HOVERED || cancel->getState() == BS_PRESSED;
}

void cSlidingShop::moveBy(cControl* _control, const Vector2& _offset)
{
    const Vector2& at = _control->getPosition();
    _control->setPosition(Vector2(at.x + _offset.x, at.y + _offset.y));
}

cSlidingShop* cSlidingShop::shopOf(cView* _part)
{
    for (cView* view = _part; view; view = view->getParent())
        if (auto* shop = dynamic_cast<cSlidingShop*>(view))
            return shop;
    return nullptr;
}

void cSlidingShop::onCancel(cView* _button)
{
    GUARD_BEGIN
    if (cSlidingShop* shop = shopOf(_button))
        shop->leave();
    GUARD_END("void cSlidingShop::onCancel(cView* _button)")
}

void cSlidingShop::onBuy(cView* _button)
{
    GUARD_BEGIN
    cSlidingShop* shop = shopOf(_button);
    if (!shop)
        return;
    shop->leave();
    cSoundManager* sound = cSoundManager::getInstance();
    if (sound && shop->m_buySound)
        sound->play(shop->m_buySound);
    shop->deliver(static_cast<cControl*>(_button)->getUserValue());
    GUARD_END("void cSlidingShop::onBuy(cView* _button)")
}

void cSlidingShop::onPressBeside(cView* _view)
{
    GUARD_BEGIN
    auto* shop = static_cast<cSlidingShop*>(_view);
    const cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!shop->isVisible() || !shop->isEnabled() || (tutorial && tutorial->isTipRunning()) || shop->isAnyButtonHovered())
        return;
    shop->leave();
    GUARD_END("void cSlidingShop::onPressBeside(cView* _view)")
}

void cSlidingShop::process()
{
    GUARD_BEGIN
    cMovableUnion::process();
    if (getSlide().isMoving())
        return;
    cTutorialManager* tutorial = cTutorialManager::getInstance();
    if (!tutorial)
        return;
    if (tutorial->canRunTip(m_shape.shopTip))
        tutorial->runArrowHelpTip2(m_shape.shopTip, this);
    else if (tutorial->canRunTip(m_shape.buyTip))
        tutorial->runActionTip2(m_shape.buyTip, getFirstCard());
    GUARD_END("void cSlidingShop::process()")
}
