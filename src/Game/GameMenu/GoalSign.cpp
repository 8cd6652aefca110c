#include "Game/GameMenu/GoalSign.h"

#include "engine/ErrorStack.h"
#include "engine/TextConvert.h"
#include "engine/XML.h"
#include "Ui/ChildParts.h"
#include "Ui/Picture.h"
#include "Ui/Text.h"
#include "Ui/XmlAttribute.h"

#include <string>

namespace {

// _words with each "{name}" of _terms replaced by its value.
WString fill(WString _words, std::initializer_list<std::pair<const char16_t*, LongLong>> _terms)
{
    for (const auto& [name, value] : _terms) {
        const WString key = name;
        const WString number = toWString(std::to_string(value));
        for (size_t at = _words.find(key); at != WString::npos; at = _words.find(key, at + number.size()))
            _words.replace(at, key.size(), number);
    }
    return _words;
}

} // namespace

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
    showWords(fill(m_moneyWords, {{u"{have}", _have}, {u"{goal}", _goal}}));
}

void cGoalSign::showBarn(Int _level)
{
    // The bar counts levels from 1, the game from 0.
    showWords(fill(m_barnWords, {{u"{level}", LongLong(_level) + 1}}));
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
