#include "Game/Tutorial/ArrowHelpTips2.h"

#include "Ui/controls/Control.h"
#include "engine/logs/ErrorStack.h"

cArrowHelpTips2::cArrowHelpTips2()
{
    getOkButton()->setOnClick(&cArrowHelpTips2::onOk2);
}

void cArrowHelpTips2::startup(const Vector2& _offset, const Vector2& _arrow_offset, const WString& _str,
                              cControl* _pointed_control)
{
    GUARD_BEGIN
    cArrowHelpTips::startup(_offset, _arrow_offset, _str, _pointed_control);
    if (_pointed_control) {
        // The control's own switch: one that is off only because its panel is (sliding, say)
        // must come back with the panel.
        m_pointedWasDisabled = !_pointed_control->isEnabled();
        _pointed_control->disable();
    }
    GUARD_END("void cArrowHelpTips2::startup(const Vector2& _offset, const Vector2& _arrow_offset, "
              "const WString& _str, cControl* _pointed_control)")
}

void cArrowHelpTips2::onOk2(cView* _button)
{
    GUARD_BEGIN
    auto* tips = static_cast<cArrowHelpTips2*>(tipsOf(_button));
    if (!tips->isOpen())
        return;
    cControl* pointed = tips->getPointed();
    if (pointed && !tips->m_pointedWasDisabled)
        pointed->enable();
    tips->close();
    GUARD_END("void cArrowHelpTips2::onOk(cView* _button)")
}
