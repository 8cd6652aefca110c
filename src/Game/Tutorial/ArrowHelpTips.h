#pragma once
#include "Game/Tutorial/CommonHelpTips.h"
#include "Ui/views/ViewWatch.h"

class cControl;

// A tutorial tip with an arrow at a control. The note and the arrow stand at their offsets from
// the control, mirrored across the middle of the screen so that they stay on it, and the arrow
// bobs 8 units twice a second, up or down the way it points. Without a control the offsets
// are taken from where the file puts the picture.
class cArrowHelpTips : public cCommonHelpTips {
public:
    static constexpr Float ARROW_TRAVEL = 8.0f;

    cArrowHelpTips();

    // The bob, then the placement.
    void process() override;
    // The note's keys, then "Arrow".
    void loadXML(iXML* _xml_doc) override;
    void startup(const Vector2& _offset, const Vector2& _arrow_offset, const WString& _str,
                 cControl* _pointed_control);
    void updatePosition() override;

    cPicture* getArrow() const { return m_arrow; }
    // Null also when the control has gone meanwhile.
    cControl* getPointed() const;
    Float getPhase() const { return m_phase; }
    const Vector2& getArrowStep() const { return m_arrowStep; }

private:
    // A child of the note's picture.
    cPicture* m_arrow;
    cViewWatch m_pointed;
    Vector2 m_arrowOffset;
    Vector2 m_arrowBase;
    Vector2 m_arrowStep;
    Float m_phase = 0;
    // Phase per second.
    Float m_speed = 2.0f;
};
