#pragma once
#include "Game/Tutorial/ArrowHelpTips.h"

// The arrow tip over a panel: the control it points at stays disabled while it is shown, and
// Ok gives the control back enabled only when it was enabled before.
class cArrowHelpTips2 : public cArrowHelpTips {
public:
    cArrowHelpTips2();

    void startup(const Vector2& _offset, const Vector2& _arrow_offset, const WString& _str,
                 cControl* _pointed_control);

    Bool wasPointedDisabled() const { return m_pointedWasDisabled; }

private:
    static void onOk2(cView* _button);

    Bool m_pointedWasDisabled = false;
};
