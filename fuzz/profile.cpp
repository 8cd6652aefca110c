#include "engine/FileManager.h"
#include "engine/Profile.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "FuzzDataFolder.h"

#include <filesystem>

// Any bytes as the index, then as the loaded profile's property file: the profile loads them
// or fails with a text, and a loaded profile saves, deletes and lists without a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const sFuzzDataFolder& folder = sFuzzDataFolder::get();
    const std::size_t half = _size / 2;
    for (const auto& entry : std::filesystem::directory_iterator(folder.common))
        if (entry.is_regular_file())
            std::filesystem::remove(entry.path());
    const char16_t index[] = u"\uFEFF<P NextID=\"1\"><P Name=\"A\" ID=\"1\" /></P>";
    // The first half replaces the index when it is not empty; the rest is A's property file.
    if (half > 0)
        sFuzzDataFolder::write(folder.common + "/profiles.xml", _data, half);
    else
        sFuzzDataFolder::write(folder.common + "/profiles.xml", index, sizeof index - sizeof index[0]);
    sFuzzDataFolder::write(folder.common + "/00000001.xml", _data + half, _size - half);
    try {
        cFileManager files(folder.root, "pack");
        cResourceManager resources;
        cSettings settings;
        cProfile::isHeadersExist();
        const WString user = cProfile::getCurrentUserName();
        cProfile profile(user.empty() ? WString(u"A") : user);
        NAME_LIST names;
        profile.getNames(names);
        profile.getProfileID();
        profile.save();
        if (!names.empty())
            profile.deleteProfile(names.front());
    } catch (const String&) {
    }
    clearProperties();
    return 0;
}
