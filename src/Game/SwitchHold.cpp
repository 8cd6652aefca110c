#include "Game/SwitchHold.h"

#include "Ui/views/View.h"

#include <algorithm>

void cSwitchHold::take(const void* _holder)
{
    if (isHeldBy(_holder))
        return;
    if (m_holders.empty())
        m_wasOn = isOn();
    m_holders.push_back(_holder);
    set(false);
}

void cSwitchHold::release(const void* _holder)
{
    const auto found = std::find(m_holders.begin(), m_holders.end(), _holder);
    if (found == m_holders.end())
        return;
    m_holders.erase(found);
    if (m_holders.empty() && !isOn())
        set(m_wasOn);
}

Bool cSwitchHold::isHeldBy(const void* _holder) const
{
    return std::find(m_holders.begin(), m_holders.end(), _holder) != m_holders.end();
}

Bool cSwitchHold::isOn() const
{
    return m_switch == ENABLE ? m_view.isEnabled() : m_view.isAbsoluteEnabled();
}

void cSwitchHold::set(Bool _on)
{
    if (m_switch == ENABLE)
        _on ? m_view.enable() : m_view.disable();
    else
        _on ? m_view.absoluteEnable() : m_view.absoluteDisable();
}
