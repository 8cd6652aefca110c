#include "Game/Farm/Water/Sprinkle.h"
#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/Seeds/SeedPackage.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/Market/Market.h"
#include "Game/Farm/Water/SprinkleEffect.h"
#include "Game/Farm/Water/WaterSource.h"
#include "engine/resources/SoundManager.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "Game/Farm/FarmHarness.h"

namespace {

// Fields of capacity 10, 40 by 20, standing 30 px apart at x = 100 .. 220 on y = 300.
std::string fieldXml()
{
    return makeXml16("<FarmField position=\"0 0\" size=\"40 20\" water_capacity=\"10\" fertil_capacity=\"10\" "
                     "water_sign_level=\"2\" fertil_sign_level=\"2\" PloughtToGrassTime=\"20\" BeginGrowFrame=\"3\">"
                     "<ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList><States><GRASS><GROWING /></GRASS></States></FarmField>");
}

std::string farmXml()
{
    std::string fields;
    for (int x = 100; x <= 220; x += 30)
        fields += "<F UpgradeIndex=\"0\" Center=\"" + std::to_string(x) + " 300\" />";
    return makeXml16("<Farm Visible=\"1\" Enable=\"1\" MoveSpeed=\"2400\"><FieldsBuyCostText><Coin /></FieldsBuyCostText>"
                     "<FieldArray>" + fields + "</FieldArray></Farm>");
}

// The motor pump pours 10 a second; a sprinkle costs 100 and waters within 40 px.
class cSprinkleTest : public cGameTest {
protected:
    cSprinkleTest()
        : cGameTest({{"game.xml", growingGameXml()}, {"Farm/ActionAreas/FarmField.xml", fieldXml()}, {"UI/gameUI/farm.xml", farmXml()},
                     {"Farm/ActionAreas/SeedPackage.xml", makeXml16("<SeedPackage Visible=\"1\" Enable=\"1\" size=\"40 40\" HeightOffset=\"-20\">"
                                                                    "<ClickOffsetList><O Offset=\"0 16\" /></ClickOffsetList></SeedPackage>")}})
    {
        key::upgradeLevel(33) = 2;
        cWaterSource::getInstance()->updateUpgrade();
    }
    cFarm& farm() { return *cFarm::getInstance(); }
    cFarmFieldTile& field(size_t _i) { return *farm().getFields().at(_i); }
    // A paid sprinkle of slot 0 set down at (_x, _y), as a saved game brings it back.
    cSprinkle* standing(Float _x, Float _y)
    {
        key::SPExist[0] = true;
        key::SPXPos[0] = _x;
        key::SPYPos[0] = _y;
        return new cSprinkle(farm().getSlidingPicture(), cSprinkle::SET_DOWN, 0);
    }
    // Bought at the water source: it hangs on the mouse at the cursor.
    cSprinkle* bought(Int _x, Int _y)
    {
        m_engine.moveTo(_x, _y);
        cWaterSource::getInstance()->buySprinkle();
        return findSprinkle();
    }
    cSprinkle* findSprinkle()
    {
        for (cActionArea* area : farm().getActionAreas())
            if (area->getAreaType() == AAT_SPRINKLE)
                return static_cast<cSprinkle*>(area);
        return nullptr;
    }
    int sounds()
    {
        auto& library = static_cast<cHeadlessSoundLibrary&>(cSoundManager::getInstance()->getLibrary());
        return library.countCalls("play");
    }
};

TEST_F(cSprinkleTest, ItPoursTheFlowIntoEveryFieldInItsRadiusUpToItsCapacity)
{
    cSprinkle* lonely = standing(600, 300);
    EXPECT_TRUE(lonely->getWateredFields().empty());
    EXPECT_FALSE(lonely->getEffect()->isActive()) << "with no field around it, it does not spray";
    farm().destroySprinkle(lonely);
    m_engine.frame();
    cSprinkle* sprinkle = standing(160, 300);
    ASSERT_EQ(sprinkle->getWateredFields().size(), 3u) << "130, 160 and 190 lie within 40 px";
    EXPECT_TRUE(sprinkle->getEffect()->isActive());
    const std::pair<Float, Float> table[] = {{0.1f, 1.0f}, {0.4f, 5.0f}, {0.3f, 8.0f}, {1.0f, 10.0f}};
    for (const auto& [seconds, water] : table) {
        sprinkle->water(seconds);
        for (size_t i : {1u, 2u, 3u})
            EXPECT_NEAR(field(i).getWater(), water, 1e-4f) << seconds << " s, field " << i;
        EXPECT_EQ(field(0).getWater(), 0.0f);
        EXPECT_EQ(field(4).getWater(), 0.0f);
    }
}

TEST_F(cSprinkleTest, APressedSprinkleIsCarriedOnlyPastFourPixels)
{
    struct sDrag {
        Int dx;
        UInt status;
        int takeSounds;
    };
    for (const sDrag& drag : {sDrag{3, cSprinkle::SET_DOWN, 0}, sDrag{5, cSprinkle::ON_MOUSE, 1}}) {
        cSprinkle* sprinkle = standing(400, 300);
        m_engine.moveTo(400, 300);
        sprinkle->clicked();
        EXPECT_EQ(sprinkle->getStatus(), cSprinkle::PRESSED);
        const int before = sounds();
        m_engine.moveTo(400 + drag.dx, 300);
        m_engine.frame();
        EXPECT_EQ(sounds() - before, drag.takeSounds) << drag.dx;
        if (drag.status == cSprinkle::SET_DOWN)
            sprinkle->unclicked();
        EXPECT_EQ(sprinkle->getStatus(), drag.status) << drag.dx;
        EXPECT_EQ(cFarm::s_sprinkleOnMouse, drag.status == cSprinkle::ON_MOUSE) << drag.dx;
        EXPECT_EQ(key::SPXPos[0], 400.0f) << "carried, not kept";
        farm().destroySprinkle(sprinkle);
        cFarm::clearObjectOnMouse();
        m_engine.frame();
    }
}

TEST_F(cSprinkleTest, ABoughtSprinkleIsPaidOnceWhereItIsSetDownByAPressOrARelease)
{
    cSprinkle* sprinkle = nullptr;
    for (Bool release : {true, false}) {
        if (sprinkle) {
            farm().destroySprinkle(sprinkle);
            key::SPExist[0] = false;
            m_engine.frame();
        }
        key::Money() = 250;
        sprinkle = bought(400, 300);
        ASSERT_NE(sprinkle, nullptr);
        EXPECT_EQ(sprinkle->getStatus(), cSprinkle::ON_MOUSE);
        EXPECT_EQ(cGame::getMoney(), 250) << "not paid on the mouse";
        if (release)
            sprinkle->unclicked();
        else
            sprinkle->clicked();
        EXPECT_EQ(sprinkle->getStatus(), cSprinkle::SET_DOWN) << release;
        EXPECT_EQ(cGame::getMoney(), 150) << release;
        EXPECT_TRUE(key::SPExist[0]) << release;
        // Kept from the farm's ground, which stands a pixel left of the screen.
        EXPECT_EQ(key::SPXPos[0], 401.0f) << release;
    }
    // Picked up and set down elsewhere: not paid again.
    sprinkle->clicked();
    m_engine.moveTo(500, 300);
    m_engine.frame();
    ASSERT_EQ(sprinkle->getStatus(), cSprinkle::ON_MOUSE);
    sprinkle->clicked();
    EXPECT_EQ(sprinkle->getStatus(), cSprinkle::SET_DOWN);
    EXPECT_EQ(key::SPXPos[0], 501.0f);
    EXPECT_EQ(cGame::getMoney(), 150);
}

TEST_F(cSprinkleTest, AnUnpaidSprinkleIsGivenBackWhenTheMoneyOrThePlaceIsMissing)
{
    struct sAttempt {
        const char* why;
        Int money;
        Int x, y;
    };
    // Over the water source (160..240, 160..240) there is no room; 99 does not pay 100.
    for (const sAttempt& attempt : {sAttempt{"too little money", 99, 400, 300}, sAttempt{"no room", 500, 200, 200}}) {
        key::Money() = 500;
        cSprinkle* sprinkle = bought(400, 300);
        ASSERT_NE(sprinkle, nullptr) << attempt.why;
        key::Money() = attempt.money;
        m_engine.moveTo(attempt.x, attempt.y);
        sprinkle->clicked();
        EXPECT_FALSE(key::SPExist[0]) << attempt.why;
        EXPECT_FALSE(cFarm::s_sprinkleOnMouse) << attempt.why;
        EXPECT_EQ(cFarm::getSprinkleCount(), 0u) << attempt.why;
        EXPECT_EQ(cGame::getMoney(), attempt.money) << attempt.why;
        m_engine.frame();
        EXPECT_EQ(findSprinkle(), nullptr) << attempt.why;
    }
}

TEST_F(cSprinkleTest, APaidSprinkleWithoutRoomStaysOnTheMouse)
{
    cSprinkle* sprinkle = standing(400, 300);
    m_engine.moveTo(400, 300);
    sprinkle->clicked();
    m_engine.moveTo(200, 200);
    m_engine.frame();
    ASSERT_EQ(sprinkle->getStatus(), cSprinkle::ON_MOUSE);
    for (int i = 0; i < 2; ++i) {
        if (i == 0)
            sprinkle->clicked();
        else
            sprinkle->unclicked();
        EXPECT_EQ(sprinkle->getStatus(), cSprinkle::ON_MOUSE);
        EXPECT_TRUE(key::SPExist[0]);
    }
}

TEST_F(cSprinkleTest, WhileCarriedItShowsWhichFieldsItWouldWater)
{
    cSprinkle* sprinkle = standing(600, 300);
    m_engine.moveTo(600, 300);
    sprinkle->clicked();
    m_engine.moveTo(160, 300);
    m_engine.frame();
    ASSERT_EQ(sprinkle->getStatus(), cSprinkle::ON_MOUSE);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(field(i).getCover()->isOwnVisible(), i >= 1 && i <= 3) << i;
    m_engine.moveTo(200, 200);
    m_engine.frame();
    EXPECT_NE(sprinkle->getColor().r, sprinkle->getColor().g) << "the unfit colour over the water source";
    for (size_t i = 0; i < 5; ++i)
        EXPECT_FALSE(field(i).getCover()->isOwnVisible()) << i;
}

TEST_F(cSprinkleTest, ASavedSprinkleOnTheMouseComesBackOnIt)
{
    key::SPStatus[1] = cSprinkle::ON_MOUSE;
    auto* sprinkle = new cSprinkle(farm().getSlidingPicture(), key::SPStatus[1], 1);
    EXPECT_EQ(sprinkle->getStatus(), cSprinkle::ON_MOUSE);
    EXPECT_TRUE(cFarm::s_sprinkleOnMouse);
    EXPECT_FALSE(sprinkle->getEffect()->isActive());
    EXPECT_FALSE(farm().getSeedsBuyButton()->isEnabled());
}

TEST_F(cSprinkleTest, SettingDownOffersSeedsOnlyWhenThereAreSomeToSell)
{
    for (UInt avail : {0u, 1u}) {
        key::SeedAvail[1] = avail;
        cSprinkle* sprinkle = standing(400, 300);
        EXPECT_EQ(farm().getSeedsBuyButton()->isEnabled(), avail != 0) << avail;
        // As a seed package let go of the mouse releases it.
        farm().lockSeedsButton();
        farm().unlockSeedsButton();
        EXPECT_EQ(farm().getSeedsBuyButton()->isEnabled(), avail != 0) << avail;
        farm().destroySprinkle(sprinkle);
        m_engine.frame();
    }
}

// A package dragged over the fields, where it cannot go down, and pressed on a standing
// sprinkler: the mouse keeps the package alone, and once it is put down nothing hangs there
// any more, so the screens can be switched again.
TEST_F(cSprinkleTest, TheMouseCarriesOneThingAtATimeAndAPutDownClearsItsOwn)
{
    // Among the fields, in front of the one it stands on.
    cSprinkle* sprinkle = standing(160, 305);
    auto* package = new cSeedPackage(farm().getSlidingPicture(), cGame::TOMATOES, 4, Vector2(500, 450), cSeedPackage::LYING, false);
    m_engine.moveTo(500, 450);
    m_engine.press(true);
    m_engine.moveTo(450, 400);
    m_engine.frame();
    ASSERT_EQ(cFarm::s_objectOnMouse, package);
    m_engine.moveTo(160, 300);
    m_engine.press(false);
    m_engine.frame();
    ASSERT_EQ(package->getState(), UInt(cSeedPackage::ON_MOUSE)) << "no room among the fields";
    // A sprinkler stands in front of a package at its height, so the press reaches it.
    const Vector2 at = sprinkle->getPosition();
    m_engine.moveTo(Int(at.x), Int(at.y));
    sprinkle->clicked();
    m_engine.moveTo(Int(at.x) + 30, Int(at.y));
    m_engine.frame();
    sprinkle->unclicked();
    EXPECT_EQ(sprinkle->getStatus(), UInt(cSprinkle::SET_DOWN)) << "the sprinkler was not taken up";
    EXPECT_EQ(cFarm::s_objectOnMouse, package);
    EXPECT_FALSE(cFarm::s_sprinkleOnMouse);
    m_engine.moveTo(600, 500);
    m_engine.frame();
    m_engine.press(true);
    m_engine.press(false);
    EXPECT_EQ(package->getState(), UInt(cSeedPackage::LYING));
    EXPECT_EQ(cFarm::s_objectOnMouse, nullptr);
    EXPECT_FALSE(cFarm::s_seedOnMouse);
    EXPECT_FALSE(cFarm::s_sprinkleOnMouse);
    // Escape pauses again, and the bar's switch goes through.
    cGameMenu::onEsc(nullptr);
    EXPECT_FALSE(m_game->isAbsoluteEnabled()) << "paused";
    m_game->enable();
    m_game->absoluteEnable();
    cGameMenu::getInstance()->gotoMarket();
    EXPECT_TRUE(cMarket::getInstance()->isOwnVisible());
}

} // namespace
