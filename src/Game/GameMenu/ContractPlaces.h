#pragma once
#include "engine/Types.h"

class cContractStatus;
class iXML;

// Where the bar's three contract cards stand over each game screen. A screen full of controls
// (the market's lines, the production yard) keeps the cards where they cover none of them, so
// the data may give each screen places of its own; a screen without them takes the farm's.
// On a switch the cards glide to the new screen's places along with the sliding screens.
class cContractPlaces {
public:
    enum eScreen : UInt { FARM, MARKET, MANUFACTURE, SCREEN_COUNT };
    static constexpr UInt CARD_COUNT = 3;

    // The bar's cards, in their places' order, read when the places are: they stay the bar's.
    explicit cContractPlaces(cContractStatus* const (&_cards)[CARD_COUNT]) : m_cards(_cards) {}

    // "ContractStatusPlaces": the first three children's "Place", the farm's (and every
    // screen's without places of its own), added to where each card's file put it, and
    // "MoveSpeed" (pixels a second); "MarketContractPlaces" and "ManufactureContractPlaces"
    // the same for those screens. The cards go to the farm's places at once.
    void loadXML(iXML* _xml_doc);

    // The cards head for _screen's places; at once, or gliding at the speed.
    void aim(eScreen _screen, Bool _atOnce);
    // One frame of the glide.
    void glide(Float _frameTime);

    eScreen getScreen() const { return m_screen; }
    // Where card _card stands, its board's centre, once it has arrived over _screen.
    Vector2 getPlace(eScreen _screen, UInt _card) const;

private:
    void readPlaces(iXML* _xml_doc, const char* _name, eScreen _screen);

    cContractStatus* const (&m_cards)[CARD_COUNT];
    // Where each card's own file put it: the places are offsets from there.
    Vector2 m_base[CARD_COUNT] = {};
    Bool m_baseRead = false;
    Vector2 m_places[SCREEN_COUNT][CARD_COUNT] = {};
    Bool m_ownPlaces[SCREEN_COUNT] = {};
    Float m_speed = 2400.0f;
    eScreen m_screen = FARM;
};
