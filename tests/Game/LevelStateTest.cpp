#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/progress/GameVariables.h"
#include "engine/progress/Profile.h"
#include "engine/text/TextConvert.h"
#include "Game/Farm/Farm.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/LevelState.h"
#include "Game/Timeline/Gameplay.h"
#include "GameHarness.h"

#include <iterator>
#include "support/TempFolder.h"
#include "Ui/controls/Picture.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <cstring>
#include <limits>

namespace {

sLevelState fullState()
{
    sLevelState state;
    state.packages = {{120.5f, -30.0f, 3, 2, cSeedPackage::TAKEN, false}, {300, 200, 7, 4, cSeedPackage::ON_MOUSE, true}};
    state.windowStart = 12.5f;
    state.earnings = {{40, 300}, {72.5f, 25}};
    state.notes = {{u"Первая", true}, {u"second", false}, {u"", true}};
    state.factors = {0.25f, -1.5f, 0};
    return state;
}

auto fields(const sLevelState::sPackage& _p) { return std::tie(_p.x, _p.y, _p.seedType, _p.count, _p.state, _p.bought); }
auto fields(const sLevelState::sEarning& _e) { return std::tie(_e.time, _e.money); }
auto fields(const sLevelState::sNote& _n) { return std::tie(_n.text, _n.read); }

template <class T> bool sameRecords(const std::vector<T>& _a, const std::vector<T>& _b)
{
    return std::equal(_a.begin(), _a.end(), _b.begin(), _b.end(),
                      [](const T& _x, const T& _y) { return fields(_x) == fields(_y); });
}

void expectSame(const sLevelState& _a, const sLevelState& _b)
{
    EXPECT_TRUE(sameRecords(_a.packages, _b.packages));
    EXPECT_EQ(_a.windowStart, _b.windowStart);
    EXPECT_TRUE(sameRecords(_a.earnings, _b.earnings));
    EXPECT_TRUE(sameRecords(_a.notes, _b.notes));
    EXPECT_EQ(_a.factors, _b.factors);
}

void putU32(std::string& _bytes, size_t _at, std::uint32_t _value)
{
    for (int i = 0; i < 4; ++i)
        _bytes[_at + i] = char(_value >> (8 * i));
}

TEST(LevelStateFile, EverySectionReadsBackAsWritten)
{
    const sLevelState written = fullState();
    sLevelState read;
    String error;
    ASSERT_TRUE(readLevelState(writeLevelState(written), read, error)) << error;
    expectSame(written, read);
}

TEST(LevelStateFile, RecordsAreLittleEndianWithZeroPadding)
{
    sLevelState state;
    state.packages = {{1.0f, 0, 0x01020304u, 4, 3, true}};
    state.notes = {{u"\u0416", false}};
    state.stamp = 0x0A0B0C0Du;
    const std::string bytes = writeLevelState(state);
    ASSERT_EQ(bytes.size(), 4 + 24 + 8 + 4 + 1 + 4 + 2 + 4 + 8u);
    EXPECT_EQ(bytes.substr(bytes.size() - 8), std::string("FSTM\x0D\x0C\x0B\x0A", 8)) << "the mark, then the stamp";
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(bytes.substr(4, 4), std::string("\0\0\x80\x3f", 4)) << "1.0f";
    EXPECT_EQ(bytes.substr(12, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.substr(24, 4), std::string("\x01\0\0\0", 4)) << "bought, then zero padding";
    EXPECT_EQ(bytes.substr(36, 11), std::string("\x01\0\0\0\0\x01\0\0\0\x16\x04", 11)) << "one unread note of one unit";
}

TEST(LevelStateFile, AFileCutShortAnywhereIsRefusedAndLeavesTheStateAlone)
{
    const std::string bytes = writeLevelState(fullState());
    for (size_t size = 0; size < bytes.size(); ++size) {
        // Without its stamp it is a file from before the stamp, which reads.
        if (size == bytes.size() - 8)
            continue;
        sLevelState state;
        state.windowStart = 99;
        String error;
        EXPECT_FALSE(readLevelState(bytes.substr(0, size), state, error)) << size;
        EXPECT_FALSE(error.empty()) << size;
        EXPECT_EQ(state.windowStart, 99) << size;
        EXPECT_TRUE(state.packages.empty()) << size;
    }
}

TEST(LevelStateFile, ACountPastTheBytesLeftIsRefusedBeforeAnythingIsMade)
{
    const sLevelState state = fullState();
    const std::string good = writeLevelState(state);
    // Offsets of each count in the file of fullState().
    const size_t earnings = 4 + 2 * 24;
    const size_t notes = earnings + 8 + 2 * 8;
    const size_t firstNoteLength = notes + 4 + 1;
    const size_t factors = good.size() - 8 - 4 - 3 * 4;
    struct sCase {
        const char* name;
        size_t at;
        std::uint32_t value;
    };
    const sCase cases[] = {
        {"package count", 0, 0xFFFFFFFFu},
        {"earnings count", earnings, 0x20000000u},
        {"note count", notes, 0xFFFFFFF0u},
        {"note length", firstNoteLength, 0x7FFFFFFFu},
        {"factor count", factors, 4},
    };
    for (const sCase& c : cases) {
        std::string bytes = good;
        putU32(bytes, c.at, c.value);
        sLevelState read;
        String error;
        EXPECT_FALSE(readLevelState(bytes, read, error)) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
}

TEST(LevelStateFile, UnusablePackagesAreDroppedAndAPressLiesAgain)
{
    const Float nan = std::numeric_limits<Float>::quiet_NaN();
    struct sCase {
        const char* name;
        sLevelState::sPackage package;
        bool kept;
        UInt state;
    };
    const sCase cases[] = {
        {"lying", {10, 10, 1, 4, 0, false}, true, 0},
        {"pressed", {10, 10, 1, 4, 1, false}, true, 0},
        {"on the pointer", {10, 10, 7, 4, 2, true}, true, 2},
        {"with the worker", {10, 10, 2, 1, 3, false}, true, 3},
        {"a state that does not exist", {10, 10, 2, 1, 9, false}, true, 0},
        {"crop past the last", {10, 10, 8, 4, 0, false}, false, 0},
        {"empty", {10, 10, 3, 0, 0, false}, false, 0},
        {"nowhere", {nan, 10, 3, 2, 0, false}, false, 0},
    };
    for (const sCase& c : cases) {
        std::vector<sLevelState::sPackage> packages{c.package};
        std::vector<String> dropped;
        keepUsablePackages(packages, dropped);
        EXPECT_EQ(packages.size(), c.kept ? 1u : 0u) << c.name;
        EXPECT_EQ(dropped.size(), c.kept ? 0u : 1u) << c.name;
        if (c.kept && !packages.empty()) {
            EXPECT_EQ(packages[0].state, c.state) << c.name;
        }
    }
}

const char* const SAVE = "Profiles/00000001.save";

std::string packageXml()
{
    return makeXml16("<SeedPackage Visible=\"1\" Enable=\"1\" size=\"40 40\"><ClickOffsetList><O Offset=\"0 10\" />"
                     "<O Offset=\"6 10\" /></ClickOffsetList><Use Visible=\"0\" Enable=\"1\" ProgressMaxValue=\"4\" "
                     "Step=\"10 0\" /></SeedPackage>");
}

// Two demand events of 100 for crop 3, so the factors show in what the time-line holds, and
// the end of the main game.
std::string twoDemandEvents()
{
    const std::string event = "<E Type=\"6\" Time=\"0:10:00\"><Data Range=\"0.5\"><P ProductType=\"3\" Value=\"100\" /></Data></E>";
    return makeXml16("<Gameplay><Events>" + event + event + "<E Type=\"9\" Time=\"0:20:00\" /></Events></Gameplay>");
}

// A player "Ann" (identifier 1) whose games are started and ended by the test.
class cLevelStateGame : public ::testing::Test {
protected:
    cLevelStateGame()
        : m_engine("<game app_directory=\"Test\" profiles=\"Profiles\" />",
                   cGameTest::gameFiles({{"Farm/ActionAreas/SeedPackage.xml", packageXml()},
                       {"Gameplay/Gameplay.xml", twoDemandEvents()}}),
                   cEngineHarness::eRenderer::null)
    {
        clearProperties();
        g_profileInitHook = cGame::onInitProfile;
        m_profile = std::make_unique<cProfile>(u"Ann");
    }
    ~cLevelStateGame() override
    {
        cGame::endGame();
        m_profile.reset();
        g_profileInitHook = nullptr;
        clearProperties();
    }

    void start() { ASSERT_EQ(thrownText([] { cGame::startGame(); }), "no error"); }
    void end() { cGame::endGame(); }
    void restart()
    {
        end();
        start();
    }
    // The disk's part of a save runs beside the game: what is read here waits for it.
    std::string saved()
    {
        cFileManager::getInstance()->waitForSaves();
        return readFileBytes(m_engine.data().common("profiles/00000001.save"));
    }
    void writeSave(const std::string& _bytes)
    {
        cFileManager::getInstance()->waitForSaves();
        std::unique_ptr<iFile> file(cFileManager::getInstance()->create(SAVE));
        file->write(_bytes.data(), ULong(_bytes.size()));
        ASSERT_TRUE(file->close());
    }
    static std::vector<cSeedPackage*> packages()
    {
        std::vector<cSeedPackage*> list;
        cFarm::getInstance()->getSeedPackageList(list);
        return list;
    }
    static cPicture* ground() { return cFarm::getInstance()->getSlidingPicture(); }
    static Int demand(UInt _event)
    {
        return static_cast<sPopularityChangeEvent*>(cGameplay::getInstance()->getEvent(_event))->values[0].Value;
    }

    cEngineHarness m_engine;
    std::unique_ptr<cProfile> m_profile;
};

TEST_F(cLevelStateGame, ANewPlayerGetsAFileOfTheFactorsThatApplyOnceAndTheVariablesAreSavedWithIt)
{
    start();
    EXPECT_EQ(saved().size(), 20 + 4 * 3 + 8u);
    const std::vector<Float> factors = cGameplay::getInstance()->getRandomFactors();
    ASSERT_EQ(factors.size(), 3u);
    EXPECT_EQ(demand(0), 100 + Int(std::trunc(100 * factors[0])));
    key::Money() = 777;
    end();
    cFileManager::getInstance()->waitForSaves();
    const std::string props = readFileBytes(m_engine.data().common("profiles/00000001.xml"));
    const std::u16string text(reinterpret_cast<const char16_t*>(props.data()), props.size() / 2);
    EXPECT_NE(text.find(u"\"777\""), std::u16string::npos);
}

TEST_F(cLevelStateGame, PackagesEarningsNotesAndFactorsSurviveARestart)
{
    start();
    const Vector2 origin = ground()->getPosition();
    new cSeedPackage(ground(), 3, 2, Vector2(origin.x + 200, origin.y + 300), cSeedPackage::LYING, false);
    new cSeedPackage(ground(), 5, 1, Vector2(origin.x + 420, origin.y + 260), cSeedPackage::TAKEN, false);
    cGame::getInstance()->addEarnedFromMarket(300, 10);
    cGame::getInstance()->addEarnedFromMarket(200, 20);
    cGameMenu::getInstance()->addNote(u"read", true);
    cGameMenu::getInstance()->addNote(u"unread", false);
    cGameMenu::getInstance()->addNote(u"read again", true);
    cGameplay::getInstance()->setRandomFactors({0.5f, -0.25f, 0});
    key::GameTime() = 30;
    restart();

    const auto list = packages();
    ASSERT_EQ(list.size(), 2u);
    const Vector2 now = ground()->getPosition();
    EXPECT_EQ(list[0]->getSeedType(), 3u);
    EXPECT_EQ(list[0]->getCount(), 2u);
    EXPECT_EQ(list[0]->getState(), UInt(cSeedPackage::LYING));
    EXPECT_FLOAT_EQ(list[0]->getPosition().x - now.x, 200);
    EXPECT_FLOAT_EQ(list[0]->getPosition().y - now.y, 300);
    EXPECT_EQ(list[1]->getState(), UInt(cSeedPackage::TAKEN));
    EXPECT_EQ(cGame::getInstance()->getEarnedSum(), 500u);
    EXPECT_EQ(cGame::getInstance()->getEarnedWindowStart(), -40);
    std::vector<std::pair<WString, Bool>> notes;
    for (const auto& note : cGameMenu::getInstance()->getNotes())
        notes.push_back({note.text, note.read});
    EXPECT_EQ(notes, (std::vector<std::pair<WString, Bool>>{{u"read", true}, {u"unread", false}, {u"read again", true}}));
    EXPECT_EQ(cGameplay::getInstance()->getRandomFactors(), (std::vector<Float>{0.5f, -0.25f, 0}));
    EXPECT_EQ(demand(0), 150);
    EXPECT_EQ(demand(1), 75);
}

// The welcome tip holds the clock at 0:00:00, where a start draws factors of its own.
TEST_F(cLevelStateGame, AGameContinuedAtTheStartTakesItsSavedFactorsInPlaceOfNewOnes)
{
    start();
    cGameplay::getInstance()->setRandomFactors({0.5f, -0.25f, 0});
    restart();
    EXPECT_EQ(key::GameTime(), 0.0f);
    EXPECT_EQ(demand(0), 150);
    EXPECT_EQ(demand(1), 75);
}

// Earnings past the minute go, the saved window start wins, and missing factors count as zero,
// as does one its event could not have drawn. An earlier build timed its sales by the game clock,
// which its loops set back, and kept every one: its list is read down to its last minute, which
// is all the next save keeps.
TEST_F(cLevelStateGame, ASavedFileKeepsTheLastMinutesEarningsItsWindowAndItsFactors)
{
    std::vector<sLevelState::sEarning> loops;
    for (int loop = 0; loop < 3; ++loop)
        for (int i = 0; i < 1200; ++i)
            loops.push_back({1200 + i * 0.5f, 1});
    struct sCase {
        const char* what;
        std::vector<sLevelState::sEarning> earnings;
        std::vector<Float> factors;
        UInt earned;
        size_t kept;
    };
    const sCase cases[] = {{"the last minute's", {{10, 600}, {71, 500}}, {0.5f}, 500, 1},
        {"three loops of an earlier build", loops, {0.5f, 2.0f}, 121, 121}};
    for (const sCase& c : cases) {
        sLevelState state;
        state.windowStart = 42;
        state.earnings = c.earnings;
        state.factors = c.factors;
        writeSave(writeLevelState(state));
        key::GameTime() = 30;
        start();
        EXPECT_EQ(cGame::getInstance()->getEarnedSum(), c.earned) << c.what;
        EXPECT_EQ(cGame::getInstance()->getEarnedWindowStart(), 42) << c.what;
        EXPECT_FALSE(key::awEarn()) << c.what;
        EXPECT_EQ(demand(0), 150) << c.what;
        EXPECT_EQ(demand(1), 100) << c.what;
        end();
        sLevelState next;
        String error;
        ASSERT_TRUE(readLevelState(saved(), next, error)) << error;
        EXPECT_EQ(next.earnings.size(), c.kept) << c.what;
    }
}

// An earlier build kept every note of every loop of the time-line, 110 texts over and over here:
// the newest copy of each stays, with its flag, as far as the journal's bound goes.
TEST_F(cLevelStateGame, AnEarlierBuildsEndlessNotesAreReadDownToTheNewestOfEachText)
{
    sLevelState state;
    for (size_t i = 0; i < 300; ++i)
        state.notes.push_back({toWString("note " + std::to_string(i % 110)), i % 2 == 0});
    writeSave(writeLevelState(state));
    start();
    const cGameMenu::NOTES& notes = cGameMenu::getInstance()->getNotes();
    ASSERT_EQ(notes.size(), cGameMenu::NOTE_LIMIT);
    EXPECT_TRUE(notes.front().text == u"note 90" && notes.front().read) << "the copy at 200";
    EXPECT_TRUE(notes.back().text == u"note 79" && !notes.back().read) << "the copy at 299";
    end();
    sLevelState written;
    String error;
    ASSERT_TRUE(readLevelState(saved(), written, error)) << error;
    EXPECT_EQ(written.notes.size(), cGameMenu::NOTE_LIMIT);
}

TEST_F(cLevelStateGame, ADamagedFileIsMovedAsideLoggedAndTheGameStartsAfresh)
{
    const std::string good = writeLevelState(fullState());
    std::string hugeCount = good;
    putU32(hugeCount, 0, 0x7FFFFFFFu);
    const std::string cases[] = {good.substr(0, 30), hugeCount, std::string("\x05", 1), good + "junk", std::string(40, '\0')};
    // Each damaged copy is kept under a name of its own.
    const char* const aside[] = {".broken", ".broken2", ".broken3", ".broken4", ".broken5"};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string& damaged = cases[i];
        writeSave(damaged);
        start();
        EXPECT_TRUE(cGame::exists());
        EXPECT_TRUE(packages().empty());
        EXPECT_TRUE(cGameMenu::getInstance()->getNotes().empty());
        EXPECT_EQ(saved().size(), 20 + 4 * 3 + 8u) << "a sound file takes its place";
        EXPECT_EQ(readFileBytes(m_engine.data().common(std::string("profiles/00000001.save") + aside[i])), damaged);
        EXPECT_NE(readFileBytes(m_engine.data().common("profiles/00000001.xml")), "") << "the variables stay";
        EXPECT_NE(readFileBytes("error.log").find("is damaged"), std::string::npos);
        end();
    }
}

TEST_F(cLevelStateGame, BadPackagesAreLeftOutAPressLiesOnTheGroundAndThePointersIsOnItAgain)
{
    sLevelState state;
    state.packages = {{100, 300, 9, 4, 0, false}, {150, 300, 2, 0, 0, false}, {200, 300, 2, 3, 1, false},
        {300, 300, 4, 4, cSeedPackage::ON_MOUSE, true}};
    writeSave(writeLevelState(state));
    start();
    const auto list = packages();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->getCount(), 3u);
    EXPECT_EQ(list[0]->getState(), UInt(cSeedPackage::LYING));
    EXPECT_TRUE(list[1]->isBought());
    EXPECT_TRUE(cFarm::s_seedOnMouse);
    EXPECT_EQ(cFarm::s_objectOnMouse, list[1]);
    end();
    EXPECT_EQ(cFarm::s_objectOnMouse, nullptr);
}

} // namespace
