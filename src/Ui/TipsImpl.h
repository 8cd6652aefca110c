#pragma once
// The tooltip's operations, for the files that instantiate cTips with their own button class
// (Tips.cpp does it for the framework's buttons); everyone else includes Tips.h alone.
#include "Ui/Tips.h"

#include "Ui/ChildParts.h"
#include "Ui/MultilineText.h"
#include "Ui/Text.h"
#include "Ui/TutorialTips.h"
#include "Ui/XmlAttribute.h"
#include "engine/ErrorStack.h"
#include "engine/Timer.h"
#include "engine/ValueConvert.h"
#include "engine/XML.h"

namespace tips {

// The middle of the logical screen: a tooltip opens towards it.
constexpr Float SCREEN_MIDDLE_X = 400.0f;
constexpr Float SCREEN_MIDDLE_Y = 300.0f;

inline Float frameTime()
{
    cTimer* timer = cTimer::getInstance();
    return timer ? timer->getFrameTime() : 0;
}

} // namespace tips

template <class _Button>
cTips<_Button>::cTips(cView* _parent) : _Button(_parent), m_tipPicture(new cPicture(this))
{
}

template <class _Button>
cTips<_Button>::~cTips() = default;

template <class _Button>
void cTips<_Button>::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    _Button::loadXML(_xml_doc);
    iXML* tip = nullptr;
    if (_xml_doc->get("Tip", tip)) {
        readXmlAttribute(tip, u"Offset", m_offset, toVector2);
        Float changeTime = m_tipsAlphaChangeTime;
        readXmlAttribute(tip, u"TipsAlphaChangeTime", changeTime, toFloat);
        // The fade divides by it; none or a negative time would never finish a fade.
        if (!(changeTime > 0))
            throw "TipsAlphaChangeTime <= 0";
        m_tipsAlphaChangeTime = changeTime;
        readXmlAttribute(tip, u"WaitTime", m_waitTime, toFloat);
        iXML* element = nullptr;
        if (tip->get("Image", element))
            m_tipPicture->loadXML(element);
        if (m_tipParts.empty() || m_tipParts.front() != m_tipPicture)
            m_tipParts.insert(m_tipParts.begin(), m_tipPicture);
        static const char* const s_corners[4] = {"UpLeftImage", "UpRightImage", "DownLeftImage", "DownRightImage"};
        for (Int corner = UP_LEFT; corner <= DOWN_RIGHT; ++corner)
            if (tip->get(s_corners[corner], element))
                m_corners[corner].loadXML(element);
        loadChildParts<cText>(tip, "Texts", this, m_tipParts);
        loadChildParts<cPicture>(tip, "Pics", this, m_tipParts);
        loadChildParts<cMultilineText>(tip, "MultiTexts", this, m_tipParts);
    }
    m_partLayout.clear();
    for (cControl* part : m_tipParts) {
        part->setAlpha(0);
        part->hide();
        m_partLayout.push_back({part->getPosition().x, part->getPosition().y, part->getDeep()});
    }
    GUARD_END("void cTips<_Button>::loadXML(iXML* xml_doc)")
}

template <class _Button>
void cTips<_Button>::updatePosition()
{
    GUARD_BEGIN
    const Vector2& position = this->getPosition();
    const Bool right = position.x > tips::SCREEN_MIDDLE_X, below = position.y > tips::SCREEN_MIDDLE_Y;
    const eCorner corner = below ? (right ? UP_LEFT : UP_RIGHT) : (right ? DOWN_LEFT : DOWN_RIGHT);
    const Vector2 anchor(position.x + (right ? -m_offset.x : m_offset.x),
                         position.y + (below ? -m_offset.y : m_offset.y));
    static_cast<cState&>(*m_tipPicture) = m_corners[corner];
    m_tipPicture->setTransformDirty();
    // Parts still loading have no place yet.
    for (size_t i = 0; i < m_partLayout.size(); ++i) {
        m_tipParts[i]->setPosition(Vector2(anchor.x + m_partLayout[i].x, anchor.y + m_partLayout[i].y));
        m_tipParts[i]->setDeep(m_partLayout[i].deep);
    }
    GUARD_END("cTips<_Button>::updatePosition()")
}

template <class _Button>
void cTips<_Button>::setTipText(const WString& _text)
{
    for (cControl* part : m_tipParts) {
        if (auto* block = dynamic_cast<cMultilineText*>(part)) {
            block->setText(_text, true);
            return;
        }
        if (auto* line = dynamic_cast<cText*>(part)) {
            line->setString(_text);
            return;
        }
    }
}

template <class _Button>
void cTips<_Button>::hideParts()
{
    for (cControl* part : m_tipParts)
        part->hide();
}

template <class _Button>
void cTips<_Button>::hovered()
{
    GUARD_BEGIN
    _Button::hovered();
    if (iTutorialTips::isAnyTipRunning())
        return;
    m_waitLeft = m_waitTime;
    m_tipMode = TM_WANTED;
    updatePosition();
    GUARD_END("void cTips<_Button>::hovered()")
}

template <class _Button>
void cTips<_Button>::unhovered()
{
    GUARD_BEGIN
    _Button::unhovered();
    if (!iTutorialTips::isAnyTipRunning())
        m_tipMode = TM_FADE_OUT;
    GUARD_END("void cTips<_Button>::unhovered()")
}

template <class _Button>
void cTips<_Button>::clicked()
{
    _Button::clicked();
    m_tipMode = TM_FADE_OUT;
}

template <class _Button>
void cTips<_Button>::unclicked()
{
    _Button::unclicked();
    m_tipMode = TM_FADE_OUT;
}

template <class _Button>
void cTips<_Button>::disabled()
{
    GUARD_BEGIN
    hideParts();
    _Button::disabled();
    m_tipAlpha = 0;
    m_tipMode = TM_FADE_OUT;
    GUARD_END("void cTips<_Button>::disabled()")
}

template <class _Button>
void cTips<_Button>::enabled()
{
    GUARD_BEGIN
    _Button::enabled();
    hideParts();
    m_tipAlpha = 0;
    if (this->pointInRect(_Button::getCursor())) {
        m_tipMode = TM_WANTED;
        updatePosition();
        m_waitLeft = m_waitTime;
    }
    GUARD_END("void cTips<_Button>::enabled()")
}

template <class _Button>
void cTips<_Button>::process()
{
    GUARD_BEGIN
    _Button::process();
    if (iTutorialTips::isAnyTipRunning())
        m_tipMode = TM_FADE_OUT;
    const Float dt = tips::frameTime();
    if (m_tipMode == TM_WANTED && m_waitLeft != 0) {
        m_waitLeft -= dt;
        if (m_waitLeft <= 0)
            m_waitLeft = 0;
    } else if (m_tipAlpha < 1 || m_tipMode != TM_WANTED) {
        fade(dt);
    } else {
        // A shown tooltip follows its button, to the other side when it crosses the middle.
        updatePosition();
    }
    GUARD_END("void cTips<_Button>::process()")
}

template <class _Button>
void cTips<_Button>::fade(Float _frameTime)
{
    // Faded out already: nothing to do until the tooltip is wanted again.
    if (!(m_tipAlpha > 0) && m_tipMode == TM_FADE_OUT)
        return;
    const Float direction = m_tipMode == TM_WANTED ? 1.0f : -1.0f;
    m_tipAlpha += direction / m_tipsAlphaChangeTime * _frameTime;
    for (cControl* part : m_tipParts) {
        part->setAlpha(m_tipAlpha);
        if (!(m_tipAlpha > 0))
            part->hide();
        else if (!part->isVisible())
            part->show();
    }
}

template <class _Button>
void cTips<_Button>::hideAll()
{
    this->hide();
    hideParts();
}

