#pragma once
#include "Ui/buttons/AnimButton.h"
#include "Ui/controls/Picture.h"
#include "Ui/buttons/TextButton.h"

class cAward;
class cMultilineText;
class iResource;

// The congratulation shown on the awards screen for an award just earned: what it was for,
// a word of praise and an OK that sends the award to its place.
class cAwardPanel : public cPicture {
public:
    using cPanelButton = cTextButtonT<cAnimButton>;

    // Built from "UI/AwardPanel.xml" with the texts of _award; _on_ok answers the OK button.
    cAwardPanel(const cAward* _award, cButtonPrototype::fButtonEvent _on_ok);
    ~cAwardPanel() override;

    // "AwardPicPosition", "TextGap", "OkButton", "Text", "CongratulationText", "Sound", the
    // panel's own picture keys, then the award's texts, laid out as stackTexts says.
    void loadXML(iXML* _xml_doc) override;
    // Plays the sound as it comes up.
    void showed() override;

    cPanelButton* getOkButton() const { return m_ok; }
    cMultilineText* getText() const { return m_text; }
    cMultilineText* getCongratulationText() const { return m_congratulation; }
    const Vector2& getAwardPicPosition() const { return m_awardPicPosition; }
    iResource* getSound() const { return m_sound; }

private:
    // The title and the words stand one under the other, "TextGap" apart, the pair in the middle
    // of the room from the top of the title's box to the bottom of the words' box as the file
    // places them; a block that wraps breaks into lines of like length. However many lines the
    // award's texts take, the panel holds them as if made for them.
    void stackTexts();

    const cAward* m_award;
    // Children of the panel.
    cPanelButton* m_ok;
    cMultilineText* m_text;
    cMultilineText* m_congratulation;
    iResource* m_sound = nullptr;
    Vector2 m_awardPicPosition{0, 0};
    Float m_textGap = 0;
};
