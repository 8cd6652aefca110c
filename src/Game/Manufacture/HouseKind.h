#pragma once
#include "engine/Types.h"

// What tells the eleven production building kinds apart: their data file, what they take
// from the warehouse and what they give back. Everything else they share.
struct sHouseKind {
    UInt type;
    const char* file;
    // A crop kind 0..7, or -1 when the house takes a good.
    Int rawInput;
    // A good index 0..10, or -1 when the house takes a crop.
    Int productInput;
    // The good index it makes.
    UInt output;
    // The name the player reads, a key of the string table.
    const char16_t* name;
};

inline constexpr UInt HOUSE_KIND_COUNT = 11;

// Null for a type outside 0..10.
const sHouseKind* findHouseKind(UInt _type);
// The product kinds (0..18) that go in and come out.
UInt inputKindOf(const sHouseKind& _kind);
UInt outputKindOf(const sHouseKind& _kind);
