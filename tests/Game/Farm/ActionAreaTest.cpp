#include "Game/Farm/FarmHarness.h"
#include "Game/Farm/TextMoney.h"
#include "Ui/controls/Picture.h"

#include <gtest/gtest.h>

namespace {

using cActionAreaTest = cFarmTest;

TEST_F(cActionAreaTest, ClicksPastTheLastOffsetStandOnIt)
{
    cActionArea* area = makeArea(AAT_WAREHOUSE, "position=\"100 200\" size=\"40 40\"",
                                 "<ClickOffsetList><O Offset=\"-10 5\" /><O Offset=\"10 5\" /></ClickOffsetList>");
    for (int i = 0; i < 3; ++i)
        area->clicked();
    const std::vector<std::pair<Float, Float>> expected = {{90, 205}, {110, 205}, {110, 205}};
    ASSERT_EQ(m_person->m_jobs.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(m_person->m_jobs[i].area, area) << i;
        EXPECT_FLOAT_EQ(m_person->m_jobs[i].point.x, expected[i].first) << i;
        EXPECT_FLOAT_EQ(m_person->m_jobs[i].point.y, expected[i].second) << i;
    }
    EXPECT_EQ(area->getQueued(), 3u);
}

TEST_F(cActionAreaTest, AnAreaWithoutClickOffsetsIsRefusedAtLoad)
{
    auto* area = new cActionArea(ground(), AAT_WATER_SOURCE);
    EXPECT_TRUE(thrownText([&] { load("<Area position=\"10 10\" />", *area); }).find("ClickOffsetList") !=
                std::string::npos);
}

TEST_F(cActionAreaTest, TheHeightOffsetRaisesThePictureAndTheHitButDeepensTheDepth)
{
    cActionArea* area = makeArea(AAT_WAREHOUSE, "position=\"100 300\" size=\"20 20\" HeightOffset=\"40\"");
    EXPECT_FLOAT_EQ(area->getDeep(), 340);
    struct sCase {
        Float y;
        Bool hit;
    };
    for (const sCase& probe : {sCase{260, true}, sCase{250, true}, sCase{270, true}, sCase{271, false}, sCase{249, false},
                               sCase{300, false}})
        EXPECT_EQ(area->pointInRect(Vector2(100, probe.y)), probe.hit) << probe.y;
    const iGraphics::sSprite& sprite = area->getSprite();
    EXPECT_FLOAT_EQ(std::min(sprite.corners[0].y, sprite.corners[3].y), 250);
    EXPECT_FLOAT_EQ(std::max(sprite.corners[0].y, sprite.corners[3].y), 270);
}

TEST_F(cActionAreaTest, TheWorkerStandsByCarryAndBuildingLevel)
{
    std::string rows;
    for (int r = 0; r < 4; ++r) {
        rows += "<L>";
        for (int c = 0; c < 12; ++c)
            rows += "<C offset=\"" + std::to_string(r) + " " + std::to_string(c) + "\" />";
        rows += "</L>";
    }
    struct sCase {
        eActionAreaType type;
        UInt carry;
        Int ownLevel;
        Int digLevel;
        Int mowLevel;
        Float row;
        Float column;
    };
    const sCase cases[] = {
        {AAT_WAREHOUSE, 2, 1, 2, 0, 1, 4},   // the spade by the dig building's level
        {AAT_FIELD, 6, 3, 0, 3, 0, 9},       // the scythe by the mow building's; a field stands on row 0
        {AAT_WAREHOUSE, 0, -1, 0, 0, 0, 0},  // a building not yet built reads row 0
        {AAT_DIG_BUILDING, 11, 3, 3, 0, 3, 11},
        {AAT_WATER_SOURCE, 1, 2, 0, 0, 2, 1},
    };
    const UInt levelIndex[] = {0, 0, 32, 0, 33, 0, 0, 0, 31, 0, 0, 0, 0, 0, 0, 0, 34};
    for (const sCase& test : cases) {
        cActionArea* area = makeArea(test.type, "position=\"100 200\"",
                                     "<ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList><ParkingOffsets>" + rows +
                                         "</ParkingOffsets>");
        if (levelIndex[test.type])
            key::upgradeLevel(levelIndex[test.type]) = test.ownLevel;
        key::upgradeLevel(34) = test.digLevel;
        key::upgradeLevel(31) = test.mowLevel;
        const Vector2 goal = area->getGoal(test.carry);
        EXPECT_FLOAT_EQ(goal.x, 100 + test.row) << test.type << " carry " << test.carry;
        EXPECT_FLOAT_EQ(goal.y, 200 + test.column) << test.type << " carry " << test.carry;
    }
}

TEST_F(cActionAreaTest, ParkingOffsetsPastFourLevelsAreIgnored)
{
    std::string rows;
    for (int r = 0; r < 6; ++r)
        rows += "<L><C offset=\"" + std::to_string(r + 1) + " 0\" /></L>";
    cActionArea* area = makeArea(AAT_WAREHOUSE, "position=\"0 0\"",
                                 "<ClickOffsetList><O Offset=\"0 0\" /></ClickOffsetList><ParkingOffsets>" + rows +
                                     "</ParkingOffsets>");
    for (UInt r = 0; r < cActionArea::PARKING_LEVELS; ++r)
        EXPECT_FLOAT_EQ(area->getParkingOffset(r, 0).x, Float(r + 1)) << r;
}

TEST_F(cActionAreaTest, TheOverlayLightsWhileHoveredOrPressed)
{
    cActionArea* area = makeArea(AAT_WAREHOUSE, "position=\"100 200\" size=\"40 40\" OverlayColor=\"FF303030\"");
    EXPECT_EQ(area->getOverlay()->getRenderType(), cActionArea::OVERLAY_RENDER_TYPE);
    EXPECT_FLOAT_EQ(area->getOverlay()->getDeep(), area->getDeep() + 0.001f);
    struct sCase {
        eButtonState state;
        Bool lit;
    };
    for (const sCase& test : {sCase{BS_HOVERED, true}, sCase{BS_NORMAL, false}, sCase{BS_PRESSED, true},
                              sCase{BS_DISABLED, false}}) {
        area->setStatePicture(test.state);
        EXPECT_EQ(area->getOverlay()->isOwnVisible(), test.lit) << test.state;
        EXPECT_EQ((area->getRenderType() & cActionArea::HIGHLIGHT_RENDER_BIT) != 0, test.lit) << test.state;
    }
}

TEST_F(cActionAreaTest, TheCoinFollowsTheEnabledPrice)
{
    auto* price = new cTextMoney(ground());
    EXPECT_EQ(thrownText([&] { load("<Price position=\"10 10\" />", *price); }, true), "Can't find Coin");
    load("<Price Visible=\"1\" Enable=\"1\" position=\"100 50\"><Coin position=\"-20 2\" frames_count=\"2\" anim_columns=\"2\" /></Price>", *price);
    EXPECT_FLOAT_EQ(price->getCoin()->getPosition().x, 80);
    EXPECT_FLOAT_EQ(price->getCoin()->getPosition().y, 52);
    price->disable();
    EXPECT_EQ(price->getCoin()->getAnimFrame(), 1u);
    price->enable();
    EXPECT_EQ(price->getCoin()->getAnimFrame(), 0u);
}

} // namespace
