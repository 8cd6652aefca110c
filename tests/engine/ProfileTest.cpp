#include "engine/Profile.h"
#include "engine/ValueConvert.h"
#include "support/EngineCore.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>";

// The game's defaults, as its hook writes them.
void writeDefaults()
{
    propertyMap<PT_INT>()["Money"] = 150;
    propertyMap<PT_BOOL>()["Tutorial"] = true;
}

std::string indexBytes(const std::string& _head, const std::string& _lines)
{
    return utf16Bytes(kDeclaration + "\n<Profiles " + _head + " >\n" + _lines + "</Profiles>", true);
}

std::string profileLine(const std::string& _name, int _id)
{
    return "<Profile Name=\"" + _name + "\" ID=\"" + std::to_string(_id) + "\" />\n";
}

std::string propsBytes(const std::string& _props)
{
    return utf16Bytes(kDeclaration + "<Props>" + _props + "</Props>", true);
}

bool fileExists(const std::string& _path)
{
    return std::ifstream(_path).good();
}

class Profiles : public ::testing::Test {
protected:
    explicit Profiles(const std::string& _game = "<game app_directory=\"Test\" />") : m_data(_game)
    {
        g_profileInitHook = writeDefaults;
        clearProperties();
    }
    ~Profiles() override
    {
        m_profile.reset();
        m_core.reset();
        g_profileInitHook = nullptr;
        clearProperties();
    }
    // The file manager sees files written before it starts, so fixtures come first.
    cEngineCore& core()
    {
        if (!m_core)
            m_core = std::make_unique<cEngineCore>(m_data);
        return *m_core;
    }
    void restart()
    {
        m_profile.reset();
        m_core.reset();
    }
    cProfile& open(const WString& _name)
    {
        m_profile.reset();
        core();
        m_profile = std::make_unique<cProfile>(_name);
        return *m_profile;
    }
    void close() { m_profile.reset(); }
    std::string common(const std::string& _name) const { return readFileBytes(m_data.common(_name)); }

    cTestData m_data;
    std::unique_ptr<cEngineCore> m_core;
    std::unique_ptr<cProfile> m_profile;
};

TEST_F(Profiles, FirstStartWritesTheIndexThenTheVariablesAtExit)
{
    open(u"Anna");
    EXPECT_EQ(common("profiles.xml"), indexBytes("NextID=\"2\" CurrentUser=\"Anna\" NowPlaying=\"1\"", profileLine("Anna", 1)));
    EXPECT_FALSE(fileExists(m_data.common("00000001.xml")));
    propertyMap<PT_INT>()["Money"] = 175;
    close();
    EXPECT_EQ(common("profiles.xml"), indexBytes("NextID=\"2\" CurrentUser=\"Anna\" NowPlaying=\"0\"", profileLine("Anna", 1)));
    EXPECT_EQ(common("00000001.xml"),
        propsBytes("<prop Name=\"Money\" Val=\"175\" Type=\"Int\" /><prop Name=\"Tutorial\" Val=\"1\" Type=\"Bool\" />"));
    EXPECT_TRUE(propertyMap<PT_INT>().empty()) << "the variables leave with the profile";
}

TEST_F(Profiles, NewNameGetsTheNextIdentifierAndDefaults)
{
    open(u"Anna");
    propertyMap<PT_INT>()["Money"] = 5;
    EXPECT_EQ(open(u"Bob").getProfileID(), "00000002");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 150);
    close();
    EXPECT_EQ(common("profiles.xml"),
        indexBytes("NextID=\"3\" CurrentUser=\"Bob\" NowPlaying=\"0\"", profileLine("Anna", 1) + profileLine("Bob", 2)));
    EXPECT_EQ(open(u"Anna").getProfileID(), "00000001");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 5);
}

TEST_F(Profiles, KnownNameWithoutPropertyFileKeepsDefaults)
{
    writeXml16(m_data.common("profiles.xml"), "<Profiles NextID=\"4\" CurrentUser=\"Anna\" NowPlaying=\"0\">"
                                              "<Profile Name=\"Cleo\" ID=\"3\" /></Profiles>");
    cProfile& profile = open(u"Cleo");
    EXPECT_EQ(profile.getProfileID(), "00000003");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 150);
    EXPECT_TRUE(propertyMap<PT_BOOL>()["Tutorial"]);
}

TEST_F(Profiles, IdentifiersNameTheirFiles)
{
    const struct {
        const char* nextID;
        const char* file;
    } cases[] = {{"10", "00000010.xml"}, {"123456789", "123456789.xml"}};
    for (const auto& c : cases) {
        writeXml16(m_data.common("profiles.xml"),
            std::string("<Profiles NextID=\"") + c.nextID + "\" CurrentUser=\"\" NowPlaying=\"0\"></Profiles>");
        open(u"Zed");
        restart();
        EXPECT_TRUE(fileExists(m_data.common(c.file))) << c.file;
    }
}

TEST_F(Profiles, NamesAreAppendedInCodeUnitOrderAndCaseMatters)
{
    for (const char16_t* name : {u"bob", u"Bob", u"\u0416enya", u"Anna"})
        open(name);
    NAME_LIST names{u"x", u"y"};
    m_profile->getNames(names);
    EXPECT_EQ(names, (NAME_LIST{u"x", u"y", u"Anna", u"Bob", u"bob", u"\u0416enya"}));
}

TEST_F(Profiles, MarkupInNamesReadsBack)
{
    const WString name = u"Tom & \"Jerry\" <3>";
    open(name);
    close();
    EXPECT_EQ(cProfile::getCurrentUserName(), name);
    EXPECT_EQ(open(name).getProfileID(), "00000001");
}

TEST_F(Profiles, StrayFilesAreNotTakenOver)
{
    m_data.write(m_data.common("00000001.xml"), "an earlier player's");
    EXPECT_EQ(open(u"Anna").getProfileID(), "00000002");
    close();
    EXPECT_EQ(common("00000001.xml"), "an earlier player's");
}

class ProfileDeletion : public Profiles {
protected:
    void SetUp() override
    {
        open(u"Anna");
        open(u"Bob");
        close();
        m_data.write(m_data.common("00000001.save"), "anna's farm");
        m_data.write(m_data.common("00000012.save"), "another farm");
        m_bobProps = common("00000002.xml");
    }
    std::string m_bobProps;
};

TEST_F(ProfileDeletion, RemovesEveryFileOfThatIdentifierOnly)
{
    open(u"Anna").deleteProfile(u"Anna");
    EXPECT_FALSE(fileExists(m_data.common("00000001.xml")));
    EXPECT_FALSE(fileExists(m_data.common("00000001.save")));
    EXPECT_TRUE(fileExists(m_data.common("00000002.xml")));
    EXPECT_TRUE(fileExists(m_data.common("00000012.save")));
    EXPECT_EQ(m_profile->m_currentUserName, u"Bob");
    EXPECT_EQ(common("profiles.xml"), indexBytes("NextID=\"3\" CurrentUser=\"Bob\" NowPlaying=\"1\"", profileLine("Bob", 2)));
}

TEST_F(ProfileDeletion, LoadedVariablesNeverReachAnotherPlayersFile)
{
    open(u"Anna");
    propertyMap<PT_INT>()["Money"] = 99999;
    m_profile->deleteProfile(u"Anna");
    close();
    EXPECT_EQ(common("00000002.xml"), m_bobProps);
    EXPECT_FALSE(fileExists(m_data.common("00000001.xml")));
}

TEST_F(ProfileDeletion, AnotherProfilesDeletionStillSavesTheLoadedOne)
{
    open(u"Bob");
    propertyMap<PT_INT>()["Money"] = 7;
    m_profile->deleteProfile(u"Anna");
    close();
    EXPECT_EQ(open(u"Bob").getProfileID(), "00000002");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 7);
}

TEST_F(ProfileDeletion, LastProfileTakesTheIndexWithIt)
{
    cProfile& profile = open(u"Anna");
    profile.deleteProfile(u"Anna");
    EXPECT_TRUE(cProfile::isHeadersExist());
    profile.deleteProfile(u"Bob");
    EXPECT_FALSE(cProfile::isHeadersExist());
    EXPECT_TRUE(profile.m_currentUserName.empty());
    close();
    EXPECT_FALSE(fileExists(m_data.common("profiles.xml")));
    EXPECT_EQ(open(u"Cleo").getProfileID(), "00000001") << "a new index starts again";
}

TEST_F(ProfileDeletion, UnknownNameChangesNothing)
{
    cProfile& profile = open(u"Bob");
    const std::string loaded = common("profiles.xml");
    profile.deleteProfile(u"anna");
    EXPECT_EQ(common("profiles.xml"), loaded);
    EXPECT_TRUE(fileExists(m_data.common("00000001.save")));
}

TEST_F(Profiles, EmptyNameNeverTouchesTheIndex)
{
    writeXml16(m_data.common("profiles.xml"), "<Profiles NextID=\"2\" CurrentUser=\"\" NowPlaying=\"0\">"
                                              "<Profile Name=\"Anna\" ID=\"1\" /></Profiles>");
    const std::string before = common("profiles.xml");
    core();
    EXPECT_TRUE(cProfile::getCurrentUserName().empty());
    EXPECT_THROW(open(u"").getProfileID(), String);
    close();
    EXPECT_EQ(common("profiles.xml"), before);
}

TEST_F(Profiles, FailedSaveIsReportedByTheCallAndOnlyLoggedAtDestruction)
{
    core().settings().setPropertyT("game", "profiles", String("Profiles"));
    open(u"Anna");
    ASSERT_EQ(cProfile::getProfilesDir(), "Profiles/");
    // Names the program creates are lower case on the disk.
    ASSERT_TRUE(fileExists(m_data.common("profiles/profiles.xml")));
    std::filesystem::remove_all(m_data.common("profiles"));
    m_data.write(m_data.common("profiles"), "a file where the folder was");
    EXPECT_THROW(m_profile->save(), String);
    close();
    EXPECT_EQ(common("profiles"), "a file where the folder was");
}

TEST_F(Profiles, EveryTypeRoundTrips)
{
    g_profileInitHook = nullptr;
    open(u"Anna");
    propertyMap<PT_FLOAT>()["f"] = 1234.5f;
    propertyMap<PT_DOUBLE>()["d"] = -0.25;
    propertyMap<PT_INT>()["i"] = -7;
    propertyMap<PT_UINT>()["u"] = 4000000000u;
    propertyMap<PT_LONG>()["l"] = -2000000000;
    propertyMap<PT_ULONG>()["ul"] = 3000000000u;
    propertyMap<PT_LONGLONG>()["ll"] = -9000000000LL;
    propertyMap<PT_DXCOLOR>()["c"] = DXColor{1, 0, 0, 1};
    propertyMap<PT_BOOL>()["b"] = true;
    propertyMap<PT_UINT16>()["s"] = 65535;
    propertyMap<PT_VECTOR2>()["v"] = Vector2{1.5f, -2};
    propertyMap<PT_STRING>()["t"] = "a \"quoted\" & <tagged> text";
    propertyMap<PT_WSTRING>()["w"] = u"\u041D\u043E\u0432\u044B\u0439\ttab";
    close();
    open(u"Anna");
    EXPECT_EQ(propertyMap<PT_FLOAT>()["f"], 1234.5f);
    EXPECT_EQ(propertyMap<PT_DOUBLE>()["d"], -0.25);
    EXPECT_EQ(propertyMap<PT_INT>()["i"], -7);
    EXPECT_EQ(propertyMap<PT_UINT>()["u"], 4000000000u);
    EXPECT_EQ(propertyMap<PT_LONG>()["l"], -2000000000);
    EXPECT_EQ(propertyMap<PT_ULONG>()["ul"], 3000000000u);
    EXPECT_EQ(propertyMap<PT_LONGLONG>()["ll"], -9000000000LL);
    const DXColor color = propertyMap<PT_DXCOLOR>()["c"];
    EXPECT_EQ(colorToARGB(color), 0xFFFF0000u);
    EXPECT_TRUE(propertyMap<PT_BOOL>()["b"]);
    EXPECT_EQ(propertyMap<PT_UINT16>()["s"], 65535);
    EXPECT_EQ(propertyMap<PT_VECTOR2>()["v"].x, 1.5f);
    EXPECT_EQ(propertyMap<PT_VECTOR2>()["v"].y, -2.0f);
    EXPECT_EQ(propertyMap<PT_STRING>()["t"], "a \"quoted\" & <tagged> text");
    EXPECT_EQ(propertyMap<PT_WSTRING>()["w"], u"\u041D\u043E\u0432\u044B\u0439\ttab");
}

class ProfileFolder : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(ProfileFolder, SettingGivesTheFolder)
{
    cTestData data(std::string("<game app_directory=\"Test\" profiles=\"") + GetParam().first + "\" />");
    cEngineCore core(data);
    EXPECT_EQ(cProfile::getProfilesDir(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileFolder,
    ::testing::Values(std::make_pair("Profiles", "Profiles/"), std::make_pair("Profiles/", "Profiles/"),
        std::make_pair("", "")));

TEST(ProfileIdentifier, ZeroFilledToEightDigits)
{
    EXPECT_EQ(formatProfileID(3), "00000003");
    EXPECT_EQ(formatProfileID(12345678), "12345678");
    EXPECT_EQ(formatProfileID(4294967295u), "4294967295");
}

} // namespace
