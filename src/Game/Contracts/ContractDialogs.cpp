#include "Game/Contracts/ContractDialogs.h"

#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Contracts/ContractStatus.h"
#include "engine/logs/ErrorStack.h"

namespace {

template <class T>
Bool isOpen()
{
    const T* dialog = T::getInstance();
    return dialog && dialog->isOpen();
}

} // namespace

Bool cContractDialogs::isAnyOpen()
{
    return isOpen<cContractProvide>() || isOpen<cContractAim>() || isOpen<cContractPassConfirm>() ||
           isOpen<cContractFail>();
}

void cContractDialogs::request(eDialog _dialog, cContractStatus* _panel)
{
    GUARD_BEGIN
    if (_dialog == PASS_CONFIRM && isWaiting(PASS_CONFIRM, _panel))
        return;
    sRequest request{_dialog, _panel, _panel->getTerms()};
    if (!isAnyOpen() && m_waiting.empty())
        open(request);
    else
        m_waiting.push_back(std::move(request));
    GUARD_END("void cContractDialogs::request(eDialog _dialog, cContractStatus* _panel)")
}

void cContractDialogs::closed()
{
    GUARD_BEGIN
    while (!m_waiting.empty() && !isAnyOpen()) {
        const sRequest request = std::move(m_waiting.front());
        m_waiting.pop_front();
        open(request);
    }
    GUARD_END("void cContractDialogs::closed()")
}

Bool cContractDialogs::isWaiting(eDialog _dialog, const cContractStatus* _panel) const
{
    for (const sRequest& request : m_waiting)
        if (request.dialog == _dialog && request.panel == _panel)
            return true;
    return false;
}

Bool cContractDialogs::open(const sRequest& _request)
{
    if (_request.dialog == FAIL) {
        cContractFail* fail = cContractFail::getInstance();
        if (fail)
            fail->startShow(_request.panel, _request.terms);
        return fail != nullptr;
    }
    // The goods may have gone meanwhile, or the contract ended.
    cContractPassConfirm* confirm = cContractPassConfirm::getInstance();
    if (!confirm || !_request.panel->isActive() || !_request.panel->allRequirementsMet())
        return false;
    confirm->startShow(_request.panel);
    return true;
}
