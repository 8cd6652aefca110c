#include "engine/FileManager.h"
#include "engine/RealFile.h"
#include "platform/FileSystem.h"
#include "support/TestData.h"
#include "support/Thrown.h"
#include "support/Xml16.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

std::string contentOf(cFileManager& _files, const String& _name)
{
    std::unique_ptr<iFile> file(_files.open(_name));
    std::string bytes(file->getSize(), '\0');
    bytes.resize(file->read(bytes.data(), static_cast<ULong>(bytes.size())));
    return bytes;
}

void save(cFileManager& _files, const String& _name, const std::string& _bytes)
{
    std::unique_ptr<iFile> file(_files.create(_name));
    file->write(_bytes.data(), static_cast<ULong>(_bytes.size()));
}

String startError(cTestData& _data)
{
    const String error = thrownText([&] { cFileManager files(_data.root(), "pack"); }, true);
    EXPECT_FALSE(cFileManager::exists());
    return error;
}

TEST(FileManagerPrecedence, LooseFileBeatsEveryPackageAndAnEarlierRunsCommonFileBeatsBoth)
{
    cTestData data;
    data.write(data.data("ui/a.txt"), "loose");
    data.write(data.data("sys/k.txt"), "shipped");
    data.write(data.common("sys/k.txt"), "player's");
    writeZip(data.data("z.pack"), {{"ui/a.txt", "packed"}, {"ui/b.txt", "only packed"}, {"sys/k.txt", "packed"}});
    cFileManager files(data.root(), "pack");
    EXPECT_EQ(contentOf(files, "ui/a.txt"), "loose");
    EXPECT_EQ(contentOf(files, "ui/b.txt"), "only packed");
    EXPECT_EQ(contentOf(files, "sys/k.txt"), "player's");
}

TEST(FileManagerPrecedence, LaterPackageNameWinsThenCreatedFileThenRemoveUncoversOrForgets)
{
    cTestData data;
    writeZip(data.data("a.pack"), {{"x.txt", "from a"}});
    writeZip(data.data("b.PACK"), {{"X.txt", "from b"}});
    cFileManager files(data.root(), "pack");
    EXPECT_EQ(contentOf(files, "x.txt"), "from b");
    save(files, "x.txt", "mine");
    EXPECT_EQ(contentOf(files, "x.txt"), "mine");
    EXPECT_TRUE(files.isCommonExist("x.txt"));
    files.remove("x.txt");
    EXPECT_EQ(contentOf(files, "x.txt"), "from b");
    EXPECT_FALSE(files.isCommonExist("x.txt"));
    save(files, "only.txt", "x");
    files.remove("only.txt");
    files.remove("only.txt");
    EXPECT_FALSE(files.isExist("only.txt")) << "a file only the player had is forgotten";
}

TEST(FileManagerPrecedence, PackagesAreReadFromDataSubFoldersOnly)
{
    cTestData data;
    writeZip(data.data("more/extra.pack"), {{"e.txt", "deep"}});
    writeZip(data.common("c.pack"), {{"c.txt", "c"}});
    cFileManager files(data.root(), "pack");
    EXPECT_EQ(contentOf(files, "e.txt"), "deep");
    EXPECT_FALSE(files.isExist("more/extra.pack"));
    EXPECT_FALSE(files.isExist("c.txt")) << "a package in the common folder is ignored";
    EXPECT_FALSE(files.isExist("c.pack"));
}

TEST(FileManagerCase, MixedCaseFilesOpenByAnyCaseUnderARootKeptAsGiven)
{
    cTestData data;
    data.write(data.data("UI/Menu.Xml"), "menu");
    cFileManager files(data.root(), "pack");
    for (const char* name : {"UI/Menu.Xml", "ui/menu.xml", "UI/MENU.XML"})
        EXPECT_EQ(contentOf(files, name), "menu") << name;
    EXPECT_EQ(files.getRootDirectory(), data.root() + "/") << "the root keeps its case";
}

TEST(FileManagerCase, FilesDifferingOnlyInCaseFirstInByteOrderWins)
{
    cTestData data;
    data.write(data.data("dup.txt"), "lower");
    data.write(data.data("DUP.txt"), "upper");
    cFileManager files(data.root(), "pack");
    EXPECT_EQ(contentOf(files, "dup.txt"), "upper");
}

TEST(FileManagerCase, CommonExistIsExactAndLowerCase)
{
    cTestData data;
    cFileManager files(data.root(), "pack");
    save(files, "Saves/Slot.DAT", "s");
    EXPECT_TRUE(files.isCommonExist("saves/slot.dat"));
    EXPECT_FALSE(files.isCommonExist("Saves/Slot.DAT"));
    EXPECT_EQ(readFileBytes(data.common("saves/slot.dat")), "s") << "created names are lower case";
}

TEST(FileManagerCase, RemoveAndListingFindAFolderInAnyCase)
{
    cTestData data;
    data.write(data.common("Profiles/00000001.xml"), "p");
    cFileManager files(data.root(), "pack");
    FILE_NAME_LIST names;
    files.getFilesNames("profiles/", names);
    EXPECT_EQ(names, FILE_NAME_LIST{"00000001.xml"});
    save(files, "profiles/00000001.save", "s");
    EXPECT_EQ(readFileBytes(data.common("Profiles/00000001.save")), "s") << "one folder, not two";
    files.remove("profiles/00000001.xml");
    EXPECT_FALSE(files.isExist("profiles/00000001.xml"));
    EXPECT_FALSE(std::ifstream(data.common("Profiles/00000001.xml")).good());
}

TEST(FileManagerIndex, FolderLinkedToItsParentEndsTheWalk)
{
    cTestData data;
    data.write(data.data("a/f.txt"), "f");
    std::filesystem::create_directory_symlink("..", data.data("a/loop"));
    cFileManager files(data.root(), "pack");
    EXPECT_TRUE(files.isExist("a/f.txt"));
    EXPECT_TRUE(files.isExist("a/loop/a/f.txt"));
}

TEST(FileManagerIndex, MissingNameRaisesItLowerCased)
{
    cTestData data;
    cFileManager files(data.root(), "pack");
    EXPECT_EQ(thrownText([&] { files.open("UI/None.xml"); }, true), "File \"ui/none.xml\" not found.");
}

TEST(FileManagerIndex, ListingHoldsOnlyPlainFilesOfThatFolderAndNoDotNames)
{
    cTestData data;
    data.write(data.common("p/a.xml"), "a");
    data.write(data.common("p/b.save"), "b");
    data.write(data.common("p/sub/c.xml"), "c");
    data.write(data.common("p/d.pack"), "d");
    data.write(data.common("p/.e"), "e");
    data.write(data.data("p/loose.xml"), "l");
    data.write(data.data(".git/config"), "c");
    data.write(data.data(".hidden.txt"), "h");
    data.write(data.common(".secret"), "s");
    cFileManager files(data.root(), "pack");
    FILE_NAME_LIST names{"kept"};
    files.getFilesNames("p/", names);
    EXPECT_EQ(names, (FILE_NAME_LIST{"kept", "a.xml", "b.save"}));
    for (const char* hidden : {".git/config", ".hidden.txt", ".secret", "p/.e"})
        EXPECT_FALSE(files.isExist(hidden)) << "dot names are never indexed";
}

TEST(FileManagerStart, FolderNameFallsBackToTheWindowTitle)
{
    cTestData data("<game app_directory=\"\" window_title=\"Title\" />");
    cFileManager files(data.root(), "pack");
    save(files, "t.txt", "t");
    EXPECT_EQ(readFileBytes(data.home("Title/t.txt")), "t");
}

TEST(FileManagerStart, NoFolderNameStopsStartUp)
{
    for (const char* game : {"<game app_directory=\"\" window_title=\"\" />", "<graphics />"}) {
        cTestData data(game);
        EXPECT_EQ(startError(data), "app_directory not defined.") << game;
    }
}

TEST(FileManagerStart, SettingsInAPackageWithoutAFolderNameLeaveNothingOpen)
{
    cTestData data;
    std::filesystem::remove(data.data("sys/settings.xml"));
    writeZip(data.data("base.pack"), {{"sys/settings.xml", makeXml16("<main><game /></main>")}});
    EXPECT_THROW(cFileManager(data.root(), "pack"), String);
    EXPECT_FALSE(cFileManager::exists());
}

TEST(FileManagerStart, TruncatedPackageStopsStartUpWithItsName)
{
    cTestData data;
    writeZip(data.data("bad.pack"), {{"a", std::string(300, 'a')}});
    const std::string bytes = readFileBytes(data.data("bad.pack"));
    data.write(data.data("bad.pack"), bytes.substr(0, bytes.size() / 2));
    EXPECT_EQ(startError(data), data.data("bad.pack") + " is cannot be opened.");
}

TEST(FileManagerSave, CreatedFileReplacesTheOldOnlyWhenClosed)
{
    cTestData data;
    cFileManager files(data.root(), "pack");
    save(files, "s.txt", "old");
    std::unique_ptr<iFile> file(files.create("S.TXT"));
    file->write("new", 3);
    EXPECT_EQ(readFileBytes(data.common("s.txt")), "old");
    file.reset();
    EXPECT_EQ(readFileBytes(data.common("s.txt")), "new");
}

TEST(FileManagerSave, WideNameAndBackslashes)
{
    cTestData data;
    cFileManager files(data.root(), "pack");
    std::unique_ptr<iFile> file(files.create(WString(u"Dir\\Sub\\W.txt")));
    file->write("w", 1);
    file.reset();
    EXPECT_EQ(contentOf(files, "dir/sub/w.txt"), "w");
}

TEST(FileManagerSave, FailedWriteKeepsTheOldFileAndIsLogged)
{
    cTestData data;
    cFileManager files(data.root(), "pack");
    save(files, "keep.txt", "good");
    // A save whose writes fail: its temporary file is open for reading only.
    data.write(data.common(".keep.tmp"), "");
    std::unique_ptr<iFile> file(new cRealFile(platform::openFile(data.common(".keep.tmp"), false),
        data.common(".keep.tmp"), data.common("keep.txt"), nullptr));
    EXPECT_EQ(file->write("bad", 3), 0u);
    file.reset();
    EXPECT_EQ(readFileBytes(data.common("keep.txt")), "good");
    EXPECT_FALSE(std::ifstream(data.common(".keep.tmp")).good());
    EXPECT_NE(readFileBytes("error.log").find("keep.txt\" was not saved"), std::string::npos);
}

TEST(FileManagerSave, FailedFirstSaveLeavesTheShippedCopyReadable)
{
    cTestData data;
    data.write(data.data("cfg.txt"), "shipped");
    cFileManager files(data.root(), "pack");
    std::unique_ptr<iFile> file(files.create("cfg.txt"));
    // Nowhere to put it: the folder went away before the save was closed.
    std::filesystem::remove_all(data.common());
    file->write("x", 1);
    file.reset();
    EXPECT_EQ(contentOf(files, "cfg.txt"), "shipped");
}

TEST(FileManagerSave, UncreatableFileRaisesTheGivenName)
{
    cTestData data;
    cFileManager files(data.root(), "pack");
    data.write(data.common("blocker"), "a file where a folder is wanted");
    EXPECT_EQ(thrownText([&] { files.create("Blocker/x.txt"); }, true), "File \"Blocker/x.txt\" can't be creating.");
}

TEST(FileManagerNames, ExtensionAndFileName)
{
    EXPECT_EQ(cFileManager::getFileExt("a/b.Tar.PACK"), "pack");
    EXPECT_EQ(cFileManager::getFileExt("noext"), "");
    EXPECT_EQ(cFileManager::getFileName("a/b/c.txt"), "c.txt");
    EXPECT_EQ(cFileManager::getFileName("c.txt"), "c.txt");
    EXPECT_EQ(cFileManager::getFileName("dir/"), "");
}

} // namespace
