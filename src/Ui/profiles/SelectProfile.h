#pragma once
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

class cListBox;
class cPicture;
class cText;
class cTextBox;

// The screen of "UI/SelectUser.xml" on which the player picks, creates or deletes a profile:
// the list of every profile, a name box, and OK, Exit and Delete. OK makes the typed name the
// profile in use (a new name makes a new profile), Exit leaves it as it was, Delete asks and
// then removes the named profile with its files.
//
// The opener makes the screen (hidden and disabled), sets the continuations, then fades it in
// and enables it. The screen leaves by fading out into deletion and calling the continuation
// of the way it was left. It gives up its singleton slot as soon as it starts to leave, so a
// continuation (or anything after it) may open the screen again while the old one fades.
// While no profile exists the player cannot leave but through OK.
class cSelectProfile : public cViewSingleton<cSelectProfile>, public cBack {
public:
    // What runs after the screen started to leave; no arguments, no result.
    using fContinuation = void (*)();
    using cLabelButton = cTextButtonT<cAnimButton>;

    // Fails with "Object already exist." while another selection screen holds the slot.
    explicit cSelectProfile(Bool _hideExit);
    cSelectProfile(const cSelectProfile&) = delete;
    ~cSelectProfile() override;

    // After OK, with the chosen profile in use.
    void setAcceptContinuation(fContinuation _continuation) { m_onAccept = _continuation; }
    // After Exit or Escape; the profile in use is unchanged.
    void setExitContinuation(fContinuation _continuation) { m_onExit = _continuation; }

    // The screen's backdrops, then its parts by element; the Delete button starts hidden.
    void loadXML(iXML* _xml_doc) override;
    // OK is enabled exactly while a name is typed.
    void process() override;
    // Enter and Escape work while the screen is enabled.
    void enabled() override;
    void disabled() override;
    // One row per profile, by name.
    void updateList();

    // Handlers. Each finds its screen from the view it is given (the screen, or one of its
    // parts); only a view outside any screen falls back to the instance.
    static void onOk(cView* _view);
    static void onExit(cView* _view);
    static void onDelete(cView* _view);
    static void onDeleteConfirm(cView* _dialog);
    static void onDeleteCancel(cView* _dialog);
    static void onNameSelect(UInt _item, cListBox* _list);
    static void onNameChange(cView* _box);

    // The question of onDelete and the OK labels, as the string table knows them.
    static const WString DELETE_QUESTION;
    static const WString LABEL_EXISTING;
    static const WString LABEL_NEW;

    cLabelButton* getOkButton() const { return m_okButton; }
    cLabelButton* getExitButton() const { return m_exitButton; }
    cLabelButton* getDeleteButton() const { return m_deleteButton; }
    cTextBox* getNameBox() const { return m_nameBox; }
    cListBox* getUserList() const { return m_userList; }
    // True from OK or Exit on: nothing more is done by this screen.
    Bool isLeaving() const { return m_leaving; }

private:
    // Shared by OK and Exit: gives up the slot, fades out, then runs _continuation.
    void leave(fContinuation _continuation);
    void bindKeys();
    void unbindKeys();
    void closeDialog(cView* _dialog);

    // Children of the screen, in the order they are made.
    cLabelButton* m_okButton = nullptr;
    cLabelButton* m_exitButton = nullptr;
    cLabelButton* m_deleteButton = nullptr;
    cTextBox* m_nameBox = nullptr;
    cPicture* m_background = nullptr;
    cPicture* m_logo = nullptr;
    cPicture* m_nameUnderlay = nullptr;
    cText* m_caption = nullptr;
    cListBox* m_userList = nullptr;
    Bool m_hideExit = false;
    fContinuation m_onAccept = nullptr;
    fContinuation m_onExit = nullptr;
    Bool m_leaving = false;
};
