#include "engine/StringManager.h"
#include "support/EngineCore.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kTable = "<Strings>"
                           "<s><text>Play</text><translation>Играть</translation></s>"
                           "<s><text>Exit</text><translation>Выход</translation></s>"
                           "<s><text>Play</text><translation>Начать</translation></s>"
                           "</Strings>";

TEST(StringTable, TranslatesWithTheLaterEntryWinning)
{
    cTestData data;
    writeXml16(data.data("sys/strings.xml"), kTable);
    cEngineCore core(data);
    cStringManager strings;
    EXPECT_EQ(strings.getString(u"Play"), u"Начать");
    EXPECT_EQ(strings.getString(u"Exit"), u"Выход");
    EXPECT_EQ(strings.getString(u"Options"), u"Options");
    EXPECT_EQ(strings.getString(u""), u"");
}

TEST(StringTable, MissingFileIsNoErrorAndNothingIsDumpedUnasked)
{
    cTestData data;
    {
        cEngineCore core(data);
        cStringManager strings;
        EXPECT_EQ(strings.getString(u"Play"), u"Play");
        EXPECT_FALSE(strings.isDumpStrings());
    }
    EXPECT_FALSE(std::filesystem::exists(data.common("strdubp.xml")));
}

TEST(StringTable, MalformedFileFailsWithTheParserText)
{
    cTestData data;
    writeXml16(data.data("sys/strings.xml"), "<Strings><s><text>Play</s></Strings>");
    cEngineCore core(data);
    const String stack = thrownText([] { cStringManager strings; });
    EXPECT_EQ(stack.rfind("mismatched tag line 1 char ", 0), 0u) << stack;
    EXPECT_NE(stack.find("cStringManager::cStringManager()"), String::npos);
    EXPECT_FALSE(cStringManager::exists());
}

TEST(StringTable, DumpFlagsMissingTextsAndListsEachOnce)
{
    cTestData data("<game app_directory=\"Test\" DumpStrings=\"1\" />");
    {
        cEngineCore core(data);
        cStringManager strings;
        EXPECT_EQ(strings.getString(u"Play"), u"!!!!!!!Play");
        EXPECT_EQ(strings.getString(u"Play"), u"!!!!!!!Play") << "flagged every time";
        EXPECT_EQ(strings.getString(u"A&B"), u"!!!!!!!A&B");
    }
    EXPECT_EQ(readFileBytes(data.common("strdubp.xml")),
        utf16Bytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<Strings>"
                   "<s>\n<text>A&amp;B</text>\n<translation>A&amp;B</translation>\n</s>"
                   "<s>\n<text>Play</text>\n<translation>Play</translation>\n</s></Strings>",
            false));
}

} // namespace
