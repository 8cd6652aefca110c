#pragma once
#include "Game/AwardKey.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "Ui/views/ViewWatch.h"
#include "engine/Singleton.h"

class cAward;
class cAwardButton;
class cAwardPanel;
class cText;

// The trophy wall: a button per award, lit for the awards obtained, each with its description.
// The same screen receives an award being presented in a game: the congratulation panel comes
// up on it, and its OK records the award and sends the award's picture to its button.
class cAwards : public cViewSingleton<cAwards>, public cBack {
public:
    using cReturnButton = cTextButtonT<cAnimButton>;
    // What runs when the player leaves the screen.
    using fLeave = void (*)();

    // Built from "UI/Awards.xml"; its creator shows it.
    explicit cAwards(cView* _parent);
    // Takes a congratulation panel still up along.
    ~cAwards() override;

    // The screen's keys, "ReturnButton", "CaptionText", and under "Awards" one child per
    // award in order: its "DescText" and its "Button". Awards past the children stay empty.
    void loadXML(iXML* _xml_doc) override;
    void showed() override;

    // Every button lit or not as the player's "awardShow" variables say.
    void updateAwardButtons();
    void showAward(UInt _index);
    // The congratulation for _award fades in; its OK sends _award on.
    void showNewAwardPanel(cAward* _award);

    void setLeaveCallback(fLeave _leave) { m_leave = _leave; }

    static void onAwardPanelOk(cView* _button);
    static void onReturn(cView* _inst);

    cAwardButton* getButton(UInt _index) const { return _index < AWARD_COUNT ? m_buttons[_index] : nullptr; }
    const WString& getDescription(UInt _index) const;
    cReturnButton* getReturnButton() const { return m_return; }
    cText* getCaption() const { return m_caption; }
    cAward* getPresentedAward() const { return m_award; }
    cAwardPanel* getPanel() const;

private:
    // Children of the screen.
    cReturnButton* m_return;
    cText* m_caption;
    cAwardButton* m_buttons[AWARD_COUNT] = {};
    WString m_descriptions[AWARD_COUNT];
    // Not owned: the award manager keeps the picture.
    cAward* m_award = nullptr;
    // A view of its own, without a parent.
    cViewWatch m_panel;
    fLeave m_leave = nullptr;
    Bool m_leaving = false;
};
