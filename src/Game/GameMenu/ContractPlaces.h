#pragma once
#include "engine/Types.h"

class cContractStatus;
class iXML;

// Where the bar's three contract cards stand over each game screen. A screen full of controls
// (the market's lines, the production yard) keeps the cards where they cover none of them, so
// the data may give each screen places of its own; a screen without them takes the farm's.
// The cards belong to the screen they are aimed at: while it slides in they ride with it, so
// they never stand over the screen sliding out.
class cContractPlaces {
public:
    enum eScreen : UInt { FARM, MARKET, MANUFACTURE, SCREEN_COUNT };
    static constexpr UInt CARD_COUNT = 3;

    // The bar's cards, in their places' order, read when the places are: they stay the bar's.
    explicit cContractPlaces(cContractStatus* const (&_cards)[CARD_COUNT]) : m_cards(_cards) {}

    // "ContractStatusPlaces": the first three children's "Place", the farm's (and every
    // screen's without places of its own), added to where each card's file put it;
    // "MarketContractPlaces" and "ManufactureContractPlaces" the same for those screens. The
    // cards go to the farm's places at once.
    void loadXML(iXML* _xml_doc);

    // The screen the cards belong to from now on.
    void aim(eScreen _screen) { m_screen = _screen; }
    // Each card stands at its place over the screen it belongs to, moved by _offset: how far
    // that screen stands from where it stands on view.
    void follow(const Vector2& _offset);

    eScreen getScreen() const { return m_screen; }
    // Where card _card stands, its board's centre, over _screen on view.
    Vector2 getPlace(eScreen _screen, UInt _card) const;

private:
    void readPlaces(iXML* _xml_doc, const char* _name, eScreen _screen);

    cContractStatus* const (&m_cards)[CARD_COUNT];
    // Where each card's own file put it: the places are offsets from there.
    Vector2 m_base[CARD_COUNT] = {};
    Bool m_baseRead = false;
    Vector2 m_places[SCREEN_COUNT][CARD_COUNT] = {};
    Bool m_ownPlaces[SCREEN_COUNT] = {};
    eScreen m_screen = FARM;
};
