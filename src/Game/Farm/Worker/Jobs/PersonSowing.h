#pragma once
#include "Game/Farm/Worker/Jobs/PersonTimedJob.h"

class cFarmFieldTile;
class cSeedPackage;

// The worker sows a ploughed field from the package it carries, one seed a field; the last
// seed uses the package up.
class cPersonSowing : public cPersonTimedJob {
public:
    cPersonSowing(cFarmFieldTile* _field, cSeedPackage* _package) : m_field(_field), m_package(_package) {}
    eKind kind() const override { return SOW; }
    const cFarmFieldTile* field() const override { return m_field; }

protected:
    Float duration() const override;
    void begin() override;
    void finish() override;

private:
    cFarmFieldTile* m_field;
    cSeedPackage* m_package;
};
