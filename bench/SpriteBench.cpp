// A frame of 10,000 sprites through the renderer (render, then endRender drawing on the
// recording device), against a plain copy of the same vertex and index bytes, in one run.
#include "BenchData.h"
#include "engine/resources/ResourceManager.h"
#include "engine/settings/Settings.h"
#include "graphics/GraphicsImpl.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessWindow.h"
#include "platform/headless/RecordingRasterDevice.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

const int SPRITES = 10000;
const int TEXTURES = 10; // runs of 1,000 sprites each: one draw per run

sSpriteQuad quad(int _index)
{
    sSpriteQuad q;
    const Float left = Float(_index % 780), top = Float((_index / 780) % 580);
    const Float xs[4] = {left, left + 20, left, left + 20}, ys[4] = {top, top, top + 20, top + 20};
    for (int i = 0; i < 4; ++i) {
        q.x[i] = xs[i];
        q.y[i] = ys[i];
    }
    return q;
}

void BM_RendererFrame(benchmark::State& _state)
{
    // The renderer reads its parameters from the settings, which load through the cache.
    cBenchData::get();
    cResourceManager resources;
    cSettings settings;
    cHeadlessWindow window;
    cHeadlessSystem system;
    auto owned = std::make_unique<cRecordingRasterDevice>();
    cRecordingRasterDevice* device = owned.get();
    cGraphics graphics(std::move(owned), window, system);
    std::vector<sSpriteTexture> textures;
    const UInt pixel = 0xFFFFFFFF;
    for (int i = 0; i < TEXTURES; ++i)
        textures.push_back({graphics.createTexture(1, 1, &pixel), 1, 1});
    std::vector<sSpriteQuad> quads;
    for (int i = 0; i < SPRITES; ++i)
        quads.push_back(quad(i));

    size_t draws = 0;
    for (auto _ : _state) {
        graphics.beginRender();
        for (int i = 0; i < SPRITES; ++i)
            graphics.renderQuad(quads[i], textures[i * TEXTURES / SPRITES], 0);
        graphics.endRender();
        draws = device->draws().size();
        _state.PauseTiming();
        device->forgetCalls();
        _state.ResumeTiming();
    }
    _state.counters["sprites/s"] = benchmark::Counter(double(SPRITES), benchmark::Counter::kIsIterationInvariantRate);
    _state.counters["draws/frame"] = double(draws);
    if (draws != TEXTURES)
        _state.SkipWithError("The sprites were not drawn in one draw a texture.");
}
BENCHMARK(BM_RendererFrame)->Unit(benchmark::kMicrosecond);

// The floor: copying a frame's finished vertices and indices once, as a device must at least.
void BM_PlainVertexCopy(benchmark::State& _state)
{
    std::vector<sVertex> vertices(std::size_t(SPRITES) * 4), copy(vertices.size());
    std::vector<UInt> indices(std::size_t(SPRITES) * 6), indexCopy(indices.size());
    for (auto _ : _state) {
        std::memcpy(copy.data(), vertices.data(), vertices.size() * sizeof(sVertex));
        std::memcpy(indexCopy.data(), indices.data(), indices.size() * sizeof(UInt));
        benchmark::DoNotOptimize(copy.data());
        benchmark::DoNotOptimize(indexCopy.data());
        benchmark::ClobberMemory();
    }
    _state.counters["sprites/s"] = benchmark::Counter(double(SPRITES), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PlainVertexCopy)->Unit(benchmark::kMicrosecond);

} // namespace
