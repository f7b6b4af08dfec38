#pragma once

// The floor of every figure: the Colebrook-White arithmetic around one log10
// and one sqrt of a long double, which no examined pipe can do without.
// Every benchmark program runs it, so that its figures can be read as ratios
// to the floor measured in the same run; absolute times vary from machine to
// machine.

#include <benchmark/benchmark.h>

#include <cmath>

namespace vexa_bench {

inline void floorLog10AndSqrt(benchmark::State& state) {
    long double i = 0.005L;
    for (auto _ : state) {
        const long double d = 0.2L, roughness = 0.00025L / (3.71L * 0.2L);
        const long double A = d * std::sqrt(d * i);
        benchmark::DoNotOptimize(std::log10(7.4e-7L / A + roughness) * -6.95L * d * A * 1000);
        i = i < 0.05L ? i + 0.0001L : 0.005L;
    }
}
BENCHMARK(floorLog10AndSqrt);

}  // namespace vexa_bench
