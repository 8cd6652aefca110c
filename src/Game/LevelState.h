#pragma once
#include "engine/Types.h"

#include <string>
#include <vector>

// What a game keeps beside the player's variables, in the little-endian binary file
// "<profile id>.save": the seed packages on the farm, the market earnings of the last
// minute, the journal notes and the time-line's random factors, in that order.
struct sLevelState {
    struct sPackage {
        // Relative to the farm's sliding picture.
        Float x = 0;
        Float y = 0;
        UInt seedType = 0;
        UInt count = 0;
        UInt state = 0;
        Bool bought = false;
    };
    struct sEarning {
        Float time = 0;
        UInt money = 0;
    };
    struct sNote {
        WString text;
        Bool read = false;
    };

    std::vector<sPackage> packages;
    Float windowStart = 0;
    // Oldest first.
    std::vector<sEarning> earnings;
    std::vector<sNote> notes;
    // One per time-line event, in event order.
    std::vector<Float> factors;
    // The save this file was written at, the same number as the variables' "SaveStamp" of
    // that save: the two files are used together only when the numbers agree. Written after
    // the sections as a mark and the number; files from before the stamp have none (0).
    UInt stamp = 0;
};

// Every package record takes 24 bytes; the last three are zero padding.
inline constexpr UInt LEVEL_STATE_PACKAGE_BYTES = 24;

std::string writeLevelState(const sLevelState& _state);

// Reads the whole file into _state. Every count is checked against the bytes left before
// anything is made for it: a damaged file answers false with the reason in _error and
// _state is left as it was. A file uses exactly its bytes: anything after the stamp (or
// after the last section, without one) is damage, zeros too.
Bool readLevelState(const std::string& _bytes, sLevelState& _state, String& _error);

// Whether the bytes are a whole level-state file, and its stamp: the profile's check of the
// files it may pair with the variables.
Bool checkLevelState(const std::string& _bytes, ULong& _stamp);

// Keeps the packages a game can use: a crop past the last, an empty package or a position
// that is no number is dropped (each named in _dropped); a press that was under way when the
// game went, or a state that does not exist, comes back as a package lying on the ground.
void keepUsablePackages(std::vector<sLevelState::sPackage>& _packages, std::vector<String>& _dropped);
