#include "engine/Profile.h"

#include <gtest/gtest.h>

namespace {

class ProfilePropertyNames : public ::testing::Test {
protected:
    void SetUp() override { clearProperties(); }
    void TearDown() override { clearProperties(); }
};

TEST_F(ProfilePropertyNames, EachTypeHasItsOwnTagAccessor)
{
    const String tags[] = {getTypeName<PT_FLOAT>(), getTypeName<PT_DOUBLE>(), getTypeName<PT_INT>(),
        getTypeName<PT_UINT>(), getTypeName<PT_LONG>(), getTypeName<PT_ULONG>(), getTypeName<PT_LONGLONG>(),
        getTypeName<PT_DXCOLOR>(), getTypeName<PT_BOOL>(), getTypeName<PT_UINT16>(), getTypeName<PT_VECTOR2>(),
        getTypeName<PT_STRING>(), getTypeName<PT_WSTRING>()};
    const char* expected[] = {"Float", "Double", "Int", "UInt", "Long", "ULong", "LongLong", "DXColor", "Bool",
        "UInt16", "Vector2", "String", "WString"};
    for (int i = 0; i < PT_COUNT; ++i)
        EXPECT_EQ(tags[i], expected[i]);
    EXPECT_EQ(&getTypeName<PT_INT>(), &getTypeName<PT_INT>()) << "one lasting tag per type";
}

TEST_F(ProfilePropertyNames, TheProfileSetsAndWritesEachTypeByName)
{
    cProfile::setTypedProperty<PT_INT>("Money", u"150");
    cProfile::setTypedProperty<PT_BOOL>("Award3", u"1");
    cProfile::setTypedProperty("Farm", String("Green"));
    EXPECT_EQ(propertyMap<PT_INT>()["Money"], 150);
    EXPECT_TRUE(propertyMap<PT_BOOL>()["Award3"]);
    EXPECT_EQ(propertyMap<PT_STRING>()["Farm"], "Green");

    WString written;
    cProfile::writeProperties<PT_INT>(written);
    cProfile::writeProperties<PT_STRING>(written);
    EXPECT_EQ(written, u"<prop Name=\"Money\" Val=\"150\" Type=\"Int\" />"
                       u"<prop Name=\"Farm\" Val=\"Green\" Type=\"String\" />");
}

} // namespace
