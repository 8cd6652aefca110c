#include "engine/Profile.h"

#include <gtest/gtest.h>

namespace {

class ProfilePropertyNames : public ::testing::Test {
protected:
    void SetUp() override { clearProperties(); }
    void TearDown() override { clearProperties(); }
};

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
