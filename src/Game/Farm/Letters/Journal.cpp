#include "Game/Farm/Letters/Journal.h"

#include "engine/logs/ErrorStack.h"
#include "engine/files/FileManager.h"
#include "engine/logs/LogManager.h"
#include "engine/text/ValueConvert.h"
#include "Game/GameMenu/GameMenu.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"

#include <algorithm>

namespace {

const char* const JOURNAL_FILE = "UI/gameUI/Journal.xml";

// The width a block wraps at; its height comes from the text laid out in it.
constexpr Float BLOCK_HEIGHT = 100.0f;
// More than a page of one-line notes holds.
constexpr UInt BULLET_COUNT = 24;

UInt readColor(iXML* _xml_doc, const char16_t* _name, UInt _color)
{
    DXColor color;
    colorFromARGB(color, _color);
    readXmlAttribute(_xml_doc, _name, color, toDXColor);
    return UInt(colorToARGB(color));
}

} // namespace

cJournal::cJournal(cView* _parent) : cBack(_parent)
{
    GUARD_BEGIN
    m_upButton = new cAnimButton(this);
    m_downButton = new cAnimButton(this);
    m_okButton = new cOkButton(this);
    m_proto = new cMultilineText(this);
    for (UInt i = 0; i < BULLET_COUNT; ++i)
        m_bullets.push_back(new cPicture(this));
    cFileManager* files = cFileManager::getInstance();
    if (files && files->isExist(JOURNAL_FILE))
        loadViewFile(this, JOURNAL_FILE);
    else
        getLog("error")->print(String("The journal has no ") + JOURNAL_FILE + ": it opens as a bare page.");
    m_proto->hide();
    for (cPicture* bullet : m_bullets)
        bullet->hide();
    m_upButton->setOnClick(&cJournal::onUp);
    m_downButton->setOnClick(&cJournal::onDown);
    m_okButton->setOnClick(&cJournal::onOk);
    GUARD_END("cJournal::cJournal(cView* _parent)")
}

cJournal::~cJournal()
{
    if (m_open)
        releaseMenu();
}

void cJournal::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "UpButton", m_upButton);
    loadChildPart(_xml_doc, "DownButton", m_downButton);
    loadChildPart(_xml_doc, "OkButton", m_okButton);
    loadChildPart(_xml_doc, "MultiProto", m_proto);
    for (cPicture* bullet : m_bullets)
        loadChildPart(_xml_doc, "Bullet", bullet);
    m_readColor = readColor(_xml_doc, u"ReadColor", m_readColor);
    m_unreadColor = readColor(_xml_doc, u"UnreadColor", m_unreadColor);
    readXmlAttribute(_xml_doc, u"FitRect", m_fitRect, toVector4);
    readXmlAttribute(_xml_doc, u"MinDist", m_minDist, toFloat);
    GUARD_END("void cJournal::loadXML(iXML* xml_doc)")
}

void cJournal::draw()
{
    GUARD_BEGIN
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().take(this);
        menu->getAbsoluteHold().take(this);
        m_notes.clear();
        for (const cGameMenu::sNote& note : menu->getNotes())
            m_notes.push_back({note.text, note.read});
    }
    m_open = true;
    layoutBackward(Int(m_notes.size()) - 1);
    showTransparently();
    GUARD_END("void cJournal::draw()")
}

void cJournal::layoutForward(Int _first)
{
    GUARD_BEGIN
    layout(_first, 1);
    GUARD_END("void cJournal::layoutForward(Int first)")
}

void cJournal::layoutBackward(Int _last)
{
    GUARD_BEGIN
    layout(_last, -1);
    GUARD_END("void cJournal::layoutBackward(Int last)")
}

void cJournal::layout(Int _start, Int _step)
{
    clearPage();
    const Int count = Int(m_notes.size());
    // An empty journal is an empty page: there is no note to start from.
    if (count == 0) {
        m_first = 0;
        m_last = -1;
        updateArrows();
        return;
    }
    const Int start = std::clamp(_start, 0, count - 1);
    const Float page = m_fitRect.w - m_fitRect.y;
    Float y = 0;
    for (Int n = start; n >= 0 && n < count; n += _step) {
        cMultilineText* block = makeBlock(m_notes[size_t(n)]);
        const Float height = block->getTextSize().y;
        y += height;
        if (n != start && y > page) {
            delete block;
            break;
        }
        const sBlock joined{block, height};
        if (_step > 0)
            m_blocks.push_back(joined);
        else
            m_blocks.insert(m_blocks.begin(), joined);
        y += m_minDist;
    }
    const Int shown = Int(m_blocks.size());
    m_first = _step > 0 ? start : start - shown + 1;
    m_last = m_first + shown - 1;
    placeBlocks();
    updateArrows();
}

void cJournal::clearPage()
{
    for (const sBlock& block : m_blocks)
        delete block.text;
    m_blocks.clear();
}

cMultilineText* cJournal::makeBlock(const sNote& _note)
{
    auto* block = new cMultilineText(*m_proto);
    block->setParent(this);
    block->setSize(Vector2(m_fitRect.z - m_fitRect.x, BLOCK_HEIGHT));
    block->setTextColor(_note.read ? m_readColor : m_unreadColor);
    block->setText(_note.text, true);
    return block;
}

void cJournal::placeBlocks()
{
    // Lines written from their start stand at the rectangle's left edge, lines ending at their
    // position at its right edge, centred ones in its middle.
    const UInt align = m_proto->getPrototype()->getAlign();
    const Float x = align == 1 ? m_fitRect.x : align == 2 ? m_fitRect.z : (m_fitRect.x + m_fitRect.z) / 2;
    Float y = m_fitRect.y;
    for (size_t i = 0; i < m_blocks.size(); ++i) {
        const sBlock& block = m_blocks[i];
        block.text->setPosition(Vector2(x, y + block.height / 2));
        // The lines stand where they were made: made again at the block's place.
        block.text->makeLines();
        block.text->show();
        if (i < m_bullets.size() && !block.text->getLines().empty()) {
            cPicture* bullet = m_bullets[i];
            bullet->setPosition(Vector2(bullet->getPosition().x, block.text->getLines().front()->getPosition().y));
            bullet->show();
        }
        y += block.height + m_minDist;
    }
    for (size_t i = m_blocks.size(); i < m_bullets.size(); ++i)
        m_bullets[i]->hide();
}

void cJournal::updateArrows()
{
    if (m_first > 0)
        m_upButton->show();
    else
        m_upButton->hide();
    if (m_last < Int(m_notes.size()) - 1)
        m_downButton->show();
    else
        m_downButton->hide();
}

void cJournal::close()
{
    if (!m_open)
        return;
    m_open = false;
    releaseMenu();
    if (cGameMenu* menu = cGameMenu::getInstance())
        menu->setNotesRead(true);
    hideTransparently();
}

void cJournal::releaseMenu()
{
    if (cGameMenu* menu = cGameMenu::getInstance()) {
        menu->getEnableHold().release(this);
        menu->getAbsoluteHold().release(this);
    }
}

void cJournal::onUp(cView* /*_view*/)
{
    GUARD_BEGIN
    if (cJournal* journal = getInstance())
        journal->layoutForward(journal->m_first - 1);
    GUARD_END("void cJournal::onUp(cView* _view)")
}

void cJournal::onDown(cView* /*_view*/)
{
    GUARD_BEGIN
    if (cJournal* journal = getInstance())
        journal->layoutForward(journal->m_first + 1);
    GUARD_END("void cJournal::onDown(cView* _view)")
}

void cJournal::onOk(cView* /*_view*/)
{
    GUARD_BEGIN
    if (cJournal* journal = getInstance())
        journal->close();
    GUARD_END("void cJournal::onOk(cView* _view)")
}
