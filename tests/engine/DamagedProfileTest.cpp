#include "engine/Profile.h"
#include "support/EngineCore.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <memory>

namespace {

const std::string kIndex =
    "<Profiles NextID=\"3\" CurrentUser=\"Bob\" NowPlaying=\"0\">"
    "<Profile Name=\"Anna\" ID=\"1\" /><Profile Name=\"Bob\" ID=\"2\" /></Profiles>";

std::string props(int _money)
{
    return makeXml16("<Props><prop Name=\"Money\" Val=\"" + std::to_string(_money) + "\" Type=\"Int\" /></Props>");
}

void writeDefaults()
{
    propertyMap<PT_INT>()["Money"] = 150;
}

struct sDamage {
    const char* what;
    const char* file;      // the damaged file, as written over the good one
    std::string bytes;
    const char16_t* user;  // who plays next
    int money;             // what that player then has
    const char* untouched; // another player's file, which must keep its bytes
};

void PrintTo(const sDamage& _damage, std::ostream* _out)
{
    *_out << _damage.what;
}

// Anna (1, 100 coins) and Bob (2, 200 coins) have played before; one file is damaged.
class DamagedProfile : public ::testing::TestWithParam<sDamage> {
protected:
    DamagedProfile()
    {
        g_profileInitHook = writeDefaults;
        m_data.write(m_data.common("profiles.xml"), makeXml16(kIndex));
        m_data.write(m_data.common("00000001.xml"), props(100));
        m_data.write(m_data.common("00000002.xml"), props(200));
    }
    ~DamagedProfile() override
    {
        g_profileInitHook = nullptr;
        clearProperties();
    }
    std::string file(const std::string& _name) const { return readFileBytes(m_data.common(_name)); }

    cTestData m_data;
};

TEST_P(DamagedProfile, IsMovedAsideAndTheGameGoesOn)
{
    const sDamage& damage = GetParam();
    m_data.write(m_data.common(damage.file), damage.bytes);
    const std::string other = file(damage.untouched);
    {
        cEngineCore core(m_data);
        EXPECT_NO_THROW(cProfile::getCurrentUserName());
        std::unique_ptr<cProfile> profile;
        ASSERT_NO_THROW(profile = std::make_unique<cProfile>(damage.user));
        EXPECT_EQ(propertyMap<PT_INT>()["Money"], damage.money);
        propertyMap<PT_INT>()["Money"] = 7;
        profile.reset();
    }
    EXPECT_EQ(file(std::string(damage.file) + ".broken"), damage.bytes) << "kept for inspection";
    EXPECT_EQ(file(damage.untouched), other) << "another player's file";
    EXPECT_NE(readFileBytes("error.log").find(damage.file), std::string::npos);

    cEngineCore core(m_data);
    cProfile again(damage.user);
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 7) << "the player's progress from now on is kept";
}

const sDamage kDamages[] = {
    {"index cut short", "profiles.xml", makeXml16(kIndex).substr(0, 60), u"Anna", 150, "00000001.xml"},
    {"index empty", "profiles.xml", "", u"Bob", 150, "00000002.xml"},
    {"index odd byte count", "profiles.xml", makeXml16(kIndex) + "x", u"Anna", 150, "00000002.xml"},
    {"own property file", "00000001.xml", makeXml16("<Props><prop Name=\"Money\""), u"Anna", 150, "00000002.xml"},
    {"own property file empty", "00000002.xml", "", u"Bob", 150, "00000001.xml"},
};

INSTANTIATE_TEST_SUITE_P(Files, DamagedProfile, ::testing::ValuesIn(kDamages),
    [](const ::testing::TestParamInfo<sDamage>& _info) {
        std::string name = _info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(DamagedProfileIndex, ParseErrorIsLoggedNotFileNotFound)
{
    cTestData data;
    data.write(data.common("profiles.xml"), makeXml16("<Profiles NextID=\"3\""));
    cEngineCore core(data);
    EXPECT_TRUE(cProfile::getCurrentUserName().empty());
    const std::string log = readFileBytes("error.log");
    EXPECT_NE(log.find(" line 1 char "), std::string::npos) << log;
    EXPECT_EQ(log.find("not found"), std::string::npos) << log;
}

TEST(DamagedProfileIndex, SharedIdentifierStaysWithTheFirstName)
{
    cTestData data;
    g_profileInitHook = writeDefaults;
    writeXml16(data.common("profiles.xml"),
        "<Profiles NextID=\"2\"><Profile Name=\"Anna\" ID=\"1\" /><Profile Name=\"Bob\" ID=\"1\" /></Profiles>");
    data.write(data.common("00000001.xml"), props(100));
    {
        cEngineCore core(data);
        cProfile bob(u"Bob");
        EXPECT_EQ(bob.getProfileID(), "00000002");
        EXPECT_EQ(propertyMap<PT_INT>()["Money"], 150);
        propertyMap<PT_INT>()["Money"] = 7;
    }
    EXPECT_EQ(readFileBytes(data.common("00000001.xml")), props(100)) << "Anna's file";
    cEngineCore core(data);
    cProfile anna(u"Anna");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 100);
    g_profileInitHook = nullptr;
}

} // namespace
