#include "FuzzDataFolder.h"
#include "Game/Game.h"
#include "Game/LevelState.h"
#include "engine/files/FileManager.h"
#include "engine/progress/GameVariables.h"
#include "engine/progress/ProgressPick.h"
#include "engine/resources/ResourceManager.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const NAMES[4] = {"00000001.xml", "00000001.xml.bak", "00000001.save", "00000001.save.bak"};

std::string utf16(const std::string& _text)
{
    std::string bytes = "\xFF\xFE";
    for (char c : _text)
        bytes += std::string{c, '\0'};
    return bytes;
}

// Variables of a save as the game writes them; _levelStamp < 0 leaves out the level state's
// stamp, as files from before it did.
std::string variables(unsigned _stamp, int _levelStamp, unsigned _money)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Props>";
    text += "<prop Name=\"Money\" Val=\"" + std::to_string(_money) + "\" Type=\"Int\" />";
    text += "<prop Name=\"GameTime\" Val=\"" + std::string(_money % 3 == 0 ? "nan" : "12.5") + "\" Type=\"Float\" />";
    text += "<prop Name=\"SaveStamp\" Val=\"" + std::to_string(_stamp) + "\" Type=\"ULong\" />";
    if (_levelStamp >= 0)
        text += "<prop Name=\"LevelStateStamp\" Val=\"" + std::to_string(_levelStamp) + "\" Type=\"ULong\" />";
    return utf16(text + "</Props>");
}

std::string levelState(unsigned _stamp)
{
    sLevelState state;
    state.packages.push_back({10, 20, 2, 3, 0, false});
    state.notes.push_back({u"note", true});
    state.factors = {0.5f};
    state.stamp = _stamp;
    return writeLevelState(state);
}

std::vector<std::string> contents(const std::string& _folder)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(_folder))
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            found.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

// The four files of a player's progress, each there or not, of stamps and damage the input
// chooses: byte 0 says which are there, bytes 1 to 4 their stamps (and whether the variables
// name their level state), the rest are edits of three bytes (file, place, value). The
// choice never faults and never deletes a file's bytes but an unfinished save's, and it is settled: a second start
// on what the first left finds nothing to restore.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    if (_size < 5)
        return 0;
    const sFuzzDataFolder& folder = sFuzzDataFolder::get();
    for (const auto& entry : std::filesystem::directory_iterator(folder.common))
        if (entry.is_regular_file())
            std::filesystem::remove(entry.path());
    std::string files[4] = {variables(_data[1] & 7, _data[1] & 8 ? (_data[1] >> 4) & 7 : -1, _data[1]),
        variables(_data[2] & 7, _data[2] & 8 ? (_data[2] >> 4) & 7 : -1, _data[2]), levelState(_data[3] & 7),
        levelState(_data[4] & 7)};
    for (std::size_t at = 5; at + 3 <= _size; at += 3) {
        std::string& file = files[_data[at] & 3];
        if (_data[at] & 4)
            file.resize(_data[at + 1] % (file.size() + 1));
        else if (!file.empty())
            file[_data[at + 1] * 7 % file.size()] = static_cast<char>(_data[at + 2]);
    }
    for (int i = 0; i < 4; ++i)
        if (_data[0] & (1 << i))
            sFuzzDataFolder::write(folder.common + "/" + NAMES[i], files[i].data(), files[i].size());
    const std::vector<std::string> before = contents(folder.common);

    g_levelStateCheck = checkLevelState;
    g_savedValueCheck = cGame::isSavedValueUsable;
    try {
        Bool salvaged = false;
        Bool interrupted = false;
        {
            cFileManager manager(folder.root, "pack");
            cResourceManager resources;
            cProgressPick pick("00000001");
            pick.place();
            salvaged = pick.isSalvaged();
            interrupted = pick.isInterrupted();
        }
        // An unfinished save's level state, whose variables never reached the disk, is the one
        // file let go: its last copy takes its place.
        std::vector<std::string> kept = before;
        if (interrupted && (_data[0] & 4)) {
            const auto newest = std::find(kept.begin(), kept.end(), files[2]);
            if (newest != kept.end())
                kept.erase(newest);
        }
        const std::vector<std::string> after = contents(folder.common);
        if (!std::includes(after.begin(), after.end(), kept.begin(), kept.end()))
            std::abort();
        if (!salvaged) {
            cFileManager manager(folder.root, "pack");
            cResourceManager resources;
            if (!cProgressPick("00000001").getDamage().empty())
                std::abort();
        }
    } catch (const String& _error) {
        std::fprintf(stderr, "%s\n", _error.c_str());
        std::abort();
    }
    clearProperties();
    return 0;
}
