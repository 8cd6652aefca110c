#pragma once
#include "Ui/controls/Picture.h"
#include "Ui/buttons/TextButton.h"
#include "Ui/views/ViewWatch.h"

class cMultilineText;
class cText;

// The confirmation dialog of "UI/YesNo.xml": a question, a yes and a no button; Enter or
// Space answer yes and Escape no. The owner sets a handler per answer (both close the
// dialog unless replaced), the question, then shows and enables it. While enabled, the
// dialog holds one other view, the guarded view, disabled.
//
// A dialog answers once: several answers reaching it in one frame (a key and a click, or two
// keys) run only the first handler. The guarded view is watched, so a view deleted before
// the dialog is simply no longer guarded.
class cYesNo : public cPicture {
public:
    using fHandler = void (*)(cView* _dialog);
    using cAnswerButton = cTextButtonT<cAnimButton>;

    // A top-level view, whatever _guarded is; made hidden and disabled.
    explicit cYesNo(cView* _guarded);
    cYesNo(const cYesNo&) = delete;
    ~cYesNo() override;

    void process() override;
    // The dialog's own look and switches from "Background", then "YesButton", "NoButton",
    // "Text" and the "Title" on the panel's band.
    void loadXML(iXML* _xml_doc) override;
    void enabled() override;
    void disabled() override;

    void setYesHandler(fHandler _handler) { m_yesHandler = _handler; }
    void setNoHandler(fHandler _handler) { m_noHandler = _handler; }

    // Click and key handlers; _self is one of the dialog's buttons.
    static void onYes(cView* _self);
    static void onNo(cView* _self);
    // The default of both answers: the dialog goes after the frame.
    static void closeDialog(cView* _dialog);

    cAnswerButton* getYesButton() const { return m_yesButton; }
    cAnswerButton* getNoButton() const { return m_noButton; }
    cMultilineText* getText() const { return m_text; }
    cText* getTitle() const { return m_title; }
    cView* getGuardedView() const { return m_guarded.get(); }

private:
    static void answer(cView* _self, fHandler cYesNo::*_handler);
    void bindKeys();
    void unbindKeys();
    // Gives the guarded view back, when the dialog holds it.
    void releaseGuarded();

    // Children of the dialog.
    cAnswerButton* m_yesButton = nullptr;
    cAnswerButton* m_noButton = nullptr;
    cMultilineText* m_text = nullptr;
    cText* m_title = nullptr;
    fHandler m_yesHandler = &cYesNo::closeDialog;
    fHandler m_noHandler = &cYesNo::closeDialog;
    cViewWatch m_guarded;
    // The dialog disabled the guarded view and owes it the enabling.
    Bool m_holding = false;
    // Set by the first answer, until the frame's answers are over.
    Bool m_answered = false;
};
