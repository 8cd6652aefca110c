#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/files/FileSizeLimit.h"
#include "engine/files/XML.h"
#include "support/TestData.h"
#include "support/Thrown.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const std::uint64_t MB = 1024 * 1024;

TEST(FileSizeLimit, FollowsTheKindOfTheFile)
{
    const std::pair<const char*, std::uint64_t> cases[] = {{"Ui/Load.xml", 64 * MB}, {"GAME.XML", 64 * MB},
        {"fonts/name.fnt", 64 * MB}, {"Pictures/a.png", 128 * MB}, {"Logo.JPG", 128 * MB},
        {"music/menu.ogg", 256 * MB}, {"Meshes/cow.mesh", 256 * MB}, {"odd.xml/entry", 256 * MB},
        {"noextension", 256 * MB}};
    for (const auto& c : cases)
        EXPECT_EQ(getFileSizeLimit(c.first), c.second) << c.first;
}

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
