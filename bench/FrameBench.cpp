// One frame of a busy screen, whole (see BusyScreen.h): the cost every other screen's frame
// is weighed against.
#include "BusyScreen.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BusyScreenFrame(benchmark::State& _state)
{
    busy::runBusyScreen(_state);
}
BENCHMARK(BM_BusyScreenFrame)->Unit(benchmark::kMicrosecond);

} // namespace
