// Loading a 2 MB UTF-16 document into our tree, against the parser alone on the same bytes
// with empty handlers, in one run.
#include "BenchData.h"
#include "engine/files/XML.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <iterator>
#include <memory>

namespace {

void XMLCALL noStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL noEnd(void*, const XML_Char*) {}
void XMLCALL noText(void*, const XML_Char*, int) {}

// Loading only: the tree is freed outside the timed part.
void BM_cXMLLoad(benchmark::State& _state)
{
    cBenchData::get();
    for (auto _ : _state) {
        auto document = std::make_unique<cXML>("big.xml");
        benchmark::DoNotOptimize(document->getChildCount());
        _state.PauseTiming();
        document.reset();
        _state.ResumeTiming();
    }
}

// Loading and freeing, for the whole cost of a document that is read and dropped.
void BM_cXMLLoadAndFree(benchmark::State& _state)
{
    cBenchData::get();
    for (auto _ : _state) {
        cXML document("big.xml");
        benchmark::DoNotOptimize(document.getChildCount());
    }
}

void BM_expatAlone(benchmark::State& _state)
{
    std::ifstream in(cBenchData::get().root() + "/big.xml", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto _ : _state) {
        XML_Parser parser = XML_ParserCreate(reinterpret_cast<const XML_Char*>(u"UTF-16"));
        XML_SetElementHandler(parser, noStart, noEnd);
        XML_SetCharacterDataHandler(parser, noText);
        if (XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) != XML_STATUS_OK)
            _state.SkipWithError("parse failed");
        XML_ParserFree(parser);
    }
    _state.SetBytesProcessed(_state.iterations() * static_cast<int64_t>(bytes.size()));
}

BENCHMARK(BM_cXMLLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_cXMLLoadAndFree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_expatAlone)->Unit(benchmark::kMillisecond);

} // namespace
