#include "engine/FileManager.h"
#include "engine/XML.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string dataFolder()
{
    const char* folder = std::getenv("FURROW_DATA");
    return folder ? folder : "Data";
}

TEST(DemoData, OnePackageAndUtf16SettingsAndStringsThatLoad)
{
    const std::string bytes = readFileBytes(dataFolder() + "/sys/settings.xml");
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4)) << "UTF-16 with a byte order mark";
    int packages = 0;
    for (const platform::sFolderEntry& entry : platform::listFolder(dataFolder()))
        packages += cFileManager::getFileExt(entry.name) == "pack";
    EXPECT_EQ(packages, 1);

    cTempFolder home(true);
    setenv("FURROW_HOME", home.path().c_str(), 1);
    cFileManager files(dataFolder(), "pack");
    cXML settings("sys/settings.xml");
    iXML* game = nullptr;
    ASSERT_TRUE(settings.get("game", game));
    EXPECT_FALSE((*game)[u"app_directory"].empty());
    for (const char* section : {"graphics", "Time", "Sound"})
        EXPECT_EQ(settings.getNodeCount(section), 1u) << section;
    EXPECT_GT(cXML("sys/strings.xml").getChildCount(), 0u);
    unsetenv("FURROW_HOME");
}

} // namespace
