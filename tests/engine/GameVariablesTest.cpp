#include "engine/GameVariables.h"
#include "engine/TextConvert.h"
#include "engine/ValueConvert.h"

#include <gtest/gtest.h>


namespace {

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

} // namespace
