#include "Ui/controls/Picture.h"

#include "engine/logs/ErrorStack.h"
#include "engine/frame/Timer.h"

cPicture::cPicture(cView* _parent) : cControl(_parent) {}

cPicture::cPicture(const cPicture& _source)
    : cControl(_source), m_hideFunc(_source.m_hideFunc), m_showFunc(_source.m_showFunc),
      m_processFunc(_source.m_processFunc)
{
}

void cPicture::process()
{
    GUARD_BEGIN
    if (m_processFunc)
        m_processFunc(this);
    if (getPlayAnimation()) {
        if (cTimer* timer = cTimer::getInstance())
            getAnimTime() += timer->getFrameTime();
        setTransformDirty();
    }
    runProcessFuncs();
    GUARD_END("void cPicture::process()")
}

void cPicture::showed()
{
    cControl::showed();
    addProcessFunc(m_showFunc);
}

void cPicture::hid()
{
    cControl::hid();
    addProcessFunc(m_hideFunc);
}

void cPicture::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cControl::loadXML(_xml_doc);
    GUARD_END("void cPicture::loadXML(iXML * _xml_doc)")
}
