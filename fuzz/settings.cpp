#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "FuzzDataFolder.h"

#include <filesystem>

// Any bytes as the player's copy of the settings: the settings load them or fall back to the
// shipped copy, and save again, without a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const sFuzzDataFolder& folder = sFuzzDataFolder::get();
    const std::string player = folder.common + "/sys/settings.xml";
    std::filesystem::remove(player + ".broken");
    sFuzzDataFolder::write(player, _data, _size);
    try {
        cFileManager files(folder.root, "pack");
        cResourceManager resources;
        cSettings settings;
        WString title;
        UInt volume = 0;
        settings.getPropertyT("game", "window_title", title);
        settings.getPropertyT("Sound", "Music", volume);
    } catch (const String&) {
    }
    return 0;
}
