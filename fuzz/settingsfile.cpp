#include "engine/settings/SettingsCheck.h"
#include "engine/logs/Log.h"
#include "engine/text/NumberReader.h"
#include "engine/files/XML.h"
#include "FuzzScratch.h"

#include <cstdlib>

// Any bytes as a settings file, parsed and checked only (nothing is written, so the reader
// gets millions of runs in a campaign): the values that the game reads with a range come out
// as the shipped ones or as good values of their own, and a profiles folder is never empty.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    static const bool logs = [] {
        setLogFolder(fuzzScratchFolder() + "/");
        return true;
    }();
    (void)logs;
    SETTINGS_MAP settings;
    try {
        cXML document("sys/settings.xml", _data, ULong(_size));
        readSettingsSections(&document, settings);
    } catch (const String&) {
        return 0; // the player's copy is moved aside and the shipped one read
    }
    SETTINGS_MAP shipped;
    shipped["game"]["profiles"] = u"Profiles";
    shipped["Time"]["MinFps"] = u"15";
    shipped["Sound"]["Music"] = u"100";
    checkSettings(settings, shipped);
    if (settings["game"]["profiles"].empty())
        std::abort();
    // A frame rate is the shipped one, one in its range, or none (the game's own default).
    const auto minFps = settings["Time"].find("MinFps");
    if (minFps != settings["Time"].end()) {
        const WString text = minFps->second;
        cNumberReader reader(text);
        const auto value = reader.readDouble();
        if (!value || *value < 1 || *value > 1000)
            std::abort();
    }
    return 0;
}
