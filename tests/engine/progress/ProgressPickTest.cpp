// Which copies of a player's progress the start takes, from what each copy is: there, whole,
// and its stamp (for the variables, the level state's stamp they name).
#include "engine/progress/ProgressPick.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using sState = cProgressPick::sState;
constexpr ULong NONE = cProgressPick::NO_LEVEL_STATE;

const sState MISSING{false, false, 0, WString()};
const sState DAMAGED{true, false, 0, WString()};
sState whole(ULong _stamp)
{
    return {true, true, _stamp, WString()};
}
// Variables that keep the seal of their level state, or a level state of that seal.
sState sealed(ULong _stamp, const char16_t* _seal)
{
    return {true, true, _stamp, _seal};
}

struct sPickCase {
    const char* what;
    sState vars[2];
    sState levels[2];
    ULong salvaged;
    Int v;
    Int l;
};

void PrintTo(const sPickCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class ProgressPickChoice : public ::testing::TestWithParam<sPickCase> {};

TEST_P(ProgressPickChoice, TheNewestVariablesThatReadWithTheLevelStateTheyName)
{
    const sPickCase& pick = GetParam();
    EXPECT_EQ(cProgressPick::choose(pick.vars, pick.levels, true, pick.salvaged), std::make_pair(pick.v, pick.l));
}

INSTANTIATE_TEST_SUITE_P(Copies, ProgressPickChoice,
    ::testing::Values(sPickCase{"TheLastSave", {whole(3), whole(2)}, {whole(3), whole(2)}, 0, 0, 0},
        sPickCase{"ANewPlayer", {whole(0), MISSING}, {MISSING, MISSING}, 0, 0, -1},
        sPickCase{"FilesFromBeforeTheStamps", {whole(0), whole(0)}, {whole(0), MISSING}, 0, 0, 0},
        // A kill between the renames: the level state of the next save beside these variables.
        sPickCase{"ALevelStateOneSaveAhead", {whole(3), whole(2)}, {whole(4), whole(3)}, 0, 0, 1},
        sPickCase{"TheVariablesDamaged", {DAMAGED, whole(2)}, {whole(3), whole(2)}, 0, 1, 1},
        sPickCase{"TheVariablesMissing", {MISSING, whole(2)}, {whole(3), whole(2)}, 0, 1, 1},
        // Whole newest variables are never given up for an older whole pair.
        sPickCase{"TheLevelStateDamaged", {whole(3), whole(2)}, {DAMAGED, whole(2)}, 0, 0, -1},
        sPickCase{"VariablesNamingNoLevelState", {whole(NONE), whole(3)}, {whole(3), whole(2)}, 0, 0, -1},
        sPickCase{"VariablesNamingALevelStateNoFileHas", {whole(5), whole(3)}, {whole(3), whole(2)}, 0, 0, -1},
        sPickCase{"NothingReadsWhole", {DAMAGED, DAMAGED}, {whole(3), whole(2)}, 3, -1, 0},
        sPickCase{"NothingReadsWholeNorNamesAStamp", {DAMAGED, DAMAGED}, {whole(0), whole(2)}, 0, -1, -1},
        sPickCase{"NothingThere", {MISSING, MISSING}, {MISSING, MISSING}, 0, -1, -1},
        // The level state is sealed with its variables: one that does not agree makes the save not
        // whole, and the save before is used where it is whole; else what still reads of the level state.
        sPickCase{"ASealedSave", {sealed(3, u"A"), sealed(2, u"B")}, {sealed(3, u"A"), sealed(2, u"B")}, 0, 0, 0},
        sPickCase{"ALevelStateOtherThanSealed", {sealed(3, u"A"), sealed(2, u"B")}, {sealed(3, u"X"), sealed(2, u"B")}, 0, 1,
            1},
        sPickCase{"ASealedLevelStateDamaged", {sealed(3, u"A"), sealed(2, u"B")}, {DAMAGED, sealed(2, u"B")}, 0, 1, 1},
        sPickCase{"ASealedLevelStateMissing", {sealed(3, u"A"), whole(2)}, {MISSING, whole(2)}, 0, 1, 1},
        sPickCase{"ALevelStateOtherThanSealedAndNoSaveBefore", {sealed(3, u"A"), MISSING}, {sealed(3, u"X"), MISSING}, 0, 0,
            0},
        sPickCase{"TheSaveBeforeWithoutItsLevelState", {sealed(3, u"A"), sealed(2, u"B")}, {sealed(3, u"X"), MISSING}, 0,
            0, 0},
        sPickCase{"ASealedLevelStateDamagedAndNoSaveBefore", {sealed(3, u"A"), MISSING}, {DAMAGED, MISSING}, 0, 0, -1}),
    [](const ::testing::TestParamInfo<sPickCase>& _info) { return std::string(_info.param.what); });

TEST(ProgressPickChoiceWithoutTheGame, TheLevelStateIsNotPaired)
{
    const sState vars[2] = {whole(3), whole(2)};
    const sState levels[2] = {whole(3), whole(2)};
    EXPECT_EQ(cProgressPick::choose(vars, levels, false, 0), std::make_pair(Int(0), Int(-1)));
}

} // namespace
