#pragma once
#include "Game/Task.h"

class cActionArea;

// The worker stands by the pump with the hose and sprays the fields the player clicks, one
// after the other, without walking. A click on a sprinkle is kept and waits; one on the water
// source is done at once; anything else makes the worker put the hose down and walk there.
class cPersonStayWithHose : public cTask {
public:
    // Where the worker stands, from the water source's position.
    static constexpr Float STAND_X = -40;
    static constexpr Float STAND_Y = 35;

    cPersonStayWithHose() : cTask(nullptr, 0) {}

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;

    cActionArea* getArea() const { return m_area; }

private:
    cActionArea* m_area = nullptr;
};
