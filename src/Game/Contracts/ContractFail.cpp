#include "Game/Contracts/ContractFail.h"

#include "Ui/controls/ChildParts.h"
#include "Ui/texts/MultilineText.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"
#include "Game/Contracts/ContractWords.h"

cContractFail::cContractFail(cView* _parent) : cContractAimBase(_parent)
{
    GUARD_BEGIN
    m_ok = new cDialogButton(this);
    m_caption = new cText(this);
    m_text = new cMultilineText(this);
    loadViewFile(this, "Gameplay/ContractFail.xml");
    m_ok->setOnClick(&cContractFail::onOk);
    hide();
    GUARD_END("cContractFail::cContractFail(cView* _parent)")
}

void cContractFail::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cContractAimBase::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "OkButton", m_ok);
    loadChildPart(_xml_doc, "CaptionText", m_caption);
    loadChildPart(_xml_doc, "Text", m_text);
    GUARD_END("void cContractFail::loadXML(iXML* xml_doc)")
}

void cContractFail::startShow(cContractStatus* _status, const sContractEvent& _terms)
{
    GUARD_BEGIN
    if (isOpen())
        return;
    m_status = _status;
    m_text->setText(contractWords(_terms, _terms.LosNote), true);
    setMoney(_terms, false, false);
    setupLines(_terms, true);
    open();
    GUARD_END("void cContractFail::startShow(cContractStatus* _status)")
}

void cContractFail::onOk(cView* /*_view*/)
{
    GUARD_BEGIN
    cContractFail* self = getInstance();
    if (!self || !self->isOpen())
        return;
    self->m_status = nullptr;
    self->close();
    GUARD_END("void cContractFail::onOk(cView* _view)")
}
