#pragma once
#include "Ui/controls/Picture.h"

class iResource;

// The picture of one award and its moves: it grows in on the game screen with a sound, plays
// its effect once, waits while the congratulation is read, flies to its button on the awards
// screen shrinking to the button's size, and there swells while the pointer rests on it.
class cAward : public cPicture {
public:
    enum eState : Int {
        GROWING = 0,
        GROWN = 1,
        EFFECT = 2,
        ON_PANEL = 3,
        FLYING = 4,
        AT_REST = 5,
        SWELLING = 6,
        SWOLLEN = 7,
        SHRINKING = 8,
    };
    // Linear filtering while the picture is drawn at a size of its own.
    static constexpr UInt SCALED_RENDER = 0x20;

    // Reads the award's element of "UI/Awards.xml"; an award the file does not describe keeps
    // an empty look. It starts growing from nothing.
    cAward(cView* _parent, UInt _index);
    ~cAward() override;

    // The award's element: "PanelText", "Congratulation", "PositionPanel", "MoveSpeed",
    // "AppearScaleSpeed", "HoveringScale", "HoveringScaleSpeed", the look and place of its
    // "Effect" and the size of its "Button".
    void loadXML(iXML* _xml_doc) override;
    void process() override;

    void setState(Int _state);
    Int getState() const { return m_state; }
    UInt getIndex() const { return m_index; }
    Float getGrowth() const { return m_scale; }
    Bool isHoverReached() const { return m_hoverReached; }

    void setTarget(const Vector2& _target) { m_target = _target; }
    const Vector2& getTarget() const { return m_target; }
    const Vector2& getPanelPosition() const { return m_panelPosition; }
    const Vector2& getStartPosition() const { return m_startPosition; }
    const Vector2& getFullSize() const { return m_fullSize; }
    const Vector2& getButtonSize() const { return m_buttonSize; }
    Float getBaseDeep() const { return m_baseDeep; }
    const WString& getPanelText() const { return m_panelText; }
    const WString& getCongratulation() const { return m_congratulation; }
    iResource* getSound() const { return m_sound; }

private:
    void grow(Float _dt);
    void playEffect(Float _dt);
    void fly(Float _dt);
    void swell(Float _dt);
    void shrink(Float _dt);
    void scaleOnButton();
    void setRenderBit(Bool _on);
    void playSound();

    UInt m_index;
    Int m_state = GROWING;
    Float m_scale = 0;
    WString m_panelText;
    WString m_congratulation;
    Vector2 m_startPosition{0, 0};
    Vector2 m_fullSize{0, 0};
    Float m_baseDeep = 0;
    Vector2 m_panelPosition{0, 0};
    Float m_moveSpeed = 0;
    Float m_appearSpeed = 0;
    Float m_hoveringScale = 1;
    Float m_hoveringSpeed = 0;
    Vector2 m_buttonSize{0, 0};
    Vector2 m_target{0, 0};
    Bool m_hoverReached = false;
    iResource* m_sound = nullptr;
};
