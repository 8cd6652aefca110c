#include "Game/Tutorial/TutorialHarness.h"

#include "Game/Contracts/ContractProvide.h"
#include "Game/Farm/Buildings/WareHouse.h"

#include <functional>

namespace {

constexpr eTips WELCOME_TIP = 0;
constexpr eTips WATER_TIP = 1;
constexpr eTips FIELD_TIP = 2;
constexpr eTips HARVEST_TIP = 4;
constexpr eTips WAREHOUSE_TIP = 5;
constexpr eTips PRODUCT_TIP = 43;

// The tutorial's own steps and the tips' tests over a game answered by a fake.
class cTipStepsTest : public cTutorialTest {
protected:
    cTipStepsTest()
    {
        m_query.m_controls[iTipQuery::WATER_SOURCE] = control(150, 300);
        m_query.m_controls[iTipQuery::WAREHOUSE] = control(600, 200);
        m_field = control(300, 350);
        m_tutorial->setQuery(&m_query);
        // The greeting was seen: the other steps are tested on a farm past it.
        key::tip[WELCOME_TIP] = true;
    }
    ~cTipStepsTest() override
    {
        if (cTutorialManager* tutorial = cTutorialManager::getInstance())
            tutorial->setQuery(nullptr);
    }

    // A field of the farm with _water of 10.
    void ownField(Float _water, UInt _status = 3) { m_query.m_fields = {{m_field, _water, 10, _status}}; }
    // The running tip goes as if its action were done; the tips named are not passed any more.
    void forget(std::initializer_list<eTips> _tips)
    {
        if (m_tutorial->isTipRunning()) {
            m_tutorial->setActionDone();
            m_tutorial->getActionTips()->process();
        }
        for (eTips n : _tips)
            key::tip[n] = false;
    }
    Bool test(eTips _n, cControl* _pointed) const { return m_tutorial->getTip(_n).condition(_pointed); }

    cFakeTipQuery m_query;
    cControl* m_field = nullptr;
};

TEST_F(cTipStepsTest, EveryActionTipHasATestAndNoOtherTipHasOne)
{
    for (eTips n = 0; n < TIPS_COUNT; ++n) {
        const auto view = cTutorialManager::getTipView(n);
        const Bool action = view == cTutorialManager::ACTION_TIP || view == cTutorialManager::ACTION_TIP2;
        EXPECT_EQ(m_tutorial->getTip(n).condition != nullptr, action) << n;
    }
    EXPECT_EQ(m_tutorial->getTip(6).condition, m_tutorial->getTip(7).condition);
}

TEST_F(cTipStepsTest, TheWaterTipsWaitSixSecondsAndAreSkippedByAPlayerWhoWateredAlready)
{
    struct sCase {
        const char* name;
        Float water;
        UInt carry;
        Float time;
        Bool farmSlides;
        Bool waterPassed;
        Bool fieldPassed;
        Int running;
    };
    const sCase cases[] = {
        {"too early", 0, 0, 5.9f, false, false, false, -1},
        {"watered too early", 4, 0, 6.0f, false, false, false, -1},
        {"watered alone", 4, 0, 6.1f, false, true, true, -1},
        {"can in hand", 0, 1, 6.1f, false, true, false, Int(FIELD_TIP)},
        {"nothing done", 0, 0, 6.1f, false, false, false, Int(WATER_TIP)},
        {"farm sliding", 0, 0, 6.1f, true, false, false, -1},
    };
    for (const sCase& c : cases) {
        forget({WATER_TIP, FIELD_TIP});
        ownField(c.water);
        m_query.m_carry = c.carry;
        m_query.m_gameTime = c.time;
        m_query.m_sliding[iTipQuery::FARM] = c.farmSlides;
        m_tutorial->process();
        EXPECT_EQ(m_tutorial->isTipPassed(WATER_TIP), c.waterPassed) << c.name;
        EXPECT_EQ(m_tutorial->isTipPassed(FIELD_TIP), c.fieldPassed) << c.name;
        EXPECT_EQ(m_tutorial->getCurrentTip(), c.running) << c.name;
    }
}

TEST_F(cTipStepsTest, TheWelcomeGreetsANewFarmFirstAndAFarmPastTheWellIsNotStopped)
{
    struct sCase {
        const char* name;
        Bool farmSlides;
        Bool held;
        Bool wellTipPassed;
        Bool runs;
        Bool welcomePassed;
    };
    const sCase cases[] = {
        {"a new farm", false, false, false, true, false},
        {"the farm slides in", true, false, false, false, false},
        {"an award holds the game", false, true, false, false, false},
        {"a farm past the well", false, false, true, false, true},
    };
    for (const sCase& c : cases) {
        forget({WELCOME_TIP, WATER_TIP, FIELD_TIP});
        key::tip[WATER_TIP] = c.wellTipPassed;
        ownField(0);
        m_query.m_gameTime = 7;
        m_query.m_sliding[iTipQuery::FARM] = c.farmSlides;
        m_query.m_held = c.held;
        m_tutorial->process();
        EXPECT_EQ(m_tutorial->isCurrentTip(WELCOME_TIP), c.runs) << c.name;
        EXPECT_EQ(m_tutorial->isTipPassed(WELCOME_TIP), c.welcomePassed) << c.name;
        if (c.runs) {
            EXPECT_TRUE(m_tutorial->getCommonTips()->isOwnVisible()) << "the greeting waits for its Ok";
            m_tutorial->onHideTip(m_tutorial->getCommonTips());
        }
    }
}

TEST_F(cTipStepsTest, TheWaterTipsPointAtTheWaterSourceThenAtTheFirstField)
{
    m_query.m_gameTime = 7;
    ownField(0);
    m_tutorial->process();
    ASSERT_TRUE(m_tutorial->isCurrentTip(WATER_TIP));
    EXPECT_EQ(m_tutorial->getActionTips()->getPointed(), m_query.m_controls[iTipQuery::WATER_SOURCE]);
    m_query.m_carry = 1;
    m_query.m_canWater = 10;
    m_tutorial->getActionTips()->process();
    EXPECT_TRUE(m_tutorial->isTipPassed(WATER_TIP)) << "the can is full";
    m_tutorial->process();
    ASSERT_TRUE(m_tutorial->isCurrentTip(FIELD_TIP));
    EXPECT_EQ(m_tutorial->getActionTips()->getPointed(), m_field);
}

TEST_F(cTipStepsTest, WithoutAnOwnedFieldTheFieldTipWaits)
{
    key::tip[WATER_TIP] = true;
    m_query.m_fields.clear();
    m_tutorial->process();
    EXPECT_FALSE(m_tutorial->isTipRunning());
    EXPECT_FALSE(m_tutorial->isTipPassed(FIELD_TIP));
}

TEST_F(cTipStepsTest, TheWarehouseTipFollowsOnlyRightAfterTheHarvestTip)
{
    struct sCase {
        std::vector<eTips> passed;
        Bool warehouse;
        Bool runs;
    };
    const sCase cases[] = {
        {{HARVEST_TIP}, true, true},
        {{HARVEST_TIP, 8}, true, false},
        {{3}, true, false},
        {{HARVEST_TIP}, false, false},
    };
    key::tip[WATER_TIP] = key::tip[FIELD_TIP] = true;
    cControl* warehouse = m_query.m_controls[iTipQuery::WAREHOUSE];
    for (const sCase& c : cases) {
        forget({WAREHOUSE_TIP});
        for (eTips n : c.passed)
            m_tutorial->setTipPassed(n);
        m_query.m_controls[iTipQuery::WAREHOUSE] = c.warehouse ? warehouse : nullptr;
        m_tutorial->process();
        EXPECT_EQ(m_tutorial->isCurrentTip(WAREHOUSE_TIP), c.runs) << c.passed.back() << c.warehouse;
    }
}

TEST_F(cTipStepsTest, TheFirstProductNoteWaitsForARunningGame)
{
    struct sCase {
        const char* name;
        Bool complete;
        Bool held;
        Int sliding;
        Bool runs;
    };
    const sCase cases[] = {
        {"nothing made", false, false, -1, false},  {"paused or awarded", true, true, -1, false},
        {"farm slides", true, false, iTipQuery::FARM, false},
        {"production slides", true, false, iTipQuery::PRODUCTION, false},
        {"market slides", true, false, iTipQuery::MARKET, false}, {"quiet", true, false, -1, true},
    };
    key::tip[WATER_TIP] = key::tip[FIELD_TIP] = true;
    for (const sCase& c : cases) {
        m_query.m_productionComplete = c.complete;
        m_query.m_held = c.held;
        for (Bool& sliding : m_query.m_sliding)
            sliding = false;
        if (c.sliding >= 0)
            m_query.m_sliding[c.sliding] = true;
        m_tutorial->process();
        EXPECT_EQ(m_tutorial->isCurrentTip(PRODUCT_TIP), c.runs) << c.name;
    }
    clickOk(m_tutorial->getCommonTips());
    EXPECT_TRUE(m_tutorial->isTipPassed(PRODUCT_TIP));
}

TEST_F(cTipStepsTest, ActionTestsReadWhatTheirTipAsksFor)
{
    struct sCase {
        const char* name;
        eTips tip;
        std::function<void(cFakeTipQuery&)> set;
        Bool pointed;
        Bool done;
    };
    const sCase cases[] = {
        {"placed building", 37, [](cFakeTipQuery& q) { q.m_houseFlags = 2; }, false, true},
        {"building on the cursor", 37, [](cFakeTipQuery& q) { q.m_houseFlags = 3; }, false, false},
        {"no building", 37, [](cFakeTipQuery& q) { q.m_houseFlags = -1; }, false, false},
        {"input loaded", 48, [](cFakeTipQuery& q) { q.m_loaded = 1; }, true, true},
        {"nothing loaded", 48, [](cFakeTipQuery& q) { q.m_loaded = 0; }, true, false},
        {"grass on sale", 45, [](cFakeTipQuery& q) { q.m_grassOnSale = 5; }, false, true},
        {"no grass on sale", 45, [](cFakeTipQuery& q) { q.m_grassOnSale = 0; }, false, false},
        {"can half full", 1, [](cFakeTipQuery& q) { q.m_carry = 1, q.m_canWater = 5; }, false, false},
        {"can full at a bigger source", 1, [](cFakeTipQuery& q) { q.m_carry = 1, q.m_canWater = 10, q.m_levels[0] = 1; }, false, false},
        {"watering", 2, [](cFakeTipQuery& q) { q.m_job = 10; }, true, true},
        {"pointed field full", 2, [this](cFakeTipQuery& q) { q.m_fields = {{m_field, 10, 10, 0}}; }, true, true},
        {"scythe, warehouse full", 41, [](cFakeTipQuery& q) { q.m_carry = 6, q.m_freeSpace = 0; }, false, false},
        {"scythe, farm slides away", 41, [](cFakeTipQuery& q) { q.m_carry = 6, q.m_freeSpace = 0, q.m_sliding[iTipQuery::FARM] = true; }, false, true},
        {"offer still open", 42, [](cFakeTipQuery& q) { q.m_shown[iTipQuery::CONTRACT_DELIVERY] = true; }, false, false},
        {"offer closed", 42, [](cFakeTipQuery& q) { q.m_shown[iTipQuery::CONTRACT_DELIVERY] = false; }, false, true},
        {"sown", 23, [this](cFakeTipQuery& q) { q.m_fields = {{m_field, 0, 10, 0}}; }, true, true},
        {"still ploughed", 23, [this](cFakeTipQuery& q) { q.m_fields = {{m_field, 0, 10, 3}}; }, true, false},
    };
    for (const sCase& c : cases) {
        m_query = cFakeTipQuery();
        m_query.m_controls[iTipQuery::WATER_SOURCE] = m_field;
        c.set(m_query);
        EXPECT_EQ(test(c.tip, c.pointed ? m_field : nullptr), c.done) << c.name;
    }
}

// A tip whose action the game's state rules out would hold the clock: it does not start, and
// steps back when the state turns against it while it waits. Ruled out for good (a building past
// the level it asks for) it is passed over; ruled out for now it comes when the state allows.
TEST_F(cTipStepsTest, ATipWhoseActionTheGameRulesOutNeverHoldsTheClock)
{
    struct sCase {
        const char* name;
        eTips tip;
        std::function<void(cFakeTipQuery&)> ruleOut;
        Bool forGood;
    };
    const sCase cases[] = {
        {"the can of a well already upgraded", 1, [](cFakeTipQuery& q) { q.m_levels[iTipQuery::WATER_SOURCE] = 1; }, true},
        {"the first scythe of a shed already upgraded", 3, [](cFakeTipQuery& q) { q.m_levels[iTipQuery::MOW_BUILDING] = 1; }, true},
        {"a free upgrade not on sale yet", 34, [](cFakeTipQuery& q) { q.m_houseLevel = 0, q.m_houseUpgradable = false; }, false},
        {"a free upgrade of a workshop upgraded and paid for", 34, [](cFakeTipQuery& q) { q.m_houseLevel = 1; }, true},
        {"grass to bring with none in the barn yet", 45, [](cFakeTipQuery& q) { q.m_grassStock = 0, q.m_grassOnSale = 0; }, false},
    };
    cControl* pointed = control(300, 300);
    for (const sCase& c : cases) {
        for (const Bool whileWaiting : {false, true}) {
            m_query = cFakeTipQuery();
            m_query.m_houseLevel = 0;
            m_query.m_grassStock = 3;
            key::tip[c.tip] = false;
            if (!whileWaiting)
                c.ruleOut(m_query);
            EXPECT_EQ(m_tutorial->isTipPossible(c.tip), whileWaiting) << c.name;
            m_tutorial->runTip(c.tip, pointed);
            if (whileWaiting) {
                ASSERT_TRUE(m_tutorial->isCurrentTip(c.tip)) << c.name;
                EXPECT_TRUE(m_menu->getHold()) << c.name << ": the clock waits for the player";
                c.ruleOut(m_query);
            }
            m_engine.frames(30);
            EXPECT_FALSE(m_tutorial->isTipRunning()) << c.name << (whileWaiting ? ", ruled out while waiting" : "");
            EXPECT_FALSE(m_menu->getHold()) << c.name;
            EXPECT_EQ(m_tutorial->isTipPassed(c.tip), c.forGood) << c.name;
            if (c.forGood)
                continue;
            // The state allows it again: the tip comes.
            m_query = cFakeTipQuery();
            m_query.m_houseLevel = 0;
            m_query.m_grassStock = 3;
            m_tutorial->runTip(c.tip, pointed);
            EXPECT_TRUE(m_tutorial->isCurrentTip(c.tip)) << c.name << ", allowed again";
            m_engine.frames(30);
            m_tutorial->getActionTips()->close();
        }
    }
}

TEST_F(cTipStepsTest, WithNothingOfTheGameThereNoActionCountsAsDone)
{
    cFakeTipQuery& q = m_query;
    q = cFakeTipQuery();
    for (UInt view = 0; view < iTipQuery::VIEW_COUNT; ++view)
        q.m_exists[view] = q.m_shown[view] = false, q.m_sliding[view] = true;
    q.m_worker = false;
    q.m_carry = 6;
    q.m_job = 4;
    q.m_levels[0] = q.m_levels[1] = q.m_levels[2] = -1;
    q.m_canCapacity = -1;
    q.m_freeSpace = q.m_grassStock = q.m_grassOnSale = q.m_houseCount = q.m_houseLevel = q.m_houseFlags = -1;
    q.m_letterState = q.m_loaded = q.m_packageState = -1;
    for (eTips n = 0; n < TIPS_COUNT; ++n) {
        if (m_tutorial->getTip(n).condition) {
            EXPECT_FALSE(test(n, m_field)) << n;
        }
    }
}

// The pause menu and an award's presentation switch the game off; the note must not cover them.
TEST_F(cTipStepsTest, ANoteGoesOutOfSightWhileTheGameIsPausedAndComesBack)
{
    struct sCase {
        eTips tip;
        Bool second;
    };
    for (const sCase& c : {sCase{WATER_TIP, false}, sCase{15, true}}) {
        cView* view = c.second ? static_cast<cView*>(m_tutorial->getActionTips2()) : m_tutorial->getActionTips();
        c.second ? m_tutorial->runActionTip2(c.tip, m_field) : m_tutorial->runActionTip(c.tip, m_field);
        m_engine.frames(20);
        ASSERT_TRUE(view->isVisible()) << c.tip;
        m_game->disable();
        m_engine.frames(2);
        EXPECT_FALSE(view->isVisible()) << c.tip;
        EXPECT_TRUE(m_tutorial->isCurrentTip(c.tip)) << "the tip waits, it is not passed";
        m_game->enable();
        m_engine.frames(2);
        EXPECT_TRUE(view->isVisible()) << c.tip;
        EXPECT_FALSE(m_tutorial->isTipHiddenByPause());
        m_tutorial->setActionDone();
        m_engine.frames(20);
    }
}

// The game's own answers: the pause and an open contract dialog hold the note back.
TEST_F(cTipStepsTest, TheGameHoldsTheFirstProductNoteWhilePausedOrInADialog)
{
    struct sCase {
        const char* name;
        Bool paused;
        Bool dialog;
        Bool runs;
    };
    const sCase cases[] = {
        {"paused", true, false, false}, {"contract offer open", false, true, false}, {"running", false, false, true}};
    m_tutorial->setQuery(nullptr);
    key::tip[WATER_TIP] = key::tip[FIELD_TIP] = true;
    key::TProdCompl() = true;
    cView* offer = cContractProvide::getInstance();
    for (const sCase& c : cases) {
        c.paused ? m_game->disable() : m_game->enable();
        c.dialog ? offer->show() : offer->hide();
        m_tutorial->process();
        EXPECT_EQ(m_tutorial->isCurrentTip(PRODUCT_TIP), c.runs) << c.name;
    }
}

// The game answers from its own stock and market, finds every view a tip asks about, and
// none without a game.
TEST_F(cTipStepsTest, TheGameAnswersFromItsOwnFarmAndFindsNothingWithoutOne)
{
    m_tutorial->setQuery(nullptr);
    key::MGoodCount[0] = 0;
    EXPECT_FALSE(test(45, nullptr));
    key::MGoodCount[0] = 3;
    EXPECT_TRUE(test(45, nullptr));
    EXPECT_FALSE(test(5, nullptr));
    cWareHouse::getInstance()->addGoods(0, 2, false, false);
    EXPECT_TRUE(test(5, nullptr));
    const cGameTipQuery game;
    for (UInt view = 0; view < iTipQuery::VIEW_COUNT; ++view)
        EXPECT_TRUE(game.exists(iTipQuery::eView(view))) << view;
    EXPECT_EQ(game.getLevel(iTipQuery::WAREHOUSE), 0);
    cGame::endGame();
    for (UInt view = 0; view < iTipQuery::VIEW_COUNT; ++view)
        EXPECT_FALSE(game.exists(iTipQuery::eView(view))) << view;
    EXPECT_EQ(game.getLevel(iTipQuery::WAREHOUSE), -1);
    EXPECT_EQ(game.getControl(iTipQuery::WAREHOUSE), nullptr);
    EXPECT_EQ(game.getHouseCount(), -1);
    EXPECT_TRUE(game.getUpgradedFields().empty());
}

TEST_F(cTipStepsTest, AGameLeftRightAfterTheHarvestTipShowsTheWarehouseTipOnReturn)
{
    key::tip[WATER_TIP] = key::tip[FIELD_TIP] = true;
    m_tutorial->setTipPassed(HARVEST_TIP);
    delete m_tutorial;
    m_tutorial = new cTutorialManager();
    m_tutorial->setQuery(&m_query);
    m_tutorial->process();
    EXPECT_TRUE(m_tutorial->isCurrentTip(WAREHOUSE_TIP));
}

} // namespace
