#include "Game/Farm/Buildings/DigBuilding.h"
#include "Game/Farm/FarmHarness.h"
#include "Game/Farm/Buildings/MowBuilding.h"
#include "Game/Farm/Buildings/WareHouse.h"

#include <gtest/gtest.h>

namespace {

class cFarmAreasTest : public cFarmTest {
protected:
    // The areas here stand on a farm without its buildings.
    cFarmAreasTest()
    {
        delete cWareHouse::getInstance();
        delete cDigBuilding::getInstance();
        delete cMowBuilding::getInstance();
    }

    // A field block on the left, a building at the right, one overlapping the other's corner.
    cActionArea* field(Float _x, Float _y) { return makeArea(AAT_FIELD, at(_x, _y, 60)); }
    cActionArea* building(Float _x, Float _y) { return makeArea(AAT_WAREHOUSE, at(_x, _y, 100)); }
    static std::string at(Float _x, Float _y, Float _size)
    {
        return "position=\"" + std::to_string(_x) + " " + std::to_string(_y) + "\" size=\"" + std::to_string(_size) +
               " " + std::to_string(_size) + "\"";
    }
};

TEST_F(cFarmAreasTest, ThePlaceRectangleHoldsItsBounds)
{
    struct sCase {
        Float x, y;
        Bool inside;
    };
    for (const sCase& test : {sCase{760, 500, true}, sCase{760.01f, 500, false}, sCase{40, 80, true},
                              sCase{39.99f, 80, false}, sCase{400, 79.9f, false}, sCase{400, 500.01f, false}})
        EXPECT_EQ(cFarm::isInPlaceRect(Vector2(test.x, test.y)), test.inside) << test.x << "," << test.y;
}

TEST_F(cFarmAreasTest, EveryAreaRegistersAndLeavesWhenDeleted)
{
    cActionArea* first = field(100, 200);
    cActionArea* second = building(300, 200);
    EXPECT_EQ(farm().getActionAreas(), (ACTION_AREA_LIST{first, second}));
    delete first;
    EXPECT_EQ(farm().getActionAreas(), (ACTION_AREA_LIST{second}));
}

TEST_F(cFarmAreasTest, HitTestsKeepToTheMaskAndPreferTheFront)
{
    cActionArea* back = field(200, 200);       // deep 200
    cActionArea* front = building(210, 230);   // deep 230, over the field's lower right
    const Vector2 both(215, 215), fieldOnly(175, 175);
    EXPECT_EQ(farm().getDeepNearestObject(both, AAT_ALL), front);
    EXPECT_EQ(farm().onObjectCorrect(both, AAT_ALL), back);
    EXPECT_EQ(farm().getDeepNearestObject(both, AAT_FIELD), back);
    EXPECT_EQ(farm().getDeepNearestObject(fieldOnly, AAT_WAREHOUSE), nullptr);
    EXPECT_EQ(farm().onObjectCorrect(Vector2(700, 100), AAT_ALL), nullptr);
    ACTION_AREA_LIST alerted = {front};
    EXPECT_TRUE(farm().getAlertedObjectList(fieldOnly, AAT_ALL, alerted));
    EXPECT_EQ(alerted, (ACTION_AREA_LIST{front, back}));
    ACTION_AREA_LIST none;
    EXPECT_FALSE(farm().getAlertedObjectList(fieldOnly, AAT_SPRINKLE, none));
}

TEST_F(cFarmAreasTest, ASprinkleStandsOnFieldsButNotInBuildings)
{
    field(200, 200);
    building(500, 300);
    auto* sprinkle = new cActionArea(ground(), AAT_SPRINKLE);
    load("<Sprinkle Visible=\"1\" position=\"200 200\" size=\"30 30\" />", *sprinkle);
    struct sCase {
        Vector2 where;
        Bool sprinkleFits;
        Bool areaFits;
    };
    for (const sCase& test : {sCase{{200, 200}, true, false}, sCase{{500, 300}, false, false},
                              sCase{{650, 450}, true, true}}) {
        sprinkle->setPosition(test.where);
        EXPECT_EQ(farm().havePlaceToFitSprinkle(sprinkle, test.where), test.sprinkleFits) << test.where.x;
        EXPECT_EQ(farm().havePlaceToFitArea(sprinkle, test.where), test.areaFits) << test.where.x;
    }
    EXPECT_FALSE(farm().havePlaceToFitArea(nullptr, Vector2(650, 450)));
    EXPECT_FALSE(farm().havePlaceToFitSprinkle(sprinkle, Vector2(20, 450)));
}

TEST_F(cFarmAreasTest, ARemovedAreaLeavesTheWorkersQueue)
{
    cActionArea* kept = building(500, 300);
    cActionArea* removed = field(200, 200);
    removed->goToNextParking();
    kept->goToNextParking();
    removed->goToNextParking();
    farm().removeActionArea(removed);
    EXPECT_EQ(removed->getQueued(), 0u);
    ASSERT_EQ(m_person->m_jobs.size(), 1u);
    EXPECT_EQ(m_person->m_jobs[0].area, kept);
    EXPECT_EQ(farm().getActionAreas().back(), kept);
    m_engine.frame();
    EXPECT_EQ(m_person->m_forgotten.back(), removed);
}

} // namespace
