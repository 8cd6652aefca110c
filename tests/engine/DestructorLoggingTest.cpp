#include "engine/File.h"
#include "engine/Profile.h"
#include "support/EngineCore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

// Each case destroys an object whose save fails while the "error" log cannot be written
// either (a folder has its name): the failure is passed over, the program goes on.
struct sCase {
    const char* what;
    const char* blocked; // the file whose save fails
    std::function<void(cEngineCore&)> run;
};

void PrintTo(const sCase& _case, std::ostream* _out)
{
    *_out << _case.what;
}

class DestructorLogging : public ::testing::TestWithParam<sCase> {};

TEST_P(DestructorLogging, UnwritableLogNeverEndsTheProgram)
{
    cTestData data;
    cEngineCore core(data);
    data.write(data.common(std::string(GetParam().blocked) + "/keep"), "x");
    std::filesystem::create_directory("error.log");
    GetParam().run(core);
    EXPECT_TRUE(std::filesystem::is_directory("error.log"));
}

INSTANTIATE_TEST_SUITE_P(Saves, DestructorLogging,
    ::testing::Values(sCase{"settings", "sys/settings.xml", [](cEngineCore& _core) { _core.dropSettings(); }},
        sCase{"profile", "00000001.xml", [](cEngineCore&) { cProfile anna(u"Anna"); }},
        sCase{"file", "save.dat", [](cEngineCore&) {
                  std::unique_ptr<iFile> file(cFileManager::getInstance()->create("save.dat"));
                  file->write("x", 1);
              }}),
    [](const ::testing::TestParamInfo<sCase>& _info) { return std::string(_info.param.what); });

} // namespace
