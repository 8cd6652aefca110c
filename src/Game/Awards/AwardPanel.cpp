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
    GUARD_END("void cAwardPanel::loadXML(iXML* xml_doc)")
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
