#include "Ui/boxes/ProgressDiscrete.h"

#include "Ui/views/UI.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <cmath>

namespace {

// More segments than any counter of the game needs; a described bar beyond it is refused
// rather than built picture by picture until memory runs out.
constexpr UInt MAX_SEGMENTS = 1024;

} // namespace

cProgressDiscrete::cProgressDiscrete(cView* _parent)
    : cControl(_parent), m_pictureOn(std::make_unique<cPicture>(nullptr)),
      m_pictureOff(std::make_unique<cPicture>(nullptr))
{
}

cProgressDiscrete::~cProgressDiscrete() = default;

void cProgressDiscrete::showed()
{
    cControl::showed();
    cUI::removeDrawn(this);
}

void cProgressDiscrete::loadPrototype(cPicture& _prototype, iXML* _xml_doc)
{
    _prototype.loadXML(_xml_doc);
    // Its element may say it is visible: a prototype is a look, never a picture on screen.
    _prototype.hide();
    _prototype.disable();
}

void cProgressDiscrete::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cControl::loadXML(_xml_doc);
    UInt maximum = 0;
    readXmlAttribute(_xml_doc, u"ProgressMaxValue", maximum, toUInt);
    readXmlAttribute(_xml_doc, u"ProgressCurrentValue", m_value, toUInt);
    readXmlAttribute(_xml_doc, u"DeepStep", m_deepStep, toFloat);
    readXmlAttribute(_xml_doc, u"Step", m_step, toVector2);
    readXmlAttribute(_xml_doc, u"MaxLength", m_maxLength, toFloat);
    if (maximum == 0)
        throw "ProgressMaxValue == 0";
    if (maximum > MAX_SEGMENTS)
        throw "ProgressMaxValue > " + std::to_string(MAX_SEGMENTS);
    iXML* child = nullptr;
    if (_xml_doc->get("PictureOn", child))
        loadPrototype(*m_pictureOn, child);
    if (_xml_doc->get("PictureOff", child))
        loadPrototype(*m_pictureOff, child);
    if (_xml_doc->get("Lid", child)) {
        // Loaded again, the bar keeps its one lid.
        if (!m_lid)
            m_lid = new cPicture(this);
        m_lid->loadXML(child);
    }
    setCount(maximum);
    GUARD_END("void cProgressDiscrete::loadXML(iXML* xml_doc)")
}

void cProgressDiscrete::setCount(UInt _count)
{
    GUARD_BEGIN
    if (m_segments.size() == _count)
        return;
    while (m_segments.size() > _count) {
        delete m_segments.back();
        m_segments.pop_back();
    }
    while (m_segments.size() < _count)
        m_segments.push_back(new cPicture(this));
    updateSegments();
    GUARD_END("void cProgressDiscrete::setCount(UInt n)")
}

void cProgressDiscrete::setValue(UInt _value)
{
    GUARD_BEGIN
    if (_value == m_value)
        return;
    m_value = _value;
    updateSegments();
    GUARD_END("void cProgressDiscrete::setValue(UInt v)")
}

Vector2 cProgressDiscrete::fittedStep() const
{
    Vector2 step = m_step;
    const Float count = Float(m_segments.size());
    if (count > 0 && m_maxLength < count * step.length()) {
        Float length = std::floor(m_maxLength / count);
        if (!(length > 1.0f))
            length = 1.0f;
        step.setLength(length);
    }
    return step;
}

void cProgressDiscrete::updateSegments()
{
    GUARD_BEGIN
    Vector2 place = getPosition();
    Float depth = getDeep();
    const Vector2 step = fittedStep();
    UInt number = 1;
    for (cPicture* segment : m_segments) {
        segment->assignLook(number > m_value ? m_pictureOff.get() : m_pictureOn.get());
        segment->setPosition(place);
        segment->setDeep(depth);
        segment->show();
        place.x += step.x;
        place.y += step.y;
        depth += m_deepStep;
        ++number;
    }
    GUARD_END("void cProgressDiscrete::updateSegments()")
}
