#include "engine/Engine.h"
#include "engine/progress/GameVariables.h"
#include "engine/progress/Profile.h"
#include "engine/resources/ResourceManager.h"
#include "engine/text/TextConvert.h"
#include "Game/Contracts/ContractAim.h"
#include "Game/Contracts/ContractFail.h"
#include "Game/Contracts/ContractPassConfirm.h"
#include "Game/Contracts/ContractProvide.h"
#include "Game/Farm/Seeds/BuySeeds.h"
#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/Buildings/ElasticAnimation.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Fields/FieldTip.h"
#include "Game/Farm/Letters/Journal.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Worker/Person.h"
#include "Game/Farm/Buildings/WareDetail.h"
#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/Farm/Water/WaterSource.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Manufacture/BuyBuilding.h"
#include "Game/Manufacture/Manufacture.h"
#include "Game/Market/Market.h"
#include "Game/Timeline/Gameplay.h"
#include "Game/Tutorial/HelpView.h"
#include "Game/Tutorial/TutorialManager.h"
#include "Game/Awards/AwardManager.h"
#include "GameHarness.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

#include <cstdlib>
#include <regex>
#include <set>

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
// indexes do, an index past the end is refused, and that no key sits in two maps.
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

// A saved clock of -1, NaN, infinity or 1e308 once started the time-line again, silently: the
// clock as the profile hands it over is finite and never negative, and a log line says so.
TEST_F(cFreshProfile, AStoredClockThatIsNegativeOrNotFiniteStartsFromZeroWithALogLine)
{
    cTempFolder folder(true);
    const struct {
        const char16_t* saved;
        Float expected;
    } cases[] = {{u"-1", 0}, {u"NaN", 0}, {u"inf", 0}, {u"1e308", 0}, {u"-1e-30", 0}, {u"1234.5", 1234.5f}};
    for (const auto& c : cases) {
        for (const char* name : {"GameTime", "RunTime"}) {
            cGame::onInitProfile();
            setProperty("Float", name, c.saved);
            const Float clock = std::string(name) == "GameTime" ? key::GameTime() : key::RunTime();
            EXPECT_EQ(clock, c.expected) << name << " " << toString(c.saved);
        }
    }
    const std::string log = readFileBytes(folder.file("error.log"));
    EXPECT_NE(log.find("GameTime held \"NaN\""), std::string::npos) << log;
    EXPECT_NE(log.find("Game variable RunTime held -1"), std::string::npos) << log;
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

template <class T>
std::pair<std::string, bool> instance(const char* _name)
{
    return {_name, T::exists()};
}

// Which of the game's objects exist now, by name.
std::vector<std::pair<std::string, bool>> gameObjects()
{
    return {instance<cGame>("game"), instance<cGameplay>("time-line"), instance<cTutorialManager>("tutorial"),
        instance<cWareDetail>("ware detail"), instance<cGameMenu>("menu bar"), instance<cFarm>("farm"),
        instance<cMarket>("market"), instance<cManufacture>("manufacture"), instance<cFieldTip>("field tip"),
        instance<cWareHouse>("warehouse"), instance<cDigBuilding>("dig building"),
        instance<cWaterSource>("water source"), instance<cMowBuilding>("mow building"), instance<cPerson>("worker"),
        instance<cElasticAnimation>("elastic animation"), instance<cBuyBuilding>("build panel"),
        instance<cBuySeeds>("seed shop"), instance<cJournal>("journal"), instance<cContractProvide>("offer"),
        instance<cContractAim>("aim"), instance<cContractPassConfirm>("pass confirmation"),
        instance<cContractFail>("fail"), instance<cHelpView>("help"), instance<cAwardManager>("awards")};
}

// The engine over the demo data set, as the game is shipped.
class cDemoGame : public cFreshProfile {
protected:
    cDemoGame()
    {
        const char* data = std::getenv("FURROW_DATA");
        m_engine = std::make_unique<cEngine>(data ? data : "Data", nullptr);
    }
    ~cDemoGame() override
    {
        cGame::endGame();
        m_engine.reset();
    }

    cTestData m_folders;
    std::unique_ptr<cHeadlessPlatform> m_platform = std::make_unique<cHeadlessPlatform>();
    std::unique_ptr<cEngine> m_engine;
};

TEST_F(cDemoGame, AGameBuildsEveryObjectAndTakesEveryOneDownAgain)
{
    ASSERT_EQ(thrownText([] { cGame::startGame(); }), "no error");
    for (const auto& object : gameObjects())
        EXPECT_TRUE(object.second) << object.first;
    ASSERT_TRUE(cGame::getInstance()->getSeedsInfo(cGame::PINEAPPLE));
    EXPECT_GT(cGame::getInstance()->getSeedsInfo(cGame::PINEAPPLE)->Price, 0u);
    EXPECT_GT(cGame::getInstance()->getUpgradeCost(cGame::BAKERY, 3), 0u);
    EXPECT_EQ(cGame::getStaticProductTag(6), u"Ананасы");
    EXPECT_EQ(thrownText([] { cGame second; }, true), "Object already exist.");
    cGame::endGame();
    for (const auto& object : gameObjects())
        EXPECT_FALSE(object.second) << object.first;
}

// The paths of a resource log's pictures, screen files, fonts and sounds (what the loading
// screen preloads), lower-cased; its own name and the music left out.
std::set<std::string> preloadedPaths(const std::string& _log)
{
    std::string text;
    for (char byte : _log)
        if (byte != 0)
            text += char(std::tolower(static_cast<unsigned char>(byte)));
    std::set<std::string> paths;
    const std::regex tag("path=\"([^\"]*)\" type=\"([0-4])\"");
    for (auto found = std::sregex_iterator(text.begin(), text.end(), tag); found != std::sregex_iterator(); ++found) {
        const std::string path = (*found)[1];
        if (path.find("reslog") == std::string::npos && path.rfind("music/", 0) != 0)
            paths.insert(path);
    }
    return paths;
}

// The loading screen before a game preloads what the game builds with, a few at a frame, so that
// the frame that builds the game only puts it together: a farm with a workshop of every kind
// loads nothing the game's resource log does not name.
TEST_F(cDemoGame, TheGamesResourceLogNamesEverythingAGameBuildsWith)
{
    for (UInt b = 0; b < 11; ++b) {
        key::ProdType[b] = b;
        key::ProdCount[b] = 1;
        key::XProdPos[b] = 80.0f + 130.0f * Float(b % 5);
        key::YProdPos[b] = 140.0f + 90.0f * Float(b / 5);
    }
    ASSERT_EQ(thrownText([] { cGame::startGame(); }), "no error");
    cResourceManager::getInstance()->resourcesToLog("built.xml");
    const char* data = std::getenv("FURROW_DATA");
    const std::set<std::string> logged =
        preloadedPaths(readFileBytes(std::string(data ? data : "Data") + "/GameResLog.xml"));
    for (const std::string& path : preloadedPaths(readFileBytes(m_folders.home("Furrow/built.xml"))))
        EXPECT_EQ(logged.count(path), 1u) << path;
}

TEST_F(cDemoGame, AGameThatFailsHalfwayLeavesNothingBehind)
{
    // A journal left over from elsewhere stops the game after its buildings and worker exist.
    auto journal = std::make_unique<cJournal>();
    EXPECT_THROW(cGame::startGame(), String);
    for (const auto& object : gameObjects())
        EXPECT_EQ(object.second, object.first == "journal") << object.first;
    journal.reset();
    cGame::startGame();
    EXPECT_TRUE(cGame::exists()) << "the next start succeeds";
}

} // namespace
