#include "Ui/screens/MovableBack.h"

#include "Ui/controls/Picture.h"
#include "engine/logs/ErrorStack.h"

namespace {

cPicture* makeSlidingPicture(cView* _screen)
{
    auto* picture = new cPicture(_screen);
    picture->setPosition(Vector2(-1, 0));
    picture->setSize(Vector2(1, 1));
    picture->show();
    picture->enable();
    picture->absoluteEnable();
    return picture;
}

} // namespace

cMovableBack::cMovableBack(cView* _parent)
    : cBack(_parent), m_sliding(makeSlidingPicture(this)), m_content(makeSlideContent(m_sliding))
{
}

cMovableBack::~cMovableBack() = default;

void cMovableBack::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    for (cControl* control : getBackground())
        control->setParent(m_sliding);
    loadMoveSpeed(_xml_doc, m_slide);
    GUARD_END("void cMovableBack::loadXML(iXML* xml_doc)")
}

void cMovableBack::startMove(Int _mode, const Vector2& _from, const Vector2& _to)
{
    GUARD_BEGIN
    m_slide.start(_mode, _from, _to);
    if (!m_slide.isMoving())
        return;
    m_sliding->setPosition(_from);
    show();
    disable();
    unriseControls();
    GUARD_END("void cMovableBack::startMove(int _mode, Vector2 _from, Vector2 _to)")
}

void cMovableBack::absoluteProcess()
{
    GUARD_BEGIN
    cBack::absoluteProcess();
    if (!m_slide.isMoving())
        return;
    const Bool slidingOut = m_slide.getMode() == cSlide::MODE_OUT;
    Vector2 position = m_sliding->getPosition();
    const Bool ended = m_slide.advance(getSlideFrameTime(), position);
    m_sliding->setPosition(position);
    if (!ended)
        return;
    if (slidingOut) {
        hide();
    } else {
        onMoveEnd();
        if (m_slide.isMoving())
            return;
    }
    riseControls();
    enable();
    GUARD_END("void cMovableBack::absoluteProcess()")
}

void cMovableBack::riseControls()
{
    GUARD_BEGIN
    m_content->show();
    GUARD_END("void cMovableBack::riseControls()")
}

void cMovableBack::unriseControls()
{
    GUARD_BEGIN
    m_content->hide();
    GUARD_END("void cMovableBack::unriseControls()")
}
