#include "engine/FileManager.h"
#include "engine/ResourceManager.h"
#include "engine/Settings.h"
#include "engine/XML.h"
#include "platform/FileSystem.h"
#include "support/EngineCore.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(DemoData, OnePackageUtf16SettingsAndStringsThatLoadAndAChangeReachesTheCommonFolder)
{
    const char* shipped = std::getenv("FURROW_DATA");
    ASSERT_NE(shipped, nullptr);
    const std::string bytes = readFileBytes(std::string(shipped) + "/sys/settings.xml");
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4)) << "UTF-16 with a byte order mark";
    int packages = 0;
    for (const platform::sFolderEntry& entry : platform::listFolder(shipped))
        packages += cFileManager::getFileExt(entry.name) == "pack";
    EXPECT_EQ(packages, 1);

    cTempFolder home(true);
    setenv("FURROW_HOME", home.path().c_str(), 1);
    String folder;
    {
        cFileManager files(shipped, "pack");
        cResourceManager resources;
        cXML settings("sys/settings.xml");
        for (const char* section : {"game", "graphics", "Time", "Sound"})
            EXPECT_EQ(settings.getNodeCount(section), 1u) << section;
        EXPECT_GT(cXML("sys/strings.xml").getChildCount(), 0u);
        cSettings player;
        ASSERT_TRUE(player.getPropertyT("game", "app_directory", folder));
        EXPECT_FALSE(folder.empty());
        player.setPropertyT("Sound", "Music", UInt(42));
    }
    const std::string saved = readFileBytes(home.file(folder + "/sys/settings.xml"));
    unsetenv("FURROW_HOME");
    EXPECT_NE(saved.find(utf16Bytes("Music=\"42\"", false)), std::string::npos);
}

} // namespace
