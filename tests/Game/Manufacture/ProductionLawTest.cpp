#include "Game/Manufacture/HouseFit.h"
#include "Game/Manufacture/HouseKind.h"
#include "Game/Manufacture/ProductionLaw.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ProductionLaw, AFinishedUnitWaitsAtAHundredForRoomEvenWhileTimeStands)
{
    struct sCase { Float pct, frameTime; UInt freeSpace, count; Float pctAfter; Bool delivered, waiting; };
    for (const sCase& c : {sCase{99.0f, 0.5f, 0, 2, 100.0f, false, true}, sCase{100.0f, 0.0f, 0, 2, 100.0f, false, true},
             sCase{100.0f, 0.0f, 1, 1, 0.0f, true, false}, sCase{40.0f, 0.0f, 1, 2, 40.0f, false, false},
             sCase{40.0f, 1.0f, 0, 2, 50.0f, false, false}}) {
        const sProductionStep step = stepProduction(2, c.pct, 10.0f, c.frameTime, c.freeSpace);
        EXPECT_EQ(step.count, c.count) << c.pct << " " << c.freeSpace;
        EXPECT_FLOAT_EQ(step.pct, c.pctAfter) << c.pct;
        EXPECT_EQ(step.delivered, c.delivered) << c.pct;
        EXPECT_EQ(step.waiting, c.waiting) << c.pct;
    }
}

TEST(ProductionLaw, TheLoadShowsAsAShareOfTheCapacity)
{
    struct sCase { UInt count, capacity; Float pct; };
    for (const sCase& c : {sCase{0, 4, 0}, sCase{1, 4, 25}, sCase{4, 4, 100}, sCase{9, 4, 100}, sCase{3, 0, 0}})
        EXPECT_FLOAT_EQ(loadedPercent(c.count, c.capacity), c.pct) << c.count << "/" << c.capacity;
    EXPECT_FLOAT_EQ(productionRate(0), 0);
}

TEST(HouseKind, InputsAndOutputsFollowTheKindsTable)
{
    struct sCase { UInt type, input, output; };
    for (const sCase& c : {sCase{0, 3, 9}, sCase{1, 7, 8}, sCase{4, 13, 12}, sCase{9, 17, 18}, sCase{10, 7, 17}}) {
        ASSERT_NE(findHouseKind(c.type), nullptr);
        EXPECT_EQ(inputKindOf(*findHouseKind(c.type)), c.input) << c.type;
        EXPECT_EQ(outputKindOf(*findHouseKind(c.type)), c.output) << c.type;
    }
    EXPECT_EQ(findHouseKind(11), nullptr);
}

TEST(HouseFit, AHouseStandsWhollyInsideTheAreaAndClearOfEveryAntiArea)
{
    const sRect area{0, 100, 800, 500};
    const std::vector<sRect> anti = {{600, 100, 700, 200}};
    struct sCase { sRect house; Bool fits; };
    for (const sCase& c : {sCase{{100, 100, 200, 200}, true}, sCase{{100, 99, 200, 199}, false},
             sCase{{701, 100, 800, 200}, true}, sCase{{700, 150, 750, 250}, false}, sCase{{500, 150, 600, 250}, false},
             sCase{{550, 90, 750, 300}, false}})
        EXPECT_EQ(isInDepotArea(c.house, area, anti), c.fits) << c.house.left << "," << c.house.top;
}

