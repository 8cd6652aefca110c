#include "engine/Settings.h"
#include "engine/StringManager.h"
#include "engine/ValueConvert.h"
#include "engine/XmlEscape.h"
#include "support/EngineCore.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>";

TEST(Settings, SavesTheExactFormInByteOrder)
{
    cTestData data("<game app_directory=\"Test\" /><Time MinFps=\"15\" MaxFps=\"200\" />");
    {
        cEngineCore core(data);
        core.settings().setPropertyT("lights", "count", UInt(0));
        core.settings().setPropertyT("Sound", "Music", UInt(80));
        core.settings().setPropertyT("graphics", "fullscreen", true);
    }
    EXPECT_EQ(readFileBytes(data.common("sys/settings.xml")),
        utf16Bytes(std::string(kDeclaration) +
                       "<main><Sound Music=\"80\" /><Time MaxFps=\"200\" MinFps=\"15\" /><game app_directory=\"Test\" />"
                       "<graphics fullscreen=\"1\" /><lights count=\"0\" /></main>",
            true));
}

TEST(Settings, DuplicateSectionsMergeLaterWinning)
{
    cTestData data("<game app_directory=\"Test\" window_title=\"A\" /><game profiles=\"P\" window_title=\"B\" />");
    cEngineCore core(data);
    WString title;
    String profiles;
    EXPECT_TRUE(core.settings().getPropertyT("game", "window_title", title));
    EXPECT_TRUE(core.settings().getPropertyT("game", "profiles", profiles));
    EXPECT_EQ(title, u"B");
    EXPECT_EQ(profiles, "P");
}

TEST(Settings, MissingKeyReturnsFalseAndIsWrittenBackEmpty)
{
    cTestData data;
    {
        cEngineCore core(data);
        Float fps = 15;
        EXPECT_FALSE(core.settings().getPropertyT("Time", "MinFps", fps));
        EXPECT_FLOAT_EQ(fps, 15);
        EXPECT_TRUE(core.settings().getPropertyT("Time", "MinFps", fps)) << "the miss created the key";
    }
    const std::string saved = readFileBytes(data.common("sys/settings.xml"));
    EXPECT_NE(saved.find(utf16Bytes("<Time MinFps=\"\" />", false)), std::string::npos);
}

TEST(Settings, TypedValuesConvertBothWays)
{
    cTestData data("<game app_directory=\"Test\" word=\"abc\" empty=\"\" />");
    cEngineCore core(data);
    cSettings& settings = core.settings();

    Int number = 7;
    EXPECT_TRUE(settings.getPropertyT("game", "word", number)) << "the key exists, whatever the conversion gave";
    EXPECT_EQ(number, 7);
    UInt count = 9;
    EXPECT_TRUE(settings.getPropertyT("game", "empty", count));
    EXPECT_EQ(count, 9u);

    const struct {
        const char* key;
        WString stored;
    } forms[] = {{"bool", u"1"}, {"float", u"0.0666667"}, {"whole", u"200"}, {"colour", u"0xff00ff80"},
        {"vector", u"1.5 -2 3"}};
    settings.setPropertyT("x", "bool", true);
    settings.setPropertyT("x", "float", 1.0f / 15);
    settings.setPropertyT("x", "whole", 200.0f);
    settings.setPropertyT("x", "colour", DXColor{0, 1, 128 / 255.f, 1});
    settings.setPropertyT("x", "vector", Vector3{1.5f, -2, 3});
    for (const auto& form : forms) {
        WString text;
        settings.getPropertyT("x", form.key, text);
        EXPECT_EQ(text, form.stored) << form.key;
    }
    DXColor colour;
    settings.getPropertyT("x", "colour", colour);
    EXPECT_EQ(colorToARGB(colour), 0xFF00FF80u);
    Vector3 vector;
    settings.getPropertyT("x", "vector", vector);
    EXPECT_EQ(vector, (Vector3{1.5f, -2, 3}));
}

// Characters no XML file can carry become U+FFFD; everything else comes back after the next start.
TEST(Settings, OddKeysSectionsAndValuesReadBackAfterTheNextStart)
{
    const struct {
        String section, key;
        WString value, readBack;
    } cases[] = {
        {"game", "title", u"a\x01" "b\x1F", u"a\uFFFDb\uFFFD"},
        {"game", "title", u"x\xD800y", u"x\uFFFDy"},
        {"game", "title", u"<&\"\t\r\n\U0001F600>", u"<&\"\t\r\n\U0001F600>"},
        {"game", "my key", u"1", u"1"},
        {"game", "1st", u"1", u"1"},
        {"game", "a\"=<b>&", u"1", u"1"},
        {"game", "_x0041_", u"1", u"1"},
        {"game", "", u"1", u"1"},
        {"\xD0\x97\xD0\xB2\xD1\x83\xD0\xBA", "v", u"1", u"1"},
        {"my sect", "v", u"1", u"1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.key);
        cTestData data;
        {
            cEngineCore core(data);
            core.settings().setPropertyT(c.section, c.key, c.value);
            core.settings().setPropertyT("game", "Music", WString(u"0.5"));
        }
        cEngineCore core(data);
        WString value;
        EXPECT_TRUE(core.settings().getPropertyT(c.section, c.key, value));
        EXPECT_EQ(value, c.readBack);
        EXPECT_TRUE(core.settings().getPropertyT("game", "Music", value)) << "the other settings stay";
        EXPECT_FALSE(std::filesystem::exists(data.common("sys/settings.xml.broken")));
    }
}

TEST(XmlNames, NamesThatWereAlwaysValidAreWrittenAsBefore)
{
    for (const char16_t* name : {u"window_title", u"Music", u"a-b.c9", u"_private"})
        EXPECT_EQ(encodeXmlName(name), name);
    EXPECT_EQ(encodeXmlName(u"1 x"), u"_x0031__x0020_x");
    EXPECT_EQ(decodeXmlName(u"_x0031__x0020_x"), u"1 x");
    EXPECT_EQ(decodeXmlName(u"_xZZ_x0041"), u"_xZZ_x0041") << "no escape, no change";
}

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
