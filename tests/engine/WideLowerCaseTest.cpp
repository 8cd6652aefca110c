#include "engine/TextConvert.h"

#include <gtest/gtest.h>

namespace {

struct sLowerCase {
    const char16_t* text;
    const char16_t* lowered;
};

TEST(WideLowerCase, LowersTheLettersOfEveryAlphabetTheGameShows)
{
    const sLowerCase cases[] = {
        {u"ФЕРМА Ёлка", u"ферма ёлка"},
        {u"ÉTÉ ÀÖÞ", u"été àöþ"},
        {u"ŁÓDŹ ĞİŸ", u"łódź ğiÿ"},
        {u"ΩΜΈΓΑ", u"ωμέγα"},
        {u"ҐЄЇЎ Ӂ", u"ґєїў ӂ"},
        {u"ＡＢＣ", u"ａｂｃ"},
    };
    for (const sLowerCase& c : cases) {
        WString text = c.text;
        EXPECT_EQ(toLowerCase(text), WString(c.lowered));
    }
}

TEST(WideLowerCase, LeavesSmallLettersSignsAndOtherScriptsAlone)
{
    const WString unchanged = u"×÷ßſ ёж 日本 ½ \u03A2 ı 12-3";
    WString text = unchanged;
    EXPECT_EQ(toLowerCase(text), unchanged);
}

} // namespace
