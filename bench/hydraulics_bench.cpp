// One examined pipe, the step every search repeats per diameter and slope,
// and the filling search within it, beside their floor.

#include <benchmark/benchmark.h>

#include "engine/hydraulics.h"
#include "floor_benchmark.h"

namespace {

using vexa::extended;

void examinedPipe(benchmark::State& state) {
    const vexa::PipeConstants pipe = vexa::pipeConstants(0.2L, 0.00025L);
    const extended i = 0.005L, factor = vexa::tauFactor(i);
    extended q = 10;
    vexa::PipeHydraulics result;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vexa::examinePipe(pipe, i, factor, q, result));
        benchmark::DoNotOptimize(result);
        q = q < 28 ? q + 0.37L : 1;  // walk through the fillings
    }
}
BENCHMARK(examinedPipe);

// The filling search at a few fillings, the nearly full one last.
void fillingSearch(benchmark::State& state) {
    const extended ratio = static_cast<extended>(state.range(0)) / 10000;
    for (auto _ : state) benchmark::DoNotOptimize(vexa::Obl_wypelnienie(ratio, 1));
}
BENCHMARK(fillingSearch)->Arg(1)->Arg(100)->Arg(5000)->Arg(9999);

}  // namespace
