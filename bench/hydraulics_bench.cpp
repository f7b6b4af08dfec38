// One examined pipe: the chain every search runs per diameter and slope.

#include <benchmark/benchmark.h>

#include "engine/hydraulics.h"

namespace {

void examinedPipe(benchmark::State& state) {
    vexa::extended q = 10;
    for (auto _ : state) {
        const vexa::extended d = 0.2L, k = 0.00025L, i = 0.005L;
        const vexa::extended full = vexa::Przeplyw100(d, k, i);
        const vexa::extended velocity = vexa::Predkosc100(d, full);
        const vexa::extended h = vexa::Obl_wypelnienie(q, full);
        benchmark::DoNotOptimize(vexa::Obl_Vwy(h, velocity));
        benchmark::DoNotOptimize(vexa::Obl_tau(h, d, i));
        q = q < 28 ? q + 0.37L : 1;  // walk through the fillings
    }
}
BENCHMARK(examinedPipe);

void fillingNearlyFull(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(vexa::Obl_wypelnienie(0.9999L, 1));
}
BENCHMARK(fillingNearlyFull);

}  // namespace
