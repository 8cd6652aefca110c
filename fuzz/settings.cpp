#include "engine/files/FileManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "FuzzDataFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

void loadAndSave(const sFuzzDataFolder& _folder)
{
    cFileManager files(_folder.root, "pack");
    cResourceManager resources;
    cSettings settings;
    WString title;
    UInt volume = 0;
    settings.getPropertyT("game", "window_title", title);
    settings.getPropertyT("Sound", "Music", volume);
}

} // namespace

// Any bytes as the player's copy of the settings: the settings load them or fall back to the
// shipped copy, never failing, and what they save at the end reads back at the next start
// without being moved aside.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const sFuzzDataFolder& folder = sFuzzDataFolder::get();
    const std::string player = folder.common + "/sys/settings.xml";
    std::filesystem::remove(player + ".broken");
    sFuzzDataFolder::write(player, _data, _size);
    try {
        loadAndSave(folder);
        std::filesystem::remove(player + ".broken");
        loadAndSave(folder);
    } catch (const String& _error) {
        std::fprintf(stderr, "%s\n", _error.c_str());
        std::abort();
    }
    if (std::filesystem::exists(player + ".broken"))
        std::abort();
    return 0;
}
