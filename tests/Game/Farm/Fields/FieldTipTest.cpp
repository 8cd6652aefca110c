#include "Game/Farm/Fields/FarmFieldTile.h"
#include "Game/Farm/FarmHarness.h"
#include "Game/Farm/Fields/FieldTip.h"
#include "Ui/boxes/ProgressFloat.h"
#include "Ui/texts/Text.h"
#include "engine/frame/Timer.h"

namespace {

TEST(FieldTipValues, StoresInPercentOfTheCapacityAndRipenessOfTheGrowingTime)
{
    struct sCase {
        UInt status;
        Float water, waterCapacity, fertil, progress, creationTime;
        sFieldTipValues expected;
    };
    const sCase cases[] = {
        {0, 80, 80, 40, 60, 60, {100, 40, 0, true}}, // full water, just sown
        {0, 20, 80, 0, 30, 60, {25, 0, 50, true}},   // half grown
        {1, 0, 80, 100, 0, 60, {0, 100, 100, true}}, // ripe
        {3, 40, 80, 50, 25, 60, {50, 50, 0, false}}, // ploughed: nothing grows
        {2, 10, 0, 10, 0, 0, {0, 10, 100, true}},    // no capacity, no growing time
    };
    for (const sCase& c : cases) {
        const sFieldTipValues values = getFieldTipValues(c.status, c.water, c.waterCapacity, c.fertil, 100, c.progress,
                                                         c.creationTime);
        EXPECT_FLOAT_EQ(values.water, c.expected.water) << c.status;
        EXPECT_FLOAT_EQ(values.fertil, c.expected.fertil) << c.status;
        EXPECT_FLOAT_EQ(values.ready, c.expected.ready) << c.status;
        EXPECT_EQ(values.showCrop, c.expected.showCrop) << c.status;
    }
}

// Two owned fields holding 10 water; a panel that slides in one frame.
class cFieldTipTest : public cFarmTest {
protected:
    cFieldTipTest()
        : cFarmTest({{"Farm/ActionAreas/FarmField.xml",
                      makeXml16("<FarmField size=\"40 20\" water_capacity=\"10\" fertil_capacity=\"20\"><ClickOffsetList>"
                                "<O Offset=\"0 0\" /></ClickOffsetList></FarmField>")},
                     {"UI/gameUI/farm.xml",
                      makeXml16("<Farm><FieldArray><F UpgradeIndex=\"0\" Center=\"100 300\" /><F UpgradeIndex=\"0\" "
                                "Center=\"150 300\" /></FieldArray></Farm>")},
                     {"UI/gameUI/FarmFieldTip.xml",
                      makeXml16("<FarmFieldTip Enable=\"1\" AbsoluteEnable=\"1\" position=\"100 500\" MoveSpeed=\"5000\" "
                                "HiddenPlace=\"100 600\"><CultureText Visible=\"1\" /><CultureIcon Visible=\"1\" /></FarmFieldTip>")}})
    {
        cTimer::getInstance()->setFixedFrameTime(0.02f);
    }
    static cFieldTip& tip() { return *cFieldTip::getInstance(); }
    cFarmFieldTile* field(size_t _i) { return farm().getFields().at(_i); }
    // Plays _seconds; whether the tip was open at every frame (_open) or at none.
    bool stays(bool _open, Float _seconds)
    {
        bool kept = true;
        for (int i = 0; i < int(_seconds * 50 + 0.5f); ++i) {
            m_engine.frame();
            kept = kept && (_open ? tip().isOpen() : !tip().isVisible());
        }
        return kept;
    }
};

TEST_F(cFieldTipTest, ItSlidesInHalfASecondAfterAHoverAndOutAfterTheMouseLeaves)
{
    tip().setTile(field(0));
    EXPECT_TRUE(stays(false, 0.46f));
    tip().unsetTile(field(0));
    EXPECT_TRUE(stays(false, 1)) << "a short hover never opens it";
    tip().setTile(field(0));
    EXPECT_TRUE(stays(false, 0.48f));
    m_engine.frames(3);
    EXPECT_EQ(tip().getPosition(), tip().getShownPlace());
    tip().unsetTile(field(0));
    EXPECT_TRUE(stays(true, 0.28f));
    m_engine.frames(3);
    EXPECT_EQ(tip().getPosition(), tip().getHiddenPlace());
}

TEST_F(cFieldTipTest, LeavingAndComingBackOrGoingToTheNextTileKeepsItOpen)
{
    // The tile left, the tile entered, and whether the new hover comes before the leaving.
    for (const auto& [left, entered, enterFirst] : {std::tuple{0, 0, false}, {0, 1, true}, {0, 1, false}}) {
        tip().setTile(field(left));
        m_engine.frames(27);
        if (enterFirst)
            tip().setTile(field(entered));
        tip().unsetTile(field(left));
        EXPECT_TRUE(stays(true, 0.2f));
        tip().setTile(field(entered));
        EXPECT_TRUE(stays(true, 1));
        EXPECT_EQ(tip().getTile(), field(entered));
        tip().unsetTile(field(entered));
        m_engine.frames(20);
    }
}

TEST_F(cFieldTipTest, TheBarsFollowTheTileAndAPloughedOneShowsNoCrop)
{
    tip().setTile(field(1));
    m_engine.frames(27);
    key::FFW[1] = 10;
    key::FFS[1] = 3;
    tip().updateValues();
    EXPECT_FLOAT_EQ(tip().getWaterFloat()->getValue(), 100);
    EXPECT_FLOAT_EQ(tip().getReadyFloat()->getValue(), 0);
    EXPECT_FALSE(tip().getCultureText()->isOwnVisible());
    EXPECT_FALSE(tip().getCultureIcon()->isOwnVisible());
    key::FFS[1] = 0;
    key::FFC[1] = 7;
    tip().updateValues();
    EXPECT_EQ(tip().getCultureText()->getString(), cGame::getStaticProductTag(7));
}

} // namespace
