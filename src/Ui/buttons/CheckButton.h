#pragma once
#include "Ui/buttons/Button.h"

class cPicture;

// What a check button calls when it is toggled: the button and its new value.
using fCheckEvent = void (*)(cView* _button, Bool _checked);

// A toggle: every release after a press on it, inside or outside, flips the checked flag;
// a tick picture shows while it is checked.
class cCheckButton : public cButton {
public:
    using fCheckEvent = ::fCheckEvent;

    explicit cCheckButton(cView* _parent);
    // A copy would share the tick, which belongs to the source.
    cCheckButton(const cCheckButton&) = delete;
    ~cCheckButton() override;

    // The button's reading, the tick from a "Tick" child and the attribute "Checked".
    void loadXML(iXML* _xml_doc) override;
    // The tick follows the checked flag here, so a flag set from code shows at the next frame.
    void process() override;
    void unclicked() override;

    virtual const fCheckEvent& getOnCheck() { return m_onCheck; }
    virtual void setOnCheck(const fCheckEvent& _handler) { m_onCheck = _handler; }
    virtual const Bool& getChecked() { return m_checked; }
    // Only stores the flag.
    virtual void setChecked(const Bool& _checked) { m_checked = _checked; }

    cPicture* getTick() const { return m_tick; }

private:
    void updateTick();

    fCheckEvent m_onCheck = nullptr;
    cPicture* m_tick;
    Bool m_checked = false;
};
