#include "Game/Contracts/ContractAim.h"

#include "engine/logs/ErrorStack.h"
#include "Game/Contracts/ContractDialogs.h"
#include "Game/Contracts/ContractStatus.h"
#include "Game/Timeline/GameEvent.h"
#include "Ui/controls/ChildParts.h"
#include "Ui/texts/Text.h"
#include "Ui/views/ViewFile.h"

cContractAim::cContractAim(cView* _parent) : cContractAimBase(_parent)
{
    GUARD_BEGIN
    m_ok = new cDialogButton(this);
    m_caption = new cText(this);
    for (sLine& line : m_missing)
        line.make(this);
    loadViewFile(this, "Gameplay/ContractAim.xml");
    m_ok->setOnClick(&cContractAim::onOk);
    hide();
    GUARD_END("cContractAim::cContractAim(cView* _parent)")
}

void cContractAim::loadXML(iXML* _xml_doc)
{
    GUARD_BEGIN
    cContractAimBase::loadXML(_xml_doc);
    loadChildPart(_xml_doc, "OkButton", m_ok);
    loadChildPart(_xml_doc, "CaptionText", m_caption);
    loadLines(_xml_doc, "AimProtoAdd", m_missing);
    GUARD_END("void cContractAim::loadXML(iXML* xml_doc)")
}

void cContractAim::startShow(cContractStatus* _status)
{
    GUARD_BEGIN
    if (!_status || !_status->isActive() || isOpen() || cContractDialogs::isAnyOpen())
        return;
    m_status = _status;
    const sContractEvent& terms = _status->getTerms();
    setMoney(terms, true, false);
    for (UInt i = 0; i < 2; ++i) {
        const sContractReq& req = terms.Requirements[i];
        const UInt have = warehouseCount(req);
        sContractReq missing = req;
        missing.Count = have > req.Count ? 0 : req.Count - have;
        m_missing[i].setup(missing, cState(), cState(), 0, false);
        m_lines[i].setup(req, cState(), cState(), have, true);
    }
    open();
    GUARD_END("void cContractAim::startShow(cContractStatus* _status)")
}

void cContractAim::onOk(cView* /*_view*/)
{
    GUARD_BEGIN
    cContractAim* self = getInstance();
    if (!self || !self->isOpen())
        return;
    self->m_status = nullptr;
    self->close();
    GUARD_END("void cContractAim::onOk(cView* _view)")
}
