#include "Game/Game.h"
#include "Game/GameKeys.h"
#include "engine/Profile.h"
#include "support/EngineHarness.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class cFreshProfile : public ::testing::Test {
protected:
    cFreshProfile()
    {
        clearProperties();
        cGame::onInitProfile();
    }
    ~cFreshProfile() override { clearProperties(); }
};

// The defaults themselves are the game's table; here, that the families end where their
// indexes do and that no key sits in two maps.
TEST_F(cFreshProfile, FamiliesEndAtTheirLastIndexAndNoKeyIsInTwoMaps)
{
    EXPECT_EQ(propertyMap<PT_UINT>().count("FFC64"), 1u);
    EXPECT_EQ(propertyMap<PT_UINT>().count("FFC65"), 0u);
    for (int i = 20; i <= 30; ++i)
        EXPECT_EQ(propertyMap<PT_INT>().count("Upgrade" + std::to_string(i)), 0u) << i;
    EXPECT_EQ(propertyMap<PT_FLOAT>().count("WaterLevel"), 0u) << "made on first use only";
    for (const auto& entry : propertyMap<PT_INT>())
        EXPECT_EQ(propertyMap<PT_UINT>().count(entry.first) + propertyMap<PT_FLOAT>().count(entry.first) +
                      propertyMap<PT_BOOL>().count(entry.first),
            0u)
            << entry.first;
}

TEST_F(cFreshProfile, AnIndexOutsideItsFamilyIsRefused)
{
    EXPECT_THROW(key::FFC[65], String);
    EXPECT_THROW(key::upgradeLevel(25), String);
    EXPECT_THROW(key::upgradeAvail(15), String);
    EXPECT_THROW(key::requirement(3, 0), String);
    EXPECT_EQ(propertyMap<PT_INT>().count("Upgrade25"), 0u);
    key::requirement(1, 0) = 4;
    EXPECT_EQ(propertyMap<PT_INT>()["req1_0"], 4);
}

TEST_F(cFreshProfile, AStoredIndexOutOfRangeFallsBackToItsDefaultWithALogLine)
{
    cTestData folders;
    struct sCase {
        const char* name;
        void (*store)();
        Int (*read)();
        Int expected;
    };
    const sCase cases[] = {
        {"FFC3 9", [] { propertyMap<PT_UINT>()["FFC3"] = 9; }, [] { return Int(key::FFC[3]); }, 0},
        {"FFS3 4", [] { propertyMap<PT_UINT>()["FFS3"] = 4; }, [] { return Int(key::FFS[3]); }, 0},
        {"Upgrade2 4", [] { propertyMap<PT_INT>()["Upgrade2"] = 4; }, [] { return key::upgradeLevel(2); }, -1},
        {"Upgrade2 -2", [] { propertyMap<PT_INT>()["Upgrade2"] = -2; }, [] { return key::upgradeLevel(2); }, -1},
        {"Upgrade32 -1", [] { propertyMap<PT_INT>()["Upgrade32"] = -1; }, [] { return key::upgradeLevel(32); }, 0},
        {"ProdType4 11", [] { propertyMap<PT_UINT>()["ProdType4"] = 11; }, [] { return Int(key::ProdType[4]); }, -1},
        {"ProdType4 10", [] { propertyMap<PT_UINT>()["ProdType4"] = 10; }, [] { return Int(key::ProdType[4]); }, 10},
        {"UpAvail3 none", [] { propertyMap<PT_UINT>()["UpAvail3"] = 4294967295u; },
            [] { return Int(key::upgradeAvail(3)); }, -1},
        {"tutJustProc 50", [] { propertyMap<PT_INT>()["tutJustProc"] = 50; }, [] { return key::tutJustProc(); }, -1},
        {"task1 -2", [] { propertyMap<PT_INT>()["task1"] = -2; }, [] { return key::task[1]; }, -1},
        {"task1 7", [] { propertyMap<PT_INT>()["task1"] = 7; }, [] { return key::task[1]; }, 7},
        {"Money -5", [] { propertyMap<PT_INT>()["Money"] = -5; }, [] { return key::Money(); }, 0},
    };
    for (const sCase& c : cases) {
        c.store();
        EXPECT_EQ(c.read(), c.expected) << c.name;
        EXPECT_EQ(c.read(), c.expected) << c.name << ", read again";
    }
    EXPECT_NE(readFileBytes("error.log").find("Game variable FFC3 held 9"), std::string::npos);
}

TEST(ProfileDefaults, AStoredValueOverridesTheDefault)
{
    cEngineHarness engine("<game app_directory=\"Test\" profiles=\"Profiles\" />");
    g_profileInitHook = cGame::onInitProfile;
    {
        cProfile profile(u"Ann");
        propertyMap<PT_INT>()["Money"] = 750;
        propertyMap<PT_UINT>()["UpAvail12"] = 2;
    }
    {
        cProfile profile(u"Ann");
        EXPECT_EQ(key::Money(), 750);
        EXPECT_EQ(key::upgradeAvail(12), 2u);
        EXPECT_EQ(key::upgradeAvail(13), 0u);
    }
    g_profileInitHook = nullptr;
}

} // namespace
