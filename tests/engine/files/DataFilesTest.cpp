#include "engine/resources/Channel.h"
#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/files/RealFile.h"
#include "engine/resources/ResourceManager.h"
#include "engine/resources/Sound.h"
#include "engine/resources/SoundManager.h"
#include "engine/text/TextConvert.h"
#include "engine/files/TextFile.h"
#include "engine/files/XML.h"
#include "engine/files/ZipFile.h"
#include "platform/system/FileSystem.h"
#include "platform/headless/HeadlessSoundLibrary.h"
#include "support/EngineCore.h"
#include "support/TestData.h"
#include "support/Thrown.h"
#include "support/Xml16.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

// A test data folder; the file manager starts at the first look, after the fixture files.
// Packages and plain files the file manager does not read are made in the data folder too.
class FileManager : public ::testing::Test {
protected:
    cFileManager& files()
    {
        if (!m_files)
            m_files = std::make_unique<cFileManager>(m_data.root(), "pack");
        return *m_files;
    }
    static std::string readAll(iFile& _file)
    {
        std::string bytes(_file.getSize(), '\0');
        bytes.resize(_file.read(bytes.data(), static_cast<ULong>(bytes.size())));
        return bytes;
    }
    std::string contentOf(const String& _name) { return readAll(*std::unique_ptr<iFile>(files().open(_name))); }
    void save(const String& _name, const std::string& _bytes)
    {
        std::unique_ptr<iFile> file(files().create(_name));
        file->write(_bytes.data(), static_cast<ULong>(_bytes.size()));
    }
    std::string pack(const std::vector<sZipEntry>& _entries)
    {
        writeZip(m_data.data("p.pack"), _entries);
        return m_data.data("p.pack");
    }
    static std::string zipError(const std::string& _package, const std::string& _name)
    {
        return thrownText([&] { cZipFile file(_package, _name); }, true);
    }
    // A file "f" holding _bytes, open for reading.
    std::unique_ptr<cRealFile> record(const std::string& _bytes)
    {
        writeFileBytes(m_data.data("f"), _bytes);
        return std::make_unique<cRealFile>(m_data.data("f"), cRealFile::ACCESS_READ, cRealFile::OPEN_EXISTING);
    }

    cTestData m_data;
    std::unique_ptr<cFileManager> m_files;
};
class ZipFile : public FileManager {};
class XMLFiles : public FileManager {};
class StringRecord : public FileManager {};

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

// A file set apart under a new name never takes the place of what stands there.
TEST_F(FileManager, MoveToLeavesAnyTakenPlaceAsItIs)
{
    save("a.txt", "a");
    save("b.txt", "b");
    std::filesystem::create_directories(m_data.common("c.txt"));
    for (const char* taken : {"b.txt", "c.txt"})
        EXPECT_FALSE(files().moveTo("a.txt", taken)) << taken;
    EXPECT_EQ(contentOf("b.txt"), "b");
    EXPECT_TRUE(std::filesystem::is_directory(m_data.common("c.txt")));
    EXPECT_TRUE(files().moveTo("a.txt", "d.txt"));
    EXPECT_EQ(contentOf("d.txt"), "a");
    EXPECT_FALSE(files().isExist("a.txt"));
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
TEST_F(FileManager, WritesAndRemovesOutsideTheCommonFolderAreRefused)
{
    m_data.write(m_data.home("victim"), "kept");
    for (const char* name : {"../victim", "sub/../../victim", "..\\victim", "../x", "C:/x", "/tmp/furrow-outside-x"}) {
        EXPECT_THROW(std::unique_ptr<iFile>(files().create(name)), String) << name;
        EXPECT_THROW(files().remove(name), String) << name;
        EXPECT_FALSE(cFileManager::isInside(name)) << name;
    }
    EXPECT_EQ(readFileBytes(m_data.home("victim")), "kept");
    EXPECT_FALSE(std::filesystem::exists(m_data.home("x")));
    for (const char* name : {"x", "sub/x", "sub\\x", "./x", "a..b/x", "sub/"})
        EXPECT_TRUE(cFileManager::isInside(name)) << name;
}

// A folder where the file should go: the new copy is written and closed, only taking the name fails.
TEST_F(FileManager, TextFileThatCannotTakeItsNameRaises)
{
    files();
    m_data.write(m_data.common("sys/strings.log/keep"), "x");
    EXPECT_THROW(writeUtf16File("sys/strings.log", u"text", false), String);
    EXPECT_EQ(readFileBytes(m_data.common("sys/strings.log/keep")), "x");
}

TEST(FileManagerNames, ExtensionAndFileName)
{
    EXPECT_EQ(cFileManager::getFileExt("a/b.Tar.PACK"), "pack");
    EXPECT_EQ(cFileManager::getFileExt("noext"), "");
    EXPECT_EQ(cFileManager::getFileName("a/b/c.txt"), "c.txt");
    EXPECT_EQ(cFileManager::getFileName("c.txt"), "c.txt");
    EXPECT_EQ(cFileManager::getFileName("dir/"), "");
}

TEST_F(ZipFile, ReadsStoredAndDeflatedEntriesByNameInAnyCase)
{
    const std::string text(5000, 'q');
    const std::string path = pack({{"a.txt", text, true}, {"Ui/Menu.XML", "stored", false}});
    cZipFile deflated(path, "a.txt");
    cZipFile stored(path, "ui/menu.xml");
    EXPECT_EQ(readAll(deflated), text);
    EXPECT_EQ(readAll(stored), "stored");
}

TEST_F(ZipFile, EnumerationGivesNamesOfAnyLengthAndPositions)
{
    const std::string longName = std::string(300, 'n') + ".txt";
    const std::string path = pack({{"first", "1"}, {longName, "2"}});
    cZipFile::ZIP_FILE zip = cZipFile::findOpen(path);
    std::vector<std::string> names;
    std::vector<cZipFile::ZIP_POSITION> positions;
    String name;
    for (Bool more = cZipFile::findFirstFile(zip, name); more; more = cZipFile::findNextFile(zip, name)) {
        names.push_back(name);
        positions.push_back(cZipFile::findPosition(zip));
    }
    cZipFile::findClose(zip);
    EXPECT_EQ(names, (std::vector<std::string>{"first", longName}));
    cZipFile second(path, "whatever", positions[1]);
    EXPECT_EQ(readAll(second), "2");
}

TEST_F(ZipFile, SeekMovesBothWaysAndFailsOutsideTheEntry)
{
    cZipFile file(pack({{"a", "0123456789"}}), "a");
    const struct {
        Long offset;
        UInt origin;
        ULong position;
        char next;
    } cases[] = {{7, 0, 7, '7'}, {-6, 1, 2, '2'}, {-1, 2, 9, '9'}, {11, 0, iFile::SEEK_FAILED, 0},
        {-2, 0, iFile::SEEK_FAILED, 0}, {0, 7, iFile::SEEK_FAILED, 0}};
    for (const auto& c : cases) {
        const ULong before = file.seek(0, 1);
        EXPECT_EQ(file.seek(c.offset, c.origin), c.position) << c.offset << " from " << c.origin;
        char read = 0;
        if (c.next)
            EXPECT_EQ(file.read(&read, 1) == 1 ? read : 0, c.next) << c.offset << " from " << c.origin;
        else
            EXPECT_EQ(file.seek(0, 1), before) << "a failed seek stays";
    }
    EXPECT_EQ(file.seek(0, 0), 0u);
    EXPECT_EQ(readAll(file), "0123456789");
    EXPECT_EQ(file.write("xy", 2), 0u) << "packages are read-only";
}

TEST_F(ZipFile, DamagedEntryReadsNothing)
{
    std::string digits;
    for (int i = 0; i < 3000; ++i)
        digits += std::to_string(i * 7919);
    const struct {
        const char* what;
        std::string text;
        bool deflated;
        std::size_t from, count;
    } cases[] = {{"stored, checksum off", std::string(4000, 'a') + std::string(4000, 'b'), false, 10, 1},
        {"deflate stream broken", digits, true, 20, 40}};
    for (const auto& c : cases) {
        const std::string path = pack({{"a", c.text, c.deflated}});
        std::string bytes = readFileBytes(path);
        const std::size_t at = findEntryData(bytes, "a") + c.from;
        for (std::size_t i = 0; i < c.count; ++i)
            bytes[at + i] = c.count == 1 ? char(bytes[at + i] ^ 0x55) : char(0xFF);
        writeFileBytes(path, bytes);
        cZipFile file(path, "a");
        std::string content(file.getSize(), '\0');
        EXPECT_EQ(file.read(content.data(), static_cast<ULong>(content.size())), 0u) << c.what;
        EXPECT_EQ(file.read(content.data(), 1), 0u) << c.what;
    }
}

TEST_F(ZipFile, ErrorTextsNameThePackageAndEntryAndATruncatedPackageCannotBeOpened)
{
    const std::string path = pack({{"a", "x"}});
    EXPECT_EQ(zipError(path, "b"), "Cant't find file 'b' in the '" + path + "' pack.");
    EXPECT_EQ(zipError(m_data.data("none.pack"), "a"), "Cant't open pack file '" + m_data.data("none.pack") + "'");
    EXPECT_THROW(cZipFile::findOpen(pack({})), String) << "a package without entries";
    const std::string cut = m_data.data("cut.pack");
    const std::string bytes = readFileBytes(pack({{"a", std::string(1000, 'x')}, {"b", "y"}}));
    writeFileBytes(cut, bytes.substr(0, bytes.size() - 30));
    EXPECT_EQ(thrownText([&] { cZipFile::findOpen(cut); }, true), cut + " is cannot be opened.");
    EXPECT_EQ(zipError(cut, "a"), "Cant't open pack file '" + cut + "'");
}

TEST_F(ZipFile, SizeBeyondWhatTheDataCanHoldIsRefused)
{
    const std::string path = pack({{"a", "abc", false}});
    std::string bytes = readFileBytes(path);
    // The uncompressed size in the central directory record (offset 24 from its signature).
    const std::size_t central = bytes.find("PK\x01\x02");
    bytes.replace(central + 24, 4, "\xFF\xFF\xFF\x7F");
    writeFileBytes(path, bytes);
    EXPECT_EQ(zipError(path, "a"), "Cant't open file 'a' in the '" + path + "' pack.");
}

cXML parsed(const std::string& _utf8)
{
    const std::string bytes = makeXml16(_utf8);
    return cXML("test.xml", bytes.data(), static_cast<ULong>(bytes.size()));
}

String parseError(const std::string& _bytes)
{
    return thrownText([&] { cXML document("bad.xml", _bytes.data(), static_cast<ULong>(_bytes.size())); }, true);
}

TEST(XMLTree, ChildrenInTagOrderThenDocumentOrderAndByMatchingAttributes)
{
    cXML document = parsed("<r><b n=\"1\" k=\"x\"/><a/><b n=\"2\" k=\"y\"/><b n=\"3\" k=\"x\"/></r>");
    std::vector<std::string> seen;
    iXML* child = nullptr;
    String tag;
    for (UInt i = 0; document.get(i, child, &tag); ++i)
        seen.push_back(tag + toString((*child)[u"n"]));
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b1", "b2", "b3"}));
    EXPECT_EQ(document.getNodeCount("b"), 3u);
    EXPECT_EQ(document.getChildCount(), 4u);
    TAG_LIST bs;
    EXPECT_EQ(document.get("b", bs), 3u);
    EXPECT_EQ((*bs.front())[u"n"], u"1");
    EXPECT_EQ((*bs.back())[u"n"], u"3");
    EXPECT_FALSE(document.get(4, child));
    XML_CHILDREN::const_iterator it;
    document.childrenBegin(it);
    EXPECT_EQ(it->first, "a");
    EXPECT_EQ((++it)->second, bs.front()) << "the map view keeps the same order";
    TAG_LIST found;
    EXPECT_EQ(document.get("b", ATTRIBUTE_MAP{{u"k", u"x"}}, found), 0u);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ((*found.back())[u"n"], u"3");
    ASSERT_TRUE(document.get("b", child));
    EXPECT_EQ((*child)[u"n"], u"1");
}

TEST(XMLTree, AttributesByNameOrder)
{
    cXML document = parsed("<r zeta=\"z\" alpha=\"a\" mid=\"м\"/>");
    EXPECT_EQ(document.getAttributeCount(), 3u);
    EXPECT_EQ(document.getAttribute(0)->first, u"alpha");
    EXPECT_EQ(document.getAttribute(2)->first, u"zeta");
    EXPECT_EQ(document.getAttribute(3), document.getAttributeMap().end());
    EXPECT_EQ(document[u"mid"], u"м");
    EXPECT_EQ(document[u"missing"], u"");
}

TEST(XMLTree, TextPiecesAreJoinedAroundChildren)
{
    cXML document = parsed("<r>one<c> 12 </c>two&amp;<c/>three</r>");
    EXPECT_EQ(document.getWString(), u"onetwo&three");
    EXPECT_EQ(parsed("<r>\n  <c/>\n</r>").getWString(), u"\n  \n") << "lines between children stay";
}

TEST(XMLTree, DeepNestingParsesAndGoesAway)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "<d>";
    for (int i = 0; i < 20000; ++i)
        text += "</d>";
    cXML document = parsed(text);
    EXPECT_EQ(document.getChildCount(), 1u);
}

template <class T>
T node(cXML& _document, const char* _tag, T _value = T())
{
    EXPECT_TRUE(_document.getNode(_tag, _value)) << _tag;
    return _value;
}

TEST(XMLTypedGetters, ReadTheChildsOwnTextOrLeaveTheResult)
{
    cXML document = parsed("<r><f>1.5</f><i>-7</i><u>0x1F</u><b>1</b><v>2, 3</v><c>FF102030</c>"
                           "<ll>9000000000</ll><s>текст</s><bad>abc</bad><n> 12 </n></r>");
    EXPECT_EQ(node<Float>(document, "f"), 1.5f);
    EXPECT_EQ(node<Long>(document, "i"), -7);
    EXPECT_EQ(node<ULong>(document, "u"), 31u);
    EXPECT_TRUE(node<Bool>(document, "b"));
    EXPECT_EQ(node<Vector2>(document, "v"), Vector2(2, 3));
    const DXColor colour = node<DXColor>(document, "c");
    EXPECT_FLOAT_EQ(colour.a, 1.0f);
    EXPECT_FLOAT_EQ(colour.r, 16 / 255.0f);
    EXPECT_EQ(node<LongLong>(document, "ll"), 9000000000LL);
    EXPECT_EQ(node<String>(document, "s"), "текст");
    EXPECT_EQ(node<WString>(document, "s"), u"текст");
    EXPECT_EQ(node<Long>(document, "bad", 5), 0) << "an unreadable text gives 0";
    iXML* child = nullptr;
    ASSERT_TRUE(document.get("n", child));
    EXPECT_EQ(child->getInt(), 12) << "spaces around a number";
    Long value = 42;
    WString text = u"kept";
    EXPECT_FALSE(document.getNode("none", value));
    EXPECT_FALSE(document.getNode("none", text));
    EXPECT_EQ(value, 42);
    EXPECT_EQ(text, u"kept");
}

// The parser counts the byte order mark as the first column.
TEST(XMLErrors, GiveTheParserTextWithLineAndColumn)
{
    const std::pair<std::string, const char*> cases[] = {{makeXml16("<r>\n  <a></b>\n</r>"), "mismatched tag line 2 char 7"},
        {"", "no element found line 1 char 0"}, {makeXml16("<r>\x01</r>"), "not well-formed (invalid token) line 1 char 4"},
        {makeXml16("<r><a>"), "no element found line 1 char 7"}, {makeXml16("<r/>") + "\x01", "unclosed token line 1 char 5"}};
    for (const auto& c : cases)
        EXPECT_EQ(parseError(c.first), c.second);
}

TEST_F(XMLFiles, LoadsThroughTheFileManagerFromAPackage)
{
    writeZip(m_data.data("p.pack"), {{"UI/Screen.xml", makeXml16("<screen x=\"5\"/>")}});
    files();
    cXML document("ui/screen.xml");
    EXPECT_EQ(document[u"x"], u"5");
    EXPECT_EQ(document.getName(), "ui/screen.xml");
    EXPECT_TRUE(document.release());
}

TEST_F(XMLFiles, BrokenPlayerCopyIsMovedAsideAndTheShippedOneRead)
{
    writeXml16(m_data.data("sys/opts.xml"), "<o v=\"shipped\"/>");
    m_data.write(m_data.common("sys/opts.xml"), makeXml16("<o v=\"mine\""));
    files();
    cXML document("sys/opts.xml");
    EXPECT_EQ(document[u"v"], u"shipped");
    EXPECT_EQ(readFileBytes(m_data.common("sys/opts.xml.broken")), makeXml16("<o v=\"mine\""));
    EXPECT_FALSE(files().isCommonExist("sys/opts.xml"));
    EXPECT_NE(readFileBytes("error.log").find("opts.xml.broken"), std::string::npos);
}

TEST_F(XMLFiles, BrokenPlayerCopyWithoutShippedOneRaisesTheParseError)
{
    m_data.write(m_data.common("own.xml"), "garbage");
    files();
    const String error = thrownText([] { cXML document("own.xml"); });
    EXPECT_EQ(error.find("not found"), std::string::npos) << error;
    EXPECT_NE(error.find(" line 1 char "), std::string::npos) << error;
    EXPECT_EQ(readFileBytes(m_data.common("own.xml.broken")), "garbage");
}

TEST_F(XMLFiles, BrokenShippedFileRaisesWithTheFileAndTheSignature)
{
    writeXml16(m_data.data("b.xml"), "<a>");
    files();
    EXPECT_EQ(thrownText([] { cXML document("b.xml"); }),
        "no element found line 1 char 4\nwhile reading \"b.xml\"\ncXML::cXML(const String& _path)");
}

TEST_F(XMLFiles, CorruptPackageEntryIsAReadError)
{
    writeZip(m_data.data("p.pack"), {{"c.xml", makeXml16("<c>" + std::string(500, 'x') + "</c>"), false}});
    std::string bytes = readFileBytes(m_data.data("p.pack"));
    bytes[findEntryData(bytes, "c.xml") + 100] ^= 1;
    m_data.write(m_data.data("p.pack"), bytes);
    files();
    EXPECT_EQ(thrownText([] { cXML document("c.xml"); }, true), "File \"c.xml\" can't be read.");
}

TEST_F(StringRecord, NarrowAndWideGoldenBytes)
{
    {
        auto file = std::make_unique<cRealFile>(m_data.data("f"), cRealFile::ACCESS_READ | cRealFile::ACCESS_WRITE,
            cRealFile::CREATE_ALWAYS);
        EXPECT_EQ(file->write(String("abc")), 7u);
        EXPECT_EQ(file->write(WString(u"abc")), 10u);
    }
    EXPECT_EQ(readFileBytes(m_data.data("f")), std::string("\x03\0\0\0abc\x03\0\0\0a\0b\0c\0", 17));
    auto file = record(readFileBytes(m_data.data("f")));
    String narrow;
    WString wide;
    EXPECT_EQ(file->read(narrow), 7u);
    EXPECT_EQ(file->read(wide), 10u);
    EXPECT_EQ(narrow, "abc");
    EXPECT_EQ(wide, u"abc");
}

TEST_F(StringRecord, OddRecordsReadOrLeaveTheTextAndThePosition)
{
    const struct {
        const char* what;
        std::string bytes;
        ULong read;
        const char* text;
    } cases[] = {{"empty", std::string("\0\0\0\0", 4), 4, ""}, {"inner zero", std::string("\x03\0\0\0a\0b", 7), 7, "a"},
        {"at end", "", 0, "kept"}, {"short prefix", std::string("\x02\0", 2), 0, "kept"},
        {"huge count", std::string("\xFF\xFF\xFF\x7F" "abc", 7), 0, "kept"},
        {"count past the end", std::string("\x05\0\0\0abcd", 8), 0, "kept"}};
    for (const auto& c : cases) {
        String narrow = "kept";
        EXPECT_EQ(record(c.bytes)->read(narrow), c.read) << c.what;
        EXPECT_EQ(narrow, c.text) << c.what;
        if (c.read)
            continue;
        auto file = record(c.bytes);
        WString wide = u"kept";
        EXPECT_EQ(file->read(wide), 0u) << c.what;
        EXPECT_EQ(wide, u"kept") << c.what;
        if (c.bytes.size() >= 4) {
            EXPECT_EQ(file->seek(0, 1), 0u) << c.what << ": a refused count leaves the position";
        }
    }
}

TEST_F(StringRecord, ChecksumIsXorOfLittleEndianWordsZeroPadded)
{
    const std::pair<std::string, ULong> cases[] = {{"", 0u}, {"\x01\x02\x03\x04\x05", 0x04030201u ^ 0x05u},
        {"\x01\x02\x03\x04\x01\x02\x03\x04", 0u}, {"\xFF\xFF", 0xFFFFu}};
    for (const auto& c : cases)
        EXPECT_EQ(record(c.first)->calculateChecksum(), c.second) << c.first.size() << " bytes";
}

TEST_F(StringRecord, ClosedFileDoesNothingAndAMissingOneRaisesItsName)
{
    auto file = record("abcd");
    file->close();
    char buffer[4];
    String text = "kept";
    EXPECT_EQ(file->getSize(), 0u);
    EXPECT_EQ(file->read(buffer, 4), 0u);
    EXPECT_EQ(file->read(text), 0u);
    EXPECT_EQ(file->write("x", 1), 0u);
    EXPECT_EQ(file->calculateChecksum(), 0u);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(thrownText([&] { cRealFile file(m_data.data("none"), cRealFile::ACCESS_READ, cRealFile::OPEN_EXISTING); }, true),
        "Can't open file \"" + m_data.data("none") + "\".");
}

// A resource of a made-up kind, counting how many are alive.
class cFake : public cResource {
public:
    explicit cFake(const String& _name, UInt _type) : cResource(_name), m_type(_type) { ++alive; }
    ~cFake() override { --alive; }
    UInt getType() const override { return m_type; }
    void preUpdate() override { ++resets; }
    static inline int alive = 0;
    static inline int resets = 0;

private:
    UInt m_type;
};

iResource* makeTexture(const String& _path)
{
    if (_path.find("missing") != String::npos)
        throw "File \"missing\" not found.";
    return new cFake(_path, RT_TEXTURE);
}

iResource* makeFont(const String& _path)
{
    return new cFake(_path, RT_FONT);
}

// "ui/ферма.xml": a data file whose path is not ASCII.
const std::string kFarm = "ui/\xD1\x84\xD0\xB5\xD1\x80\xD0\xBC\xD0\xB0.xml";

// The cache over the fixture's file manager; restart() starts both again.
class ResourceCache : public FileManager {
protected:
    void SetUp() override
    {
        cFake::alive = 0;
        cFake::resets = 0;
        cResourceManager::registerMaker(RT_TEXTURE, makeTexture);
        cResourceManager::registerMaker(RT_FONT, makeFont);
        writeXml16(m_data.data("UI/A.xml"), "<a x=\"1\" />");
        writeXml16(m_data.data(kFarm), "<farm />");
        restart();
    }
    void TearDown() override
    {
        m_cache.reset();
        EXPECT_EQ(cFake::alive, 0) << "the cache deletes everything it made";
    }
    cResourceManager& cache() { return *m_cache; }
    void restart()
    {
        m_cache.reset();
        m_files.reset();
        files();
        m_cache = std::make_unique<cResourceManager>();
    }

    std::unique_ptr<cResourceManager> m_cache;
};

TEST_F(ResourceCache, OnePathOneObjectWhateverTheCase)
{
    iResource* first = cache().getTexture("UI/Back.png");
    iResource* second = cache().getTexture("ui/back.PNG");
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->getRefCount(), 2);
    EXPECT_EQ(first->getName(), "ui/back.png");
    EXPECT_EQ(cache().getResourceName(first), "ui/back.png");

    iXML* document = cache().getXML("UI/A.xml");
    EXPECT_EQ(cache().getXML("ui/a.xml"), document);
    EXPECT_EQ((*document)[u"x"], u"1");
}

TEST_F(ResourceCache, WrongTypeOrFailedMakerLeavesTheCacheAsItWas)
{
    iResource* texture = cache().getTexture("ui/back.png");
    EXPECT_EQ(thrownText([&] { cache().getFont("UI/back.png"); }),
        "Wrong resource type.\niResource* cResourceManager::getFont(const String& _path)");
    EXPECT_EQ(cache().getTexture("ui/back.png"), texture);
    EXPECT_EQ(texture->getRefCount(), 2);
    EXPECT_THROW(cache().getTexture("missing.png"), String);
    EXPECT_THROW(cache().getResourceName(nullptr), const char*);
    EXPECT_EQ(cFake::alive, 1);
}

TEST_F(ResourceCache, ForgottenObjectStaysUsableAndIsDeletedOnceUnused)
{
    iResource* old = cache().getTexture("ui/back.png");
    cache().releaseResource("ui/back.png");
    iResource* fresh = cache().getTexture("ui/back.png");
    EXPECT_NE(old, fresh);
    EXPECT_EQ(old->getName(), "ui/back.png") << "its holder keeps a working object";
    EXPECT_EQ(cFake::alive, 2);

    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 2) << "still counted";
    old->release();
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 1);
    EXPECT_EQ(cache().getTexture("ui/back.png"), fresh) << "the old object's deletion leaves the new entry";
}

TEST_F(ResourceCache, ClearUselessKeepsCountedObjectsAndDocuments)
{
    iResource* used = cache().getTexture("used.png");
    cache().getTexture("preloaded.png")->release();
    iXML* document = cache().getXML("ui/a.xml");
    document->release();
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 1);
    EXPECT_EQ(cache().getTexture("used.png"), used);
    EXPECT_EQ(cache().getXML("ui/a.xml"), document);
}

TEST_F(ResourceCache, DeviceHooksReachTexturesOnly)
{
    cache().getTexture("a.png");
    cache().getFont("a.fnt");
    cache().preResetGraphics();
    EXPECT_EQ(cFake::resets, 1);
    cache().refresh();
    EXPECT_EQ(cFake::resets, 2);
}

TEST_F(ResourceCache, CreatingAFileDropsItsCachedCopy)
{
    iXML* old = cache().getXML("ui/a.xml");
    save("UI/A.xml", makeXml16("<a x=\"2\" />"));
    iXML* fresh = cache().getXML("ui/a.xml");
    EXPECT_NE(fresh, old);
    EXPECT_EQ((*fresh)[u"x"], u"2");
    EXPECT_EQ((*old)[u"x"], u"1");
}

TEST_F(ResourceCache, LogIsWrittenByteForByte)
{
    cache().resourcesToLog("empty.xml");
    EXPECT_EQ(readFileBytes(m_data.common("empty.xml")),
        utf16Bytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<ResourceLog>\n</ResourceLog>", false));

    cache().getTexture("UI/B.png");
    cache().getXML("UI/A.xml");
    cache().resourcesToLog("log.xml");
    EXPECT_EQ(readFileBytes(m_data.common("log.xml")),
        utf16Bytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<ResourceLog>\n"
                   "<Tag Path=\"ui/a.xml\" Type=\"1\" />\n<Tag Path=\"ui/b.png\" Type=\"0\" />\n</ResourceLog>",
            false));
}

TEST_F(ResourceCache, LogPreloadsItsRangeUncounted)
{
    // The common folder was indexed at start: the log goes in through the file manager.
    save("log.xml", makeXml16("<ResourceLog><Tag Path=\"a.png\" Type=\"0\" /><Tag Path=\"b.mesh\" Type=\"5\" />"
                              "<Tag Path=\"c.anim\" Type=\"6\" /><Tag Path=\"d.png\" />"
                              "<Tag Path=\"e.fnt\" Type=\"2\" /></ResourceLog>"));
    iXML* log = cache().getXML("log.xml");
    cache().logToResources(log, 3, 3);
    EXPECT_EQ(cFake::alive, 0);
    cache().logToResources(log, 0, 10);
    EXPECT_EQ(cFake::alive, 2) << "meshes, animations and entries without a type are skipped";
    cache().clearUseless();
    EXPECT_EQ(cFake::alive, 0) << "preloaded entries wait uncounted";
}

TEST_F(ResourceCache, ANonAsciiPathLoggedIsReadBackByTheCache)
{
    cache().getXML(kFarm);
    cache().resourcesToLog("first.xml");
    restart();
    cXML log("first.xml");
    ASSERT_NO_THROW(cache().logToResources(&log, 0, log.getNodeCount()));
    cache().resourcesToLog("second.xml");
    EXPECT_EQ(readFileBytes(m_data.common("second.xml")), readFileBytes(m_data.common("first.xml")));
    EXPECT_EQ(readFileBytes("error.log").find("does not load"), std::string::npos);
}

TEST_F(ResourceCache, OddLogEntriesAreLoggedAndPassedOver)
{
    // Each byte of the path as one code unit, as earlier logs held it.
    std::string bytewise;
    for (unsigned char c : kFarm)
        bytewise += c < 0x80 ? std::string(1, char(c)) : std::string{char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
    writeXml16(m_data.common("log.xml"),
        "<ResourceLog><Tag Path=\"" + bytewise + "\" Type=\"1\" /><Tag Path=\"nowhere.xml\" Type=\"1\" />"
        "<Tag Path=\"../../etc/passwd\" Type=\"1\" /><Tag Path=\"\" Type=\"1\" /><Tag Type=\"1\" /></ResourceLog>");
    restart();
    cXML log("log.xml");
    EXPECT_NO_THROW(cache().logToResources(&log, 0, log.getNodeCount()));
    cache().resourcesToLog("now.xml");
    EXPECT_NE(readFileBytes(m_data.common("now.xml")).find(makeXml16(kFarm).substr(2)), std::string::npos);
    EXPECT_NE(readFileBytes("error.log").find("nowhere.xml"), std::string::npos);
}

// The sound manager over the recording fake, with sound files in the fixture's data folder.
class SoundManager : public FileManager {
protected:
    void SetUp() override
    {
        m_data.write(m_data.data("sounds/click.wav"), "click bytes");
        m_data.write(m_data.data("sounds/tune.ogg"), "tune bytes");
        m_core = std::make_unique<cEngineCore>(m_data, false);
    }
    cSoundManager& start()
    {
        m_manager = std::make_unique<cSoundManager>(m_library);
        return *m_manager;
    }
    // Started with one sound loaded.
    cSoundManager& startWithSound()
    {
        start();
        m_sound = std::make_unique<cSound>("sounds/click.wav");
        return *m_manager;
    }

    std::unique_ptr<cEngineCore> m_core;
    cHeadlessSoundLibrary m_library;
    std::unique_ptr<cSoundManager> m_manager;
    std::unique_ptr<cSound> m_sound;
};

TEST_F(SoundManager, VolumeFollowsTheSquareRootCurve)
{
    const struct {
        UInt volume;
        Int group;
    } cases[] = {{100, 100}, {50, 70}, {25, 50}, {1, 9}, {0, 0}};
    cSoundManager& manager = startWithSound();
    for (const auto& c : cases) {
        manager.setSoundVolume(c.volume);
        manager.setMusicVolume(c.volume);
        EXPECT_EQ(manager.getSoundVolume(), c.volume);
        EXPECT_EQ(m_library.getGroupVolume(SG_EFFECTS), c.group) << c.volume;
        EXPECT_EQ(m_library.getGroupVolume(SG_MUSIC), c.group) << c.volume;
    }
}

TEST_F(SoundManager, PauseSilencesEverythingAndOnlyAChangeReachesTheLibrary)
{
    cSoundManager& manager = startWithSound();
    std::unique_ptr<cChannel> channel(manager.playMusic(m_sound.get(), true, true));
    manager.setPause(false);
    EXPECT_EQ(m_library.countCalls("pauseAll"), 0);
    manager.setPause(true);
    manager.setPause(true);
    EXPECT_EQ(m_library.countCalls("pauseAll"), 1);
    EXPECT_TRUE(manager.isPaused());
    EXPECT_FALSE(m_library.isAudible(channel->getId()));
    manager.setPause(false);
    EXPECT_TRUE(m_library.isAudible(channel->getId()));
}

TEST_F(SoundManager, EffectsPlayInTheirGroupAtItsVolumeAndFireAndForgetNeitherLoopsNorKeepsAChannel)
{
    cSoundManager& manager = startWithSound();
    manager.setSoundVolume(50);
    std::unique_ptr<cChannel> channel(manager.playSound(m_sound.get(), true, true));
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->getGroup(), SG_EFFECTS);
    const std::string play = "play " + std::to_string(m_sound->getSampleId());
    EXPECT_EQ(m_library.getCalls().back(),
        play + " loop=1 group=1 start=1 volume=70 frequency=44100 pan=50 -> " + std::to_string(channel->getId()));
    manager.play(m_sound.get());
    EXPECT_EQ(m_library.getCalls().back().find(play + " loop=0 group=1 start=1"), 0u);
    EXPECT_EQ(m_sound->getRefCount(), 2) << "only the kept channel holds the sound";
}

TEST_F(SoundManager, ChannelNotStartedWaitsForPlay)
{
    // Effects wait paused; music waits prepared and is started, not resumed.
    const struct {
        bool music;
        int waiting, group;
        const char* startCall;
    } cases[] = {{false, SCS_PAUSED, SG_EFFECTS, "pauseChannel"}, {true, SCS_PREPARED, SG_MUSIC, "startChannel"}};
    cSoundManager& manager = startWithSound();
    manager.setMusicVolume(25);
    for (const auto& c : cases) {
        std::unique_ptr<cChannel> channel(c.music ? manager.playMusic(m_sound.get(), true, false)
                                                  : manager.playSound(m_sound.get(), false, false));
        const int id = channel->getId();
        EXPECT_EQ(channel->getGroup(), c.group);
        EXPECT_EQ(m_library.getChannelStatus(id), c.waiting) << c.music;
        EXPECT_FALSE(m_library.isAudible(id)) << c.music;
        m_library.clearCalls();
        channel->play();
        EXPECT_EQ(m_library.getChannelStatus(id), SCS_PLAYING) << c.music;
        EXPECT_TRUE(m_library.isAudible(id)) << c.music;
        EXPECT_EQ(m_library.countCalls(c.startCall), 1) << c.music;
    }
}

TEST_F(SoundManager, DeletingAPausedChannelStopsItAndDropsItsReferenceAndARefusedOneHoldsNone)
{
    cSoundManager& manager = startWithSound();
    cChannel* channel = manager.playSound(m_sound.get(), true, true);
    EXPECT_EQ(m_sound->getRefCount(), 2);
    channel->pause();
    const int id = channel->getId();
    delete channel;
    EXPECT_EQ(m_library.getChannelStatus(id), SCS_NONE);
    EXPECT_EQ(m_sound->getRefCount(), 1);
    EXPECT_EQ(thrownText([&] { cChannel refused(-3, m_sound.get()); }),
        "Error sound channel creating. Error code:-3\ncChannel::cChannel(int _id)");
    EXPECT_EQ(m_sound->getRefCount(), 1);
}

// Under the address checker: a channel that reached back into its manager would fail here.
TEST_F(SoundManager, ChannelOutlivingTheManagerStaysSilent)
{
    std::unique_ptr<cChannel> channel(startWithSound().playMusic(m_sound.get(), true, true));
    m_manager.reset();
    channel->pause();
    channel->play();
    EXPECT_EQ(m_library.getChannelStatus(channel->getId()), SCS_NONE);
}

TEST_F(SoundManager, EveryVoiceBusyGivesNoChannelInsteadOfAFailure)
{
    cSoundManager& manager = startWithSound();
    std::vector<std::unique_ptr<cChannel>> channels;
    for (int i = 0; i < 16; ++i)
        channels.emplace_back(manager.playSound(m_sound.get(), true, true));
    ASSERT_NE(channels.back(), nullptr);
    EXPECT_EQ(manager.playSound(m_sound.get(), false, true), nullptr);
    EXPECT_EQ(manager.playMusic(m_sound.get(), true, true), nullptr);
    EXPECT_NO_THROW(manager.play(m_sound.get()));
    EXPECT_EQ(m_sound->getRefCount(), 17);
    channels.pop_back();
    EXPECT_NE(std::unique_ptr<cChannel>(manager.playMusic(m_sound.get(), true, true)), nullptr);
}

TEST_F(SoundManager, SoundLoadsItsFileAsASampleAndUnloadsItAndAMissingFileIsAnError)
{
    startWithSound();
    const std::vector<unsigned char>* bytes = m_library.getSampleBytes(m_sound->getSampleId());
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "click bytes");
    const int sample = m_sound->getSampleId();
    m_sound.reset();
    EXPECT_EQ(m_library.getSampleBytes(sample), nullptr);
    EXPECT_EQ(thrownText([] { cSound sound("sounds/missing.wav"); }, true),
        "Error loading sound file \"sounds/missing.wav\"");
}

TEST_F(SoundManager, MissingDeviceDisablesEverySoundOperation)
{
    m_library.setDeviceMissing(true);
    cSoundManager& manager = startWithSound();
    EXPECT_TRUE(manager.isDisabled());
    EXPECT_EQ(m_sound->getSampleId(), 0);
    EXPECT_EQ(manager.playSound(m_sound.get(), true, true), nullptr);
    EXPECT_EQ(manager.playMusic(m_sound.get(), true, true), nullptr);
    manager.play(m_sound.get());
    manager.setSoundVolume(50);
    manager.setPause(true);
    EXPECT_EQ(manager.getSoundVolume(), 50u);
    EXPECT_TRUE(manager.isPaused());
    EXPECT_EQ(m_library.getCalls(),
        (std::vector<std::string>{"setFileCallbacks -> 0", "init channels=16 -> -1", "free"}));
}

// The first screens are silent: the device opens with the first sound, taking the volumes and
// the pause set before, and a run that never sounds neither opens nor closes it.
TEST_F(SoundManager, TheDeviceOpensWithTheFirstSoundWithWhatWasSetBefore)
{
    cSoundManager& manager = start();
    manager.setMusicVolume(25);
    manager.setPause(true);
    EXPECT_FALSE(m_library.isOpen());
    EXPECT_EQ(m_library.getCalls(), (std::vector<std::string>{"setFileCallbacks -> 0"}));
    m_sound = std::make_unique<cSound>("sounds/click.wav");
    EXPECT_TRUE(m_library.isOpen());
    EXPECT_EQ(m_library.getGroupVolume(SG_MUSIC), 50);
    EXPECT_EQ(m_library.getGroupVolume(SG_EFFECTS), 100);
    std::unique_ptr<cChannel> channel(manager.playMusic(m_sound.get(), true, true));
    EXPECT_FALSE(m_library.isAudible(channel->getId())) << "the pause holds";
    EXPECT_EQ(m_library.countCalls("init"), 1);

    channel.reset();
    m_sound.reset();
    m_manager.reset();
    m_library.clearCalls();
    start();
    m_manager.reset();
    EXPECT_EQ(m_library.countCalls("init") + m_library.countCalls("free"), 0) << "never opened, never closed";
}

TEST_F(SoundManager, RefusedFileCallbacksEndTheStart)
{
    m_library.setCallbacksRefused(true);
    EXPECT_EQ(thrownText([&] { start(); }), "Can't setup sound file callbacks.\ncSoundManager::cSoundManager()");
    EXPECT_FALSE(cSoundManager::exists());
    EXPECT_FALSE(m_library.isOpen());
}

// The file callbacks, as the library calls them.
TEST_F(SoundManager, FileCallbacksSeekBySizeRefuseUnknownHandlesAndCloseAtShutdown)
{
    char byte = 0;
    EXPECT_THROW(cSoundManager::fileRead(2, &byte, 1), String) << "no manager";
    start();
    const unsigned int handle = cSoundManager::fileOpen("sounds/click.wav");
    EXPECT_EQ(handle, 2u) << "handles start at two";
    EXPECT_EQ(cSoundManager::fileOpen("sounds/tune.ogg"), 3u);
    EXPECT_EQ(cSoundManager::fileOpen("sounds/nothing.wav"), 0xFFFFFFFFu);
    char bytes[5] = {};
    EXPECT_EQ(cSoundManager::fileRead(handle, bytes, 5), 5);
    EXPECT_EQ(cSoundManager::fileSeek(handle, 0, 2), 11) << "seeking to the end answers the size";
    EXPECT_EQ(cSoundManager::fileSeek(handle, 0, 0), 0);
    EXPECT_EQ(cSoundManager::fileRead(handle, bytes, 5), 5);
    EXPECT_EQ(std::string(bytes, 5), " byte") << "and moves nothing";
    EXPECT_EQ(cSoundManager::fileRead(handle, bytes, -1), 0);
    cSoundManager::fileClose(handle);
    EXPECT_THROW(cSoundManager::fileSeek(handle, 0, 2), String);
    EXPECT_THROW(cSoundManager::fileClose(0xFFFFFFFFu), String);
    EXPECT_EQ(thrownText([&] { cSoundManager::fileRead(7, &byte, 1); }),
        "Invalid handle.\nint cSoundManager::fileRead (unsigned int Handle, void* Buffer, int Size)");
    // The one left open is closed and deleted by the manager; the leak checker sees any that is not.
    m_manager.reset();
    EXPECT_EQ(cSoundManager::fileOpen("sounds/click.wav"), 0xFFFFFFFFu);
}

TEST_F(SoundManager, TheResourceCacheMakesSounds)
{
    start();
    iResource* sound = cResourceManager::getInstance()->getSound("Sounds/Click.wav");
    ASSERT_NE(dynamic_cast<cSound*>(sound), nullptr);
    EXPECT_GT(static_cast<cSound*>(sound)->getSampleId(), 0);
    EXPECT_EQ(cResourceManager::getInstance()->getSound("sounds/click.wav"), sound);
}

// The sound manager among the engine's other managers: volumes kept in the settings'
// "Sound" section across runs.
TEST(SoundSettings, VolumesAreReadClampedAppliedAndWrittenBack)
{
    const struct {
        const char* what;
        const char* section;
        bool deviceMissing;
        UInt musicRead;
        Int musicGroup, effectsGroup;
        UInt musicSaved, soundSaved;
    } cases[] = {{"in range", "Music=\"25\" Sound=\"50\"", false, 25, 50, 70, 80, 50},
        {"above the scale", "Music=\"4000\" Sound=\"101\"", false, 100, 100, 100, 80, 100},
        {"no device: kept as read", "Music=\"4000\" Sound=\"7\"", true, 0, 0, 0, 4000, 7}};
    for (const auto& c : cases) {
        cTestData data(std::string("<game app_directory=\"Test\" /><Sound ") + c.section + " />");
        cEngineCore core(data);
        cHeadlessSoundLibrary library;
        library.setDeviceMissing(c.deviceMissing);
        {
            cSoundManager manager(library);
            EXPECT_EQ(manager.isDisabled(), c.deviceMissing) << c.what;
            if (!c.deviceMissing) {
                EXPECT_EQ(manager.getMusicVolume(), c.musicRead) << c.what;
                EXPECT_EQ(library.getGroupVolume(SG_MUSIC), c.musicGroup) << c.what;
                EXPECT_EQ(library.getGroupVolume(SG_EFFECTS), c.effectsGroup) << c.what;
            }
            manager.setMusicVolume(80);
        }
        UInt music = 12345, sound = 12345;
        core.settings().getPropertyT("Sound", "Music", music);
        core.settings().getPropertyT("Sound", "Sound", sound);
        EXPECT_EQ(music, c.musicSaved) << c.what;
        EXPECT_EQ(sound, c.soundSaved) << c.what;
    }
}

} // namespace
