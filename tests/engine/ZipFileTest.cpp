#include "engine/ZipFile.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"
#include "support/ZipWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ZipFile : public ::testing::Test {
protected:
    std::string pack(const std::vector<sZipEntry>& _entries)
    {
        writeZip(m_folder.file("p.pack"), _entries);
        return m_folder.file("p.pack");
    }
    static std::string readAll(iFile& _file)
    {
        std::string bytes(_file.getSize(), '\0');
        bytes.resize(_file.read(bytes.data(), static_cast<ULong>(bytes.size())));
        return bytes;
    }
    static std::string errorOf(const std::string& _package, const std::string& _name)
    {
        return thrownText([&] { cZipFile file(_package, _name); }, true);
    }
    cTempFolder m_folder;
};

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
    EXPECT_EQ(errorOf(path, "b"), "Cant't find file 'b' in the '" + path + "' pack.");
    EXPECT_EQ(errorOf(m_folder.file("none.pack"), "a"), "Cant't open pack file '" + m_folder.file("none.pack") + "'");
    EXPECT_THROW(cZipFile::findOpen(pack({})), String) << "a package without entries";
    const std::string cut = m_folder.file("cut.pack");
    const std::string bytes = readFileBytes(pack({{"a", std::string(1000, 'x')}, {"b", "y"}}));
    writeFileBytes(cut, bytes.substr(0, bytes.size() - 30));
    EXPECT_EQ(thrownText([&] { cZipFile::findOpen(cut); }, true), cut + " is cannot be opened.");
    EXPECT_EQ(errorOf(cut, "a"), "Cant't open pack file '" + cut + "'");
}

TEST_F(ZipFile, SizeBeyondWhatTheDataCanHoldIsRefused)
{
    const std::string path = pack({{"a", "abc", false}});
    std::string bytes = readFileBytes(path);
    // The uncompressed size in the central directory record (offset 24 from its signature).
    const std::size_t central = bytes.find("PK\x01\x02");
    bytes.replace(central + 24, 4, "\xFF\xFF\xFF\x7F");
    writeFileBytes(path, bytes);
    EXPECT_EQ(errorOf(path, "a"), "Cant't open file 'a' in the '" + path + "' pack.");
}

} // namespace
