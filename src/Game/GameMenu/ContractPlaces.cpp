#include "Game/GameMenu/ContractPlaces.h"

#include "engine/files/XML.h"
#include "engine/text/ValueConvert.h"
#include "Game/Contracts/ContractStatus.h"
#include "Ui/views/XmlAttribute.h"

#include <cmath>

void cContractPlaces::loadXML(iXML* _xml_doc)
{
    // Read again, the file's places still count from where the cards' own file put them.
    if (!m_baseRead)
        for (UInt i = 0; i < CARD_COUNT; ++i)
            m_base[i] = m_cards[i]->getPosition();
    m_baseRead = true;
    readPlaces(_xml_doc, "ContractStatusPlaces", FARM);
    readPlaces(_xml_doc, "MarketContractPlaces", MARKET);
    readPlaces(_xml_doc, "ManufactureContractPlaces", MANUFACTURE);
    aim(FARM, true);
}

void cContractPlaces::readPlaces(iXML* _xml_doc, const char* _name, eScreen _screen)
{
    iXML* places = nullptr;
    if (!_xml_doc->get(_name, places))
        return;
    m_ownPlaces[_screen] = true;
    // A card the list leaves out stands where it stands over the farm.
    for (UInt i = 0; i < CARD_COUNT; ++i)
        m_places[_screen][i] = m_places[FARM][i];
    if (_screen == FARM) {
        Float speed = m_speed;
        // A glide that never arrives would leave the cards over the last screen's controls.
        if (readXmlAttribute(places, u"MoveSpeed", speed, toFloat) && speed > 0 && std::isfinite(speed))
            m_speed = speed;
    }
    iXML* place = nullptr;
    for (UInt i = 0; i < CARD_COUNT && places->get(i, place); ++i)
        readXmlAttribute(place, u"Place", m_places[_screen][i], toVector2);
}

Vector2 cContractPlaces::getPlace(eScreen _screen, UInt _card) const
{
    const eScreen own = m_ownPlaces[_screen] ? _screen : FARM;
    const Vector2& offset = m_places[own][_card];
    return Vector2(m_base[_card].x + offset.x, m_base[_card].y + offset.y);
}

void cContractPlaces::aim(eScreen _screen, Bool _atOnce)
{
    m_screen = _screen;
    if (_atOnce)
        glide(INFINITY);
}

void cContractPlaces::glide(Float _frameTime)
{
    for (UInt i = 0; i < CARD_COUNT; ++i) {
        const Vector2 to = getPlace(m_screen, i);
        const Vector2& at = m_cards[i]->getPosition();
        const Float dx = to.x - at.x, dy = to.y - at.y;
        const Float distance = std::sqrt(dx * dx + dy * dy);
        // Arrived, or a place that is no number: the card stays where it is.
        if (!(distance > 0))
            continue;
        const Float step = m_speed * _frameTime;
        const Float share = step >= distance ? 1.0f : step / distance;
        m_cards[i]->addPosition(share >= 1.0f ? Vector2(dx, dy) : Vector2(dx * share, dy * share));
    }
}
