#pragma once
#include "Ui/AnimButton.h"
#include "Ui/TextButton.h"
#include "Ui/View.h"

class cMultilineText;
class cPicture;

// A tutorial tip on a note: a text and an Ok button on a picture, placed at the tip's offset
// from where the file puts the picture. Ok fades it out and tells the tutorial manager.
// The text and the button keep their places on the picture wherever it is moved.
class cCommonHelpTips : public cView {
public:
    using cOkButton = cTextButtonT<cAnimButton>;

    // A top-level view, hidden until a tip starts; its file is read by loadXML.
    cCommonHelpTips();
    cCommonHelpTips(const cCommonHelpTips&) = delete;

    // The view's switches, then "Image", "Text" and "OkButton"; the picture's place and deep
    // as loaded are where tips are placed from.
    void loadXML(iXML* _xml_doc) override;
    void startup(const Vector2& _offset, const WString& _str);
    virtual void updatePosition();

    // Fades out and tells the tutorial manager, once per tip shown.
    void close();
    Bool isOpen() const { return m_open; }

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
};
