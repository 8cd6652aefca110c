#include "engine/RealFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

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

TEST_F(StringRecord, EmptyRecordReadsAsEmptyText)
{
    auto file = make(std::string("\0\0\0\0", 4));
    String text = "old";
    EXPECT_EQ(file->read(text), 4u);
    EXPECT_EQ(text, "");
}

TEST_F(StringRecord, TextEndsAtItsFirstZero)
{
    auto file = make(std::string("\x03\0\0\0a\0b", 7));
    String text;
    EXPECT_EQ(file->read(text), 7u);
    EXPECT_EQ(text, "a");
}

struct sBadRecord {
    const char* what;
    std::string bytes;
};

std::ostream& operator<<(std::ostream& _out, const sBadRecord& _case)
{
    return _out << _case.what;
}

class BadRecord : public StringRecord, public ::testing::WithParamInterface<sBadRecord> {};

TEST_P(BadRecord, LeavesTheTextAndReadsNothing)
{
    auto file = make(GetParam().bytes);
    String narrow = "kept";
    WString wide = u"kept";
    EXPECT_EQ(file->read(narrow), 0u);
    EXPECT_EQ(file->read(wide), 0u);
    EXPECT_EQ(narrow, "kept");
    EXPECT_EQ(wide, u"kept");
}

INSTANTIATE_TEST_SUITE_P(StringRecord, BadRecord,
    ::testing::Values(sBadRecord{"AtEnd", ""}, sBadRecord{"ShortPrefix", std::string("\x02\0", 2)},
        sBadRecord{"HugeCount", std::string("\xFF\xFF\xFF\x7F" "abc", 7)},
        sBadRecord{"CountPastTheEnd", std::string("\x05\0\0\0abcd", 8)}),
    [](const auto& _info) { return std::string(_info.param.what); });

TEST_F(StringRecord, RefusedCountLeavesThePositionAtTheRecord)
{
    auto file = make(std::string("\x09\0\0\0abc", 7));
    String text;
    EXPECT_EQ(file->read(text), 0u);
    EXPECT_EQ(file->seek(0, 1), 0u);
}

struct sChecksum {
    std::string bytes;
    ULong expected;
};

std::ostream& operator<<(std::ostream& _out, const sChecksum& _case)
{
    return _out << _case.bytes.size() << " bytes";
}

class Checksum : public StringRecord, public ::testing::WithParamInterface<sChecksum> {};

TEST_P(Checksum, XorOfLittleEndianWordsZeroPadded)
{
    EXPECT_EQ(make(GetParam().bytes)->calculateChecksum(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(StringRecord, Checksum,
    ::testing::Values(sChecksum{"", 0u}, sChecksum{"\x01\x02\x03\x04\x05", 0x04030201u ^ 0x05u},
        sChecksum{"\x01\x02\x03\x04\x01\x02\x03\x04", 0u}, sChecksum{"\xFF\xFF", 0xFFFFu}));

TEST_F(StringRecord, ClosedFileDoesNothing)
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
}

TEST_F(StringRecord, MissingFileRaisesItsName)
{
    try {
        cRealFile file(m_folder.file("none"), cRealFile::ACCESS_READ, cRealFile::OPEN_EXISTING);
        FAIL();
    } catch (const String& _error) {
        EXPECT_EQ(_error.substr(0, _error.find('\n')), "Can't open file \"" + m_folder.file("none") + "\".");
    }
}

} // namespace
