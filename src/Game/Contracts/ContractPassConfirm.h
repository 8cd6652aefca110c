#pragma once
#include "Game/Contracts/ContractAimBase.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

class cContractStatus;

// The question whether to hand a contract's goods over now; yes passes the contract at once.
class cContractPassConfirm : public cContractAimBase, public cViewSingleton<cContractPassConfirm> {
public:
    using cDialogButton = cTextButtonT<cAnimButton>;

    // Built hidden from "Gameplay/ContractPassConfirm.xml".
    explicit cContractPassConfirm(cView* _parent = nullptr);

    void loadXML(iXML* _xml_doc) override;
    void startShow(cContractStatus* _status);
    static void onOk(cView* _view);
    // The contract runs on, to fail at its deadline unless handed over before.
    static void onCancel(cView* _view);

    cContractStatus* getStatus() const { return m_status; }

private:
    static void answer(Bool _pass);

    cDialogButton* m_ok = nullptr;
    cDialogButton* m_cancel = nullptr;
    cText* m_caption = nullptr;
    cContractStatus* m_status = nullptr;
};
