#pragma once
#include "engine/Singleton.h"
#include "Game/Contracts/ContractAimBase.h"
#include "Game/Timeline/GameEvent.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/TextButton.h"

class cContractStatus;

// The news that a contract's time ran out without a hand-over, with its failure note.
class cContractFail : public cContractAimBase, public cViewSingleton<cContractFail> {
public:
    using cDialogButton = cTextButtonT<cAnimButton>;

    // Built hidden from "Gameplay/ContractFail.xml".
    explicit cContractFail(cView* _parent = nullptr);

    void loadXML(iXML* _xml_doc) override;
    // _terms: what the contract asked for; the place may run another contract by now.
    void startShow(cContractStatus* _status, const sContractEvent& _terms);
    static void onOk(cView* _view);

    cContractStatus* getStatus() const { return m_status; }
    cMultilineText* getText() const { return m_text; }

private:
    cDialogButton* m_ok = nullptr;
    cText* m_caption = nullptr;
    cMultilineText* m_text = nullptr;
    cContractStatus* m_status = nullptr;
};
