// Our number reads against std::from_chars on the same inputs, in one run, so the ratio
// holds on a noisy machine.
#include "engine/text/TextConvert.h"
#include "engine/text/ValueConvert.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <vector>

namespace {

struct sInputs {
    std::vector<WString> wide;
    std::vector<String> narrow;
};

const sInputs& floatInputs()
{
    static sInputs inputs = [] {
        sInputs result;
        for (int i = 0; i < 1000; ++i) {
            result.narrow.push_back(std::to_string(i * 0.37 - 100));
            result.wide.push_back(toWString(result.narrow.back()));
        }
        return result;
    }();
    return inputs;
}

const sInputs& intInputs()
{
    static sInputs inputs = [] {
        sInputs result;
        for (int i = 0; i < 1000; ++i) {
            result.narrow.push_back(std::to_string(i * 7919 - 3000000));
            result.wide.push_back(toWString(result.narrow.back()));
        }
        return result;
    }();
    return inputs;
}

void BM_toFloat(benchmark::State& _state)
{
    for (auto _ : _state)
        for (const WString& text : floatInputs().wide) {
            Float value = 0;
            benchmark::DoNotOptimize(toFloat(value, text));
        }
    _state.SetItemsProcessed(_state.iterations() * floatInputs().wide.size());
}

void BM_fromCharsFloat(benchmark::State& _state)
{
    for (auto _ : _state)
        for (const String& text : floatInputs().narrow) {
            float value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    _state.SetItemsProcessed(_state.iterations() * floatInputs().narrow.size());
}

void BM_toInt(benchmark::State& _state)
{
    for (auto _ : _state)
        for (const WString& text : intInputs().wide) {
            Int value = 0;
            benchmark::DoNotOptimize(toInt(value, text));
        }
    _state.SetItemsProcessed(_state.iterations() * intInputs().wide.size());
}

void BM_fromCharsInt(benchmark::State& _state)
{
    for (auto _ : _state)
        for (const String& text : intInputs().narrow) {
            int value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    _state.SetItemsProcessed(_state.iterations() * intInputs().narrow.size());
}

BENCHMARK(BM_toFloat);
BENCHMARK(BM_fromCharsFloat);
BENCHMARK(BM_toInt);
BENCHMARK(BM_fromCharsInt);

} // namespace
