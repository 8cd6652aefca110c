#include "engine/files/FileManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "engine/text/StringManager.h"
#include "FuzzDataFolder.h"

// Any bytes as the string table: it loads or fails with a text, never a fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* _data, std::size_t _size)
{
    const sFuzzDataFolder& folder = sFuzzDataFolder::get();
    sFuzzDataFolder::write(folder.root + "/sys/strings.xml", _data, _size);
    try {
        cFileManager files(folder.root, "pack");
        cResourceManager resources;
        cSettings settings;
        cStringManager strings;
        strings.getString(u"Play");
    } catch (const String&) {
    }
    return 0;
}
