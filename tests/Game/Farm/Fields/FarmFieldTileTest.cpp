#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmHarness.h"
#include "Game/Farm/FarmMoment.h"
#include "Game/Farm/Fields/FieldTileGrowing.h"
#include "Game/Farm/TextMoney.h"
#include "Game/GameMenu/GameMenu.h"
#include "Game/GameRandom.h"
#include "Ui/controls/Picture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Its look has 10 frames over 10 s of clock.
std::string fieldXml(const std::string& _capacity = "10", const std::string& _absorb = "")
{
    std::string crops;
    for (const char* crop : {"GRASS", "TOMATOES"})
        crops += std::string("<") + crop + " FramePerStage0=\"2\" FramePerStage1=\"3\" NotGrowFrame=\"4\"><GROWING "
                 "frames_count=\"10\" anim_columns=\"10\" anim_length=\"10\" /></" + crop + ">";
    return makeXml16("<FarmField position=\"0 0\" size=\"40 20\" water_capacity=\"" + _capacity +
                     "\" fertil_capacity=\"10\" water_sign_level=\"2\" fertil_sign_level=\"2\" PloughtToGrassTime=\"20\" "
                     "BeginGrowFrame=\"3\"><ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList>" + _absorb + "<States>" + crops +
                     "</States></FarmField>");
}

std::string farmXml(int _fields)
{
    std::string fields;
    for (int i = 0; i < _fields; ++i)
        fields += "<F UpgradeIndex=\"" + std::to_string(i % 3) + "\" Center=\"" + std::to_string(100 + i * 50) + " 300\" />";
    return makeXml16("<Farm Visible=\"1\" Enable=\"1\" MoveSpeed=\"2400\"><FieldsBuyCostText><Coin /></FieldsBuyCostText>"
                     "<UpgradePrices><P Price=\"0\" /><P Price=\"100\" /><P Price=\"200\" /><P Price=\"300\" /></UpgradePrices>"
                     "<FieldArray>" + fields + "</FieldArray></Farm>");
}

class cFieldTest : public cFarmTest {
protected:
    explicit cFieldTest(int _fields = 3, const std::string& _absorb = "")
        : cFarmTest({{"game.xml", growingGameXml()}, {"Farm/ActionAreas/FarmField.xml", fieldXml("10", _absorb)},
                     {"UI/gameUI/farm.xml", farmXml(_fields)}})
    {
    }
    cFarmFieldTile& field(size_t _i) { return *farm().getFields().at(_i); }
    // Every field's variables as the profile holds them, and a new farm built over them.
    void rebuildField0(UInt _status, UInt _crop, Float _water, Float _fertility, Float _left)
    {
        key::FFS[0] = _status;
        key::FFC[0] = _crop;
        key::FFW[0] = _water;
        key::FFF[0] = _fertility;
        key::FFP[0] = _left;
        m_tile = new cFarmFieldTile(ground(), 0, 0, 0);
    }
    cFarmFieldTile* m_tile = nullptr;
};

TEST_F(cFieldTest, OwnershipFollowsTheFieldLevelsBoughtAndReleased)
{
    struct sCase {
        Int fcu, fua;
        Bool owned[3];
        Bool covered[3];
    };
    for (const sCase& test : {sCase{0, 0, {true, false, false}, {false, true, true}},
                              sCase{0, 1, {true, false, false}, {false, true, true}}}) {
        key::fcu() = test.fcu;
        key::fua() = test.fua;
        for (size_t i = 0; i < 3; ++i) {
            field(i).updateUpgrade(test.fcu, test.fua);
            EXPECT_EQ(field(i).isInitialised(), test.owned[i]) << i;
            EXPECT_EQ(field(i).getCover()->isOwnVisible(), test.covered[i]) << i;
        }
    }
}

TEST_F(cFieldTest, FieldSalesOfferTheNextReleasedLevel)
{
    EXPECT_FALSE(farm().getFieldsBuyButton()->isOwnVisible());
    farm().setFieldsUpgradeAvail(1);
    EXPECT_TRUE(farm().getFieldsBuyButton()->isOwnVisible());
    EXPECT_EQ(farm().getFieldsBuyCostText()->getString(), u"100");
    cGame::setMoney(99);
    farm().buyFields();
    EXPECT_EQ(key::fcu(), 0);
    cGame::setMoney(150);
    farm().buyFields();
    EXPECT_EQ(key::fcu(), 1);
    EXPECT_EQ(cGame::getMoney(), 50);
    EXPECT_TRUE(field(1).isInitialised());
    EXPECT_FALSE(farm().getFieldsBuyButton()->isOwnVisible());
    EXPECT_FALSE(thrownText([&] { farm().setFieldsUpgradeAvail(3); }).empty());
}

TEST_F(cFieldTest, WaterIsNeverNegativeAndOverflowIsGivenBack)
{
    field(0).setWater(-1);
    EXPECT_FLOAT_EQ(key::FFW[0], 0);
    EXPECT_TRUE(field(0).getWaterSign()->isOwnVisible());
    field(0).setWater(3);
    EXPECT_EQ(field(0).addWater(10), 3);
    EXPECT_FLOAT_EQ(key::FFW[0], 10);
    EXPECT_FALSE(field(0).getWaterSign()->isOwnVisible());
}

// However a field's water is written, the farm's count of dry fields answers as a look at
// every field would, and the award for a farm that never runs dry follows it. Fields 1 and 2
// are not owned yet: nothing but their variables holds their water.
TEST_F(cFieldTest, TheDryFieldsAreCountedWhicheverWayTheWaterIsWritten)
{
    const auto anyDry = [this] { return field(0).isDry() || field(1).isDry() || field(2).isDry(); };
    struct sCase {
        const char* way;
        std::function<void()> write;
        Bool dry;
    };
    const sCase cases[] = {
        {"every variable written past the fields, then a frame",
         [this] {
             for (UInt i = 0; i < 3; ++i)
                 key::FFW[i] = 10;
             farm().absoluteProcess();
         },
         false},
        {"set dry", [this] { field(0).setWater(1); }, true},
        {"poured", [this] { field(0).addWater(5); }, false},
        {"an unowned field written past, then a frame", [this] { key::FFW[2] = 0, farm().absoluteProcess(); }, true},
        {"set on a field not owned yet", [this] { field(2).setWater(10); }, false},
        {"set to nothing", [this] { field(1).setWater(-3); }, true},
        {"set again", [this] { field(1).setWater(2.5f); }, false},
        {"a dry field made and deleted",
         [this] {
             rebuildField0(cFarmFieldTile::FS_GROWING, cGame::TOMATOES, 0, 5, 50);
             delete m_tile;
             m_tile = nullptr;
             field(0).setWater(10);
         },
         false},
    };
    for (const sCase& test : cases) {
        test.write();
        EXPECT_EQ(anyDry(), test.dry) << test.way;
        EXPECT_EQ(farm().haveAnyDryField(), test.dry) << test.way;
        field(0).setWater(field(0).getWater());
        EXPECT_EQ(key::awNoDry(), !test.dry) << test.way;
    }
}

TEST_F(cFieldTest, ASavedFieldIsRestoredInItsGrowthState)
{
    // Growth is kept to the frame, whatever the crop lacks: 40 s of 100 lie in the pause after
    // the first stage, so the look stands at its second frame.
    rebuildField0(cFarmFieldTile::FS_GROWING, cGame::TOMATOES, 5, 0, 60);
    EXPECT_EQ(m_tile->getAnimFrame(), 2u);
    EXPECT_FLOAT_EQ(key::FFP[0], 100 - 40);
    delete m_tile;
    rebuildField0(cFarmFieldTile::FS_GROWING, cGame::TOMATOES, 5, 5, 50);
    EXPECT_FLOAT_EQ(m_tile->getAnimTime(), 5);
    // Grass regrowing after a harvest, left dry: its time left is kept, not set back.
    delete m_tile;
    rebuildField0(cFarmFieldTile::FS_GROWING, cGame::GRASS, 0, 5, 30);
    EXPECT_FLOAT_EQ(key::FFP[0], 30);
    EXPECT_EQ(m_tile->getAnimFrame(), 5u);
    delete m_tile;
    rebuildField0(cFarmFieldTile::FS_READY, cGame::TOMATOES, 5, 5, 0);
    EXPECT_EQ(m_tile->getAnimFrame(), 9u);
    EXPECT_TRUE(m_tile->getReadySign()->isOwnVisible());
}

// Only a crop growing on spent soil is worn out: grass grows on any soil, and a ripe crop or one
// with soil left is not held back.
TEST_F(cFieldTest, OnlyACropGrowingOnSpentSoilIsWornOut)
{
    const struct {
        UInt status, crop;
        Float fertility;
        Bool worn;
    } cases[] = {{cFarmFieldTile::FS_GROWING, cGame::TOMATOES, 0, true}, {cFarmFieldTile::FS_GROWING, cGame::GRASS, 0, false},
        {cFarmFieldTile::FS_GROWING, cGame::TOMATOES, 1, false}, {cFarmFieldTile::FS_READY, cGame::TOMATOES, 0, false}};
    for (const auto& c : cases) {
        delete m_tile;
        rebuildField0(c.status, c.crop, 5, c.fertility, 50);
        EXPECT_EQ(m_tile->isWornOut(), c.worn) << c.status << " " << c.crop << " " << c.fertility;
    }
}

TEST_F(cFieldTest, TheGrowthClockReachesTheLastFrameAtRipeness)
{
    const Float stages[3] = {2, 3, 5};
    struct sCase {
        Float elapsed, clock;
    };
    // T = 100 and a 10 s look: 45 s pauses after the first two stages.
    for (const sCase& test : {sCase{0, 0}, sCase{1, 1}, sCase{30, 2}, sCase{47, 2}, sCase{49, 4}, sCase{95, 5},
                              sCase{100, 10}})
        EXPECT_FLOAT_EQ(cFieldTileGrowing::growthClock(test.elapsed, stages, 45), test.clock) << test.elapsed;
    EXPECT_FLOAT_EQ(cFieldTileGrowing::elapsedForClock(3, stages, 45), 48);
}

TEST_F(cFieldTest, DestroyingFieldsDoomsOnlySownCropsByChance)
{
    for (size_t i = 0; i < 3; ++i)
        key::FFC[i] = i == 1 ? cGame::GRASS : cGame::TOMATOES;
    setRandomSource([]() -> UInt { return 0; });
    farm().destroyFields(5, 0);
    EXPECT_FALSE(field(0).isDoomed());
    farm().destroyFields(5, 1);
    setRandomSource(nullptr);
    EXPECT_TRUE(field(0).isDoomed());
    EXPECT_FALSE(field(1).isDoomed());
    EXPECT_TRUE(field(2).isDoomed());
}

TEST_F(cFieldTest, AFourthSprinkleIsNotSold)
{
    cGame::setMoney(1000);
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(farm().buySprinkle(10), nullptr) << i;
    EXPECT_EQ(farm().buySprinkle(10), nullptr);
}

class cLongFieldArrayTest : public cFieldTest {
protected:
    cLongFieldArrayTest() : cFieldTest(70) {}
};

TEST_F(cLongFieldArrayTest, FieldsPastTheKeptVariablesAreRefused)
{
    EXPECT_EQ(farm().getFields().size(), key::FIELD_COUNT);
}

// Beds that drink a unit of water and of soil a second.
class cThirstyFieldTest : public cFieldTest {
protected:
    cThirstyFieldTest() : cFieldTest(0, "<AbsorbInfo><R water_absorb_coeffs=\"1 1\" fertil_absorb_coeffs=\"1 1\" /></AbsorbInfo>") {}
};

// While a tip or a dialog holds the game clock the player cannot play on: the beds hold too.
TEST_F(cThirstyFieldTest, WhileTheGameIsHeldTheBedsNeitherDryNorGrow)
{
    struct sCase {
        const char* hold;
        std::function<void(cGameMenu&, Bool)> set;
    } cases[] = {
        {"nothing", [](cGameMenu&, Bool) {}},
        {"a dialog", [](cGameMenu& _menu, Bool _on) { _on ? _menu.getAbsoluteHold().take(&_menu) : _menu.getAbsoluteHold().release(&_menu); }},
        {"an action tip", [](cGameMenu& _menu, Bool _on) { _menu.setHold(_on); }},
    };
    cGameMenu& menu = *cGameMenu::getInstance();
    for (const sCase& c : cases) {
        delete m_tile;
        rebuildField0(cFarmFieldTile::FS_GROWING, cGame::GRASS, 8, 8, 50);
        c.set(menu, true);
        m_engine.frames(50);
        const Bool held = std::string(c.hold) != "nothing";
        EXPECT_EQ(key::FFW[0] == 8.0f, held) << c.hold;
        EXPECT_EQ(key::FFF[0] == 8.0f, held) << c.hold;
        EXPECT_EQ(key::FFP[0] == 50.0f, held) << c.hold;
        c.set(menu, false);
        m_engine.frames(50);
        EXPECT_LT(key::FFW[0], 8.0f) << c.hold << ", let go";
        EXPECT_LT(key::FFP[0], 50.0f) << c.hold << ", let go";
    }
}

// The tutorial's fast growth is read every frame: turned on, the bed grows ten times as much
// for the frame's time.
TEST_F(cThirstyFieldTest, TheTutorialsFastGrowthGrowsTenTimesAsMuchAFrame)
{
    rebuildField0(cFarmFieldTile::FS_GROWING, cGame::GRASS, 8, 8, 90);
    // The first frame starts the growth.
    m_engine.frames(1);
    const auto grownPerSecond = [this] {
        const Float before = key::FFP[0];
        m_engine.frames(1);
        return (before - key::FFP[0]) / farm::frameTime();
    };
    const Float slow = grownPerSecond();
    key::TFastSpeed() = true;
    const Float fast = grownPerSecond();
    key::TFastSpeed() = false;
    EXPECT_GT(slow, 0.0f);
    EXPECT_NEAR(fast, 10 * slow, 1e-3f * fast);
}

} // namespace
