#pragma once
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

// The worker empties the basket into the warehouse, lower crop numbers first; what does not
// fit stays in the basket.
class cPersonDropToWarehouse : public cPersonTimedJob {
public:
    eKind kind() const override { return DROP_TO_WAREHOUSE; }

protected:
    Float duration() const override;
    void begin() override;
    void finish() override;
};
