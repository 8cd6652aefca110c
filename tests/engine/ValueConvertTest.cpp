#include "engine/GameVariables.h"
#include "engine/ValueConvert.h"
#include "engine/TextConvert.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>

namespace {

const Int kUnset = -77;

TEST(IntReading, ReadsPrefixOrLeavesValue)
{
    const struct {
        const char16_t* text;
        Int expected;
    } cases[] = {{u"12abc", 12}, {u"abc", kUnset}, {u"", kUnset}, {u"  -45", -45}, {u"+7", 7},
        {u"2147483647", 2147483647}, {u"-2147483648", INT32_MIN}, {u"2147483648", kUnset},
        {u"-2147483649", kUnset}, {u"99999999999999999999", kUnset}, {u"-", kUnset}, {u"\t\n 3", 3},
        {u"1.9", 1}, {u"\u0662", kUnset}};
    for (const auto& c : cases) {
        Int value = kUnset;
        EXPECT_EQ(toInt(value, c.text), c.expected) << toString(c.text);
    }
}

TEST(UnsignedReading, RangesOfEachWidth)
{
    UInt u = 5;
    EXPECT_EQ(toUInt(u, u"4294967295"), 4294967295u);
    EXPECT_EQ(toUInt(u, u"4294967296"), 4294967295u) << "out of range leaves the value";
    LongLong ll = 0;
    EXPECT_EQ(toLongLong(ll, u"-9223372036854775808"), INT64_MIN);
    Long l = 3;
    EXPECT_EQ(toLong(l, u"x"), 3);

    // The game writes UInt16 values as 0..65535; all of them must read back.
    UInt16 s = 9;
    EXPECT_EQ(toUInt16(s, u"65535"), 65535);
    EXPECT_EQ(toUInt16(s, u"40000"), 40000);
    EXPECT_EQ(toUInt16(s, u"65536"), 40000);
    EXPECT_EQ(toUInt16(s, u"-1"), 40000);
}

TEST(BoolReading, OnlyZeroAndOne)
{
    const struct {
        const char16_t* text;
        Bool before, after;
    } cases[] = {{u"1", false, true}, {u"0", true, false}, {u"false", true, true}, {u"true", false, false}, {u"2", false, false}};
    for (const auto& c : cases) {
        Bool b = c.before;
        EXPECT_EQ(toBool(b, c.text), c.after) << toString(c.text);
    }
}

TEST(FloatReading, ClassicFormsOnly)
{
    Float f = 9;
    EXPECT_FLOAT_EQ(toFloat(f, u"0.5"), 0.5f);
    EXPECT_FLOAT_EQ(toFloat(f, u" -1.25e2xyz"), -125.f);
    EXPECT_FLOAT_EQ(toFloat(f, u"+.5"), 0.5f);
    f = 9;
    EXPECT_FLOAT_EQ(toFloat(f, u"inf"), 9.f) << "streams read no inf";
    EXPECT_FLOAT_EQ(toFloat(f, u"nan"), 9.f);
    EXPECT_FLOAT_EQ(toFloat(f, u"1e999"), 9.f) << "out of range leaves the value";
    EXPECT_FLOAT_EQ(toFloat(f, u"+-1"), 9.f);
    Double d = 0;
    EXPECT_DOUBLE_EQ(toDouble(d, u"0.1"), 0.1);
}

TEST(Numbers, IgnoreTheUsersLocale)
{
    // A decimal comma or digit grouping in a file would not read back on another machine.
    struct sCommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new sCommaPoint));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    Float f = 0;
    toFloat(f, u"0.5");
    Vector2 v;
    toVector2(v, u"1.5,2.5");
    const WString half = writePropertyValue<PT_FLOAT>(1234.5f), big = writePropertyValue<PT_INT>(1234567);
    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
    EXPECT_FLOAT_EQ(f, 0.5f);
    EXPECT_EQ(v, Vector2(1.5f, 2.5f));
    EXPECT_EQ(half, u"1234.5");
    EXPECT_EQ(big, u"1234567");
}

TEST(VectorReading, AnyOneSeparator)
{
    for (const char16_t* text : {u"10;20", u"10,20", u"10 20", u"10, 20", u"10x20"}) {
        Vector2 v(-1, -1);
        toVector2(v, text);
        EXPECT_EQ(v, Vector2(10, 20)) << toString(text);
    }
    Vector2 partial(-1, -1);
    EXPECT_EQ(toVector2(partial, u"10"), Vector2(10, -1));
    Vector2 untouched(-1, -1);
    EXPECT_EQ(toVector2(untouched, u"a,3"), Vector2(-1, -1));

    Vector3 v3;
    toVector3(v3, u"1,2,3");
    EXPECT_EQ(v3, (Vector3{1, 2, 3}));
    Vector4 v4;
    toVector4(v4, u"1 2 3 4");
    EXPECT_EQ(v4, (Vector4{1, 2, 3, 4}));
}

TEST(HexReading, ULongAndColour)
{
    ULong u = 7;
    EXPECT_EQ(toULong(u, u"0x1F"), 31u);
    EXPECT_EQ(toULong(u, u"0X1F"), 0u) << "upper-case X stops a decimal read after the 0";
    EXPECT_EQ(toULong(u, u"42"), 42u);
    u = 7;
    EXPECT_EQ(toULong(u, u""), 7u);

    for (const char16_t* text : {u"FF00FF00", u"0xFF00FF00", u"0Xff00ff00"}) {
        DXColor c;
        toDXColor(c, text);
        EXPECT_EQ(c, (DXColor{0, 1, 0, 1}));
    }
    DXColor unchanged{0.5f, 0.5f, 0.5f, 0.5f};
    EXPECT_EQ(toDXColor(unchanged, u""), (DXColor{0.5f, 0.5f, 0.5f, 0.5f}));
}

TEST(ColourPacking, ClampsAndRounds)
{
    EXPECT_EQ(colorToARGB(DXColor{1.2f, -0.5f, 0.5f, 1}), 0xFFFF0080u);
    EXPECT_EQ(colorToARGB(DXColor{1, 1, 1, std::numeric_limits<Float>::quiet_NaN()}), 0x00FFFFFFu);
    DXColor c;
    colorFromARGB(c, 0x80FF0001u);
    EXPECT_FLOAT_EQ(c.a, 128 / 255.f);
    EXPECT_FLOAT_EQ(c.r, 1.f);
    EXPECT_FLOAT_EQ(c.g, 0.f);
    EXPECT_FLOAT_EQ(c.b, 1 / 255.f);
    for (ULong argb : {0x00000000u, 0xFFFFFFFFu, 0x12345678u, 0x80FF0001u}) {
        DXColor back;
        EXPECT_EQ(colorToARGB(colorFromARGB(back, argb)), argb);
    }
}

} // namespace
