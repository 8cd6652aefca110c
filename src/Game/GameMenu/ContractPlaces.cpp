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
    aim(FARM);
    follow(Vector2(0, 0));
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

void cContractPlaces::follow(const Vector2& _offset)
{
    for (UInt i = 0; i < CARD_COUNT; ++i) {
        const Vector2 place = getPlace(m_screen, i);
        const Vector2 to(place.x + _offset.x, place.y + _offset.y);
        // Standing there already, the card's letters keep their transforms; a place that is no
        // number leaves the card where it is.
        if (to == m_cards[i]->getPosition() || !std::isfinite(to.x) || !std::isfinite(to.y))
            continue;
        m_cards[i]->setPosition(to);
    }
}
