#pragma once
#include "Game/Tutorial/ArrowHelpTips.h"
#include "Game/Tutorial/TipNumber.h"

// The arrow tip that asks the player to do something: it has no Ok and closes by itself on
// the first frame its condition holds, the tutorial manager reports the action done, or the
// game's state has ruled the action out. While it is shown the game clock stands.
class cActionTips : public cArrowHelpTips {
public:
    // Without a condition the tip could never close: raises "cActionTips::startup".
    void startup(const Vector2& _offset, const Vector2& _arrow_offset, const WString& _str,
                 cControl* _pointed_control, fTipsFunc _func);
    // The bob and placement, then the test.
    void process() override;

    fTipsFunc getCondition() const { return m_condition; }

protected:
    // The clock goes on once the tip has begun to fade.
    void fadingOut() override;
    // The player is to play on: a press elsewhere is the action it asks for.
    Bool holdsGame() const override { return false; }

private:
    fTipsFunc m_condition = nullptr;
};
