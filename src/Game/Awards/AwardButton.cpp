#include "Game/Awards/AwardButton.h"

#include "Game/Awards/Award.h"
#include "Game/Awards/AwardTip.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"

namespace {

const char* const AWARD_TIP_XML = "UI/AwardTip.xml";

} // namespace

cAwardButton::cAwardButton(cView* _parent, UInt _index)
    : cButtonPrototype(_parent), m_index(_index), m_tip(new cAwardTip(this)), m_award(new cAward(this, _index))
{
    GUARD_BEGIN
    m_award->hide();
    m_award->enable();
    m_award->setState(cAward::AT_REST);
    GUARD_END("cAwardButton::cAwardButton(cView* _parent, cAwardManager::eAwardType _index)")
}

void cAwardButton::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cButtonPrototype::loadXML(_xml_doc);
    m_normal = *this;
    m_second = m_normal;
    const String second = toString((*_xml_doc)[u"texture_disabled"]);
    if (!second.empty())
        m_second.setPicture(second);
    loadViewFile(m_tip, AWARD_TIP_XML);
    m_tip->hide();
    m_tip->getText()->setText(m_description, true);
    m_tip->updatePos(getPosition());
    m_tip->enable();
    showObtainedLook();
    GUARD_END("void cAwardButton::loadXML(iXML* xml_doc)")
}

void cAwardButton::setObtained(Bool _obtained)
{
    m_obtained = _obtained;
    showObtainedLook();
}

void cAwardButton::setStatePicture(eButtonState _state)
{
    const UInt type = getRenderType();
    if (_state == BS_NORMAL) {
        static_cast<cState&>(*this) = m_normal;
        setRenderType(type | cAward::SCALED_RENDER);
    } else {
        static_cast<cState&>(*this) = m_second;
        setRenderType(type & ~cAward::SCALED_RENDER);
    }
}

void cAwardButton::hovered()
{
    GUARD_BEGIN
    cButtonPrototype::hovered();
    setStatePicture(BS_DISABLED);
    if (isEnabled()) {
        m_tip->setFadeDirection(1.0f);
        m_tip->show();
    }
    if (m_obtained) {
        m_award->show();
        m_award->setState(cAward::SWELLING);
        m_award->setPosition(getPosition());
    }
    GUARD_END("void cAwardButton::hovered()")
}

void cAwardButton::unhovered()
{
    GUARD_BEGIN
    cButtonPrototype::unhovered();
    if (!(m_obtained && !m_award->isOwnVisible()))
        setStatePicture(BS_DISABLED);
    m_tip->setFadeDirection(-1.0f);
    if (m_obtained && m_award->isOwnVisible())
        m_award->setState(cAward::SHRINKING);
    GUARD_END("void cAwardButton::unhovered()")
}

void cAwardButton::enabled()
{
    GUARD_BEGIN
    cButtonPrototype::enabled();
    showObtainedLook();
    GUARD_END("void cAwardButton::enabled()")
}

void cAwardButton::disabled()
{
    GUARD_BEGIN
    cButtonPrototype::disabled();
    m_tip->setFadeDirection(-1.0f);
    showObtainedLook();
    GUARD_END("void cAwardButton::disabled()")
}

void cAwardButton::process()
{
    GUARD_BEGIN
    if (m_award->isOwnVisible() && getState() != BS_HOVERED && m_award->getState() == cAward::AT_REST) {
        m_award->hide();
        setStatePicture(BS_NORMAL);
    }
    cButtonPrototype::process();
    GUARD_END("void cAwardButton::process()")
}
