#include "Game/GameKeys.h"
#include "engine/progress/GameVariables.h"

#include <gtest/gtest.h>

namespace {

// Family variables reach the profile's map under their own names, each time the same, and
// two families that share a name from different first indices never meet.
class GameKeyFamily : public ::testing::Test {
protected:
    void SetUp() override { clearProperties(); }
    void TearDown() override { SetUp(); }
};

TEST_F(GameKeyFamily, EachIndexIsTheVariableOfItsNameEveryTimeItIsRead)
{
    struct sCase {
        const cGameKeyFamily<PT_INT>* family;
        UInt index;
        const char* name;
        Int value; // within the family's range
    };
    const sCase cases[] = {
        {&key::SlotUpgrade, 0, "Upgrade0", 0}, {&key::SlotUpgrade, 19, "Upgrade19", 1},
        {&key::FarmUpgrade, 31, "Upgrade31", 1}, {&key::FarmUpgrade, 34, "Upgrade34", 2},
        {&key::task, 2, "task2", 40},
    };
    for (const sCase& c : cases) {
        (*c.family)[c.index] = c.value;
        EXPECT_EQ(propertyMap<PT_INT>()[c.name], c.value) << c.name;
        (*c.family)[c.index] += 1;
        EXPECT_EQ((*c.family)[c.index], c.value + 1) << c.name << " read again";
        EXPECT_EQ(c.family->key(c.index), c.name);
    }
    EXPECT_EQ(propertyMap<PT_INT>().size(), std::size(cases)) << "no variable made twice under two names";
}

TEST_F(GameKeyFamily, AnIndexOutsideTheFamilyIsRefusedAndMakesNoVariable)
{
    const std::pair<const cGameKeyFamily<PT_INT>*, UInt> outside[] = {
        {&key::FarmUpgrade, 0}, {&key::FarmUpgrade, 35}, {&key::task, key::PLACE_COUNT}};
    for (const auto& [family, index] : outside)
        EXPECT_THROW((*family)[index], String) << index;
    EXPECT_TRUE(propertyMap<PT_INT>().empty());
}

TEST_F(GameKeyFamily, AFloatFamilyKeepsItsValuesApartFromTheOthers)
{
    key::FFW[0] = 1.5f;
    key::FFW[64] = 2.5f;
    EXPECT_EQ(propertyMap<PT_FLOAT>()["FFW0"], 1.5f);
    EXPECT_EQ(propertyMap<PT_FLOAT>()["FFW64"], 2.5f);
    EXPECT_EQ(propertyMap<PT_FLOAT>().size(), 2u);
}

} // namespace
