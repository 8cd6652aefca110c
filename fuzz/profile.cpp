#include "engine/files/FileManager.h"
#include "engine/progress/Profile.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "FuzzDataFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

// Any bytes as the index or as the loaded profile's property file (the first byte chooses):
// a damaged player file never stops the profile, which loads, saves, deletes and lists
// without a fault and without a failure.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const sFuzzDataFolder& folder = sFuzzDataFolder::get();
    for (const auto& entry : std::filesystem::directory_iterator(folder.common))
        if (entry.is_regular_file())
            std::filesystem::remove(entry.path());
    const char16_t index[] = u"\uFEFF<P NextID=\"1\"><P Name=\"A\" ID=\"1\" /></P>";
    const bool asIndex = _size > 0 && (_data[0] & 1);
    if (asIndex)
        sFuzzDataFolder::write(folder.common + "/profiles.xml", _data, _size);
    else {
        sFuzzDataFolder::write(folder.common + "/profiles.xml", index, sizeof index - sizeof index[0]);
        sFuzzDataFolder::write(folder.common + "/00000001.xml", _data, _size);
    }
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
    } catch (const String& _error) {
        std::fprintf(stderr, "%s\n", _error.c_str());
        std::abort();
    }
    clearProperties();
    return 0;
}
