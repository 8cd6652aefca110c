#include "Ui/screens/Notice.h"

#include "Ui/texts/MultilineText.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/logs/LogManager.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/files/XML.h"
#include "graphics/Graphics.h"

#include <algorithm>
#include <vector>

namespace {

const char* const NOTICE_XML = "UI/Notice.xml";
// Long enough to read a line twice. A board of fewer lines than its data holds stands as long
// as a full one: it takes a moment to be noticed at all.
constexpr Float LINE_SECONDS = 10.0f / 3.0f;
// Drawn for a few frames, it has met the player's eye: from then on a crash does not tell it again.
constexpr Float SEEN_SECONDS = 0.25f;
constexpr char16_t LINE_FEED = u'\n';
constexpr char16_t SPACE = u' ';
// Where a folder's path may break: after either kind of slash.
const char16_t* const SLASHES = u"/\\";

// The logical screen's height; without a renderer, the game's fixed one.
Float screenHeight()
{
    iGraphics* graphics = iGraphics::getInstance();
    return graphics ? Float(graphics->getHeight()) : 600.0f;
}

// Adds the lines of _text[_start, _end), which holds no line feed, to _lines: each no wider than
// _width, where the character at i is _widths[i] wide. A line breaks at its last space, as every
// text of the game does, and the space goes with the break. A word wider than a whole line,
// which no space can break (the path of a folder), fills the line and breaks after its last
// slash that fits, or without one after its last character that fits.
void breakPiece(const WString& _text, size_t _start, size_t _end, const std::vector<Float>& _widths, Float _width,
    std::vector<WString>& _lines)
{
    const auto wide = [&_widths](size_t _from, size_t _to) {
        Float sum = 0;
        for (size_t i = _from; i < _to; ++i)
            sum += _widths[i];
        return sum;
    };
    for (;;) {
        size_t fit = _start;
        for (Float sum = 0; fit < _end && sum + _widths[fit] <= _width; ++fit)
            sum += _widths[fit];
        if (fit == _end) {
            _lines.push_back(_text.substr(_start, _end - _start));
            return;
        }
        const size_t space = _text.rfind(SPACE, fit);
        const Bool spaced = space != WString::npos && space > _start;
        const size_t word = spaced ? space + 1 : _start;
        size_t cut = spaced ? space : std::max(fit, _start + 1);
        if (!spaced || wide(word, std::min(_text.find(SPACE, word), _end)) > _width) {
            const size_t slash = fit > word ? _text.find_last_of(SLASHES, fit - 1) : WString::npos;
            if (slash != WString::npos && slash >= word)
                cut = slash + 1;
        }
        _lines.push_back(_text.substr(_start, cut - _start));
        _start = cut < _end && _text[cut] == SPACE ? cut + 1 : cut;
    }
}

// The lines of _text on a board _width wide, split at its line feeds as a multi-line text splits
// it: a text that ends in a line feed has no empty last line.
std::vector<WString> boardLines(const WString& _text, const std::vector<Float>& _widths, Float _width)
{
    std::vector<WString> lines;
    size_t start = 0;
    for (size_t feed = _text.find(LINE_FEED); feed != WString::npos; feed = _text.find(LINE_FEED, start)) {
        breakPiece(_text, start, feed, _widths, _width, lines);
        start = feed + 1;
    }
    if (start < _text.size())
        breakPiece(_text, start, _text.size(), _widths, _width, lines);
    return lines;
}

} // namespace

cNotice::cNotice() : cPicture(nullptr)
{
    GUARD_BEGIN
    m_text = new cMultilineText(this);
    loadViewFile(this, NOTICE_XML);
    GUARD_END("cNotice::cNotice()")
}

void cNotice::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    iXML* element = nullptr;
    if (_xml_doc->get("Background", element))
        cPicture::loadXML(element);
    if (m_text && _xml_doc->get("Text", element))
        m_text->loadXML(element);
    m_boardAt = getPosition();
    m_boardSize = getSize();
    if (m_text)
        m_textSize = m_text->getSize();
    GUARD_END("void cNotice::loadXML(iXML* _xml_doc)")
}

const WString& cNotice::getShownText() const
{
    return m_text->getText();
}

void cNotice::layOut(const WString& _text)
{
    GUARD_BEGIN
    // A text the prototype would translate is not measured: it stays on as few lines as it has.
    std::vector<Float> widths;
    if (!m_text->getPrototype()->measureCharacters(_text, widths))
        widths.assign(_text.size(), 0.0f);
    std::vector<WString> lines = boardLines(_text, widths, m_textSize.x);
    // The data lays the board out for the lines its text's height holds; each line more grows
    // it down by a line from the top it keeps, until it stands as far from the screen's bottom.
    const Float step = m_text->getInterlinear();
    const size_t held = std::max<size_t>(1, size_t(m_textSize.y / step));
    const Float room = screenHeight() - 2 * (m_boardAt.y - m_boardSize.y / 2) - m_boardSize.y;
    const size_t most = held + size_t(std::max(0.0f, room) / step);
    if (lines.size() > most) {
        logError("A notice of " + std::to_string(lines.size()) + " lines shows its first " + std::to_string(most) +
                 ", all the board holds; the whole text is logged where it was told.");
        lines.resize(most);
    }
    WString shown;
    for (size_t i = 0; i < lines.size(); ++i)
        shown += (i ? WString(1, LINE_FEED) : WString()) + lines[i];
    const size_t count = std::max(lines.size(), held);
    const Float grown = Float(count - held) * step;
    m_text->setWrapText(false);
    m_text->setSize(Vector2(m_textSize.x, m_textSize.y + grown));
    setSize(Vector2(m_boardSize.x, m_boardSize.y + grown));
    // The text goes down with the board.
    setPosition(Vector2(m_boardAt.x, m_boardAt.y + grown / 2));
    m_text->setText(shown, true);
    m_seconds = LINE_SECONDS * Float(count);
    GUARD_END("void cNotice::layOut(const WString& _text)")
}

void cNotice::update(Float _seconds)
{
    GUARD_BEGIN
    cNotice* notice = getInstance();
    // Another player plays now: her words leave the board, to be told to her at her next farm.
    if (notice && notice->m_left > 0 && !isPlayerNoticeOnScreen()) {
        notice->m_left = 0;
        notice->hide();
    }
    if (notice && notice->m_left > 0) {
        notice->m_left -= _seconds;
        if (notice->m_left <= notice->m_seconds - SEEN_SECONDS)
            seePlayerNotice();
        if (notice->m_left > 0)
            return;
        notice->hide();
    }
    WString text;
    if (!takePlayerNotice(text))
        return;
    if (!notice)
        notice = new cNotice();
    notice->layOut(text);
    notice->m_left = notice->m_seconds;
    notice->show();
    GUARD_END("void cNotice::update(Float _seconds)")
}
