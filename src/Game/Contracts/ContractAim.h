#pragma once
#include "Game/Contracts/ContractAimBase.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

class cContractStatus;

// The goal of a running contract: what the warehouse has of each product and what is still
// missing.
class cContractAim : public cContractAimBase, public cViewSingleton<cContractAim> {
public:
    using cDialogButton = cTextButtonT<cAnimButton>;

    // Built hidden from "Gameplay/ContractAim.xml".
    explicit cContractAim(cView* _parent = nullptr);

    void loadXML(iXML* _xml_doc) override;
    void startShow(cContractStatus* _status);
    static void onOk(cView* _view);

    sLine& getMissingLine(UInt _i) { return m_missing[_i]; }
    cContractStatus* getStatus() const { return m_status; }

private:
    cDialogButton* m_ok = nullptr;
    cText* m_caption = nullptr;
    sLine m_missing[2];
    cContractStatus* m_status = nullptr;
};
