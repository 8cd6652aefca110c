// Wrapping a long text to a narrow block, as a letter, a journal note or a help page does: the
// demo's own font, a block 300 wide, 20 lines apart, and texts of 300, 600 and 1,200 characters
// of words of two to nine letters. One iteration lays the whole text out again. Goal: 1,200
// characters in at most 1 ms.
#include "Ui/texts/MultilineText.h"
#include "Ui/texts/Text.h"
#include "engine/Engine.h"
#include "platform/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// Words of two to nine letters from a fixed sequence, to exactly _length characters.
WString prose(size_t _length)
{
    WString text;
    UInt seed = 7;
    while (text.size() < _length) {
        seed = seed * 1103515245u + 12345u;
        const size_t word = 2 + (seed >> 16) % 8;
        for (size_t i = 0; i < word && text.size() < _length; ++i)
            text.push_back(char16_t(u'a' + (seed >> (i + 3)) % 26));
        if (text.size() < _length)
            text.push_back(u' ');
    }
    return text;
}

// The engine over the built demo data, and one shown block of wrapped text.
class cWrapBlock {
public:
    cWrapBlock()
        : m_home((std::filesystem::temp_directory_path() / ("furrow-wrap-" + std::to_string(::getpid()))).string())
    {
        setenv("FURROW_HOME", m_home.c_str(), 1);
        m_engine = std::make_unique<cEngine>(FURROW_DATA_DIR, nullptr);
        m_block = new cMultilineText(nullptr);
        cText* prototype = m_block->getPrototype();
        prototype->setFont("fonts/main.fnt");
        prototype->setTexture("fonts/main.png");
        prototype->setAlign(1);
        m_block->setSize(Vector2(300, 600));
        m_block->setInterlinear(20);
        m_block->setLocalized(false);
        m_block->setWrapText(true);
        m_block->show();
        m_block->enable();
    }
    ~cWrapBlock()
    {
        delete m_block;
        m_engine.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }

    cMultilineText& block() { return *m_block; }

private:
    std::string m_home;
    cHeadlessPlatform m_platform;
    std::unique_ptr<cEngine> m_engine;
    cMultilineText* m_block = nullptr;
};

void BM_WrapLongText(benchmark::State& _state)
{
    cWrapBlock wrap;
    wrap.block().setText(prose(size_t(_state.range(0))), true);
    for (auto _ : _state) {
        wrap.block().makeLines();
        benchmark::DoNotOptimize(wrap.block().getLines().size());
    }
    _state.counters["lines"] = double(wrap.block().getLines().size());
    if (wrap.block().getLines().size() < 2)
        _state.SkipWithError("The text did not wrap.");
    _state.SetComplexityN(_state.range(0));
}

} // namespace

BENCHMARK(BM_WrapLongText)->Arg(300)->Arg(600)->Arg(1200)->Unit(benchmark::kMicrosecond)->Complexity();
