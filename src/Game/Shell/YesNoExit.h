#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"

class cMultilineText;
class cPicture;

// Whether to leave the program: a question, yes and no, and a mascot that looks at the
// button under the pointer. The yes button drifts away from an approaching pointer, but
// stands still once the pointer is on it, so it can always be clicked.
class cYesNoExit : public cBack {
public:
    using fHandler = void (*)(cView* _dialog);
    using cAnswerButton = cTextButtonT<cAnimButton>;

    // Built from "UI/YesNoExit.xml", resting mascot shown; both answers hide the dialog
    // until the creator says otherwise. The main menu asks with no parent: a screen of its own.
    explicit cYesNoExit(cView* _parent);
    ~cYesNoExit() override;

    // The screen's keys, "Bee0" to "Bee2", "YesButton", "NoButton" and "Text".
    void loadXML(iXML* _xml_doc) override;
    // Moves the yes button away from the pointer.
    void process() override;

    void setYesHandler(fHandler _handler) { m_yesHandler = _handler; }
    void setNoHandler(fHandler _handler) { m_noHandler = _handler; }

    static void onYes(cView* _self);
    static void onNo(cView* _self);

    cAnswerButton* getYesButton() const { return m_yes; }
    cAnswerButton* getNoButton() const { return m_no; }
    cPicture* getBee(UInt _index) const { return _index < BEE_COUNT ? m_bees[_index] : nullptr; }
    const Vector2& getHome() const { return m_home; }

private:
    static constexpr UInt BEE_COUNT = 3;

    static void hideDialog(cView* _dialog);
    static void onYesHover(cView* _button);
    static void onNoHover(cView* _button);
    static void onUnhover(cView* _button);
    // Only the mascot picture _index shows.
    void showBee(UInt _index);

    // Children of the dialog: resting, pointer on no, pointer on yes.
    cPicture* m_bees[BEE_COUNT] = {};
    cAnswerButton* m_yes = nullptr;
    cAnswerButton* m_no = nullptr;
    cMultilineText* m_text = nullptr;
    fHandler m_yesHandler = &cYesNoExit::hideDialog;
    fHandler m_noHandler = &cYesNoExit::hideDialog;
    Vector2 m_home{0, 0};
};
