#include "Game/Awards/AwardPanel.h"

#include "Game/Awards/Award.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/views/ResourceHold.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/resources/Resource.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

namespace {

const char* const AWARD_PANEL_XML = "UI/AwardPanel.xml";

// A title broken into lines of like length reads as one title: the wrap width narrows as far
// as the lines stay as many. A block that does not wrap keeps its lines.
void balanceLines(cMultilineText& _block)
{
    const size_t count = _block.getLines().size();
    if (!_block.getWrapText() || count < 2)
        return;
    const Vector2 box = _block.getSize();
    // No narrower than the widest line shared among them all.
    Float fits = box.x, tooNarrow = _block.getTextSize().x / Float(count);
    while (fits - tooNarrow > 1.0f) {
        const Float width = (fits + tooNarrow) / 2;
        _block.setSize(Vector2(width, box.y));
        _block.makeLines();
        (_block.getLines().size() <= count ? fits : tooNarrow) = width;
    }
    _block.setSize(Vector2(fits, box.y));
    _block.makeLines();
}

// The block's lines centred on the height _y.
void centreAt(cMultilineText& _block, Float _y)
{
    _block.setVerticalAlign(0);
    _block.setPosition(Vector2(_block.getPosition().x, _y));
    _block.makeLines();
}

} // namespace

cAwardPanel::cAwardPanel(const cAward* _award, cButtonPrototype::fButtonEvent _on_ok)
    : cPicture(nullptr), m_award(_award), m_ok(new cPanelButton(this)), m_text(new cMultilineText(this)),
      m_congratulation(new cMultilineText(this))
{
    GUARD_BEGIN
    m_ok->setOnClick(_on_ok);
    loadViewFile(this, AWARD_PANEL_XML);
    GUARD_END("cAwardPanel::cAwardPanel(const cAward* _award, cButton::fButtonEvent _on_ok)")
}

cAwardPanel::~cAwardPanel()
{
    if (m_sound)
        m_sound->release();
}

void cAwardPanel::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    readXmlAttribute(_xml_doc, u"AwardPicPosition", m_awardPicPosition, toVector2);
    readXmlAttribute(_xml_doc, u"TextGap", m_textGap, toFloat);
    loadChildPart(_xml_doc, "OkButton", m_ok);
    loadChildPart(_xml_doc, "Text", m_text);
    loadChildPart(_xml_doc, "CongratulationText", m_congratulation);
    const String sound = toString((*_xml_doc)[u"Sound"]);
    if (!sound.empty())
        holdByPath(m_sound, sound, &cResourceManager::getSound);
    cPicture::loadXML(_xml_doc);
    if (m_award) {
        m_text->setText(m_award->getPanelText(), true);
        m_congratulation->setText(m_award->getCongratulation(), true);
    }
    stackTexts();
    GUARD_END("void cAwardPanel::loadXML(iXML* xml_doc)")
}

void cAwardPanel::stackTexts()
{
    const Float top = m_congratulation->getPosition().y - m_congratulation->getSize().y / 2;
    const Float bottom = m_text->getPosition().y + m_text->getSize().y / 2;
    balanceLines(*m_congratulation);
    balanceLines(*m_text);
    const Float title = m_congratulation->getTextSize().y, words = m_text->getTextSize().y;
    const Float gap = title > 0 && words > 0 ? m_textGap : 0;
    const Float start = (top + bottom - title - gap - words) / 2;
    centreAt(*m_congratulation, start + title / 2);
    centreAt(*m_text, start + title + gap + words / 2);
}

void cAwardPanel::showed()
{
    GUARD_BEGIN
    cPicture::showed();
    cSoundManager* sound = cSoundManager::getInstance();
    if (m_sound && sound)
        sound->play(m_sound);
    GUARD_END("void cAwardPanel::showed()")
}
