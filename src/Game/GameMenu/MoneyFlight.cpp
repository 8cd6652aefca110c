#include "Game/GameMenu/MoneyFlight.h"

#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "Ui/texts/FlyText.h"

#include <algorithm>
#include <limits>
#include <string>

void cMoneyFlight::fly(cView* _parent, UInt _amount)
{
    GUARD_BEGIN
    if (m_last && m_last->getTravelled() < m_last->getHeight()) {
        const unsigned long long sum = static_cast<unsigned long long>(m_amount) + _amount;
        show(UInt(std::min<unsigned long long>(sum, std::numeric_limits<UInt>::max())));
        return;
    }
    if (m_last)
        m_last->setCallback(nullptr, 0);
    // A child of the parent: it discards itself when it has flown, or goes with the parent.
    m_last = new cFlyText(_parent, m_xml);
    m_last->setCallback(&cMoneyFlight::landed, reinterpret_cast<std::uintptr_t>(this));
    show(_amount);
    GUARD_END("void cMoneyFlight::fly(cView* _parent, UInt _amount)")
}

void cMoneyFlight::landed(std::uintptr_t _flight)
{
    reinterpret_cast<cMoneyFlight*>(_flight)->m_last = nullptr;
}

void cMoneyFlight::show(UInt _amount)
{
    m_amount = _amount;
    // Appended rather than put in front: GCC 12's optimiser takes a prefix on a temporary string
    // for an overlapping copy and warns.
    WString text(1, m_sign);
    text += toWString(std::to_string(_amount));
    m_last->setString(text);
}
