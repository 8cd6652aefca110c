#pragma once
#include "Ui/buttons/AnimButton.h"

// The small button on a production building that stops and starts it: it shows the stop sign
// while the house runs and the start sign while it stands.
class cStartStopButton : public cAnimButton {
public:
    explicit cStartStopButton(cView* _parent) : cAnimButton(_parent) {}

    // The button's keys, then the looks "StateStopSign" and "StateStartSign" when present.
    void loadXML(iXML* _xml_doc) override;
    void setSign(Bool _stopped);

    Bool showsStartSign() const { return m_showsStart; }

private:
    cState m_stopSign;
    cState m_startSign;
    Bool m_hasStop = false;
    Bool m_hasStart = false;
    Bool m_showsStart = false;
};
