#pragma once
#include "Ui/controls/Picture.h"
#include "Ui/controls/State.h"

class cMultilineText;

// The description box of an award button: it opens toward the screen's roomier side of a
// point, with the box look whose tail points back at it, stays inside the screen and fades in
// and out in real time, so a paused game does not freeze it.
class cAwardTip : public cPicture {
public:
    // Which side of the point the box takes, and the look it shows there.
    enum eCorner : UInt { UP_LEFT, UP_RIGHT, DOWN_LEFT, DOWN_RIGHT, CORNER_COUNT };
    static constexpr Float FADE_SPEED = 3.3f;

    explicit cAwardTip(cView* _parent);

    // The box's own keys from "Podlogka" with its "Offset" and the four corner looks
    // "UpLeftImage", "UpRightImage", "DownLeftImage" and "DownRightImage" under it; "Text".
    void loadXML(iXML* _xml_doc) override;
    void process() override;

    // Places the box beside _point and takes that side's look.
    void updatePos(const Vector2& _point);

    void setFadeDirection(Float _direction) { m_fadeDirection = _direction; }
    Float getFadeDirection() const { return m_fadeDirection; }
    eCorner getCorner() const { return m_corner; }
    const Vector2& getOffset() const { return m_offset; }
    const cState& getCornerLook(eCorner _corner) const { return m_corners[_corner]; }
    cMultilineText* getText() const { return m_text; }

private:
    Bool isOffScreen();
    void setTipAlpha(Float _alpha);

    // A child: moves and goes with the box.
    cMultilineText* m_text;
    Vector2 m_offset{0, 0};
    cState m_corners[CORNER_COUNT];
    eCorner m_corner = DOWN_RIGHT;
    Float m_fadeDirection = 1.0f;
};
