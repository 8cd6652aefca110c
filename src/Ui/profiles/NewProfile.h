#pragma once
#include "Ui/screens/Back.h"
#include "Ui/buttons/TextButton.h"
#include "engine/Singleton.h"

class cPicture;
class cTextBox;

// The screen of "UI/NewUser.xml" that makes the first profile: a name box and OK, nothing
// else, so the player cannot go on without a profile. Opened and left like the selection
// screen: the opener sets the continuation, fades it in and enables it; OK makes the profile,
// gives up the singleton slot, fades the screen out into deletion and runs the continuation.
class cNewProfile : public cViewSingleton<cNewProfile>, public cBack {
public:
    using fContinuation = void (*)();
    using cLabelButton = cTextButtonT<cAnimButton>;

    // Fails with "Object already exist." while another new-profile screen holds the slot.
    cNewProfile();
    cNewProfile(const cNewProfile&) = delete;
    ~cNewProfile() override;

    // After OK, with the new profile in use.
    void setAcceptContinuation(fContinuation _continuation) { m_onAccept = _continuation; }

    // The screen's backdrops, then its parts by element, then one text per child of "Texts".
    void loadXML(iXML* _xml_doc) override;
    // OK is enabled exactly while a name is typed.
    void process() override;
    // Enter works while the screen is enabled.
    void enabled() override;
    void disabled() override;

    // Handlers; each finds its screen from the view it is given, as the selection screen's do.
    static void onOk(cView* _view);
    static void onNameChange(cView* _box);

    cLabelButton* getOkButton() const { return m_okButton; }
    cTextBox* getNameBox() const { return m_nameBox; }
    // Null without a "PodlogkaPodImia" element.
    cPicture* getNameUnderlay() const { return m_nameUnderlay; }
    Bool isLeaving() const { return m_leaving; }

private:
    void bindKeys();
    void unbindKeys();

    // Children of the screen.
    cLabelButton* m_okButton = nullptr;
    cTextBox* m_nameBox = nullptr;
    cPicture* m_nameUnderlay = nullptr;
    fContinuation m_onAccept = nullptr;
    Bool m_leaving = false;
};
