#include "engine/TextConvert.h"
#include "engine/XmlEscape.h"
#include "support/EngineCore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace {

struct sSetting {
    const char* what;
    String section;
    String key;
    WString value;
    WString readBack;
};

void PrintTo(const sSetting& _setting, std::ostream* _out)
{
    *_out << _setting.what;
}

class SettingsRoundTrip : public ::testing::TestWithParam<sSetting> {};

TEST_P(SettingsRoundTrip, ValueReadsBackAfterTheNextStart)
{
    const sSetting& setting = GetParam();
    cTestData data;
    {
        cEngineCore core(data);
        core.settings().setPropertyT(setting.section, setting.key, setting.value);
        core.settings().setPropertyT("game", "Music", WString(u"0.5"));
    }
    cEngineCore core(data);
    WString value;
    EXPECT_TRUE(core.settings().getPropertyT(setting.section, setting.key, value));
    EXPECT_EQ(value, setting.readBack);
    EXPECT_TRUE(core.settings().getPropertyT("game", "Music", value)) << "the other settings stay";
    EXPECT_FALSE(std::filesystem::exists(data.common("sys/settings.xml.broken")));
}

// Characters no XML file can carry become U+FFFD; everything else comes back as it was.
const sSetting kSettings[] = {
    {"control character in a value", "game", "title", u"a\x01" "b\x1F", u"a\uFFFDb\uFFFD"},
    {"unpaired surrogate in a value", "game", "title", u"x\xD800y", u"x\uFFFDy"},
    {"markup, white space and a pair", "game", "title", u"<&\"\t\r\n\U0001F600>", u"<&\"\t\r\n\U0001F600>"},
    {"blank in a key", "game", "my key", u"1", u"1"},
    {"digit first in a key", "game", "1st", u"1", u"1"},
    {"markup in a key", "game", "a\"=<b>&", u"1", u"1"},
    {"escape-like key", "game", "_x0041_", u"1", u"1"},
    {"empty key", "game", "", u"1", u"1"},
    {"non-ASCII section", "\xD0\x97\xD0\xB2\xD1\x83\xD0\xBA", "v", u"1", u"1"},
    {"blank in a section", "my sect", "v", u"1", u"1"},
};

INSTANTIATE_TEST_SUITE_P(Odd, SettingsRoundTrip, ::testing::ValuesIn(kSettings),
    [](const ::testing::TestParamInfo<sSetting>& _info) { return "case" + std::to_string(_info.index); });

TEST(XmlNames, NamesThatWereAlwaysValidAreWrittenAsBefore)
{
    for (const char16_t* name : {u"window_title", u"Music", u"a-b.c9", u"_private"})
        EXPECT_EQ(encodeXmlName(name), name);
    EXPECT_EQ(encodeXmlName(u"1 x"), u"_x0031__x0020_x");
    EXPECT_EQ(decodeXmlName(u"_x0031__x0020_x"), u"1 x");
    EXPECT_EQ(decodeXmlName(u"_xZZ_x0041"), u"_xZZ_x0041") << "no escape, no change";
}

} // namespace
