#include "Ui/texts/MultilineText.h"

#include "Ui/texts/Text.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/StringManager.h"
#include "engine/text/ValueConvert.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

namespace {

constexpr char16_t LINE_FEED = u'\n';
constexpr char16_t SPACE = u' ';

DXColor unpack(UInt _argb)
{
    DXColor colour;
    return colorFromARGB(colour, _argb);
}

// How wide a line shows the leading part of a piece's remainder, answered without laying the
// line out: the characters are measured once per piece, and the widths of every leading part
// of a remainder are summed once when the remainder starts. A layout adds the same widths one
// by one in its own order (right to left turns it), so its sum may differ from ours by a few
// rounding steps; a width within that distance of the limit is asked of the line itself, which
// keeps every break exactly where the layout would put it.
class cLineWidths {
public:
    cLineWidths(cText& _line, const WString& _piece, Float _limit)
        : m_piece(_piece), m_limit(_limit), m_measured(_line.measureCharacters(_piece, m_widths))
    {
    }

    // The remainder now starts at _start of the piece.
    void startAt(size_t _start)
    {
        m_start = _start;
        if (!m_measured)
            return;
        const size_t count = m_piece.size() - _start;
        m_sums.assign(count + 1, 0.0);
        m_magnitudes.assign(count + 1, 0.0);
        for (size_t i = 0; i < count; ++i) {
            m_sums[i + 1] = m_sums[i] + m_widths[_start + i];
            m_magnitudes[i + 1] = m_magnitudes[i] + std::fabs(double(m_widths[_start + i]));
        }
    }

    // Whether _line, shown the first _length characters of the remainder, is wider than the
    // limit, or no wider. Either may leave _line showing those characters.
    Bool wider(cText& _line, size_t _length) { return side(_line, _length) > 0; }
    Bool fits(cText& _line, size_t _length) { return side(_line, _length) < 0; }

private:
    // 1 wider than the limit, -1 no wider.
    int side(cText& _line, size_t _length)
    {
        if (m_measured) {
            // Each of the layout's additions rounds by at most half a float step of the sum so far.
            const double sum = m_sums[_length];
            const double slack = m_magnitudes[_length] * double(_length + 2) * FLT_EPSILON + 1e-30;
            if (sum - slack > m_limit)
                return 1;
            if (sum + slack <= m_limit)
                return -1;
        }
        _line.setString(m_piece.substr(m_start, _length));
        const Float width = _line.getWidth();
        return width > m_limit ? 1 : width <= m_limit ? -1 : 0;
    }

    const WString& m_piece;
    const Float m_limit;
    std::vector<Float> m_widths;
    const Bool m_measured;
    size_t m_start = 0;
    std::vector<double> m_sums, m_magnitudes;
};

} // namespace

cMultilineText::cMultilineText(cView* _parent) : cControl(_parent), m_prototype(new cText(this))
{
    // The block translates its text once; the lines show the result as it stands.
    m_prototype->setLocalized(false);
    m_colour = unpack(m_prototype->getTextColor());
}

cMultilineText::cMultilineText(const cMultilineText& _source)
    : cControl(_source), m_interlinear(_source.m_interlinear), m_localized(_source.m_localized),
      m_verticalAlign(_source.m_verticalAlign), m_wrapText(_source.m_wrapText)
{
    m_prototype = new cText(*_source.m_prototype);
    m_prototype->setParent(this);
    m_colour = unpack(m_prototype->getTextColor());
}

// The lines and the prototype are children: the view's destructor deletes them.
cMultilineText::~cMultilineText() = default;

void cMultilineText::showed() { cView::showed(); }

void cMultilineText::hid() { cView::hid(); }

void cMultilineText::setAlpha(const Float& _alpha)
{
    GUARD_BEGIN
    cControl::setAlpha(_alpha);
    for (cText* line : m_lines)
        line->setAlpha(_alpha);
    GUARD_END("void cMultilineText::setAlpha(const Float& v)")
}

void cMultilineText::setText(const WString& _text, Bool _now)
{
    if (_text == m_text)
        return;
    m_text = _text;
    if (_now)
        makeLines();
    else
        m_dirty = true;
}

void cMultilineText::setTextColor(UInt _color) { m_colour = unpack(_color); }

void cMultilineText::process()
{
    GUARD_BEGIN
    if (m_dirty)
        makeLines();
    GUARD_END("void cMultilineText::process()")
}

cText* cMultilineText::newLine(UInt _k)
{
    GUARD_BEGIN
    auto* line = new cText(*m_prototype);
    line->setParent(this);
    line->setPosition(Vector2(getPosition().x, getPosition().y + Float(_k) * m_interlinear));
    line->show();
    line->enable();
    line->setTextColor(UInt(colorToARGB(m_colour)));
    m_lines.push_back(line);
    return line;
    GUARD_END("cText* cMultilineText::newLine(UInt k)")
}

void cMultilineText::addPiece(const WString& _piece, UInt& _k)
{
    cText* line = newLine(_k);
    if (m_wrapText)
        wrapLine(_piece, _k, line);
    else
        line->setString(_piece);
    ++_k;
}

void cMultilineText::makeLines()
{
    GUARD_BEGIN
    for (cText* line : m_lines)
        delete line;
    m_lines.clear();
    m_prototype->setSize(getSize());
    const WString source =
        m_localized && cStringManager::exists() ? cStringManager::getInstance()->getString(m_text) : m_text;
    UInt k = 0;
    size_t start = 0;
    for (size_t end = source.find(LINE_FEED); end != WString::npos; end = source.find(LINE_FEED, start)) {
        addPiece(source.substr(start, end - start), k);
        start = end + 1;
    }
    // A text that ends in a line feed has no empty last line.
    if (start < source.size())
        addPiece(source.substr(start), k);
    alignLines();
    m_dirty = false;
    GUARD_END("void cMultilineText::makeLines()")
}

void cMultilineText::alignLines()
{
    const Float n = Float(m_lines.size()), step = m_interlinear, height = getSize().y;
    Float offset = 0;
    switch (m_verticalAlign) {
    case 0: offset = (step - n * step) / 2; break;
    case 1: offset = -height / 2 + step / 2; break;
    case 2: offset = height / 2 - n * step + step / 2; break;
    default: return;
    }
    if (offset != 0)
        for (cText* line : m_lines)
            line->setPosition(Vector2(line->getPosition().x, line->getPosition().y + offset));
}

void cMultilineText::wrapLine(const WString& _piece, UInt& _k, cText* _line)
{
    GUARD_BEGIN
    cLineWidths widths(*_line, _piece, getSize().x);
    // A line shows the remainder of the piece from _piece[start]; one that is too wide breaks
    // at the last space that lets it fit. Each line is given its string once, when it is known:
    // a line given a long string makes a letter for each character. A line that goes on after
    // a break is measured with the space it broke at, but shows without it, so that the lines
    // of a block share their left edge.
    const auto shown = [](const WString& _rest) { return _rest.empty() || _rest[0] != SPACE ? _rest : _rest.substr(1); };
    size_t start = 0;
    widths.startAt(start);
    while (widths.wider(*_line, _piece.size() - start)) {
        const WString current = _piece.substr(start);
        // Where the rest goes on from, once a space was tried; the line shows up to there.
        size_t rest = WString::npos;
        for (size_t p = current.rfind(SPACE); p != WString::npos; p = p ? current.rfind(SPACE, p - 1) : WString::npos) {
            if (p == 0) {
                // A continuation whose only space left is its first: what was cut off goes on a
                // line of its own, and this piece is done.
                _line->setString(start == 0 ? current.substr(0, rest) : shown(current.substr(0, rest)));
                newLine(++_k)->setString(rest == WString::npos ? WString() : shown(current.substr(rest)));
                return;
            }
            rest = p;
            if (widths.fits(*_line, p))
                break;
        }
        _line->setString(start == 0 ? current.substr(0, rest) : shown(current.substr(0, rest)));
        // A line without a usable space stays too wide.
        if (rest == WString::npos)
            return;
        _line = newLine(++_k);
        start += rest;
        widths.startAt(start);
    }
    _line->setString(start == 0 ? _piece.substr(start) : shown(_piece.substr(start)));
    GUARD_END("void cMultilineText::wrapLine(const WString& c)")
}

Vector2 cMultilineText::getTextSize()
{
    if (m_lines.empty())
        return Vector2(0, 0);
    Float widest = 0;
    for (cText* line : m_lines)
        widest = std::max(widest, line->getWidth());
    return Vector2(widest, m_lines.front()->getHeight() + Float(m_lines.size() - 1) * m_interlinear);
}

void cMultilineText::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cView::loadXML(_xml_doc);
    m_prototype->loadXML(_xml_doc);
    // The block stands where the element places the text; moving it must not move the prototype.
    const Vector2 at = m_prototype->getPosition();
    setPosition(at);
    m_prototype->setPosition(at);
    m_prototype->setString(WString());
    m_prototype->hide();
    m_prototype->setLocalized(false);
    _xml_doc->getNode("Text", m_text);
    readXmlAttribute(_xml_doc, u"size", getSize(), toVector2);
    readXmlAttribute(_xml_doc, u"Localized", m_localized, toBool);
    readXmlAttribute(_xml_doc, u"Interlinear", m_interlinear, toFloat);
    readXmlAttribute(_xml_doc, u"WrapText", m_wrapText, toBool);
    m_verticalAlign = 3;
    readXmlAttribute(_xml_doc, u"VerticalAlign", m_verticalAlign, toUInt);
    m_colour = unpack(m_prototype->getTextColor());
    makeLines();
    GUARD_END("void cMultilineText::loadXML(iXML* xml_doc)")
}
