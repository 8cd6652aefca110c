#include "engine/FileManager.h"
#include "engine/RealFile.h"
#include "engine/TextConvert.h"
#include "engine/TextFile.h"
#include "engine/XML.h"
#include "engine/ZipFile.h"
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

TEST_F(XMLFiles, BrokenShippedFileRaisesWithTheSignature)
{
    writeXml16(m_data.data("b.xml"), "<a>");
    files();
    EXPECT_EQ(thrownText([] { cXML document("b.xml"); }), "no element found line 1 char 4\ncXML::cXML(const String& _path)");
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

} // namespace
