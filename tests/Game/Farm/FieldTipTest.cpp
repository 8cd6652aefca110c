#include "Game/Farm/FarmFieldTile.h"
#include "Game/Farm/FarmHarness.h"
#include "Game/Farm/FieldTip.h"
#include "Ui/ProgressFloat.h"
#include "Ui/Text.h"
#include "engine/Timer.h"

#include <gtest/gtest.h>

namespace {

// Every crop grows in 100 s.
std::string gameXml()
{
    std::string products;
    for (int i = 0; i < 19; ++i)
        products += "<Product CreationTime=\"100\" DieTime=\"50\" />";
    return makeXml16("<Game Visible=\"1\" Enable=\"1\" AbsoluteEnable=\"1\"><ProductionInfo>" + products +
                     "</ProductionInfo></Game>");
}

// Two owned fields that hold 10 water and 20 fertiliser.
tDataFiles tipFiles()
{
    return {{"game.xml", gameXml()},
            {"Farm/ActionAreas/FarmField.xml",
             makeXml16("<FarmField position=\"0 0\" size=\"40 20\" water_capacity=\"10\" fertil_capacity=\"20\">"
                       "<ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList></FarmField>")},
            {"UI/gameUI/farm.xml",
             makeXml16("<Farm Visible=\"1\" Enable=\"1\"><FieldArray><F UpgradeIndex=\"0\" Center=\"100 300\" />"
                       "<F UpgradeIndex=\"0\" Center=\"150 300\" /></FieldArray></Farm>")},
            // The panel slides 100 pixels in a frame of 20 ms.
            {"UI/gameUI/FarmFieldTip.xml",
             makeXml16("<FarmFieldTip Visible=\"0\" Enable=\"1\" AbsoluteEnable=\"1\" position=\"100 500\" "
                       "size=\"200 100\" MoveSpeed=\"5000\" HiddenPlace=\"100 600\"><CultureText Visible=\"1\" "
                       "Enable=\"1\" Localized=\"0\" /><CultureIcon Visible=\"1\" Enable=\"1\" />"
                       "<Texts><T String=\"Water\" /><T String=\"Soil\" /></Texts></FarmFieldTip>")}};
}

class cFieldTipTest : public cFarmTest {
protected:
    cFieldTipTest() : cFarmTest(tipFiles()) { cTimer::getInstance()->setFixedFrameTime(0.02f); }

    static cFieldTip& tip() { return *cFieldTip::getInstance(); }
    cFarmFieldTile* field(size_t _i) { return farm().getFields().at(_i); }
    // _seconds of play, frame by frame; false when the tip was ever not open meanwhile.
    bool staysOpen(Float _seconds)
    {
        bool open = true;
        for (int i = 0; i < int(_seconds * 50 + 0.5f); ++i) {
            m_engine.frame();
            open = open && tip().isOpen();
        }
        return open;
    }
    bool staysClosed(Float _seconds)
    {
        bool closed = true;
        for (int i = 0; i < int(_seconds * 50 + 0.5f); ++i) {
            m_engine.frame();
            closed = closed && !tip().isVisible();
        }
        return closed;
    }
    void open(cFarmFieldTile* _tile)
    {
        tip().setTile(_tile);
        m_engine.frames(27);
        ASSERT_TRUE(tip().isOpen());
    }
};

TEST_F(cFieldTipTest, AHoverShorterThanHalfASecondNeverOpensIt)
{
    tip().setTile(field(0));
    EXPECT_TRUE(staysClosed(0.46f));
    tip().unsetTile(field(0));
    EXPECT_TRUE(staysClosed(1));
}

TEST_F(cFieldTipTest, ItSlidesInAfterHalfASecondAndOutAfterTheMouseLeaves)
{
    tip().setTile(field(0));
    EXPECT_TRUE(staysClosed(0.48f));
    m_engine.frames(3);
    EXPECT_TRUE(tip().isOpen());
    EXPECT_EQ(tip().getPosition(), tip().getShownPlace());
    tip().unsetTile(field(0));
    EXPECT_TRUE(staysOpen(0.28f));
    m_engine.frames(3);
    EXPECT_FALSE(tip().isVisible());
    EXPECT_EQ(tip().getPosition(), tip().getHiddenPlace());
}

TEST_F(cFieldTipTest, LeavingAndComingBackOrGoingToTheNextTileKeepsItOpen)
{
    struct sCase {
        const char* name;
        size_t left, entered;
        bool enterFirst;
    };
    const sCase cases[] = {{"back to the same tile", 0, 0, false},
                           {"next tile, hover first", 0, 1, true},
                           {"next tile, leave first", 0, 1, false}};
    for (const sCase& c : cases) {
        SCOPED_TRACE(c.name);
        open(field(c.left));
        if (c.enterFirst) {
            tip().setTile(field(c.entered));
            tip().unsetTile(field(c.left));
        } else {
            tip().unsetTile(field(c.left));
            EXPECT_TRUE(staysOpen(0.2f));
            tip().setTile(field(c.entered));
        }
        EXPECT_TRUE(staysOpen(1));
        EXPECT_EQ(tip().getTile(), field(c.entered));
        tip().unsetTile(field(c.entered));
        m_engine.frames(20);
    }
}

TEST_F(cFieldTipTest, TheValuesFollowTheTileUnderTheMouse)
{
    struct sCase {
        const char* name;
        UInt status, crop;
        Float water, fertil, left;
        Float expectWater, expectFertil, expectReady;
        bool shown;
    };
    const sCase cases[] = {{"full water", 0, 1, 10, 5, 25, 100, 25, 75, true},
                           {"ploughed", 3, 0, 4, 20, 60, 40, 100, 0, false},
                           {"ripe wheat", 1, 7, 0, 0, 0, 0, 0, 100, true}};
    open(field(1));
    for (const sCase& c : cases) {
        SCOPED_TRACE(c.name);
        key::FFS[1] = c.status;
        key::FFC[1] = c.crop;
        key::FFW[1] = c.water;
        key::FFF[1] = c.fertil;
        key::FFP[1] = c.left;
        tip().updateValues();
        EXPECT_FLOAT_EQ(tip().getWaterFloat()->getValue(), c.expectWater);
        EXPECT_FLOAT_EQ(tip().getFertilFloat()->getValue(), c.expectFertil);
        EXPECT_FLOAT_EQ(tip().getReadyFloat()->getValue(), c.expectReady);
        EXPECT_EQ(tip().getCultureText()->isOwnVisible(), c.shown);
        EXPECT_EQ(tip().getCultureIcon()->isOwnVisible(), c.shown);
        if (c.shown) {
            EXPECT_EQ(tip().getCultureText()->getString(), cGame::getStaticProductTag(c.crop));
        }
    }
    EXPECT_EQ(tip().getTexts().size(), 2u);
}

TEST(FieldTipValues, StoresAndRipenessInPercent)
{
    struct sCase {
        const char* name;
        UInt status;
        Float water, waterCapacity, fertil, fertilCapacity, progress, creationTime;
        Float expectWater, expectFertil, expectReady;
        Bool crop;
    };
    const sCase cases[] = {
        {"full water", 0, 80, 80, 40, 100, 60, 60, 100, 40, 0, true},
        {"half grown", 0, 20, 80, 0, 100, 30, 60, 25, 0, 50, true},
        {"ripe", 1, 0, 80, 100, 100, 0, 60, 0, 100, 100, true},
        {"ploughed", 3, 40, 80, 50, 100, 25, 60, 50, 50, 0, false},
        {"no capacity", 2, 10, 0, 10, 0, 0, 60, 0, 0, 100, true},
        {"no growing time", 0, 0, 80, 0, 100, 0, 0, 0, 0, 100, true},
    };
    for (const sCase& c : cases) {
        SCOPED_TRACE(c.name);
        const sFieldTipValues values = getFieldTipValues(c.status, c.water, c.waterCapacity, c.fertil, c.fertilCapacity,
                                                         c.progress, c.creationTime);
        EXPECT_FLOAT_EQ(values.water, c.expectWater);
        EXPECT_FLOAT_EQ(values.fertil, c.expectFertil);
        EXPECT_FLOAT_EQ(values.ready, c.expectReady);
        EXPECT_EQ(values.showCrop, c.crop);
    }
}

} // namespace
