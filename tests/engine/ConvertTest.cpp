#include "engine/GameVariables.h"
#include "engine/Rect.h"
#include "engine/TextConvert.h"
#include "engine/ValueConvert.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <type_traits>

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

const Int kUnset = -77;

// What _read makes of _text over a value that held _start.
template <class T>
T readAs(T& (*_read)(T&, const WString&), typename std::common_type<T>::type _start, const char16_t* _text)
{
    return _read(_start, _text);
}

TEST(IntReading, ReadsPrefixOrLeavesValue)
{
    const struct {
        const char16_t* text;
        Int expected;
    } cases[] = {{u"12abc", 12}, {u"abc", kUnset}, {u"", kUnset}, {u"  -45", -45}, {u"+7", 7},
        {u"2147483647", 2147483647}, {u"-2147483648", INT32_MIN}, {u"2147483648", kUnset},
        {u"-2147483649", kUnset}, {u"99999999999999999999", kUnset}, {u"-", kUnset}, {u"\t\n 3", 3},
        {u"1.9", 1}, {u"\u0662", kUnset}};
    for (const auto& c : cases)
        EXPECT_EQ(readAs(toInt, kUnset, c.text), c.expected) << toString(c.text);
}

TEST(UnsignedReading, RangesOfEachWidth)
{
    EXPECT_EQ(readAs(toUInt, 5, u"4294967295"), 4294967295u);
    EXPECT_EQ(readAs(toUInt, 4294967295u, u"4294967296"), 4294967295u) << "out of range leaves the value";
    EXPECT_EQ(readAs(toLongLong, 0, u"-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(readAs(toLong, 3, u"x"), 3);

    // The game writes UInt16 values as 0..65535; all of them must read back.
    EXPECT_EQ(readAs(toUInt16, 9, u"65535"), 65535);
    EXPECT_EQ(readAs(toUInt16, 9, u"40000"), 40000);
    EXPECT_EQ(readAs(toUInt16, 40000, u"65536"), 40000);
    EXPECT_EQ(readAs(toUInt16, 40000, u"-1"), 40000);
}

TEST(BoolReading, OnlyZeroAndOne)
{
    const struct {
        const char16_t* text;
        Bool before, after;
    } cases[] = {{u"1", false, true}, {u"0", true, false}, {u"false", true, true}, {u"true", false, false}, {u"2", false, false}};
    for (const auto& c : cases)
        EXPECT_EQ(readAs(toBool, c.before, c.text), c.after) << toString(c.text);
}

TEST(FloatReading, ClassicFormsOnly)
{
    EXPECT_FLOAT_EQ(readAs(toFloat, 9, u"0.5"), 0.5f);
    EXPECT_FLOAT_EQ(readAs(toFloat, 9, u" -1.25e2xyz"), -125.f);
    EXPECT_FLOAT_EQ(readAs(toFloat, 9, u"+.5"), 0.5f);
    EXPECT_FLOAT_EQ(readAs(toFloat, 9, u"inf"), 9.f) << "streams read no inf";
    EXPECT_FLOAT_EQ(readAs(toFloat, 9, u"nan"), 9.f);
    EXPECT_FLOAT_EQ(readAs(toFloat, 9, u"1e999"), 9.f) << "out of range leaves the value";
    EXPECT_FLOAT_EQ(readAs(toFloat, 9, u"+-1"), 9.f);
    EXPECT_DOUBLE_EQ(readAs(toDouble, 0, u"0.1"), 0.1);
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
    for (const char16_t* text : {u"10;20", u"10,20", u"10 20", u"10, 20", u"10x20"})
        EXPECT_EQ(readAs(toVector2, Vector2(-1, -1), text), Vector2(10, 20)) << toString(text);
    EXPECT_EQ(readAs(toVector2, Vector2(-1, -1), u"10"), Vector2(10, -1));
    EXPECT_EQ(readAs(toVector2, Vector2(-1, -1), u"a,3"), Vector2(-1, -1));
    EXPECT_EQ(readAs(toVector3, {}, u"1,2,3"), (Vector3{1, 2, 3}));
    EXPECT_EQ(readAs(toVector4, {}, u"1 2 3 4"), (Vector4{1, 2, 3, 4}));
}

TEST(HexReading, ULongAndColour)
{
    EXPECT_EQ(readAs(toULong, 7, u"0x1F"), 31u);
    EXPECT_EQ(readAs(toULong, 7, u"0X1F"), 0u) << "upper-case X stops a decimal read after the 0";
    EXPECT_EQ(readAs(toULong, 7, u"42"), 42u);
    EXPECT_EQ(readAs(toULong, 7, u""), 7u);
    for (const char16_t* text : {u"FF00FF00", u"0xFF00FF00", u"0Xff00ff00"})
        EXPECT_EQ(readAs(toDXColor, {}, text), (DXColor{0, 1, 0, 1})) << toString(text);
    const DXColor grey{0.5f, 0.5f, 0.5f, 0.5f};
    EXPECT_EQ(readAs(toDXColor, grey, u""), grey);
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

// Every test starts and ends with empty maps: they are process-wide.
class GameVariables : public ::testing::Test {
protected:
    void SetUp() override { clearProperties(); }
    void TearDown() override { clearProperties(); }

    static WString saved()
    {
        WString out;
        writeAllProperties(out);
        return out;
    }
};

WString element(const char* _name, const char16_t* _val, const char* _type)
{
    return u"<prop Name=\"" + toWString(_name) + u"\" Val=\"" + _val + u"\" Type=\"" + toWString(_type) + u"\" />";
}

TEST_F(GameVariables, EveryTypeRoundTripsThroughItsWrittenForm)
{
    const struct {
        const char* type;
        const char16_t* text;
    } cases[] = {{"Float", u"150"}, {"Float", u"1234.57"}, {"Float", u"-1e+07"},
        {"Float", u"0.0001"}, {"Double", u"3.14159"}, {"Double", u"1e+100"}, {"Int", u"-2147483648"},
        {"Int", u"0"}, {"UInt", u"4294967295"}, {"Long", u"-7"}, {"ULong", u"4000000000"},
        {"LongLong", u"-9223372036854775808"}, {"LongLong", u"9223372036854775807"}, {"DXColor", u"0xffffffff"},
        {"DXColor", u"0xffff0000"}, {"DXColor", u"0x0"}, {"DXColor", u"0x80102030"}, {"Bool", u"1"},
        {"Bool", u"0"}, {"UInt16", u"65535"}, {"Vector2", u"1.5 -2"}, {"Vector2", u"0 1e+06"},
        {"String", u"Ферма 1"}, {"String", u""}, {"WString", u"Новый игрок"}, {"WString", u"\U0001F33D"}};
    for (const auto& c : cases) {
        clearProperties();
        setProperty(c.type, "Key", c.text);
        EXPECT_EQ(saved(), element("Key", c.text, c.type)) << c.type << " " << toString(c.text);
    }
    EXPECT_EQ(writePropertyValue<PT_FLOAT>(1234.5678f), u"1234.57") << "six significant digits";
}

TEST_F(GameVariables, UnknownTypeTagStoresNothingAndAnUnreadableValueKeepsTheDefaultOrZero)
{
    for (const char* tag : {"float", "Integer", "", "WString ", "DWORD"})
        setProperty(tag, "Money", u"5");
    EXPECT_EQ(saved(), u"");
    propertyMap<PT_INT>()["Money"] = 500;
    setProperty("Int", "Money", u"lots");
    setProperty("Float", "Speed", u"fast");
    setProperty("DXColor", "Tint", u"zz");
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 500);
    EXPECT_EQ(propertyMap<PT_FLOAT>()["Speed"], 0.0f);
    EXPECT_EQ(propertyMap<PT_DXCOLOR>()["Tint"], DXColor{});
}

TEST_F(GameVariables, SavedInKeyOrderGroupedByTypeAndAKeyReadByGameCodeWithZero)
{
    EXPECT_EQ(propertyMap<PT_INT>()["Zero"], 0);
    propertyMap<PT_WSTRING>()["Name"] = u"Anna";
    propertyMap<PT_INT>()["Field2"] = 2;
    propertyMap<PT_INT>()["Field10"] = 10;
    propertyMap<PT_FLOAT>()["Money"] = 150;
    propertyMap<PT_BOOL>()["Award"] = true;
    EXPECT_EQ(saved(), element("Money", u"150", "Float") + element("Field10", u"10", "Int")
            + element("Field2", u"2", "Int") + element("Zero", u"0", "Int") + element("Award", u"1", "Bool")
            + element("Name", u"Anna", "WString"));
}

const sRect kBox{0, 0, 10, 10};

TEST(Rect, EdgesAreInside)
{
    for (const Vector2& edge : {Vector2(0, 5), Vector2(10, 5), Vector2(5, 0), Vector2(5, 10)})
        EXPECT_TRUE(isPointInRect(kBox, edge.x, edge.y)) << edge.x << "," << edge.y;
    EXPECT_FALSE(isPointInRect(kBox, 10.01f, 5));
    EXPECT_TRUE(isRectInRect(kBox, kBox));
    EXPECT_FALSE(isRectInRect(kBox, sRect{5, 5, 11, 6}));
}

TEST(Rect, OverlapIsByCornersOnly)
{
    EXPECT_TRUE(isRectsOverlap(kBox, sRect{10, 10, 20, 20})) << "touching corners overlap";
    EXPECT_TRUE(isRectsOverlap(kBox, sRect{2, 2, 3, 3})) << "contained";
    EXPECT_TRUE(isRectsOverlap(sRect{2, 2, 3, 3}, kBox));
    EXPECT_FALSE(isRectsOverlap(sRect{4, -5, 6, 15}, sRect{-5, 4, 15, 6})) << "a plus sign has no corner inside";
}

TEST(Rect, CentredOnPosition)
{
    const sRect r = centredRect(Vector2(100, 50), Vector2(20, 10));
    EXPECT_EQ(Vector2(r.left, r.top), Vector2(90, 45));
    EXPECT_EQ(Vector2(r.right, r.bottom), Vector2(110, 55));
    Vector2 v(3, 4);
    v.setLength(10);
    EXPECT_EQ(v, Vector2(6, 8));
    Vector2 zero;
    zero.setLength(10);
    EXPECT_EQ(zero, Vector2(0, 0));
}

} // namespace
