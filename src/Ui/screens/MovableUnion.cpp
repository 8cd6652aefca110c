#include "Ui/screens/MovableUnion.h"

#include "Ui/screens/Back.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

cMovableUnion::cMovableUnion(cView* _parent) : cPicture(_parent), m_content(makeSlideContent(this)) {}

cMovableUnion::~cMovableUnion() = default;

void cMovableUnion::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cPicture::loadXML(_xml_doc);
    cBack::loadBackground(_xml_doc, this, m_background);
    loadMoveSpeed(_xml_doc, m_slide);
    readXmlAttribute(_xml_doc, u"HiddenPlace", m_hiddenPlace, toVector2);
    m_shownPlace = getPosition();
    GUARD_END("void cMovableUnion::loadXML(iXML* xml_doc)")
}

void cMovableUnion::startMove(Int _mode, const Vector2& _from, const Vector2& _to)
{
    GUARD_BEGIN
    m_slide.start(_mode, _from, _to);
    if (!m_slide.isMoving())
        return;
    setPosition(_from);
    show();
    disable();
    unriseControls();
    GUARD_END("void cMovableUnion::startMove(int _mode, Vector2 _from, Vector2 _to)")
}

void cMovableUnion::absoluteProcess()
{
    GUARD_BEGIN
    cPicture::absoluteProcess();
    if (!m_slide.isMoving())
        return;
    const Bool slidingOut = m_slide.getMode() == cSlide::MODE_OUT;
    Vector2 position = getPosition();
    const Bool ended = m_slide.advance(getSlideFrameTime(), position);
    setPosition(position);
    if (!ended)
        return;
    if (slidingOut)
        hide();
    riseControls();
    enable();
    GUARD_END("void cMovableUnion::absoluteProcess()")
}

void cMovableUnion::riseControls()
{
    GUARD_BEGIN
    m_content->show();
    GUARD_END("void cMovableUnion::riseControls()")
}

void cMovableUnion::unriseControls()
{
    GUARD_BEGIN
    m_content->hide();
    GUARD_END("void cMovableUnion::unriseControls()")
}
