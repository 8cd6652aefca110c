// Whose farm each player file is, from the names its two copies keep and the index's word:
// never a name that puts one player's progress into a file another player's files name.
#include "engine/PlayerFileOwners.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct sOwnersCase {
    const char* what;
    cPlayerFileOwners::NAMES names;
    std::map<WString, ULong> index;
    std::map<ULong, WString> owners;
    std::set<ULong> doubtful;
};

void PrintTo(const sOwnersCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class PlayerFileOwners : public ::testing::TestWithParam<sOwnersCase> {};

TEST_P(PlayerFileOwners, EachFileIsThePlayerItsCopiesAgreeOnOrNobodys)
{
    const cPlayerFileOwners owners(GetParam().names, GetParam().index);
    EXPECT_EQ(owners.getOwners(), GetParam().owners);
    EXPECT_EQ(owners.getDoubtful(), GetParam().doubtful);
}

INSTANTIATE_TEST_SUITE_P(Files, PlayerFileOwners,
    ::testing::Values(sOwnersCase{"CopiesThatAgree", {{1, {u"Ann", u"Ann"}}, {2, {u"", u"Bob"}}}, {}, {{1, u"Ann"}, {2, u"Bob"}}, {}},
        sOwnersCase{"ANameAnotherFilesCopiesAgreeOn", {{1, {u"Bob", u"Ann"}}, {2, {u"Bob", u"Bob"}}}, {},
            {{1, u"Ann"}, {2, u"Bob"}}, {}},
        sOwnersCase{"TwoFreeNamesTheIndexGivesTheLast", {{1, {u"Bob", u"Ann"}}}, {{u"Ann", 1}}, {{1, u"Ann"}}, {}},
        sOwnersCase{"TwoFreeNamesTheNewestWithoutAnIndex", {{1, {u"Bob", u"Ann"}}}, {}, {{1, u"Bob"}}, {}},
        sOwnersCase{"BothNamesOtherFiles", {{1, {u"Bob", u"Ann"}}, {2, {u"Bob", u""}}, {3, {u"Ann", u"Ann"}}}, {},
            {{2, u"Bob"}, {3, u"Ann"}}, {1}},
        sOwnersCase{"OneNameTwoFilesTheIndexDecides", {{2, {u"Bob", u"Bob"}}, {4, {u"Bob", u"Bob"}}}, {{u"Bob", 4}},
            {{4, u"Bob"}}, {2}},
        sOwnersCase{"OneNameTwoFilesNoIndex", {{2, {u"Bob", u"Bob"}}, {4, {u"Bob", u""}}}, {}, {}, {2, 4}}),
    [](const ::testing::TestParamInfo<sOwnersCase>& _info) { return std::string(_info.param.what); });

} // namespace
