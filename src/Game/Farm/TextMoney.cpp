#include "Game/Farm/TextMoney.h"

#include "Ui/controls/Picture.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/XML.h"

cTextMoney::cTextMoney(cView* _parent) : cPriceText(_parent), m_coin(new cPicture(this)) {}

void cTextMoney::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cPriceText::loadXML(_xml_doc);
    iXML* coin = nullptr;
    if (!_xml_doc->get("Coin", coin))
        throw "Can't find Coin";
    m_coin->loadXML(coin);
    const Vector2& own = m_coin->getPosition();
    const Vector2& text = getPosition();
    m_coin->setPosition(Vector2(own.x + text.x, own.y + text.y));
    m_coin->setAnimFrame(isEffectivelyEnabled() ? 0 : 1);
    GUARD_END("void cTextMoney::loadXML(iXML* xml_doc)")
}

void cTextMoney::enabled()
{
    GUARD_BEGIN
    cPriceText::enabled();
    m_coin->setAnimFrame(0);
    GUARD_END("void cTextMoney::enabled()")
}

void cTextMoney::disabled()
{
    GUARD_BEGIN
    cPriceText::disabled();
    m_coin->setAnimFrame(1);
    GUARD_END("void cTextMoney::disabled()")
}
