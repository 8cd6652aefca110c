#pragma once
#include "Ui/buttons/ButtonPrototype.h"
#include "Ui/controls/State.h"

class cAward;
class cAwardTip;

// One place on the awards screen: an obtained award shows its picture and swells when pointed
// at; one not yet obtained shows its second, greyed picture. Either shows its description.
class cAwardButton : public cButtonPrototype {
public:
    cAwardButton(cView* _parent, UInt _index);

    // The button's keys, its picture as the normal look and "texture_disabled" as the second
    // (the normal one when absent); then the tooltip from "UI/AwardTip.xml" with the
    // description, beside the button.
    void loadXML(iXML* _xml_doc) override;
    void process() override;
    void hovered() override;
    void unhovered() override;
    void enabled() override;
    void disabled() override;
    // The normal look for the normal state, the second look for every other.
    void setStatePicture(eButtonState _state) override;

    void setObtained(Bool _obtained);
    Bool isObtained() const { return m_obtained; }
    // Given before the button loads, which puts it into the tooltip.
    void setDescription(const WString& _text) { m_description = _text; }

    UInt getIndex() const { return m_index; }
    cAwardTip* getTip() const { return m_tip; }
    cAward* getAward() const { return m_award; }
    const cState& getNormalLook() const { return m_normal; }
    const cState& getSecondLook() const { return m_second; }

private:
    void showObtainedLook() { setStatePicture(m_obtained ? BS_NORMAL : BS_DISABLED); }

    UInt m_index;
    cState m_normal;
    cState m_second;
    WString m_description;
    // Children of the button.
    cAwardTip* m_tip;
    cAward* m_award;
    Bool m_obtained = false;
};
