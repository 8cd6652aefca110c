#pragma once
#include "engine/Types.h"

// What an action area is, one bit each, so that a set of kinds is a mask.
enum eActionAreaType : UInt {
    AAT_FIELD = 1,
    AAT_WAREHOUSE = 2,
    AAT_WATER_SOURCE = 4,
    AAT_MOW_BUILDING = 8,
    AAT_DIG_BUILDING = 16,
    AAT_SEED_PACKAGE = 32,
    AAT_SPRINKLE = 64,
    AAT_ALL = 127,
};

// A kind is within a mask when every bit of it is in the mask.
inline Bool isKindWithin(UInt _kind, UInt _mask)
{
    return (_kind & _mask) == _kind;
}
