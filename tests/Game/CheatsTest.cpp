#include "Game/Farm/Buildings/WareHouse.h"
#include "Game/GameHarness.h"
#include "Game/Awards/AwardManager.h"
#include "Game/Cheats.h"
#include "Ui/profiles/NewProfile.h"
#include "Ui/boxes/TextBox.h"

#include <functional>
#include <memory>
#include <string>

namespace {

// A game whose warehouse takes every cheat's goods, with the listener of typed words.
class CheatsTest : public cGameTest {
protected:
    CheatsTest()
        : cGameTest({{"Farm/ActionAreas/Warehouse.xml",
                      makeXml16("<Warehouse Visible=\"1\" Enable=\"1\"><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList>"
                                "<Upgrades><Up0 ProductionNum=\"500\" />"
                                "</Upgrades></Warehouse>")},
                     {"sounds/beep.wav", "beep"},
                     {"UI/NewUser.xml", makeXml16("<NewUser Visible=\"1\" Enable=\"1\"><NameEdit Visible=\"1\" "
                                                  "Enable=\"1\" MaxLength=\"1000\" /></NewUser>")}})
    {
        key::Money() = 100;
    }
    ~CheatsTest() override { delete cNewProfile::getInstance(); }

    // Each character as the input hands it over.
    static void typeDirect(const std::u16string& _text)
    {
        for (char16_t c : _text)
            cCheats::onCheat(c, nullptr);
    }
    static std::u16string repeat(char16_t _c, std::size_t _count) { return std::u16string(_count, _c); }
    static Bool allSeeds()
    {
        for (UInt crop = 0; crop < cGame::CULTIVATION_COUNT; ++crop)
            if (key::SeedAvail[crop] != 1)
                return false;
        return true;
    }
    static UInt goods(UInt _kind) { return cWareHouse::getInstance()->getGoodCount(_kind); }
    int beeps() { return m_engine.platform().getHeadlessSoundLibrary().countCalls("play"); }

    std::unique_ptr<cCheats> m_cheats = std::make_unique<cCheats>();
};

TEST_F(CheatsTest, EachEffectWordChangesTheGameWhateverTheCaseOrWhatCameBefore)
{
    struct sCase {
        std::u16string typed;
        Int money;
        UInt digLevel;
        Bool seeds;
        UInt goods;
    };
    const UInt digAvail = key::upgradeAvail(cGame::DIG_BUILDING);
    const sCase cases[] = {
        {u"quartzfern", 1100, digAvail, false, 0},
        {u"QuArTzFeRn", 1100, digAvail, false, 0},
        {repeat(u'x', 25) + u"quartzfern", 1100, digAvail, false, 0},
        {u"quartzfernQUARTZFERN", 2100, digAvail, false, 0},
        {u"marigoldsloop", 100, 3, false, 0},
        {u"Pebblewick", 100, digAvail, true, 0},
        {u"lanternquill", 100, digAvail, false, 2},
        {u"quartzfer", 100, digAvail, false, 0},
    };
    for (const sCase& c : cases) {
        key::Money() = 100;
        key::upgradeAvail(cGame::DIG_BUILDING) = digAvail;
        for (UInt crop = 0; crop < cGame::CULTIVATION_COUNT; ++crop)
            key::SeedAvail[crop] = 0;
        for (UInt kind = 0; kind < OVERALL_PROD_COUNT; ++kind)
            cWareHouse::getInstance()->removeGoods(kind, goods(kind), false, false);
        typeDirect(c.typed);
        const std::string name(c.typed.begin(), c.typed.end());
        EXPECT_EQ(key::Money(), c.money) << name;
        EXPECT_EQ(key::upgradeAvail(cGame::DIG_BUILDING), c.digLevel) << name;
        EXPECT_EQ(allSeeds(), c.seeds) << name;
        EXPECT_EQ(goods(0), c.goods) << name;
        EXPECT_EQ(goods(OVERALL_PROD_COUNT - 1), c.goods) << name;
        EXPECT_EQ(beeps(), 0) << name;
    }
}

TEST_F(CheatsTest, TheAllEffectsWordBeepsOnceAndRunsEachEffectOnce)
{
    m_engine.type(u"KiteMoss");
    m_engine.frame();
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(key::Money(), 1100);
    EXPECT_EQ(key::upgradeAvail(cGame::DIG_BUILDING), 3u);
    EXPECT_TRUE(allSeeds());
    for (UInt kind = 0; kind < OVERALL_PROD_COUNT; ++kind)
        EXPECT_EQ(goods(kind), 2u) << kind;
    EXPECT_TRUE(m_cheats->getBuffer().empty());
}

TEST_F(CheatsTest, AnAwardCodeForcesItsAwardAndTheLongestTypedCodeWins)
{
    struct sCase {
        std::u16string typed;
        Int forced;
    };
    const sCase cases[] = {
        {u"q01", 0}, {u"Q21", 20}, {u"q1", -1}, {u"q10", 9}, {u"q22", -1}, {repeat(u'z', 30) + u"q07", 6},
    };
    for (const sCase& c : cases) {
        cAwardManager::getInstance()->setForcedIndex(-1);
        typeDirect(c.typed);
        EXPECT_EQ(cAwardManager::getInstance()->getForcedIndex(), c.forced) << std::string(c.typed.begin(), c.typed.end());
    }
}

TEST_F(CheatsTest, OutsideAGameTypedWordsDoNothingAndCrashNothing)
{
    cGame::endGame();
    ASSERT_FALSE(cAwardManager::exists());
    for (const char16_t* word : {u"quartzfern", u"marigoldsloop", u"pebblewick", u"lanternquill", u"kitemoss", u"q05"}) {
        m_engine.type(word);
        m_engine.frame();
    }
    EXPECT_EQ(key::Money(), 100);
    EXPECT_FALSE(allSeeds());
    EXPECT_EQ(beeps(), 0);
    cGame::startGame();
    EXPECT_EQ(cAwardManager::getInstance()->getForcedIndex(), -1);
}

TEST_F(CheatsTest, WhatIsTypedIntoANameIsNotReadAsWords)
{
    cNewProfile* screen = new cNewProfile();
    screen->show();
    screen->enable();
    ASSERT_TRUE(screen->getNameBox()->isEffectivelyEnabled());
    typeDirect(u"quartzfern");
    EXPECT_EQ(key::Money(), 100);
    typeDirect(u"quartz");
    screen->disable();
    typeDirect(u"fern");
    EXPECT_EQ(key::Money(), 100) << "the start went into the name";
    typeDirect(u"quartzfern");
    EXPECT_EQ(key::Money(), 1100);
}

} // namespace
