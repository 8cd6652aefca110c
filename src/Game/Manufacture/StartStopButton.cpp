#include "Game/Manufacture/StartStopButton.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/XML.h"

void cStartStopButton::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cAnimButton::loadXML(_xml_doc);
    iXML* look = nullptr;
    if (_xml_doc->get("StateStopSign", look)) {
        m_stopSign.loadXML(look);
        m_hasStop = true;
    }
    if (_xml_doc->get("StateStartSign", look)) {
        m_startSign.loadXML(look);
        m_hasStart = true;
    }
    GUARD_END("void cProductionHouse::cStartStopButton::loadXML(iXML* xml_doc)")
}

void cStartStopButton::setSign(Bool _stopped)
{
    GUARD_BEGIN
    m_showsStart = _stopped;
    if (_stopped ? !m_hasStart : !m_hasStop)
        return;
    static_cast<cState&>(*this) = _stopped ? m_startSign : m_stopSign;
    refreshStatePicture();
    setTransformDirty();
    GUARD_END("void cProductionHouse::cStartStopButton::setSign(Bool _stop)")
}
