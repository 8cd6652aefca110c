#pragma once
#include "Game/Contracts/ContractAimBase.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

class cContractLetterSlot;

// The offer of a contract, opened from its letter on the farm: accepting pays the penalty at
// once and starts the contract on the menu bar; waiting leaves the letter in its slot.
class cContractProvide : public cContractAimBase, public cViewSingleton<cContractProvide> {
public:
    using cDialogButton = cTextButtonT<cAnimButton>;

    // Built hidden from "Gameplay/ContractProvide.xml".
    explicit cContractProvide(cView* _parent = nullptr);

    void loadXML(iXML* _xml_doc) override;
    void process() override;

    // Accepting is refused while three contracts run or the money is below the penalty.
    void startShow(cContractLetterSlot* _slot);
    static void onYes(cView* _view);
    static void onWait(cView* _view);
    // The letter's time ran out under the open offer: the offer goes with it.
    void letterGone(const cContractLetterSlot* _slot);

    cContractLetterSlot* getSlot() const { return m_slot; }
    cDialogButton* getYesButton() const { return m_yes; }
    cDialogButton* getWaitButton() const { return m_wait; }
    cText* getTimeValue() const { return m_timeValue; }

private:
    cDialogButton* m_yes = nullptr;
    cDialogButton* m_wait = nullptr;
    cText* m_timeText = nullptr;
    cText* m_timeValue = nullptr;
    cContractLetterSlot* m_slot = nullptr;
};
