#include "Game/Awards/Awards.h"

#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "Game/Awards/Award.h"
#include "Game/Awards/AwardButton.h"
#include "Game/Awards/AwardPanel.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/views/Scavenger.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/XML.h"

#include <algorithm>

namespace {

const char* const AWARDS_XML = "UI/Awards.xml";

} // namespace

cAwards::cAwards(cView* _parent)
    : cBack(_parent), m_return(new cReturnButton(this)), m_caption(new cText(this))
{
    GUARD_BEGIN
    for (UInt i = 0; i < AWARD_COUNT; ++i)
        m_buttons[i] = new cAwardButton(this, i);
    m_return->setOnClick(&cAwards::onReturn);
    loadViewFile(this, AWARDS_XML);
    updateAwardButtons();
    GUARD_END("cAwards::cAwards(cView* _parent)")
}

cAwards::~cAwards()
{
    delete m_panel.get();
}

void cAwards::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "ReturnButton", m_return);
    loadChildPart(_xml_doc, "CaptionText", m_caption);
    iXML* awards = nullptr;
    if (!_xml_doc->get("Awards", awards))
        return;
    const UInt count = std::min(awards->getChildCount(), AWARD_COUNT);
    for (UInt i = 0; i < count; ++i) {
        iXML* award = nullptr;
        if (!awards->get(i, award))
            continue;
        if (const WString* text = findXmlAttribute(award, u"DescText"))
            m_descriptions[i] = *text;
        m_buttons[i]->setDescription(m_descriptions[i]);
        loadChildPart(award, "Button", m_buttons[i]);
    }
    GUARD_END("void cAwards::loadXML(iXML* xml_doc)")
}

void cAwards::showed()
{
    GUARD_BEGIN
    cBack::showed();
    updateAwardButtons();
    GUARD_END("void cAwards::showed()")
}

void cAwards::updateAwardButtons()
{
    GUARD_BEGIN
    for (UInt i = 0; i < AWARD_COUNT; ++i)
        m_buttons[i]->setObtained(key::awardShow[i]);
    GUARD_END("void cAwards::updateAwardButtons()")
}

void cAwards::showAward(UInt _index)
{
    GUARD_BEGIN
    if (cAwardButton* button = getButton(_index))
        button->setObtained(true);
    GUARD_END("void cAwards::showAward(cAwardManager::eAwardType _award_type)")
}

const WString& cAwards::getDescription(UInt _index) const
{
    static const WString s_none;
    return _index < AWARD_COUNT ? m_descriptions[_index] : s_none;
}

cAwardPanel* cAwards::getPanel() const
{
    return static_cast<cAwardPanel*>(m_panel.get());
}

void cAwards::showNewAwardPanel(cAward* _award)
{
    GUARD_BEGIN
    // A panel left from an earlier award is not kept behind the new one.
    if (m_panel)
        discard(m_panel.get(), "void cAwards::showNewAwardPanel(cAward* _award)");
    cAwardPanel* panel = new cAwardPanel(_award, &cAwards::onAwardPanelOk);
    m_panel.set(panel);
    panel->hide();
    panel->showTransparently();
    panel->enable();
    m_award = _award;
    GUARD_END("void cAwards::showNewAwardPanel(cAward* _award)")
}

void cAwards::onAwardPanelOk(cView* _button)
{
    GUARD_BEGIN
    if (_button && _button->getParent())
        discard(_button->getParent(), "void cAwards::onAwardPanelOk(cView* _button)");
    cAwards* screen = getInstance();
    if (!screen || !screen->m_award)
        return;
    key::Award[screen->m_award->getIndex()] = true;
    cGame::requestSave();
    screen->m_award->setState(cAward::FLYING);
    screen->m_award = nullptr;
    screen->disable();
    GUARD_END("void cAwards::onAwardPanelOk(cView* _button)")
}

void cAwards::onReturn(cView*)
{
    GUARD_BEGIN
    cAwards* screen = getInstance();
    // The fade out takes a while; a second click on the way is not a second leave.
    if (!screen || screen->m_leaving)
        return;
    screen->m_leaving = true;
    // The menu that comes back may open a new wall while this one still fades.
    screen->releaseInstance();
    screen->discardTransparently();
    if (screen->m_leave)
        screen->m_leave();
    GUARD_END("void cAwards::onReturn(cView* _inst)")
}
