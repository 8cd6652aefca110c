#pragma once
// The variables of a late game, written before it starts: a rich farm four minutes in, every
// field sown and watered, three sprinklers set, the tool buildings at their top level, twenty
// workshops of the eleven kinds loaded, and two of every good in the barn. The late-game frame
// plays it and the save benchmark writes it.
#include "Game/Game.h"
#include "Game/GameKeys.h"

inline void writeLateFarm()
{
    key::Money() = 100000;
    key::GameTime() = 240;
    key::fcu() = 3;
    for (UInt f = 0; f < key::FIELD_COUNT; ++f) {
        key::FFS[f] = 0;
        key::FFC[f] = f % 8;
        key::FFW[f] = 100.0f;
        key::FFP[f] = Float(f % 20);
    }
    for (UInt u = 0; u < 4; ++u)
        key::FarmUpgrade[31 + u] = 3;
    for (UInt s = 0; s < 3; ++s) {
        key::SPExist[s] = true;
        key::SPStatus[s] = 0;
        key::SPXPos[s] = 360.0f + 140.0f * Float(s);
        key::SPYPos[s] = 440.0f;
    }
    // Twenty buildings of the eleven kinds, each loaded with what it takes.
    for (UInt b = 0; b < 20; ++b) {
        key::ProdType[b] = b % 11;
        key::SlotUpgrade[b] = 0;
        key::ProdCount[b] = 50;
        key::XProdPos[b] = 80.0f + 130.0f * Float(b % 5);
        key::YProdPos[b] = 140.0f + 90.0f * Float(b / 5);
    }
    for (UInt k = 0; k < OVERALL_PROD_COUNT; ++k)
        key::WGoodCount[k] = 2;
}

// The player of the late farm an hour in, past every tip and award, so nothing is presented
// over the farm.
inline void writeLatePlayer()
{
    for (UInt i = 0; i < key::TIP_COUNT; ++i)
        key::tip[i] = true;
    for (UInt i = 0; i < AWARD_COUNT; ++i)
        key::Award[i] = key::awardShow[i] = true;
    writeLateFarm();
    key::GameTime() = 3600;
}
