#include "Game/Awards/AwardTip.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"
#include "graphics/Graphics.h"

#include <algorithm>

namespace {

const char* const CORNER_NAMES[cAwardTip::CORNER_COUNT] = {"UpLeftImage", "UpRightImage", "DownLeftImage",
                                                           "DownRightImage"};

// The logical screen; without a renderer, the game's fixed one.
Vector2 screenSize()
{
    if (iGraphics* graphics = iGraphics::getInstance())
        return Vector2(Float(graphics->getWidth()), Float(graphics->getHeight()));
    return Vector2(800.0f, 600.0f);
}

} // namespace

cAwardTip::cAwardTip(cView* _parent) : cPicture(_parent), m_text(new cMultilineText(this)) {}

void cAwardTip::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    iXML* box = nullptr;
    if (_xml_doc->get("Podlogka", box)) {
        cPicture::loadXML(box);
        readXmlAttribute(box, u"Offset", m_offset, toVector2);
        for (UInt corner = 0; corner < CORNER_COUNT; ++corner) {
            iXML* look = nullptr;
            if (box->get(CORNER_NAMES[corner], look))
                m_corners[corner].loadXML(look);
        }
    }
    // After the box, whose place and depth would otherwise carry the text along with it.
    loadChildPart(_xml_doc, "Text", m_text);
    // It comes in by fading, from nothing.
    setTipAlpha(0.0f);
    GUARD_END("void cAwardTip::loadXML(iXML* xml_doc)")
}

void cAwardTip::updatePos(const Vector2& _point)
{
    GUARD_BEGIN
    const Vector2 screen = screenSize();
    const Vector2 half(getSize().x / 2.0f, getSize().y / 2.0f);
    const Bool left = _point.x > screen.x / 2.0f;
    const Bool above = _point.y > screen.y / 2.0f;
    const Float x = left ? _point.x - half.x - m_offset.x : _point.x + half.x + m_offset.x;
    const Float y = above ? _point.y - half.y - m_offset.y : _point.y + half.y + m_offset.y;
    m_corner = above ? (left ? UP_LEFT : UP_RIGHT) : (left ? DOWN_LEFT : DOWN_RIGHT);
    static_cast<cState&>(*this) = m_corners[m_corner];
    setPosition(Vector2(x, y));
    GUARD_END("void cAwardTip::updatePos(const Vector2& _pos)")
}

Bool cAwardTip::isOffScreen()
{
    const Vector2 screen = screenSize();
    const Vector2& at = getPosition();
    const Vector2 half(getSize().x / 2.0f, getSize().y / 2.0f);
    return at.x - half.x < 0.0f || at.x + half.x > screen.x || at.y - half.y < 0.0f || at.y + half.y > screen.y;
}

void cAwardTip::process()
{
    GUARD_BEGIN
    cPicture::process();
    if (isOffScreen())
        updatePos(Vector2(getPosition().x + m_offset.x, getPosition().y + m_offset.y));
    const cTimer* timer = cTimer::getInstance();
    const Float dt = timer ? timer->getRealFrameTime() : 0.0f;
    const Float alpha = cControl::getAlpha() + dt * m_fadeDirection * FADE_SPEED;
    setTipAlpha(std::clamp(alpha, 0.0f, 1.0f));
    if (alpha < 0.0f)
        hide();
    GUARD_END("void cAwardTip::process()")
}

void cAwardTip::setTipAlpha(Float _alpha)
{
    cControl::setAlpha(_alpha);
    m_text->setAlpha(_alpha);
}
