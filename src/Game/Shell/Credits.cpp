#include "Game/Shell/Credits.h"

#include "Game/Shell/MainMenu.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/files/XML.h"

namespace {

const char* const CREDITS_XML = "UI/Credits.xml";

} // namespace

cCredits::cCredits() : cBack(nullptr)
{
    GUARD_BEGIN
    m_return = new cTextButtonT<cAnimButton>(this);
    m_return->setOnClick(&cCredits::onOk);
    loadViewFile(this, CREDITS_XML);
    GUARD_END("cCredits::cCredits()")
}

cCredits::~cCredits() = default;

void cCredits::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "ReturnButton", m_return);
    iXML* texts = nullptr;
    if (!_xml_doc->get("Texts", texts))
        return;
    iXML* element = nullptr;
    for (UInt index = 0; texts->get(index, element); ++index) {
        cText* line = new cText(this);
        m_lines.push_back(line);
        line->loadXML(element);
    }
    GUARD_END("void cCredits::loadXML(iXML* xml_doc)")
}

void cCredits::onOk(cView*)
{
    GUARD_BEGIN
    if (cCredits* credits = getInstance())
        credits->discardTransparently();
    cMainMenu::open(false);
    GUARD_END("void cCredits::onOk(cView* _self)")
}
