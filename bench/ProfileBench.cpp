// Loading a player's profile of many variables, against the parser alone on the same property
// file, at three sizes in one run: the time should grow in step with the count.
#include "BenchData.h"
#include "engine/files/File.h"
#include "engine/files/FileManager.h"
#include "engine/progress/Profile.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <memory>
#include <set>
#include <string>

namespace {

WString userOf(int _variables)
{
    const std::string name = "Bench" + std::to_string(_variables);
    return WString(name.begin(), name.end());
}

// Writes the profile once per size; each one gets its own identifier and property file.
void makeProfile(int _variables)
{
    static std::set<int> s_made;
    if (!s_made.insert(_variables).second)
        return;
    clearProperties();
    {
        cProfile profile(userOf(_variables));
        for (int i = 0; i < _variables; ++i)
            propertyMap<PT_INT>()["Field" + std::to_string(i) + ".Crop"] = i;
    }
    clearProperties();
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
    makeProfile(variables);
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
    makeProfile(variables);
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
