#include "Game/Shell/HightScores.h"

#include "Game/Shell/MainMenu.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/controls/Picture.h"
#include "Ui/views/Scavenger.h"
#include "Ui/texts/Text.h"
#include "Ui/views/XmlAttribute.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XML.h"

namespace {

const char* const HIGHT_SCORES_XML = "UI/HightScores.xml";
const char16_t* const ADVENTURE_LABEL = u"Рекорды прохождения игры";
const char16_t* const SURVIVAL_LABEL = u"Рекорды игры на выживание";

} // namespace

cHightScores::cHightScores() : cBack(nullptr)
{
    GUARD_BEGIN
    m_tablePicture = new cPicture(this);
    m_logo = new cPicture(this);
    m_label = new cText(this);
    m_medal0 = new cPicture(this);
    m_medal1 = new cPicture(this);
    m_toAdventure = new cScreenButton(this);
    m_toSurvival = new cScreenButton(this);
    m_return = new cScreenButton(this);
    loadViewFile(this, HIGHT_SCORES_XML);
    m_toAdventure->setOnClick(&cHightScores::onChangeMode);
    m_toSurvival->setOnClick(&cHightScores::onChangeMode);
    m_return->setOnClick(&cHightScores::onReturn);
    GUARD_END("cHightScores::cHightScores()")
}

cHightScores::~cHightScores() = default;

void cHightScores::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cBack::loadXML(_xml_doc);
    readXmlAttribute(_xml_doc, u"LinesNum", m_linesNum, &toUInt);
    readXmlAttribute(_xml_doc, u"TopLeft", m_topLeft, &toVector2);
    readXmlAttribute(_xml_doc, u"BottomRight", m_bottomRight, &toVector2);
    readXmlAttribute(_xml_doc, u"Interlinear", m_interlinear, &toFloat);
    loadChildPart(_xml_doc, "TablePicture", m_tablePicture);
    loadChildPart(_xml_doc, "Logo", m_logo);
    loadChildPart(_xml_doc, "LabelText", m_label);
    loadChildPart(_xml_doc, "Medal0", m_medal0);
    loadChildPart(_xml_doc, "Medal1", m_medal1);
    loadChildPart(_xml_doc, "ToAdventureButton", m_toAdventure);
    loadChildPart(_xml_doc, "ToSurvivalButton", m_toSurvival);
    loadChildPart(_xml_doc, "ReturnButton", m_return);
    m_table.setLinesNum(m_linesNum);
    updateScores();
    GUARD_END("void cHightScores::loadXML(iXML* xml_doc)")
}

void cHightScores::clearRows()
{
    for (cText* row : m_rows)
        discard(row, "void cHightScores::updateScores()");
    m_rows.clear();
}

void cHightScores::updateScores()
{
    GUARD_BEGIN
    m_label->setString(m_mode ? SURVIVAL_LABEL : ADVENTURE_LABEL);
    clearRows();
    const cScoreTable::SCORE_MAP& scores = m_table.getScores(m_mode);
    Float y = m_topLeft.y;
    for (auto record = scores.rbegin(); record != scores.rend(); ++record) {
        if (m_rows.size() >= m_linesNum || y > m_bottomRight.y)
            break;
        // Rows are written like the label, from the left edge of the table area.
        cText* row = new cText(*m_label);
        m_rows.push_back(row);
        row->setLocalized(false);
        row->setAlign(1);
        row->setString(record->second + u"  " + toWString(intToString(Int(record->first))));
        row->setPosition(Vector2(m_topLeft.x, y));
        y += m_interlinear;
    }
    GUARD_END("void cHightScores::updateScores()")
}

void cHightScores::onChangeMode(cView*)
{
    GUARD_BEGIN
    cHightScores* screen = getInstance();
    if (!screen)
        return;
    if (screen->m_mode) {
        screen->m_mode = false;
        screen->m_medal0->hide();
        screen->m_medal1->show();
    } else {
        screen->m_mode = true;
        screen->m_medal0->show();
        screen->m_medal1->hide();
    }
    screen->updateScores();
    GUARD_END("void cHightScores::onChangeMode(cView* _self)")
}

void cHightScores::onReturn(cView*)
{
    GUARD_BEGIN
    cHightScores* screen = getInstance();
    if (!screen)
        return;
    discard(screen, "void cHightScores::onReturn(cView* _self)");
    cMainMenu* menu = cMainMenu::getInstance();
    if (!menu)
        menu = new cMainMenu();
    menu->show();
    menu->enable();
    GUARD_END("void cHightScores::onReturn(cView* _self)")
}
