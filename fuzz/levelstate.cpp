#include "Game/LevelState.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// Any bytes as a level-state file: the reader never faults, a refused file leaves the state
// as it was, and whatever reads is written back to bytes that read again to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const std::string bytes(reinterpret_cast<const char*>(_data), _size);
    sLevelState state;
    String error;
    if (!readLevelState(bytes, state, error)) {
        if (error.empty() || !state.packages.empty() || !state.notes.empty() || state.stamp != 0)
            std::abort();
        return 0;
    }
    ULong stamp = 0;
    if (!checkLevelState(bytes, stamp) || stamp != state.stamp)
        std::abort();
    const std::string written = writeLevelState(state);
    sLevelState again;
    if (!readLevelState(written, again, error) || writeLevelState(again) != written)
        std::abort();
    std::vector<String> dropped;
    keepUsablePackages(again.packages, dropped);
    return 0;
}
