#include "Game/Tutorial/ArrowHelpTips.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Timer.h"
#include "engine/files/XML.h"

#include <cmath>

namespace {

// The screen's middle: a control right of or below it has its tip on the other side.
constexpr Float MIDDLE_X = 400.0f;
constexpr Float MIDDLE_Y = 300.0f;

Vector2 step(const Vector2& _direction)
{
    Vector2 step = _direction;
    step.setLength(cArrowHelpTips::ARROW_TRAVEL);
    return step;
}

} // namespace

cArrowHelpTips::cArrowHelpTips()
{
    m_arrow = new cPicture(getImage());
}

void cArrowHelpTips::process()
{
    GUARD_BEGIN
    cCommonHelpTips::process();
    cTimer* timer = cTimer::getInstance();
    m_phase += m_speed * (timer ? timer->getFrameTime() : 0);
    if (m_phase > 1.0f)
        m_phase = 0;
    updatePosition();
    GUARD_END("void cArrowHelpTips::process()")
}

void cArrowHelpTips::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cCommonHelpTips::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "Arrow", m_arrow);
    GUARD_END("void cArrowHelpTips::loadXML(iXML* xml_doc)")
}

void cArrowHelpTips::startup(const Vector2& _offset, const Vector2& _arrow_offset, const WString& _str,
                             cControl* _pointed_control)
{
    GUARD_BEGIN
    setTipText(_str);
    m_pointed.set(_pointed_control);
    m_offset = _offset;
    m_arrowOffset = _arrow_offset;
    updatePosition();
    open();
    GUARD_END("void cArrowHelpTips::startup(const Vector2& _offset, const Vector2& _arrow_offset, const WString& _str, "
              "cControl* _pointed_control)")
}

void cArrowHelpTips::updatePosition()
{
    const Vector2 base = getBasePosition();
    cControl* pointed = getPointed();
    if (!pointed) {
        m_arrow->setInverceX(false);
        m_arrow->setInverceY(true);
        placeImage(Vector2(base.x + m_offset.x, base.y + m_offset.y));
        m_arrowBase = Vector2(base.x + m_arrowOffset.x, base.y + m_arrowOffset.y);
        m_arrowStep = step(m_arrowOffset);
        m_arrow->setPosition(
            Vector2(m_arrowBase.x + m_phase * m_arrowStep.x, m_arrowBase.y + m_phase * m_arrowStep.y));
        return;
    }
    const Vector2 at = pointed->getPosition();
    const Bool right = at.x > MIDDLE_X;
    const Bool below = at.y > MIDDLE_Y;
    const Vector2 offset(right ? -m_offset.x : m_offset.x, below ? -m_offset.y : m_offset.y);
    const Vector2 arrow(right ? -m_arrowOffset.x : m_arrowOffset.x, below ? -m_arrowOffset.y : m_arrowOffset.y);
    // The picture points down. It points at its control from the side it stands on: up from
    // under it, down from over it, so a control in a packed list can be pointed at from where
    // the list has nothing. One level with its control is turned as if it stood on the
    // middle's side of it.
    const Bool under = arrow.y != 0 ? arrow.y > 0 : !below;
    m_arrow->setInverceX(right);
    m_arrow->setInverceY(under);
    placeImage(Vector2(at.x + offset.x + base.x, at.y + offset.y + base.y));
    m_arrowBase = Vector2(at.x + arrow.x + base.x, at.y + arrow.y + base.y);
    // The arrow points straight up or down, whatever side of the control it stands: it bobs
    // along the way it points, so one set beside its control still seems to point.
    m_arrowStep = Vector2(0, under ? ARROW_TRAVEL : -ARROW_TRAVEL);
    m_arrow->setPosition(Vector2(std::trunc(m_arrowBase.x + m_phase * m_arrowStep.x),
                                 std::trunc(m_arrowBase.y + m_phase * m_arrowStep.y)));
}

cControl* cArrowHelpTips::getPointed() const
{
    return static_cast<cControl*>(m_pointed.get());
}
