#pragma once
#include "Ui/View.h"

struct sContractEvent;

// One of the game menu bar's three places for a running contract.
// Not filled in yet: the bar makes its three and puts accepted contracts in them; a contract
// held here shows nothing, counts nothing down and never ends.
class cContractStatus : public cView {
public:
    cContractStatus(cView* _parent, UInt _place) : cView(_parent), m_place(_place) {}

    void setup(sContractEvent* _event, Bool /*_restore*/)
    {
        m_event = _event;
        m_active = true;
    }
    Bool isActive() const { return m_active; }
    void addPosition(const Vector2& _pos) { m_position = Vector2(m_position.x + _pos.x, m_position.y + _pos.y); }
    void updateRequirementProgress(Bool /*_first*/) {}

    UInt getPlace() const { return m_place; }
    sContractEvent* getEvent() const { return m_event; }
    const Vector2& getPosition() const { return m_position; }

private:
    UInt m_place;
    sContractEvent* m_event = nullptr;
    Bool m_active = false;
    Vector2 m_position{0, 0};
};
