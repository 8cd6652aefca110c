#include "engine/File.h"
#include "engine/FileManager.h"
#include "engine/FileSizeLimit.h"
#include "engine/XML.h"
#include "support/TestData.h"
#include "support/Thrown.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const std::uint64_t MB = 1024 * 1024;

struct sLimitCase {
    const char* name;
    std::uint64_t limit;
};

class FileSizeLimit : public ::testing::TestWithParam<sLimitCase> {};

TEST_P(FileSizeLimit, FollowsTheKindOfTheFile)
{
    EXPECT_EQ(getFileSizeLimit(GetParam().name), GetParam().limit) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileSizeLimit,
    ::testing::Values(sLimitCase{"Ui/Load.xml", 64 * MB}, sLimitCase{"GAME.XML", 64 * MB},
        sLimitCase{"fonts/name.fnt", 64 * MB}, sLimitCase{"Pictures/a.png", 128 * MB},
        sLimitCase{"Logo.JPG", 128 * MB}, sLimitCase{"music/menu.ogg", 256 * MB},
        sLimitCase{"Meshes/cow.mesh", 256 * MB}, sLimitCase{"odd.xml/entry", 256 * MB},
        sLimitCase{"noextension", 256 * MB}));

// A package of 64 KB whose XML inflates past what any XML may hold: refused when opened,
// before a byte is allocated for it, naming the package and the entry.
TEST(PackageBomb, AnEntryPastItsKindsLimitIsRefusedNamingPackageAndEntry)
{
    cTestData data;
    const std::string zeros(64 * MB + 1, '\0');
    writeZip(data.data("bomb.pack"), {{"ui/bomb.xml", zeros}, {"ui/big.png", zeros}});
    cFileManager files(data.root(), "pack");
    const std::string error = thrownText([&] { std::unique_ptr<iFile> file(files.open("ui/bomb.xml")); }, true);
    EXPECT_NE(error.find("'ui/bomb.xml'"), std::string::npos) << error;
    EXPECT_NE(error.find("bomb.pack'"), std::string::npos) << error;
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_EQ(thrownText([] { cXML document("ui/bomb.xml"); }, true), error);
    std::unique_ptr<iFile> picture(files.open("ui/big.png"));
    EXPECT_EQ(picture->getSize(), zeros.size()) << "a picture may be that large";
}

} // namespace
