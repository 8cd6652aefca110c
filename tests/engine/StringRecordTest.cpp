#include "engine/RealFile.h"
#include "support/TempFolder.h"
#include "support/Thrown.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class StringRecord : public ::testing::Test {
protected:
    std::unique_ptr<cRealFile> make(const std::string& _bytes)
    {
        writeFileBytes(m_folder.file("f"), _bytes);
        return std::make_unique<cRealFile>(m_folder.file("f"), cRealFile::ACCESS_READ, cRealFile::OPEN_EXISTING);
    }
    std::unique_ptr<cRealFile> fresh()
    {
        return std::make_unique<cRealFile>(m_folder.file("f"), cRealFile::ACCESS_READ | cRealFile::ACCESS_WRITE,
            cRealFile::CREATE_ALWAYS);
    }
    cTempFolder m_folder;
};

TEST_F(StringRecord, NarrowAndWideGoldenBytes)
{
    {
        auto file = fresh();
        EXPECT_EQ(file->write(String("abc")), 7u);
        EXPECT_EQ(file->write(WString(u"abc")), 10u);
    }
    EXPECT_EQ(readFileBytes(m_folder.file("f")), std::string("\x03\0\0\0abc\x03\0\0\0a\0b\0c\0", 17));
    auto file = make(readFileBytes(m_folder.file("f")));
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
        EXPECT_EQ(make(c.bytes)->read(narrow), c.read) << c.what;
        EXPECT_EQ(narrow, c.text) << c.what;
        if (c.read)
            continue;
        auto file = make(c.bytes);
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
        EXPECT_EQ(make(c.first)->calculateChecksum(), c.second) << c.first.size() << " bytes";
}

TEST_F(StringRecord, ClosedFileDoesNothingAndAMissingOneRaisesItsName)
{
    auto file = make("abcd");
    file->close();
    char buffer[4];
    String text = "kept";
    EXPECT_EQ(file->getSize(), 0u);
    EXPECT_EQ(file->read(buffer, 4), 0u);
    EXPECT_EQ(file->read(text), 0u);
    EXPECT_EQ(file->write("x", 1), 0u);
    EXPECT_EQ(file->calculateChecksum(), 0u);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(thrownText([&] { cRealFile file(m_folder.file("none"), cRealFile::ACCESS_READ, cRealFile::OPEN_EXISTING); }, true),
        "Can't open file \"" + m_folder.file("none") + "\".");
}

} // namespace
