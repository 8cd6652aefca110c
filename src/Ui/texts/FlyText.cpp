#include "Ui/texts/FlyText.h"

#include "Ui/controls/Picture.h"
#include "Ui/views/Scavenger.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/frame/Timer.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <cmath>

cFlyText::cFlyText(cView* _parent, const String& _xml_path) : cText(_parent)
{
    GUARD_BEGIN
    if (!_xml_path.empty())
        loadViewFile(this, _xml_path);
    GUARD_END("cFlyText::cFlyText(cView *_parent, const String &_xml_path)")
}

void cFlyText::setCallback(fCallback _callback, std::uintptr_t _argument)
{
    m_callback = _callback;
    m_callbackArgument = _argument;
}

void cFlyText::setIcon(const cState& _look)
{
    if (!m_icon)
        return;
    static_cast<cState&>(*m_icon) = _look;
    m_icon->setTransformDirty();
}

void cFlyText::shiftPath(const Vector2& _by)
{
    for (sPositionPoint& point : m_positionPoints) {
        point.x += _by.x;
        point.y += _by.y;
    }
    const Vector2& at = getPosition();
    setPosition(Vector2(at.x + _by.x, at.y + _by.y));
}

void cFlyText::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cText::loadXML(_xml_doc);
    if (!m_icon)
        m_icon = new cPicture(this);
    iXML* icon = nullptr;
    if (_xml_doc->get("Icon", icon))
        m_icon->loadXML(icon);
    readXmlAttribute(_xml_doc, u"Speed", m_speed, toFloat);
    // A path run at no speed would never end, and the effect never leave the screen.
    if (!(m_speed > 0))
        throw "Speed <= 0";
    loadPositionPoints(_xml_doc);
    loadAlphaPoints(_xml_doc);
    const Float alpha = m_alphaPoints.front().alpha;
    setAlpha(alpha);
    setLettersDirty();
    m_icon->setAlpha(alpha);
    m_icon->setTransformDirty();
    GUARD_END("void cFlyText::loadXML(iXML* xml_doc)")
}

void cFlyText::loadPositionPoints(iXML* _xml_doc)
{
    std::vector<sPositionPoint> points;
    iXML* list = nullptr;
    if (_xml_doc->get("PositionPoints", list)) {
        iXML* child = nullptr;
        for (UInt i = 0; list->get(i, child); ++i) {
            Vector2 at(0, 0);
            toVector2(at, (*child)[u"position"]);
            points.push_back({at.x, at.y, 0, 0, 0});
        }
    }
    if (points.size() < 2)
        throw "Position points < 2";
    Float distance = 0;
    for (size_t i = 1; i < points.size(); ++i) {
        const Float dx = points[i].x - points[i - 1].x, dy = points[i].y - points[i - 1].y;
        const Float length = std::sqrt(dx * dx + dy * dy);
        distance += length;
        points[i].start = distance;
        if (length > 0) {
            points[i - 1].directionX = dx / length;
            points[i - 1].directionY = dy / length;
        }
    }
    if (distance == 0)
        throw "Distance = 0";
    m_positionPoints = std::move(points);
    m_distance = distance;
    setPosition(Vector2(m_positionPoints.front().x, m_positionPoints.front().y));
}

void cFlyText::loadAlphaPoints(iXML* _xml_doc)
{
    std::vector<sAlphaPoint> points;
    iXML* list = nullptr;
    if (_xml_doc->get("AlphaPoints", list)) {
        iXML* child = nullptr;
        for (UInt i = 0; list->get(i, child); ++i) {
            sAlphaPoint point;
            toFloat(point.alpha, (*child)[u"alpha"]);
            toFloat(point.distance, (*child)[u"distance"]);
            points.push_back(point);
        }
    }
    if (points.size() < 2)
        throw "Alpha points < 2";
    // The curve is divided by the distance between the two points around the travelled
    // fraction. Past the first point the walk only stops before a point that lies further on,
    // so equal distances there make a step; the first gap is reached before the walk passes
    // it, so the first two points may not share a distance above the start.
    if (points[1].distance == points[0].distance && points[0].distance > 0)
        throw "The first two alpha points lie at the same distance";
    for (size_t i = 1; i < points.size(); ++i)
        points[i - 1].delta = points[i].alpha - points[i - 1].alpha;
    m_alphaPoints = std::move(points);
}

void cFlyText::process()
{
    GUARD_BEGIN
    cText::process();
    // A fly text built in code without its file has nowhere to go.
    if (m_positionPoints.empty() || m_alphaPoints.empty())
        return;
    cTimer* timer = cTimer::getInstance();
    m_travelled += m_speed * (timer ? timer->getFrameTime() : 0);
    moveAlongPath();
    const Float alpha = followAlphaCurve();
    if (m_icon) {
        m_icon->setAlpha(alpha);
        m_icon->setTransformDirty();
    }
    setLettersDirty();
    GUARD_END("void cFlyText::process()")
}

void cFlyText::moveAlongPath()
{
    const UInt count = UInt(m_positionPoints.size());
    if (m_travelled < m_distance) {
        while (m_positionIndex < count && m_travelled >= m_positionPoints[m_positionIndex].start)
            ++m_positionIndex;
        if (m_positionIndex < count) {
            const sPositionPoint& p = m_positionPoints[m_positionIndex - 1];
            const Float along = m_travelled - p.start;
            setPosition(Vector2(p.x + along * p.directionX, p.y + along * p.directionY));
            return;
        }
    }
    finish();
}

// The icon's alpha: the curve's value, or its last once the path is run.
Float cFlyText::followAlphaCurve()
{
    const UInt count = UInt(m_alphaPoints.size());
    const Float fraction = m_travelled / m_distance;
    while (m_alphaIndex < count && fraction >= m_alphaPoints[m_alphaIndex].distance)
        ++m_alphaIndex;
    if (m_alphaIndex >= count)
        return m_alphaPoints.back().alpha;
    const sAlphaPoint& q = m_alphaPoints[m_alphaIndex - 1];
    const sAlphaPoint& r = m_alphaPoints[m_alphaIndex];
    const Float alpha = q.alpha + (fraction - q.distance) / (r.distance - q.distance) * q.delta;
    setAlpha(alpha);
    return alpha;
}

void cFlyText::finish()
{
    GUARD_BEGIN
    if (!m_positionPoints.empty())
        setPosition(Vector2(m_positionPoints.back().x, m_positionPoints.back().y));
    if (!m_alphaPoints.empty())
        setAlpha(m_alphaPoints.back().alpha);
    // Cleared first: finish may run again in the same frame, and the callback only once.
    if (fCallback callback = m_callback) {
        m_callback = nullptr;
        callback(m_callbackArgument);
    }
    discard(this, String());
    GUARD_END("void cFlyText::finish()")
}
