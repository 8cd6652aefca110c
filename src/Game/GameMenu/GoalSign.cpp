#include "Game/GameMenu/GoalSign.h"

#include "engine/logs/ErrorStack.h"
#include "engine/text/TermFill.h"
#include "engine/text/TextConvert.h"
#include "engine/files/XML.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/texts/Text.h"
#include "Ui/views/XmlAttribute.h"

#include <string>

cGoalSign::cGoalSign(cView* _parent) : cView(_parent)
{
    m_tag = new cPicture(this);
    m_text = new cText(m_tag);
}

void cGoalSign::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cView::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "Tag", m_tag);
    loadChildPart(_xml_doc, "Text", m_text);
    if (const WString* words = findXmlAttribute(_xml_doc, u"MoneyWords"))
        m_moneyWords = *words;
    if (const WString* words = findXmlAttribute(_xml_doc, u"BarnWords"))
        m_barnWords = *words;
    GUARD_END("void cGoalSign::loadXML(iXML* xml_doc)")
}

void cGoalSign::showMoney(LongLong _have, Int _goal)
{
    showWords(fillTerms(m_moneyWords,
        {{u"{have}", toWString(std::to_string(_have))}, {u"{goal}", toWString(std::to_string(_goal))}}));
}

void cGoalSign::showBarn(Int _level)
{
    // The bar counts levels from 1, the game from 0.
    showWords(fillTerms(m_barnWords, {{u"{level}", toWString(std::to_string(LongLong(_level) + 1))}}));
}

void cGoalSign::showWords(const WString& _words)
{
    m_text->setString(_words);
    if (!isOwnVisible())
        show();
}

void cGoalSign::clear()
{
    if (isOwnVisible())
        hide();
}
