#include "Ui/boxes/ListBox.h"

#include "Ui/views/Scavenger.h"
#include "Ui/views/UI.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

#include <algorithm>

namespace {

// Room the rows take before the list grows.
constexpr size_t RESERVED_ROWS = 20;

// More starting rows than any list of the game holds; a larger "Count" is refused rather than
// filling memory with empty rows.
constexpr UInt MAX_STARTING_ROWS = 4096;

cListBox* listOf(cView* _child)
{
    return _child ? dynamic_cast<cListBox*>(_child->getParent()) : nullptr;
}

} // namespace

cListBox::cListBox(cView* _parent) : cPicture(_parent)
{
    m_rows.reserve(RESERVED_ROWS);
    m_upButton = new cButton(this);
    m_downButton = new cButton(this);
    m_prototype = new cTextButton(this);
    m_upButton->setOnClick(&cListBox::onScrollUp);
    m_downButton->setOnClick(&cListBox::onScrollDown);
    // Every row is a copy of the prototype and inherits its click.
    m_prototype->setOnClick(&cListBox::onItemSelect);
}

void cListBox::setExtent(const Vector2& _topLeft, const Vector2& _bottomRight)
{
    m_topLeft = _topLeft;
    m_bottomRight = _bottomRight;
}

void cListBox::addItem(const WString& _text)
{
    auto* row = new cTextButton(*m_prototype);
    row->setUserValue(UInt(m_rows.size()));
    m_rows.push_back(row);
    row->setText(_text);
    updateList();
}

WString cListBox::getItemText(UInt _index) const
{
    return _index < m_rows.size() ? m_rows[_index]->getText()->getString() : WString();
}

void cListBox::clear()
{
    for (cTextButton* row : m_rows) {
        row->hide();
        row->disable();
        if (cUI::exists())
            discard(row, "void cListBox::clear()");
        else
            delete row;
    }
    m_rows.clear();
    m_rows.shrink_to_fit();
    // A scrolled list would otherwise start its next rows below the top.
    m_top = 0;
    updateList();
}

long long cListBox::shownRows() const
{
    const Float height = m_bottomRight.y - m_topLeft.y;
    const Float rows = height / m_interlinear;
    // A distance of 0, or a height below the first row, shows none; the test also keeps an
    // undefined quotient out of the conversion.
    if (!(m_interlinear > 0) || !(rows >= 1))
        return 0;
    return (long long)std::min(rows, Float(m_rows.size()));
}

void cListBox::updateList()
{
    GUARD_BEGIN
    // Signed throughout: the rows below the top can number fewer than the rows shown.
    const long long count = (long long)m_rows.size();
    const long long shown = shownRows();
    long long top = std::min((long long)m_top, count);
    if (count - top < shown)
        top = std::max(count - shown, 0LL);
    const long long end = std::min(top + shown, count);
    m_top = UInt(top);

    const Float height = m_bottomRight.y - m_topLeft.y;
    const Vector2& at = getPosition();
    for (long long index = 0; index < count; ++index) {
        cTextButton* row = m_rows[size_t(index)];
        if (index < top || index >= end) {
            row->hide();
            continue;
        }
        row->show();
        row->enable();
        row->setPositionXY(at.x, at.y - height / 2 + m_interlinear / 2 + Float(index - top) * m_interlinear);
    }
    if (end == count)
        m_downButton->hide();
    else
        m_downButton->show();
    if (top == 0)
        m_upButton->hide();
    else
        m_upButton->show();
    GUARD_END("void cListBox::updateList()")
}

void cListBox::onItemSelect(cView* _row)
{
    GUARD_BEGIN
    cListBox* list = listOf(_row);
    if (list && list->m_onSelect)
        list->m_onSelect(static_cast<cControl*>(_row)->getUserValue(), list);
    GUARD_END("void cListBox::onItemSelect(cView* _parent)")
}

void cListBox::onScrollUp(cView* _button)
{
    cListBox* list = listOf(_button);
    if (list && list->m_top > 0) {
        --list->m_top;
        list->updateList();
    }
}

void cListBox::onScrollDown(cView* _button)
{
    cListBox* list = listOf(_button);
    if (list && size_t(list->m_top) + 1 < list->m_rows.size()) {
        ++list->m_top;
        list->updateList();
    }
}

void cListBox::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cPicture::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"Interlinear", m_interlinear, toFloat);
    readXmlAttribute(_xml_doc, u"MaxRows", m_maxRows, toUInt);
    readXmlAttribute(_xml_doc, u"TopLeft", m_topLeft, toVector2);
    readXmlAttribute(_xml_doc, u"BottomRight", m_bottomRight, toVector2);
    iXML* child = nullptr;
    if (_xml_doc->get("UpButton", child))
        m_upButton->loadXML(child);
    if (_xml_doc->get("DownButton", child))
        m_downButton->loadXML(child);
    if (_xml_doc->get("Button", child)) {
        m_prototype->loadXML(child);
        m_prototype->hide();
    }
    if (_xml_doc->get("Strings", child)) {
        UInt count = 0;
        readXmlAttribute(child, u"Count", count, toUInt);
        if (count > MAX_STARTING_ROWS)
            throw "Strings Count > " + std::to_string(MAX_STARTING_ROWS);
        for (UInt index = 0; index < count; ++index)
            addItem((*child)[u"str" + toWString(std::to_string(index))]);
    }
    updateList();
    GUARD_END("void cListBox::loadXML(iXML* xml_doc)")
}
