#include "engine/TextConvert.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf, RoundTripsEveryPlane)
{
    const String samples[] = {"", "Play", "Новый игрок", "grüße", "日本語", "\xF0\x9F\x8C\xBE wheat", String("a\0b", 3)};
    for (const String& sample : samples)
        EXPECT_EQ(toString(toWString(sample)), sample);
    EXPECT_EQ(toWString("Новый"), u"Новый");
    EXPECT_EQ(toWString("\xF0\x9F\x8C\xBE"), WString(u"\xD83C\xDF3E")) << "surrogate pair";
    EXPECT_EQ(toWString(String("a\0b", 3)).size(), 3u) << "embedded NUL kept";
    EXPECT_EQ(toWString(String(5000, 'x')).size(), 5000u) << "no length limit";
}

TEST(Utf, MalformedInputIsReplacedNotFatal)
{
    EXPECT_EQ(toWString("\xFF"), u"\uFFFD");
    EXPECT_EQ(toWString("\xC0\xAF"), u"\uFFFD") << "overlong form";
    EXPECT_EQ(toWString("\xE0\x80"), u"\uFFFD") << "truncated sequence";
    EXPECT_EQ(toWString("\xED\xA0\x80"), u"\uFFFD") << "encoded surrogate";
    EXPECT_EQ(toString(WString(1, u'\xD800')), "\xEF\xBF\xBD") << "lone surrogate";
    EXPECT_EQ(toWString(static_cast<const char*>(nullptr)), u"");
}

TEST(TextHelpers, CaseSeparatorsAndWords)
{
    String narrow = "UI/Main.XML";
    EXPECT_EQ(toLowerCase(narrow), "ui/main.xml");
    WString wide = u"Data\\Ui\\Фон.PNG";
    EXPECT_EQ(toLowerCase(replaceChar(wide, u'\\', u'/')), u"data/ui/фон.png");
    String word = "unchanged";
    EXPECT_EQ(readWord(word, u"  first second"), "first");
    EXPECT_EQ(readWord(word, u"   "), "first") << "no word leaves the target";
    EXPECT_EQ(intToString(-42), "-42");
}

TEST(TextHelpers, KeysOfGameVariables)
{
    EXPECT_EQ(getStaticString("Upgrade", 12), "Upgrade12");
    const String& shared = getStaticString("Upgrade", 3);
    getStaticString("Field", 4);
    EXPECT_EQ(shared, "Field4") << "the static form is one shared buffer";
    EXPECT_EQ(getStaticWString("Seed", 0), u"Seed0");
    EXPECT_NE(makeKey("A", 1), makeKey("A", 2)) << "by-value keys do not alias";
}

TEST(WideLowerCase, LowersTheLettersOfEveryAlphabetTheGameShowsAndNothingElse)
{
    const std::pair<WString, WString> cases[] = {{u"ФЕРМА Ёлка", u"ферма ёлка"}, {u"ÉTÉ ÀÖÞ", u"été àöþ"},
        {u"ŁÓDŹ ĞİŸ", u"łódź ğiÿ"}, {u"ΩΜΈΓΑ", u"ωμέγα"}, {u"ҐЄЇЎ Ӂ", u"ґєїў ӂ"}, {u"ＡＢＣ", u"ａｂｃ"},
        {u"×÷ßſ ёж 日本 ½ \u03A2 ı 12-3", u"×÷ßſ ёж 日本 ½ \u03A2 ı 12-3"}};
    for (auto [text, lowered] : cases)
        EXPECT_EQ(toLowerCase(text), lowered);
}

} // namespace
