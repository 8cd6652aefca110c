#pragma once
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

class cFarmFieldTile;

// The worker turns a field over with the spade, or with the tractor from the first upgrade on.
class cPersonPloughting : public cPersonTimedJob {
public:
    explicit cPersonPloughting(cFarmFieldTile* _field) : m_field(_field) {}
    eKind kind() const override { return PLOUGH; }
    const cFarmFieldTile* field() const override { return m_field; }

protected:
    Float duration() const override;
    void begin() override;
    void finish() override;

private:
    cFarmFieldTile* m_field;
};
