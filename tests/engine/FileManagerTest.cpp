#include "engine/FileManager.h"
#include "engine/RealFile.h"
#include "engine/TextFile.h"
#include "platform/FileSystem.h"
#include "support/EngineCore.h"
#include "support/TestData.h"
#include "support/Thrown.h"
#include "support/Xml16.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// A test data folder; the file manager starts at the first look, after the fixture files.
class FileManager : public ::testing::Test {
protected:
    cFileManager& files()
    {
        if (!m_files)
            m_files = std::make_unique<cFileManager>(m_data.root(), "pack");
        return *m_files;
    }
    std::string contentOf(const String& _name)
    {
        std::unique_ptr<iFile> file(files().open(_name));
        std::string bytes(file->getSize(), '\0');
        bytes.resize(file->read(bytes.data(), static_cast<ULong>(bytes.size())));
        return bytes;
    }
    void save(const String& _name, const std::string& _bytes)
    {
        std::unique_ptr<iFile> file(files().create(_name));
        file->write(_bytes.data(), static_cast<ULong>(_bytes.size()));
    }

    cTestData m_data;
    std::unique_ptr<cFileManager> m_files;
};

String startError(cTestData& _data)
{
    const String error = thrownText([&] { cFileManager files(_data.root(), "pack"); }, true);
    EXPECT_FALSE(cFileManager::exists());
    return error;
}

TEST_F(FileManager, LooseFileBeatsEveryPackageAndAnEarlierRunsCommonFileBeatsBoth)
{
    m_data.write(m_data.data("ui/a.txt"), "loose");
    m_data.write(m_data.data("sys/k.txt"), "shipped");
    m_data.write(m_data.common("sys/k.txt"), "player's");
    writeZip(m_data.data("z.pack"), {{"ui/a.txt", "packed"}, {"ui/b.txt", "only packed"}, {"sys/k.txt", "packed"}});
    EXPECT_EQ(contentOf("ui/a.txt"), "loose");
    EXPECT_EQ(contentOf("ui/b.txt"), "only packed");
    EXPECT_EQ(contentOf("sys/k.txt"), "player's");
}

TEST_F(FileManager, LaterPackageNameWinsThenCreatedFileThenRemoveUncoversOrForgets)
{
    writeZip(m_data.data("a.pack"), {{"x.txt", "from a"}});
    writeZip(m_data.data("b.PACK"), {{"X.txt", "from b"}});
    EXPECT_EQ(contentOf("x.txt"), "from b");
    save("x.txt", "mine");
    EXPECT_EQ(contentOf("x.txt"), "mine");
    EXPECT_TRUE(files().isCommonExist("x.txt"));
    files().remove("x.txt");
    EXPECT_EQ(contentOf("x.txt"), "from b");
    EXPECT_FALSE(files().isCommonExist("x.txt"));
    save("only.txt", "x");
    files().remove("only.txt");
    files().remove("only.txt");
    EXPECT_FALSE(files().isExist("only.txt")) << "a file only the player had is forgotten";
}

TEST_F(FileManager, PackagesAreReadFromDataSubFoldersOnly)
{
    writeZip(m_data.data("more/extra.pack"), {{"e.txt", "deep"}});
    writeZip(m_data.common("c.pack"), {{"c.txt", "c"}});
    EXPECT_EQ(contentOf("e.txt"), "deep");
    EXPECT_FALSE(files().isExist("more/extra.pack"));
    EXPECT_FALSE(files().isExist("c.txt")) << "a package in the common folder is ignored";
    EXPECT_FALSE(files().isExist("c.pack"));
}

TEST_F(FileManager, NamesOpenInAnyCaseAndOfTwoDifferingInCaseTheFirstInByteOrderWins)
{
    m_data.write(m_data.data("UI/Menu.Xml"), "menu");
    m_data.write(m_data.data("dup.txt"), "lower");
    m_data.write(m_data.data("DUP.txt"), "upper");
    for (const char* name : {"UI/Menu.Xml", "ui/menu.xml", "UI/MENU.XML"})
        EXPECT_EQ(contentOf(name), "menu") << name;
    EXPECT_EQ(contentOf("dup.txt"), "upper");
    EXPECT_EQ(files().getRootDirectory(), m_data.root() + "/") << "the root keeps its case";
    EXPECT_EQ(thrownText([&] { files().open("UI/None.xml"); }, true), "File \"ui/none.xml\" not found.");
}

TEST_F(FileManager, CreatedNamesAreLowerCaseAndFindTheirFolderInAnyCase)
{
    m_data.write(m_data.common("Profiles/00000001.xml"), "p");
    save("Saves/Slot.DAT", "s");
    EXPECT_TRUE(files().isCommonExist("saves/slot.dat"));
    EXPECT_FALSE(files().isCommonExist("Saves/Slot.DAT")) << "exact and lower case";
    EXPECT_EQ(readFileBytes(m_data.common("saves/slot.dat")), "s");
    FILE_NAME_LIST names;
    files().getFilesNames("profiles/", names);
    EXPECT_EQ(names, FILE_NAME_LIST{"00000001.xml"});
    save("profiles/00000001.save", "s");
    EXPECT_EQ(readFileBytes(m_data.common("Profiles/00000001.save")), "s") << "one folder, not two";
    files().remove("profiles/00000001.xml");
    EXPECT_FALSE(files().isExist("profiles/00000001.xml"));
    EXPECT_FALSE(std::ifstream(m_data.common("Profiles/00000001.xml")).good());
}

TEST_F(FileManager, FolderLinkedToItsParentEndsTheWalk)
{
    m_data.write(m_data.data("a/f.txt"), "f");
    std::filesystem::create_directory_symlink("..", m_data.data("a/loop"));
    EXPECT_TRUE(files().isExist("a/f.txt"));
    EXPECT_TRUE(files().isExist("a/loop/a/f.txt"));
}

TEST_F(FileManager, ListingHoldsOnlyPlainFilesOfThatFolderAndNoDotNames)
{
    for (const char* name : {"p/a.xml", "p/b.save", "p/sub/c.xml", "p/d.pack", "p/.e", ".secret"})
        m_data.write(m_data.common(name), "x");
    for (const char* name : {"p/loose.xml", ".git/config", ".hidden.txt"})
        m_data.write(m_data.data(name), "x");
    FILE_NAME_LIST names{"kept"};
    files().getFilesNames("p/", names);
    EXPECT_EQ(names, (FILE_NAME_LIST{"kept", "a.xml", "b.save"}));
    for (const char* hidden : {".git/config", ".hidden.txt", ".secret", "p/.e"})
        EXPECT_FALSE(files().isExist(hidden)) << "dot names are never indexed";
}

TEST(FileManagerStart, FolderNameFallsBackToTheWindowTitleAndWithoutEitherStopsStartUp)
{
    {
        cTestData data("<game app_directory=\"\" window_title=\"Title\" />");
        cFileManager files(data.root(), "pack");
        std::unique_ptr<iFile>(files.create("t.txt"))->write("t", 1);
        EXPECT_EQ(readFileBytes(data.home("Title/t.txt")), "t");
    }
    for (const char* game : {"<game app_directory=\"\" window_title=\"\" />", "<graphics />"}) {
        cTestData data(game);
        EXPECT_EQ(startError(data), "app_directory not defined.") << game;
    }
    cTestData packed;
    std::filesystem::remove(packed.data("sys/settings.xml"));
    writeZip(packed.data("base.pack"), {{"sys/settings.xml", makeXml16("<main><game /></main>")}});
    EXPECT_EQ(startError(packed), "app_directory not defined.") << "settings from a package";
}

TEST(FileManagerStart, TruncatedPackageStopsStartUpWithItsName)
{
    cTestData data;
    writeZip(data.data("bad.pack"), {{"a", std::string(300, 'a')}});
    const std::string bytes = readFileBytes(data.data("bad.pack"));
    data.write(data.data("bad.pack"), bytes.substr(0, bytes.size() / 2));
    EXPECT_EQ(startError(data), data.data("bad.pack") + " is cannot be opened.");
}

TEST_F(FileManager, CreatedFileReplacesTheOldOnlyWhenClosedWhateverTheNamesForm)
{
    save("s.txt", "old");
    std::unique_ptr<iFile> file(files().create("S.TXT"));
    file->write("new", 3);
    EXPECT_EQ(readFileBytes(m_data.common("s.txt")), "old");
    file.reset();
    EXPECT_EQ(readFileBytes(m_data.common("s.txt")), "new");
    file.reset(files().create(WString(u"Dir\\Sub\\W.txt")));
    file->write("w", 1);
    file.reset();
    EXPECT_EQ(contentOf("dir/sub/w.txt"), "w");
    m_data.write(m_data.common("blocker"), "a file where a folder is wanted");
    EXPECT_EQ(thrownText([&] { files().create("Blocker/x.txt"); }, true), "File \"Blocker/x.txt\" can't be creating.");
}

TEST_F(FileManager, FailedWriteKeepsTheOldFileAndIsLogged)
{
    save("keep.txt", "good");
    // A save whose writes fail: its temporary file is open for reading only.
    m_data.write(m_data.common(".keep.tmp"), "");
    std::unique_ptr<iFile> file(new cRealFile(platform::openFile(m_data.common(".keep.tmp"), false),
        m_data.common(".keep.tmp"), m_data.common("keep.txt"), nullptr));
    EXPECT_EQ(file->write("bad", 3), 0u);
    file.reset();
    EXPECT_EQ(readFileBytes(m_data.common("keep.txt")), "good");
    EXPECT_FALSE(std::ifstream(m_data.common(".keep.tmp")).good());
    EXPECT_NE(readFileBytes("error.log").find("keep.txt\" was not saved"), std::string::npos);
}

TEST_F(FileManager, FailedFirstSaveLeavesTheShippedCopyReadable)
{
    m_data.write(m_data.data("cfg.txt"), "shipped");
    std::unique_ptr<iFile> file(files().create("cfg.txt"));
    // Nowhere to put it: the folder went away before the save was closed.
    std::filesystem::remove_all(m_data.common());
    file->write("x", 1);
    file.reset();
    EXPECT_EQ(contentOf("cfg.txt"), "shipped");
}

// The common folder is home/Test; every name here points out of it.
TEST(CommonFolderBounds, WritesAndRemovesOutsideAreRefused)
{
    cTestData data;
    data.write(data.home("victim"), "kept");
    cEngineCore core(data, false);
    cFileManager& files = *cFileManager::getInstance();
    for (const char* name : {"../victim", "sub/../../victim", "..\\victim", "../x", "C:/x", "/tmp/furrow-outside-x"}) {
        EXPECT_THROW(std::unique_ptr<iFile>(files.create(name)), String) << name;
        EXPECT_THROW(files.remove(name), String) << name;
        EXPECT_FALSE(cFileManager::isInside(name)) << name;
    }
    EXPECT_EQ(readFileBytes(data.home("victim")), "kept");
    EXPECT_FALSE(std::filesystem::exists(data.home("x")));
    for (const char* name : {"x", "sub/x", "sub\\x", "./x", "a..b/x", "sub/"})
        EXPECT_TRUE(cFileManager::isInside(name)) << name;
}

// A folder where the file should go: the new copy is written and closed, only taking the name fails.
TEST(FailedSave, TextFileThatCannotTakeItsNameRaises)
{
    cTestData data;
    cEngineCore core(data);
    data.write(data.common("sys/strings.log/keep"), "x");
    EXPECT_THROW(writeUtf16File("sys/strings.log", u"text", false), String);
    EXPECT_EQ(readFileBytes(data.common("sys/strings.log/keep")), "x");
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
