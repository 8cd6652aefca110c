#include "Game/Market/ProductLine.h"

#include "Ui/buttons/AnimButton.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/PriceText.h"
#include "Ui/texts/Text.h"
#include "engine/logs/ErrorStack.h"

cProductLine::cProductLine(cView* _panel)
    : m_back(new cPicture(_panel)), m_productIcon(new cPicture(_panel)), m_wareQtyLabel(new cText(_panel)),
      m_incQtyButton(new cAnimButton(_panel)), m_inc10QtyButton(new cAnimButton(_panel)),
      m_incAllQtyButton(new cAnimButton(_panel)), m_marketQtyLabel(new cText(_panel)),
      m_incPriceButton(new cAnimButton(_panel)), m_priceLabel(new cPriceText(_panel)),
      m_decPriceButton(new cAnimButton(_panel)), m_priceAttitudeIcon(new cPicture(_panel)),
      m_priceGrowHistogram(new cChart(_panel))
{
}

std::array<cControl*, cProductLine::CONTROL_COUNT> cProductLine::getControls() const
{
    return {m_back, m_productIcon, m_wareQtyLabel, m_incQtyButton, m_inc10QtyButton, m_incAllQtyButton,
            m_marketQtyLabel, m_incPriceButton, m_priceLabel, m_decPriceButton, m_priceAttitudeIcon,
            m_priceGrowHistogram};
}

void cProductLine::loadXML(iXML* _line, const Vector2& _place)
{
    GUARD_BEGIN
    const std::pair<const char*, cControl*> parts[CONTROL_COUNT] = {
        {"Back", m_back}, {"ProductIcon", m_productIcon}, {"WareQtyLabel", m_wareQtyLabel},
        {"IncQtyButton", m_incQtyButton}, {"Inc10QtyButton", m_inc10QtyButton},
        {"IncAllQtyButton", m_incAllQtyButton}, {"MarketQtyLabel", m_marketQtyLabel},
        {"DecPriceButton", m_decPriceButton}, {"PriceLabel", m_priceLabel},
        {"IncPriceButton", m_incPriceButton}, {"PriceAttitudeIcon", m_priceAttitudeIcon},
        {"PriceGrowHistogram", m_priceGrowHistogram}};
    for (const auto& part : parts) {
        loadChildPart(_line, part.first, part.second);
        const Vector2& own = part.second->getPosition();
        part.second->setPosition(Vector2(_place.x + own.x, _place.y + own.y));
    }
    GUARD_END("void cProductLine::loadXML(iXML* _line, const Vector2& _place)")
}

void cProductLine::setKind(UInt _kind)
{
    m_kind = _kind;
    for (cAnimButton* button :
         {m_incQtyButton, m_inc10QtyButton, m_incAllQtyButton, m_incPriceButton, m_decPriceButton})
        button->setUserValue(_kind);
}

void cProductLine::hideAll()
{
    for (cControl* control : getControls())
        control->hide();
}

void cProductLine::showAll()
{
    for (cControl* control : getControls())
        control->show();
}
