#pragma once
#include "Game/Task.h"

// The worker waits for the next click; with one queued it sets out at once.
class cPersonIdle : public cTask {
public:
    cPersonIdle() : cTask(nullptr, 0) {}

    void onStart() override;
    Bool onProcess() override;
    void onEnd() override;
};
