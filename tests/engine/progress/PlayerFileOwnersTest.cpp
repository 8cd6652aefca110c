// Whose farm each player file is, from the names its two copies keep and the index's word:
// never a name that puts one player's progress into a file another player's files name. And
// what a player's file says of itself without a full read: its name, its seal.
#include "engine/progress/PlayerFileOwners.h"
#include "engine/progress/PlayerFileSeal.h"
#include "engine/progress/PlayerName.h"
#include "engine/text/TextConvert.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct sOwnersCase {
    const char* what;
    cPlayerFileOwners::NAMES names;
    std::map<WString, ULong> index;
    std::map<ULong, WString> owners;
    std::set<ULong> doubtful;
    // Files whose copies name two players, by the one they are kept for: the other player's copy
    // leaves them.
    std::map<ULong, WString> settled = {};
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
    std::map<ULong, WString> settled;
    for (const auto& [id, file] : owners.getSettled())
        settled[id] = file.owner;
    EXPECT_EQ(settled, GetParam().settled);
}

INSTANTIATE_TEST_SUITE_P(Files, PlayerFileOwners,
    ::testing::Values(sOwnersCase{"CopiesThatAgree", {{1, {u"Ann", u"Ann"}}, {2, {u"", u"Bob"}}}, {}, {{1, u"Ann"}, {2, u"Bob"}}, {}},
        sOwnersCase{"ANameAnotherFilesCopiesAgreeOn", {{1, {u"Bob", u"Ann"}}, {2, {u"Bob", u"Bob"}}}, {},
            {{1, u"Ann"}, {2, u"Bob"}}, {}, {{1, u"Ann"}}},
        sOwnersCase{"TwoFreeNamesTheIndexGivesTheLast", {{1, {u"Bob", u"Ann"}}}, {{u"Ann", 1}}, {{1, u"Ann"}}, {}, {{1, u"Ann"}}},
        sOwnersCase{"TwoFreeNamesTheNewestWithoutAnIndex", {{1, {u"Bob", u"Ann"}}}, {}, {{1, u"Bob"}}, {}, {{1, u"Bob"}}},
        // Bob's copy parted from Ann's file beside Bob's own: the index gives him his, the copy is nobody's.
        sOwnersCase{"APartedCopyBesideItsPlayersOwnFile", {{1, {u"", u"Ann"}}, {2, {u"Bob", u"Bob"}}, {3, {u"Bob", u""}}},
            {{u"Ann", 1}, {u"Bob", 2}}, {{1, u"Ann"}, {2, u"Bob"}}, {3}},
        sOwnersCase{"BothNamesOtherFiles", {{1, {u"Bob", u"Ann"}}, {2, {u"Bob", u""}}, {3, {u"Ann", u"Ann"}}}, {},
            {{2, u"Bob"}, {3, u"Ann"}}, {1}},
        sOwnersCase{"OneNameTwoFilesTheIndexDecides", {{2, {u"Bob", u"Bob"}}, {4, {u"Bob", u"Bob"}}}, {{u"Bob", 4}},
            {{4, u"Bob"}}, {2}},
        sOwnersCase{"OneNameTwoFilesNoIndex", {{2, {u"Bob", u"Bob"}}, {4, {u"Bob", u""}}}, {}, {}, {2, 4}}),
    [](const ::testing::TestParamInfo<sOwnersCase>& _info) { return std::string(_info.param.what); });

// The name a player's file keeps, found without reading its other values: what a whole file
// says, and what still reads of a damaged one.
struct sNameCase {
    const char* what;
    std::string bytes;
    WString name;
};

void PrintTo(const sNameCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class PlayerName : public ::testing::TestWithParam<sNameCase> {};

TEST_P(PlayerName, IsTheValueOfItsOneElement)
{
    EXPECT_EQ(findPlayerName(GetParam().bytes), GetParam().name);
}

const std::string NAMED = "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Props><prop Name=\"Money\" Val=\"777\" Type=\"Int\"/>"
                          "<prop Name=\"PlayerName\" Val=\"Ann &amp; Bob\" Type=\"WString\"/></Props>";

INSTANTIATE_TEST_SUITE_P(Files, PlayerName,
    ::testing::Values(sNameCase{"AWholeFile", makeXml16(NAMED), u"Ann & Bob"},
        sNameCase{"NoName", makeXml16("<Props><prop Name=\"Money\" Val=\"777\" Type=\"Int\"/></Props>"), u""},
        sNameCase{"CutInsideItsElement", makeXml16(NAMED.substr(0, NAMED.find("Type=\"WString"))), u""},
        sNameCase{"AfterADamagedElement", makeXml16("<Props><prop Name=\"Money\" Val=\"7<prop Name=\"PlayerName\" Val=\"Ann\"/>"),
            u"Ann"},
        // Every unit after a lost byte reads as other text.
        sNameCase{"ABytesLostBeforeIt", makeXml16(NAMED).erase(20, 1), u""}),
    [](const ::testing::TestParamInfo<sNameCase>& _info) { return std::string(_info.param.what); });

// The seal over a file's values: both kinds stored files carry still hold, and any changed
// value breaks either. The digits are those the files on players' disks carry.
struct sSealCase {
    const char* what;
    const char* seal;
    const char* values;
    bool holds;
};

void PrintTo(const sSealCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class PlayerFileSeal : public ::testing::TestWithParam<sSealCase> {};

const char* const VALUES = "<prop Name=\"Money\" Val=\"777\" Type=\"Int\"/>";

TEST_P(PlayerFileSeal, HoldsOverTheValuesItWasWrittenFor)
{
    const sSealCase& seal = GetParam();
    const std::string bytes = makeXml16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<Props Seal=\"" +
                                        std::string(seal.seal) + "\">" + seal.values + "</Props>");
    EXPECT_EQ(rootSeal(bytes), toWString(seal.seal));
    EXPECT_EQ(sealHolds(bytes, rootSeal(bytes)), seal.holds);
}

INSTANTIATE_TEST_SUITE_P(Seals, PlayerFileSeal,
    ::testing::Values(sSealCase{"ThisBuilds", "D640EFA26567ACC7", VALUES, true},
        sSealCase{"TheBuildBefores", "271EFA60", VALUES, true},
        sSealCase{"ThisBuildsOverAFlippedDigit", "D640EFA26567ACC7", "<prop Name=\"Money\" Val=\"778\" Type=\"Int\"/>", false},
        sSealCase{"TheBuildBeforesOverAFlippedDigit", "271EFA60", "<prop Name=\"Money\" Val=\"778\" Type=\"Int\"/>", false},
        sSealCase{"OfOtherValues", "D640EFA26567ACC7", "", false},
        // Values of whole eight-byte steps: the last one is a step like the others.
        sSealCase{"ThisBuildsOverWholeSteps", "604B60409647D134", "<prop Name=\"Money\" Val=\"777777\" Type=\"Int\"/>", true}),
    [](const ::testing::TestParamInfo<sSealCase>& _info) { return std::string(_info.param.what); });

TEST(PlayerFileSealWritten, IsThisBuildsKind)
{
    EXPECT_EQ(sealOver(toWString(VALUES)), u"D640EFA26567ACC7");
    EXPECT_EQ(sealOver(u"<prop Name=\"Money\" Val=\"777777\" Type=\"Int\"/>"), u"604B60409647D134");
}

} // namespace
