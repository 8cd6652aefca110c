#include "Ui/buttons/CheckButton.h"

#include "Ui/controls/Picture.h"
#include "Ui/views/XmlAttribute.h"
#include "engine/logs/ErrorStack.h"
#include "engine/text/ValueConvert.h"

cCheckButton::cCheckButton(cView* _parent) : cButton(_parent), m_tick(new cPicture(this)) {}

cCheckButton::~cCheckButton() = default;

void cCheckButton::updateTick()
{
    // The tick's own flag, not its visibility: a hidden button keeps the tick it will show.
    if (m_tick->isOwnVisible() == m_checked)
        return;
    if (m_checked)
        m_tick->show();
    else
        m_tick->hide();
}

void cCheckButton::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cButton::loadXML(_xml_doc);
    iXML* tick = nullptr;
    if (_xml_doc->get("Tick", tick))
        m_tick->loadXML(tick);
    readXmlAttribute(_xml_doc, u"Checked", m_checked, &toBool);
    updateTick();
    GUARD_END("void cCheckButton::loadXML(iXML* xml_doc)")
}

void cCheckButton::process()
{
    GUARD_BEGIN
    cButton::process();
    updateTick();
    GUARD_END("void cCheckButton::process()")
}

void cCheckButton::unclicked()
{
    GUARD_BEGIN
    cButton::unclicked();
    if (!isPlayersRelease())
        return;
    m_checked = !m_checked;
    if (m_onCheck)
        m_onCheck(this, m_checked);
    GUARD_END("void cCheckButton::unclicked()")
}
