#include "engine/File.h"
#include "engine/Profile.h"
#include "support/EngineCore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class CommonFolderBounds : public ::testing::TestWithParam<const char*> {
protected:
    cTestData m_data;
};

// The common folder is home/Test; every name here points out of it.
TEST_P(CommonFolderBounds, WritesAndRemovesAreRefused)
{
    const String name = GetParam();
    m_data.write(m_data.home("victim"), "kept");
    cEngineCore core(m_data, false);
    cFileManager& files = *cFileManager::getInstance();
    EXPECT_THROW(std::unique_ptr<iFile>(files.create(name)), String) << name;
    EXPECT_THROW(files.remove(name), String) << name;
    EXPECT_FALSE(cFileManager::isInside(name));
    EXPECT_EQ(readFileBytes(m_data.home("victim")), "kept");
    EXPECT_FALSE(std::filesystem::exists(m_data.home("x")));
}

INSTANTIATE_TEST_SUITE_P(Names, CommonFolderBounds,
    ::testing::Values("../victim", "sub/../../victim", "..\\victim", "../x", "C:/x",
        "/tmp/furrow-outside-x"));

TEST(CommonFolderBounds, NamesInsideStayAllowed)
{
    for (const char* name : {"x", "sub/x", "sub\\x", "./x", "a..b/x", "sub/"})
        EXPECT_TRUE(cFileManager::isInside(name)) << name;
}

TEST(CommonFolderBounds, ProfilesSettingOutsideFallsBackToTheTop)
{
    cTestData data;
    cEngineCore core(data);
    core.settings().setPropertyT("game", "profiles", String("../elsewhere"));
    {
        cProfile anna(u"Anna");
    }
    EXPECT_TRUE(std::filesystem::exists(data.common("profiles.xml")));
    EXPECT_FALSE(std::filesystem::exists(data.home("elsewhere")));
    clearProperties();
}

} // namespace
