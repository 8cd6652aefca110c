#include "Game/Contracts/ContractPassConfirm.h"

#include "Game/Contracts/ContractStatus.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"
#include "engine/logs/ErrorStack.h"

cContractPassConfirm::cContractPassConfirm(cView* _parent) : cContractAimBase(_parent)
{
    GUARD_BEGIN
    m_ok = new cDialogButton(this);
    m_cancel = new cDialogButton(this);
    m_caption = new cText(this);
    loadViewFile(this, "Gameplay/ContractPassConfirm.xml");
    m_ok->setOnClick(&cContractPassConfirm::onOk);
    m_cancel->setOnClick(&cContractPassConfirm::onCancel);
    hide();
    GUARD_END("cContractPassConfirm::cContractPassConfirm(cView* _parent)")
}

void cContractPassConfirm::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cContractAimBase::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "OkButton", m_ok);
    loadChildPart(_xml_doc, "CancelButton", m_cancel);
    loadChildPart(_xml_doc, "CaptionText", m_caption);
    GUARD_END("void cContractPassConfirm::loadXML(iXML* xml_doc)")
}

void cContractPassConfirm::startShow(cContractStatus* _status)
{
    GUARD_BEGIN
    if (!_status || !_status->isActive() || isOpen())
        return;
    m_status = _status;
    setMoney(_status->getTerms(), true, false);
    setupLines(_status->getTerms(), true);
    open();
    GUARD_END("void cContractPassConfirm::startShow(cContractStatus* _status)")
}

void cContractPassConfirm::answer(Bool _pass)
{
    cContractPassConfirm* self = getInstance();
    if (!self || !self->isOpen())
        return;
    cContractStatus* status = self->m_status;
    self->m_status = nullptr;
    // The goods go before the dialog closes: an offer waiting behind it is then opened only
    // if the warehouse still holds its goods. A panel that ended meanwhile does nothing.
    if (_pass && status)
        status->pass();
    self->close();
}

void cContractPassConfirm::onOk(cView* /*_view*/)
{
    GUARD_BEGIN
    answer(true);
    GUARD_END("void cContractPassConfirm::onOk(cView* _view)")
}

void cContractPassConfirm::onCancel(cView* /*_view*/)
{
    GUARD_BEGIN
    answer(false);
    GUARD_END("void cContractPassConfirm::onCancel(cView* _view)")
}
