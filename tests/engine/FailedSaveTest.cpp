#include "engine/Profile.h"
#include "engine/TextFile.h"
#include "support/EngineCore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

// A folder (with a file in it) where the file should go: the new copy is written and
// closed, and only taking the file's name fails.
void blockName(const cTestData& _data, const std::string& _name)
{
    _data.write(_data.common(_name + "/keep"), "x");
}

TEST(FailedSave, TextFileThatCannotTakeItsNameRaises)
{
    cTestData data;
    cEngineCore core(data);
    blockName(data, "sys/strings.log");
    EXPECT_THROW(writeUtf16File("sys/strings.log", u"text", false), String);
    EXPECT_EQ(readFileBytes(data.common("sys/strings.log/keep")), "x");
}

TEST(FailedSave, ProfileIndexFailureIsRaisedAndTheVariablesAreStillWritten)
{
    cTestData data;
    cEngineCore core(data);
    auto profile = std::make_unique<cProfile>(u"Anna");
    propertyMap<PT_INT>()["Money"] = 175;
    std::filesystem::remove(data.common("profiles.xml"));
    blockName(data, "profiles.xml");
    EXPECT_THROW(profile->save(), String);
    EXPECT_FALSE(readFileBytes(data.common("00000001.xml")).empty()) << "the variables go even so";
    EXPECT_NO_THROW(profile.reset()) << "the destructor only logs";
    EXPECT_NE(readFileBytes("error.log").find("profiles.xml"), std::string::npos);
    clearProperties();
}

} // namespace
