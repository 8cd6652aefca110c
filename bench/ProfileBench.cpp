// Loading a player's profile of many variables, against the parser alone on the same property
// file, at three sizes in one run, the three profiles side by side in one folder: the time
// should grow in step with the count, and learning whose the other files are should cost
// little beside reading the player's own.
#include "BenchData.h"
#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/progress/Profile.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <memory>
#include <string>

namespace {

WString userOf(int _variables)
{
    const std::string name = "Bench" + std::to_string(_variables);
    return WString(name.begin(), name.end());
}

const int SIZES[] = {5000, 10000, 20000};

// Every size's profile is written before any is measured, each under its own identifier: a
// load finds the other players' files in the folder, as a player's start does.
void makeProfiles()
{
    static const bool s_made = [] {
        for (const int variables : SIZES) {
            clearProperties();
            cProfile profile(userOf(variables));
            for (int i = 0; i < variables; ++i)
                propertyMap<PT_INT>()["Field" + std::to_string(i) + ".Crop"] = i;
        }
        clearProperties();
        return true;
    }();
    (void)s_made;
}

std::string propertyFile(int _variables)
{
    String path;
    {
        cProfile profile(userOf(_variables));
        path = profile.getProfileID() + ".xml";
    }
    clearProperties();
    std::unique_ptr<iFile> file(cFileManager::getInstance()->open(path, 0));
    std::string bytes(file->getSize(), '\0');
    file->read(bytes.data(), static_cast<ULong>(bytes.size()));
    return bytes;
}

void BM_ProfileLoad(benchmark::State& _state)
{
    cBenchData::get();
    const int variables = static_cast<int>(_state.range(0));
    makeProfiles();
    for (auto _ : _state) {
        auto profile = std::make_unique<cProfile>(userOf(variables));
        benchmark::DoNotOptimize(propertyMap<PT_INT>().size());
        _state.PauseTiming();
        profile.reset();
        clearProperties();
        _state.ResumeTiming();
    }
    _state.SetComplexityN(variables);
}

void XMLCALL noStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL noEnd(void*, const XML_Char*) {}

void BM_ProfileExpatAlone(benchmark::State& _state)
{
    cBenchData::get();
    const int variables = static_cast<int>(_state.range(0));
    makeProfiles();
    const std::string bytes = propertyFile(variables);
    _state.counters["bytes"] = double(bytes.size());
    for (auto _ : _state) {
        XML_Parser parser = XML_ParserCreate(reinterpret_cast<const XML_Char*>(u"UTF-16"));
        XML_SetElementHandler(parser, noStart, noEnd);
        if (XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) != XML_STATUS_OK)
            _state.SkipWithError("parse failed");
        XML_ParserFree(parser);
    }
    _state.SetComplexityN(variables);
}

BENCHMARK(BM_ProfileLoad)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileExpatAlone)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace
