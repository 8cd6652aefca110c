#include "engine/progress/GameVariables.h"
#include "engine/progress/PlayerFileSeal.h"
#include "engine/progress/PlayerNotice.h"
#include "engine/progress/Profile.h"
#include "engine/files/PutInPlace.h"
#include "engine/Rect.h"
#include "engine/files/SaveBatch.h"
#include "engine/settings/Settings.h"
#include "engine/text/StringManager.h"
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"
#include "engine/files/XmlEscape.h"
#include "support/EngineCore.h"
#include "support/Thrown.h"
#include "support/Xml16.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <filesystem>
#include <limits>
#include <locale>
#include <memory>
#include <thread>
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
    const Float f = readAs(toFloat, 0, u"0.5");
    const Vector2 v = readAs(toVector2, {}, u"1.5,2.5");
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
    // With the packing's channel order fixed above, distinct bytes in every channel pin the unpacking.
    for (ULong argb : {0x00000000u, 0xFFFFFFFFu, 0x12345678u, 0x80FF0001u}) {
        DXColor back;
        EXPECT_EQ(colorToARGB(colorFromARGB(back, argb)), argb);
    }
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

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>";

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
        utf16Bytes(kDeclaration +
                       "<main><Sound Music=\"80\" /><Time MaxFps=\"200\" MinFps=\"15\" /><game app_directory=\"Test\" />"
                       "<graphics fullscreen=\"1\" /><lights count=\"0\" /></main>",
            true));
}

// A start that changes nothing leaves the player's copy as it is (here in a spacing of its own,
// which a write would replace); a change writes it again.
TEST(Settings, AnUnchangedCopyIsNotWrittenAgain)
{
    cTestData data("<game app_directory=\"Test\" />");
    { cEngineCore core(data); }
    std::string own = readFileBytes(data.common("sys/settings.xml"));
    const std::string main = utf16Bytes("<main>", false);
    own.insert(own.find(main) + main.size(), utf16Bytes("  ", false));
    writeFileBytes(data.common("sys/settings.xml"), own);
    {
        cEngineCore core(data);
        String folder;
        core.settings().getPropertyT("game", "app_directory", folder);
    }
    EXPECT_EQ(readFileBytes(data.common("sys/settings.xml")), own);
    {
        cEngineCore core(data);
        core.settings().setPropertyT("Sound", "Music", UInt(80));
    }
    const std::string written = readFileBytes(data.common("sys/settings.xml"));
    EXPECT_EQ(written.find(utf16Bytes("<main>  ", false)), std::string::npos);
    EXPECT_NE(written.find(utf16Bytes("<Sound Music=\"80\" />", false)), std::string::npos);
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
        utf16Bytes(kDeclaration + "\n<Strings>"
                   "<s>\n<text>A&amp;B</text>\n<translation>A&amp;B</translation>\n</s>"
                   "<s>\n<text>Play</text>\n<translation>Play</translation>\n</s></Strings>",
            false));
}

// The game's defaults, as its hook writes them.
void writeDefaults()
{
    propertyMap<PT_INT>()["Money"] = 150;
    propertyMap<PT_BOOL>()["Tutorial"] = true;
}

std::string indexBytes(const std::string& _head, const std::string& _lines)
{
    return utf16Bytes(kDeclaration + "\n<Profiles " + _head + " >\n" + _lines + "</Profiles>", true);
}

std::string props(int _money)
{
    return makeXml16("<Props><prop Name=\"Money\" Val=\"" + std::to_string(_money) + "\" Type=\"Int\" /></Props>");
}

std::string line(const std::string& _name, int _id)
{
    return "<Profile Name=\"" + _name + "\" ID=\"" + std::to_string(_id) + "\" />\n";
}

class Profiles : public ::testing::Test {
protected:
    // Game variables are process-wide: every test starts and ends with empty maps.
    Profiles()
    {
        clearProperties();
        g_profileInitHook = writeDefaults;
    }
    ~Profiles() override
    {
        restart();
        g_profileInitHook = nullptr;
        clearProperties();
    }
    // The file manager sees only files written before it starts, so fixtures come first.
    cEngineCore& core()
    {
        if (!m_core)
            m_core = std::make_unique<cEngineCore>(m_data);
        return *m_core;
    }
    void restart()
    {
        m_profile.reset();
        m_core.reset();
    }
    cProfile& open(const WString& _name)
    {
        m_profile.reset();
        core();
        m_profile = std::make_unique<cProfile>(_name);
        return *m_profile;
    }
    void close() { m_profile.reset(); }
    std::string file(const std::string& _name) const { return readFileBytes(m_data.common(_name)); }
    bool exists(const std::string& _name) const { return std::filesystem::exists(m_data.common(_name)); }
    Int& money() { return propertyMap<PT_INT>()["Money"]; }
    static WString saved()
    {
        WString out;
        writeAllProperties(out);
        return out;
    }

    cTestData m_data;
    std::unique_ptr<cEngineCore> m_core;
    std::unique_ptr<cProfile> m_profile;
};

class GameVariables : public Profiles {};

WString element(const char* _name, const char16_t* _val, const char* _type)
{
    return u"<prop Name=\"" + toWString(_name) + u"\" Val=\"" + _val + u"\" Type=\"" + toWString(_type) + u"\" />";
}

TEST_F(GameVariables, EveryTypeRoundTripsThroughItsWrittenForm)
{
    const struct {
        const char* type;
        const char16_t* text;
    } cases[] = {{"Float", u"150"}, {"Float", u"1234.5677"}, {"Float", u"-1e+07"},
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
}

// A value is written with as few digits as read back to it, never fewer than six, so files
// written before read the same.
TEST_F(GameVariables, ARealIsWrittenSoThatItReadsBackToTheSameValue)
{
    const struct {
        Float value;
        const char16_t* text;
    } floats[] = {{599.9996f, u"599.9996"}, {1234.5678f, u"1234.5677"}, {1.0f / 15, u"0.06666667"},
        {600, u"600"}, {0.5f, u"0.5"}, {-1e7f, u"-1e+07"}, {3e-39f, u"3e-39"}, {16777215, u"16777215"}};
    for (const auto& c : floats) {
        EXPECT_EQ(writePropertyValue<PT_FLOAT>(c.value), c.text);
        clearProperties();
        setProperty("Float", "GameTime", c.text);
        EXPECT_EQ(propertyMap<PT_FLOAT>()["GameTime"], c.value) << toString(c.text);
    }
    EXPECT_EQ(writePropertyValue<PT_DOUBLE>(0.1 + 0.2), u"0.30000000000000004");
    EXPECT_EQ(writePropertyValue<PT_DOUBLE>(2.5), u"2.5");
    EXPECT_EQ(writePropertyValue<PT_VECTOR2>(Vector2(0.1f, 599.9996f)), u"0.1 599.9996");
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

// A real number that is not finite, or a whole number past its type's range, never comes out of
// a profile: the default stays and the log names the variable. The meaning of a value (a clock
// is never negative) is the game's.
TEST_F(GameVariables, AValueNotOfItsTypeKeepsTheDefaultWithALogLine)
{
    cTempFolder folder(true);
    const struct {
        const char* type;
        const char16_t* saved;
        bool kept; // the default stays
    } cases[] = {{"Float", u"NaN", true}, {"Float", u"inf", true}, {"Float", u"-inf", true},
        {"Float", u"1e308", true}, {"Float", u"-1", false}, {"Float", u"2.5", false}, {"Double", u"1e400", true},
        {"Float", u"1>8.27913", true}, {"Float", u" 2.5 ", false}, {"Vector2", u"1 2x", true},
        {"Double", u"1e308", false}, {"Vector2", u"1 NaN", true}, {"Vector2", u"1e39 2", true},
        {"Vector2", u"1 2", false}, {"Int", u"2147483648", true}, {"Int", u"-2147483649", true},
        {"Int", u"-2147483648", false}, {"Int", u"007", false}, {"Int", u" 7", false}, {"UInt", u"-1", true},
        {"UInt", u"4294967296", true}, {"UInt16", u"65536", true}, {"Bool", u"2", true}, {"Bool", u"01", false},
        {"LongLong", u"999999999999999999", false}, {"LongLong", u"9223372036854775808", true}};
    for (const auto& c : cases) {
        propertyMap<PT_FLOAT>()["V"] = 5;
        propertyMap<PT_DOUBLE>()["V"] = 5;
        propertyMap<PT_VECTOR2>()["V"] = Vector2(5, 5);
        propertyMap<PT_INT>()["V"] = 5;
        propertyMap<PT_UINT>()["V"] = 5;
        propertyMap<PT_UINT16>()["V"] = 5;
        propertyMap<PT_BOOL>()["V"] = false;
        propertyMap<PT_LONGLONG>()["V"] = 5;
        setProperty(c.type, "V", c.saved);
        const bool kept = propertyMap<PT_FLOAT>()["V"] == 5 && propertyMap<PT_DOUBLE>()["V"] == 5 &&
                          propertyMap<PT_VECTOR2>()["V"] == Vector2(5, 5) && propertyMap<PT_INT>()["V"] == 5 &&
                          propertyMap<PT_UINT>()["V"] == 5 && propertyMap<PT_UINT16>()["V"] == 5 &&
                          !propertyMap<PT_BOOL>()["V"] && propertyMap<PT_LONGLONG>()["V"] == 5;
        EXPECT_EQ(kept, c.kept) << c.type << " " << toString(c.saved);
    }
    EXPECT_NE(readFileBytes(folder.file("error.log")).find("Game variable V held \"NaN\""), std::string::npos);
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

TEST_F(Profiles, FirstStartWritesTheIndexThenTheVariablesAtExit)
{
    open(u"Anna");
    // Until her first save reaches the disk, a start ended now has lost her nothing.
    EXPECT_EQ(file("profiles.xml"), indexBytes("NextID=\"2\" CurrentUser=\"Anna\" NowPlaying=\"1\"",
                                        "<Profile Name=\"Anna\" ID=\"1\" NothingSaved=\"1\" />\n"));
    EXPECT_FALSE(exists("00000001.xml"));
    money() = 175;
    close();
    EXPECT_EQ(file("profiles.xml"), indexBytes("NextID=\"2\" CurrentUser=\"Anna\" NowPlaying=\"0\"", line("Anna", 1)));
    // Sealed over every value it holds, as an attribute of the root.
    const std::string values = "<prop Name=\"Money\" Val=\"175\" Type=\"Int\" /><prop Name=\"Tutorial\" Val=\"1\" "
                               "Type=\"Bool\" /><prop Name=\"PlayerName\" Val=\"Anna\" Type=\"WString\" />";
    EXPECT_EQ(file("00000001.xml"), utf16Bytes(kDeclaration + "<Props Seal=\"" + toString(sealOver(toWString(values))) +
                                                   "\" >" + values + "</Props>", true));
    EXPECT_TRUE(propertyMap<PT_INT>().empty()) << "the variables leave with the profile";
}

TEST_F(Profiles, NewNameGetsTheNextIdentifierAndDefaults)
{
    open(u"Anna");
    money() = 5;
    EXPECT_EQ(open(u"Bob").getProfileID(), "00000002");
    EXPECT_EQ(money(), 150);
    close();
    EXPECT_EQ(file("profiles.xml"),
        indexBytes("NextID=\"3\" CurrentUser=\"Bob\" NowPlaying=\"0\"", line("Anna", 1) + line("Bob", 2)));
    EXPECT_EQ(open(u"Anna").getProfileID(), "00000001");
    EXPECT_EQ(money(), 5);
}

TEST_F(Profiles, KnownNameWithoutPropertyFileKeepsDefaultsAndIdentifiersNameTheirFiles)
{
    writeXml16(m_data.common("profiles.xml"), "<Profiles NextID=\"4\"><Profile Name=\"Cleo\" ID=\"3\" /></Profiles>");
    EXPECT_EQ(open(u"Cleo").getProfileID(), "00000003");
    EXPECT_EQ(money(), 150);
    restart();
    const std::pair<const char*, const char*> cases[] = {{"10", "00000010.xml"}, {"123456789", "123456789.xml"}};
    for (const auto& c : cases) {
        writeXml16(m_data.common("profiles.xml"), std::string("<Profiles NextID=\"") + c.first + "\" />");
        // A name of its own: the file of the case before names its player.
        open(u"Zed" + toWString(c.first));
        restart();
        EXPECT_TRUE(exists(c.second)) << c.second;
    }
}

TEST_F(Profiles, StrayFilesAreNotTakenOver)
{
    m_data.write(m_data.common("00000001.xml"), "an earlier player's");
    EXPECT_EQ(open(u"Anna").getProfileID(), "00000002");
    close();
    EXPECT_EQ(file("00000001.xml"), "an earlier player's");
}

TEST_F(Profiles, NamesKeepCaseMarkupAndCodeUnitOrder)
{
    for (const char16_t* name : {u"bob", u"Bob", u"\u0416enya", u"Tom & \"Jerry\" <3>"})
        open(name);
    restart();
    core();
    EXPECT_EQ(cProfile::getCurrentUserName(), u"Tom & \"Jerry\" <3>");
    NAME_LIST names{u"x"};
    open(u"Bob").getNames(names);
    EXPECT_EQ(names, (NAME_LIST{u"x", u"Bob", u"Tom & \"Jerry\" <3>", u"bob", u"\u0416enya"}));
}

TEST_F(Profiles, EmptyNameNeverTouchesTheIndex)
{
    writeXml16(m_data.common("profiles.xml"), "<Profiles NextID=\"2\" CurrentUser=\"\"><Profile Name=\"A\" ID=\"1\" /></Profiles>");
    const std::string before = file("profiles.xml");
    core();
    EXPECT_TRUE(cProfile::getCurrentUserName().empty());
    EXPECT_THROW(open(u"").getProfileID(), String);
    close();
    EXPECT_EQ(file("profiles.xml"), before);
}

// A folder where the index should go: the new copy is written, only taking its name fails.
TEST_F(Profiles, FailedIndexSaveIsRaisedByTheCallOnlyLoggedAtDestructionAndTheVariablesStillGo)
{
    open(u"Anna");
    money() = 175;
    std::filesystem::remove(m_data.common("profiles.xml"));
    m_data.write(m_data.common("profiles.xml/keep"), "x");
    EXPECT_THROW(m_profile->save(), String);
    EXPECT_FALSE(file("00000001.xml").empty());
    EXPECT_NO_THROW(close());
    EXPECT_NE(readFileBytes("error.log").find("profiles.xml"), std::string::npos);
}

// The written forms of each type are the game variables' tests; here, that the file brings
// every one back, markup and line breaks kept and what XML cannot hold replaced.
TEST_F(Profiles, VariablesComeBackFromTheirFile)
{
    g_profileInitHook = nullptr;
    open(u"Anna");
    const WString tricky = u"a \"quoted\" <b> & 'c'\n\tline\r";
    propertyMap<PT_LONGLONG>()["ll"] = -9000000000LL;
    propertyMap<PT_DXCOLOR>()["c"] = DXColor{1, 0, 0.5f, 1};
    propertyMap<PT_VECTOR2>()["v"] = Vector2{1.5f, -2};
    propertyMap<PT_STRING>()["t"] = "x<y & \"y\">z";
    propertyMap<PT_WSTRING>()["Say \"hi\" & <bye>"] = tricky;
    propertyMap<PT_WSTRING>()["w"] = u"\u041D\u043E\u0432\u044B\u0439";
    propertyMap<PT_WSTRING>()["bad"] = WString(u"a") + char16_t(1) + char16_t(0xD800) + u"b";
    // The player's own file names the player.
    propertyMap<PT_WSTRING>()["PlayerName"] = u"Anna";
    const WString written = saved();
    close();
    open(u"Anna");
    EXPECT_EQ(toString(saved()), toString(written));
    EXPECT_EQ(propertyMap<PT_WSTRING>()["Say \"hi\" & <bye>"], tricky);
    EXPECT_EQ(propertyMap<PT_WSTRING>()["bad"], u"a\uFFFD\uFFFDb");
}

class ProfileDeletion : public Profiles {
protected:
    void SetUp() override
    {
        open(u"Anna");
        open(u"Bob");
        close();
        m_data.write(m_data.common("00000001.save"), "anna's farm");
        m_data.write(m_data.common("00000012.save"), "another farm");
        m_bobProps = file("00000002.xml");
        restart();
    }
    std::string m_bobProps;
};

TEST_F(ProfileDeletion, RemovesEveryFileOfThatIdentifierOnly)
{
    open(u"Anna").deleteProfile(u"Anna");
    EXPECT_FALSE(exists("00000001.xml") || exists("00000001.save"));
    EXPECT_TRUE(exists("00000002.xml") && exists("00000012.save"));
    EXPECT_EQ(m_profile->m_currentUserName, u"Bob");
    EXPECT_EQ(file("profiles.xml"), indexBytes("NextID=\"3\" CurrentUser=\"Bob\" NowPlaying=\"1\"", line("Bob", 2)));
    const std::string index = file("profiles.xml");
    m_profile->deleteProfile(u"anna");
    EXPECT_EQ(file("profiles.xml"), index) << "an unknown name changes nothing";
}

TEST_F(ProfileDeletion, LoadedVariablesGoToTheirOwnProfileOnly)
{
    open(u"Anna");
    money() = 99999;
    m_profile->deleteProfile(u"Anna");
    close();
    EXPECT_EQ(file("00000002.xml"), m_bobProps);
    open(u"Bob");
    money() = 7;
    m_profile->deleteProfile(u"Anna");
    close();
    open(u"Bob");
    EXPECT_EQ(money(), 7);
}

TEST_F(ProfileDeletion, ASaveStillOnItsWayIsWaitedForFirst)
{
    // A slow disk: the save is still on its way when the deletion comes.
    struct sSlowDisk {
        sSlowDisk()
        {
            setSaveFault([](eSaveStep, const String& _path) {
                if (_path.find("00000001.xml") != String::npos)
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                return Bool(false);
            });
        }
        ~sSlowDisk() { setSaveFault(nullptr); }
    } slowDisk;
    cProfile& profile = open(u"Anna");
    money() = 5;
    {
        cSaveBatch batch;
        profile.saveAllProps();
        batch.commit(false);
    }
    profile.deleteProfile(u"Anna");
    // The file manager's end waits for whatever is still on its way.
    restart();
    EXPECT_FALSE(exists("00000001.xml")) << "the save brought the deleted file back";
    EXPECT_FALSE(exists("00000001.xml.bak"));
}

// A failed save is kept in the index for its own player, whoever plays in between: she alone is
// told, at her next start, and only once.
TEST_F(ProfileDeletion, AFailedSaveIsToldToItsOwnPlayerOnly)
{
    forgetPlayerNotice("progress restored");
    const auto toldSince = [](std::size_t _from) {
        const std::string log = readFileBytes("error.log");
        return log.size() > _from && log.find("The player is told", _from) != std::string::npos;
    };
    setSaveFault([](eSaveStep _step, const String& _path) {
        return Bool(_step == SAVE_STEP_SYNC && _path.find("00000001.xml") != String::npos);
    });
    open(u"Anna");
    money() = 5;
    EXPECT_THROW(m_profile->save(), String);
    close();
    setSaveFault(nullptr);
    std::size_t from = readFileBytes("error.log").size();
    open(u"Bob");
    close();
    EXPECT_FALSE(toldSince(from)) << "Bob is told of Anna's save";
    open(u"Anna");
    EXPECT_TRUE(toldSince(from)) << "Anna is not told of her failed save";
    forgetPlayerNotice("progress restored");
    close();
    from = readFileBytes("error.log").size();
    open(u"Anna");
    EXPECT_FALSE(toldSince(from)) << "told twice";
}

TEST_F(ProfileDeletion, LastProfileTakesTheIndexWithIt)
{
    cProfile& profile = open(u"Anna");
    profile.deleteProfile(u"Anna");
    profile.deleteProfile(u"Bob");
    EXPECT_FALSE(cProfile::isHeadersExist());
    EXPECT_TRUE(profile.m_currentUserName.empty());
    close();
    EXPECT_FALSE(exists("profiles.xml"));
    EXPECT_EQ(open(u"Cleo").getProfileID(), "00000001") << "a new index starts again";
}

// Anna (1, 100 coins) and Bob (2, 200 coins) have played before; one file is damaged. It is
// moved aside, the game goes on, another player's file keeps its bytes. An index whose
// entries still read keeps them: Anna comes back with her coins.
TEST_F(Profiles, DamagedFileIsMovedAsideAndTheGameGoesOn)
{
    const std::string index = makeXml16("<Profiles NextID=\"3\" CurrentUser=\"Bob\" NowPlaying=\"0\">"
                                        "<Profile Name=\"Anna\" ID=\"1\" /><Profile Name=\"Bob\" ID=\"2\" /></Profiles>");
    const struct {
        const char *what, *file;
        std::string bytes;
        const char16_t* user; // who plays next
        const char* untouched;
        int money; // the player's coins: 150 are the defaults
    } cases[] = {
        {"index cut short", "profiles.xml", index.substr(0, 60), u"Anna", "00000001.xml", 150},
        {"index empty", "profiles.xml", "", u"Bob", "00000002.xml", 150},
        {"index odd byte count", "profiles.xml", index + "x", u"Anna", "00000002.xml", 100},
        {"own property file", "00000001.xml", makeXml16("<Props><prop Name=\"Money\""), u"Anna", "00000002.xml", 150},
        {"own property file empty", "00000002.xml", "", u"Bob", "00000001.xml", 150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cTestData data;
        data.write(data.common("profiles.xml"), index);
        data.write(data.common("00000001.xml"), props(100));
        data.write(data.common("00000002.xml"), props(200));
        data.write(data.common(c.file), c.bytes);
        const std::string other = readFileBytes(data.common(c.untouched));
        {
            cEngineCore core(data);
            EXPECT_NO_THROW(cProfile::getCurrentUserName());
            std::unique_ptr<cProfile> profile;
            ASSERT_NO_THROW(profile = std::make_unique<cProfile>(c.user));
            EXPECT_EQ(propertyMap<PT_INT>()["Money"], c.money);
            propertyMap<PT_INT>()["Money"] = 7;
        }
        // A player's own file salvaged stays in its place until a save has taken what reads of it:
        // then it is the last copy.
        const char* kept = std::string(c.file) == "profiles.xml" ? ".broken" : ".bak";
        EXPECT_EQ(readFileBytes(data.common(std::string(c.file) + kept)), c.bytes) << "kept for inspection";
        EXPECT_EQ(readFileBytes(data.common(c.untouched)), other);
        EXPECT_NE(readFileBytes("error.log").find(c.file), std::string::npos);
        cEngineCore core(data);
        cProfile again(c.user);
        EXPECT_EQ(propertyMap<PT_INT>()["Money"], 7) << "the player's progress from now on is kept";
    }
}

TEST_F(Profiles, IndexParseErrorIsLoggedAsSuchNotAsAMissingFile)
{
    writeXml16(m_data.common("profiles.xml"), "<Profiles NextID=\"3\"");
    core();
    EXPECT_TRUE(cProfile::getCurrentUserName().empty());
    open(u"Anna");
    const std::string log = readFileBytes("error.log");
    EXPECT_NE(log.find(" line 1 char "), std::string::npos) << log;
    EXPECT_EQ(log.find("not found"), std::string::npos) << log;
}

TEST_F(Profiles, SharedIdentifierStaysWithTheFirstName)
{
    writeXml16(m_data.common("profiles.xml"),
        "<Profiles NextID=\"2\"><Profile Name=\"Anna\" ID=\"1\" /><Profile Name=\"Bob\" ID=\"1\" /></Profiles>");
    m_data.write(m_data.common("00000001.xml"), props(100));
    EXPECT_EQ(open(u"Bob").getProfileID(), "00000002");
    EXPECT_EQ(money(), 150);
    money() = 7;
    close();
    EXPECT_EQ(file("00000001.xml"), props(100)) << "Anna's file";
    open(u"Anna");
    EXPECT_EQ(money(), 100);
}

// An entry whose identifier does not read as a whole number, or names another entry's file,
// once moved a player onto someone else's file: it is left out, and Anna keeps her coins.
// An identifier that does not read loses wherever its line stands; of two lines naming one
// file, the first keeps it.
TEST_F(Profiles, AnEntryWhoseIdentifierDoesNotReadOrIsTakenIsLeftOut)
{
    const struct {
        const char* id;
        bool eveFirst;
    } cases[] = {{"-1", true}, {"NaN", true}, {"1e308", true}, {"1e308", false}, {"", false},
        {"4294967295", true}, {"00000001", false}, {"1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        cTestData data;
        const std::string eve = "<Profile Name=\"Eve\" ID=\"" + std::string(c.id) + "\" />\n";
        data.write(data.common("profiles.xml"), indexBytes("NextID=\"2\" CurrentUser=\"Anna\" NowPlaying=\"0\"",
                                                    c.eveFirst ? eve + line("Anna", 1) : line("Anna", 1) + eve));
        data.write(data.common("00000001.xml"), props(100));
        cEngineCore core(data);
        cProfile anna(u"Anna");
        NAME_LIST names;
        anna.getNames(names);
        EXPECT_EQ(names, NAME_LIST{u"Anna"});
        EXPECT_EQ(money(), 100);
        EXPECT_EQ(anna.getProfileID(), "00000001");
        EXPECT_NE(readFileBytes("error.log").find("Profile \"Eve\""), std::string::npos);
    }
}

// A cut-off index is moved aside, but the players it still names in whole lines, whose files
// are there, stay players; a player's file no entry names is a player again, under its
// identifier when it keeps no name, and stays on the disk as it was.
TEST_F(Profiles, ADamagedIndexKeepsEveryEntryThatStillReads)
{
    const std::string whole = indexBytes("NextID=\"5\" CurrentUser=\"Bob\" NowPlaying=\"0\"",
        line("Anna", 1) + line("Bob", 2) + line("Cleo", 3) + line("Dan", 4));
    const std::string cut = whole.substr(0, whole.find(utf16Bytes("ID=\"4\"", false)) + 4);
    m_data.write(m_data.common("profiles.xml"), cut);
    for (int id : {1, 2, 4, 9})
        m_data.write(m_data.common("0000000" + std::to_string(id) + ".xml"), props(100 * id));
    open(u"Bob");
    EXPECT_EQ(money(), 200);
    NAME_LIST names;
    m_profile->getNames(names);
    EXPECT_EQ(names, (NAME_LIST{u"00000004", u"00000009", u"Anna", u"Bob"})) << "Cleo has no file, Dan's line is cut";
    close();
    EXPECT_EQ(file("profiles.xml.broken"), cut);
    EXPECT_EQ(file("00000009.xml"), props(900));
    EXPECT_EQ(file("00000004.xml"), props(400));
    open(u"Anna");
    EXPECT_EQ(money(), 100);
}

// A setting naming a place outside the common folder falls back to its top.
TEST(ProfileFolder, SettingGivesTheFolder)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Profiles", "Profiles/"}, {"Profiles/", "Profiles/"}, {"", ""}, {"../elsewhere", ""}};
    for (const auto& c : cases) {
        cTestData data(std::string("<game app_directory=\"Test\" profiles=\"") + c.first + "\" />");
        cEngineCore core(data);
        EXPECT_EQ(cProfile::getProfilesDir(), c.second) << c.first;
    }
}

} // namespace
