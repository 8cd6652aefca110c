#pragma once
#include "Ui/controls/Control.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <algorithm>
#include <vector>

// A bar chart: a row of bars, each a control with a maximum and a value (a cProgressFloat or
// alike), laid out from one prototype bar at a fixed step. The bars are its children, so they
// move with it.
template <class _Bar>
class cHistogram : public cControl {
public:
    explicit cHistogram(cView* _parent) : cControl(_parent) {}
    cHistogram(const cHistogram&) = delete;

    // Drops the bars, reads the control, then "Threshold", "BarCount", "Step" and "position";
    // the child "Bar" is the look of every bar, "BarCount" of them placed at
    // position + the bar's own position + i * Step.
    void loadXML(iXML* _xml_doc) override
    {
        GUARD_BEGIN
        for (_Bar* bar : m_bars)
            delete bar;
        m_bars.clear();
        cControl::loadXML(_xml_doc);
        UInt count = 0;
        Vector2 step(0, 0);
        Vector2 position = getPosition();
        readXmlAttribute(_xml_doc, u"Threshold", m_threshold, toFloat);
        readXmlAttribute(_xml_doc, u"BarCount", count, toUInt);
        readXmlAttribute(_xml_doc, u"Step", step, toVector2);
        readXmlAttribute(_xml_doc, u"position", position, toVector2);
        iXML* prototype = nullptr;
        if (!_xml_doc->get("Bar", prototype))
            return;
        // A chart wider than the screen is a broken file, not a chart.
        count = std::min(count, MAX_BARS);
        m_bars.reserve(count);
        for (UInt i = 0; i < count; ++i) {
            auto* bar = new _Bar(this);
            m_bars.push_back(bar);
            bar->loadXML(prototype);
            const Vector2& own = bar->getPosition();
            bar->setPosition(Vector2(position.x + own.x + step.x * Float(i), position.y + own.y + step.y * Float(i)));
            bar->show();
        }
        GUARD_END("void cHistogram<_Bar>::loadXML(iXML* xml_doc)")
    }

    // Every bar's maximum becomes _value.
    void setMaxValue(Float _value)
    {
        for (_Bar* bar : m_bars) {
            bar->setMaximum(_value);
            bar->progressChanged();
        }
    }

    // Bar i shows _values[i] (0 past the end of _values) against the largest value, or 0
    // when every value is below it; values past the last bar are ignored.
    void setBars(const std::vector<Float>& _values)
    {
        Float top = 0.0f;
        for (Float value : _values)
            top = std::max(top, value);
        for (size_t i = 0; i < m_bars.size(); ++i) {
            m_bars[i]->setMaximum(top);
            m_bars[i]->setValue(i < _values.size() ? _values[i] : 0.0f);
            m_bars[i]->progressChanged();
        }
    }

    UInt getBarCount() const { return UInt(m_bars.size()); }
    _Bar* getBar(UInt _index) const { return m_bars.at(_index); }
    Float getThreshold() const { return m_threshold; }

private:
    static constexpr UInt MAX_BARS = 800;

    Float m_threshold = 100.0f;
    // Children of the chart: the tree deletes them with it.
    std::vector<_Bar*> m_bars;
};
