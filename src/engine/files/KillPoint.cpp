#include "engine/files/KillPoint.h"

#include <cstdlib>
#include <cstring>

namespace {

const char* const kPoints[] = {"parting-recorded", "copy-moved", "level-state-moved", "level-state-placed",
    "variables-placed", "farm-loaded"};

const char* killAt()
{
    const char* text = std::getenv("FURROW_KILL_AT");
    return text ? text : "";
}

} // namespace

void killPoint(const char* _point)
{
    if (std::strcmp(killAt(), _point) == 0)
        std::_Exit(137);
}

String refusedKillPoint()
{
    const String point = killAt();
    if (point.empty())
        return String();
    for (const char* known : kPoints)
        if (point == known)
            return String();
    return "FURROW_KILL_AT=\"" + point + "\" is not used: it names no point where the game can be ended.";
}
