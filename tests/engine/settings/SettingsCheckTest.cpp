#include "engine/settings/Settings.h"
#include "engine/settings/SettingsCheck.h"
#include "engine/text/TextConvert.h"
#include "support/EngineCore.h"
#include "support/TempFolder.h"
#include "support/TestData.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const ERASED = "(none)";
const char* const MISSING = nullptr;

struct sCheckCase {
    const char* section;
    const char* key;
    const char* player;  // MISSING: the player's copy lacks the key
    const char* shipped; // MISSING: the game ships none
    const char* expected; // ERASED: the key goes, the program's default applies
};

TEST(SettingsCheck, AValueThatDoesNotReadInItsRangeTakesTheShippedOne)
{
    const sCheckCase cases[] = {{"Time", "MinFps", "99999999999999999999", "15", "15"},
        {"Time", "MinFps", "NaN", "15", "15"}, {"Time", "MinFps", "0", "15", "15"}, {"Time", "MinFps", "30", "15", "30"},
        {"Time", "MaxFps", "1e308", "200", "200"}, {"graphics", "width", "1e308", "800", "800"},
        {"graphics", "height", "-600", "600", "600"}, {"graphics", "fullscreen", "1e308", "0", "0"},
        {"graphics", "fullscreen", "1", "0", "1"}, {"graphics", "reserve_sprite_count", "4000000000", MISSING, ERASED},
        {"lights", "count", "100000", "0", "0"}, {"Sound", "Music", "-1", "100", "100"},
        {"Sound", "Sound", " 50 ", "100", " 50 "}, {"Sound", "Music", "50abc", "100", "100"},
        {"game", "profiles", "", "Profiles", "Profiles"}, {"game", "profiles", MISSING, "Profiles", "Profiles"},
        {"game", "profiles", "../elsewhere", "Profiles", "Profiles"}, {"game", "profiles", "Mine", "Profiles", "Mine"},
        {"game", "profiles", "", "", ""}, {"Time", "MinFps", MISSING, "15", ERASED}};
    for (const sCheckCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + (c.player ? c.player : ERASED));
        cTempFolder logs(true);
        SETTINGS_MAP player, shipped;
        player["game"]["window_title"] = u"Kept";
        if (c.player)
            player[c.section][c.key] = toWString(c.player);
        if (c.shipped)
            shipped[c.section][c.key] = toWString(c.shipped);
        checkSettings(player, shipped);
        const auto found = player[c.section].find(c.key);
        EXPECT_EQ(found == player[c.section].end() ? std::string(ERASED) : toString(found->second), c.expected);
        EXPECT_EQ(player["game"]["window_title"], u"Kept");
        const bool changed = std::string(c.player ? c.player : ERASED) != c.expected;
        EXPECT_EQ(readFileBytes(logs.file("error.log")).find(c.key) != std::string::npos, changed) << "one line a change";
    }
}

// A player's copy emptied by damage once hid every player: the copy written back at exit now
// names the shipped profiles folder again, and the frame rate that froze the clock is gone.
TEST(SettingsCheckOnLoad, ThePlayersCopyIsRepairedFromTheShippedOneAndSavedSo)
{
    cTestData data("<game app_directory=\"Test\" profiles=\"Profiles\" /><Time MinFps=\"15\" MaxFps=\"200\" />");
    data.write(data.common("sys/settings.xml"),
        makeXml16("<main><game app_directory=\"Test\" profiles=\"\" /><Time MinFps=\"99999999999999999999\" "
                  "MaxFps=\"120\" /></main>"));
    {
        cEngineCore core(data);
        String profiles;
        Float minFps = 0, maxFps = 0;
        core.settings().getPropertyT("game", "profiles", profiles);
        core.settings().getPropertyT("Time", "MinFps", minFps);
        core.settings().getPropertyT("Time", "MaxFps", maxFps);
        EXPECT_EQ(profiles, "Profiles");
        EXPECT_EQ(minFps, 15.0f);
        EXPECT_EQ(maxFps, 120.0f) << "a good value of the player stays";
    }
    std::string saved;
    for (char byte : readFileBytes(data.common("sys/settings.xml")))
        if (byte != 0)
            saved += byte;
    EXPECT_NE(saved.find("profiles=\"Profiles\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("MinFps=\"15\""), std::string::npos) << saved;
}

} // namespace
