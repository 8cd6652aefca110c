#pragma once
#include "engine/Types.h"

#include <cstdint>

class cFlyText;
class cView;

// The amounts of one way of money flying by the purse. An amount that comes while the last one
// has not yet flown its own height joins it, so the texts never lie on one another however
// fast the money changes.
class cMoneyFlight {
public:
    // _xml the flight's file, _sign what stands before the amount.
    cMoneyFlight(const char* _xml, char16_t _sign) : m_xml(_xml), m_sign(_sign) {}
    cMoneyFlight(const cMoneyFlight&) = delete;
    cMoneyFlight& operator=(const cMoneyFlight&) = delete;

    // The text is a child of _parent, which owns this and so outlives it.
    void fly(cView* _parent, UInt _amount);

private:
    static void landed(std::uintptr_t _flight);
    void show(UInt _amount);

    const char* m_xml;
    char16_t m_sign;
    // The newest text still flying, and the amount it shows.
    cFlyText* m_last = nullptr;
    UInt m_amount = 0;
};
