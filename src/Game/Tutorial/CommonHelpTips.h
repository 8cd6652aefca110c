#pragma once
#include "Game/Tutorial/OkPulse.h"
#include "Ui/buttons/AnimButton.h"
#include "Ui/buttons/TextButton.h"
#include "Ui/views/View.h"

class cMultilineText;
class cPicture;
class iResource;
class cTutorialManager;

// A tutorial tip on a note: a text and an Ok button on a picture, placed at the tip's offset
// from where the file puts the picture. Ok fades it out and tells the tutorial manager.
// The text and the button keep their places on the picture wherever it is moved.
// While the note holds the game, a press anywhere but on its Ok is answered: the Ok swells once
// and the note's refusal sound plays, so the player sees why the farm does not move.
class cCommonHelpTips : public cView {
public:
    using cOkButton = cTextButtonT<cAnimButton>;

    // A top-level view, hidden until a tip starts; its file is read by loadXML.
    cCommonHelpTips();
    cCommonHelpTips(const cCommonHelpTips&) = delete;
    ~cCommonHelpTips() override;

    // The view's switches, then "Image", "Text" and "OkButton"; the picture's place and deep
    // as loaded are where tips are placed from; "RefuseSound", the answer to a press that
    // misses the Ok.
    void loadXML(iXML* _xml_doc) override;
    void startup(const Vector2& _offset, const WString& _str);
    virtual void updatePosition();
    // The Ok's pulse.
    void process() override;

    // Fades out and tells the tutorial manager, once per tip shown.
    void close();
    // Fades out, the tip not done: the tutorial manager may show it again.
    void withdraw();
    Bool isOpen() const { return m_open; }
    const cOkPulse& getPulse() const { return m_pulse; }

    cPicture* getImage() const { return m_image; }
    cMultilineText* getText() const { return m_text; }
    cOkButton* getOkButton() const { return m_okButton; }
    const Vector2& getBasePosition() const { return m_basePosition; }
    const Vector2& getOffset() const { return m_offset; }

protected:
    static void onOk(cView* _button);
    // The tip view of a control on its picture.
    static cCommonHelpTips* tipsOf(cView* _control);

    void setTipText(const WString& _str);
    void open();
    // Runs by close, once the fade-out has begun and before the tutorial manager hears of it.
    virtual void fadingOut() {}
    // A note the player must close before playing on; an action tip waits for the action.
    virtual Bool holdsGame() const { return true; }
    // Puts the picture at _position, its deep as loaded, and the text and button with it.
    void placeImage(const Vector2& _position);

    Vector2 m_offset;

private:
    // Children: the picture of the view, the text and the button of the picture.
    cPicture* m_image;
    cMultilineText* m_text;
    cOkButton* m_okButton;
    Vector2 m_basePosition;
    Float m_deep = 0;
    // Where the text and the button stand from the picture's place, as loaded.
    Vector2 m_textPlace;
    Vector2 m_okPlace;
    Bool m_open = false;
    cOkPulse m_pulse;
    iResource* m_refuseSound = nullptr;

    // Fades out; the tutorial manager hears of it through _tell.
    void shut(void (cTutorialManager::*_tell)(cView*));
    static void onPress(cView* _view);
    void listen(Bool _on);
};
